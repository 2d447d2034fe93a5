#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target for SECONDS each (default 60).
# usage: fuzz/run-all.sh [SECONDS] [BUILD_DIR]
# New inputs go to BUILD_DIR/corpus/<target>; the seeds in fuzz/corpus/<target> stay untouched.
# A finding stops that target, leaves its crash file in BUILD_DIR/findings/<target>, and makes
# the script exit 1 after the other targets have run.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${2:-$root/build/fuzz}"

cmake --preset fuzz -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target fuzz_all

targets=(fuzz_load_table fuzz_name_lists fuzz_shot_size_index fuzz_descriptions fuzz_settings
         fuzz_engine fuzz_grid_data fuzz_my_loads fuzz_precision)
failed=()
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$work" "$findings"
  echo "== $target: ${seconds}s"
  # -timeout: one input running longer than 10 s counts as a hang.
  if ! "$build/bin/$target" "$work" "$root/fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
      -artifact_prefix="$findings/" -print_final_stats=1 >"$build/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 40 "$build/$target.log"
  fi
  grep -E "^stat::number_of_executed_units|^Done [0-9]+ runs" "$build/$target.log" || true
done

if ((${#failed[@]})); then
  echo "fuzz findings in: ${failed[*]} (see $build/findings/)"
  exit 1
fi
echo "fuzz: all ${#targets[@]} targets ran ${seconds}s without a finding"

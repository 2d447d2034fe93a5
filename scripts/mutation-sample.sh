#!/usr/bin/env bash
# A small mutation check of the test suite: applies each mutation of scripts/mutations.txt in turn
# to the core sources (flipped comparisons, changed constants, dropped statements, off-by-one
# bounds), rebuilds the core, the tool and their tests (UI off, in build/mutation), runs them and
# prints how many mutants the suite caught. The sources are restored after each one and on exit.
#   scripts/mutation-sample.sh [MUTATIONS_FILE]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
list="${1:-$root/scripts/mutations.txt}"
build="$root/build/mutation"
cd "$root"

current=""
backup="$(mktemp)"
restore() {
    if [[ -n "$current" ]]; then
        cp "$backup" "$current"
        current=""
    fi
}
trap 'restore; rm -f "$backup"' EXIT

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_BUILD_UI=OFF \
    -DCORVANE_BUILD_BENCH=OFF -DCORVANE_WARNINGS_AS_ERRORS=OFF >/dev/null
cmake --build "$build" >/dev/null
ctest --test-dir "$build" -j "$(nproc)" >"$build/baseline.log" 2>&1 || {
    tail -n 20 "$build/baseline.log"
    echo "the suite fails without mutations" >&2
    exit 1
}

total=0 caught=0 survived=0 broken=0
while IFS=$'\t' read -r file original mutant; do
    [[ -z "$file" || "$file" == \#* ]] && continue
    total=$((total + 1))
    cp "$file" "$backup"
    current="$file"
    if ! ORIGINAL="$original" MUTANT="$mutant" perl -0777 -i -pe '
            my $at = index($_, $ENV{ORIGINAL});
            die "not found\n" if $at < 0;
            substr($_, $at, length $ENV{ORIGINAL}) = $ENV{MUTANT};' "$file"; then
        echo "MISSING  $file: $original"
        broken=$((broken + 1))
        restore
        continue
    fi
    if ! cmake --build "$build" >"$build/mutant.log" 2>&1; then
        echo "NO BUILD $file: $mutant"
        broken=$((broken + 1))
    elif ctest --test-dir "$build" -j "$(nproc)" --stop-on-failure >"$build/mutant.log" 2>&1; then
        echo "SURVIVED $file: $original  ->  $mutant"
        survived=$((survived + 1))
    else
        echo "caught   $file: $mutant"
        caught=$((caught + 1))
    fi
    restore
done <"$list"
cmake --build "$build" >/dev/null
echo "mutants: $total, caught $caught, survived $survived, not applicable $broken"

#!/usr/bin/env bash
# Proves the README on a brand-new Debian 12: a bare `debootstrap --variant=minbase bookworm`
# root gets a copy of this work tree and runs, inside a chroot,
#   1. the README's test command (scripts/run-tests.sh),
#   2. the README's launch command (scripts/run-catalog.sh) under Xvfb until the window is up,
#   3. the package build (cmake --build build/release --target package);
# then a second bare root installs that package with apt, and the installed program, tool,
# desktop entry and AppStream file are checked there.
#
# usage: scripts/check-fresh-machine.sh [OUT_DIR]      (as root; OUT_DIR gets the .deb, logs and a
#                                                       screenshot; default build/fresh-machine)
# CORVANE_FRESH_CACHE (default /var/cache/corvane-fresh-machine) keeps between runs on one machine:
# the bare root as a tarball, apt's downloaded .deb files and a ccache directory. Only downloads and
# compiler output are reused; every package is still installed by the repository's own scripts.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$repo/build/fresh-machine}" && cd "${1:-$repo/build/fresh-machine}" && pwd)"
cache="${CORVANE_FRESH_CACHE:-/var/cache/corvane-fresh-machine}"
mirror="${CORVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
bare_tar="$cache/bookworm-minbase.tar"
in_root_src=/root/corvane-catalog

if ((EUID != 0)); then
    echo "check-fresh-machine: run as root (debootstrap, chroot and mounts need it)" >&2
    exit 2
fi
mkdir -p "$cache/apt-archives/partial" "$cache/ccache"
work="$(mktemp -d /var/tmp/corvane-fresh.XXXXXX)"
roots=()

log() { printf '== %s  %s\n' "$(date +%H:%M:%S)" "$*"; }

# Every process whose root directory is inside ROOT.
processes_in() {
    local root="$1" link pid
    for pid in /proc/[0-9]*; do
        link="$(readlink "$pid/root" 2>/dev/null)" || continue
        if [[ "$link" == "$root" || "$link" == "$root"/* ]]; then
            echo "${pid#/proc/}"
        fi
    done
}

# Mount points at or under ROOT, deepest first.
mounts_under() {
    awk -v r="$1" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/self/mounts | sort -r
}

# Ends what still runs inside ROOT, unmounts everything under it and removes it only when nothing
# is mounted there any more: a removal through a live mount would delete the mount's contents.
teardown_root() {
    local root="$1" pids attempt m
    for attempt in 1 2 3; do
        pids="$(processes_in "$root")"
        [[ -z "$pids" ]] && break
        # shellcheck disable=SC2086
        kill -TERM $pids 2>/dev/null || true
        sleep 2
        pids="$(processes_in "$root")"
        # shellcheck disable=SC2086
        [[ -n "$pids" ]] && kill -KILL $pids 2>/dev/null || true
        sleep 1
    done
    for attempt in 1 2 3 4 5; do
        for m in $(mounts_under "$root"); do
            umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
        done
        [[ -z "$(mounts_under "$root")" ]] && break
        sleep 1
    done
    if [[ -n "$(mounts_under "$root")" ]]; then
        echo "check-fresh-machine: still mounted under $root, left in place:" >&2
        mounts_under "$root" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}

cleanup() {
    local status=$? r ok=1
    for r in "${roots[@]}"; do
        [[ -d "$r" ]] && { teardown_root "$r" || ok=0; }
    done
    if ((ok)); then
        rm -rf --one-file-system "$work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

make_bare_tarball() {
    command -v debootstrap >/dev/null || {
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    }
    local bare="$work/bare"
    roots+=("$bare")
    log "debootstrap --variant=minbase bookworm (cached afterwards in $bare_tar)"
    debootstrap --variant=minbase bookworm "$bare" "$mirror" >"$out/debootstrap.log" 2>&1 || {
        tail -n 30 "$out/debootstrap.log" >&2
        return 1
    }
    tar -C "$bare" -cf "$bare_tar.tmp" .
    mv "$bare_tar.tmp" "$bare_tar"
}

# A fresh root from the bare tarball with its own proc, shm and pty instance (never the
# machine's /dev), the machine's DNS settings and the shared download and compiler caches.
# Sets $root.
new_root() {
    root="$work/$1"
    mkdir -p "$root"
    roots+=("$root")
    tar -C "$root" -xf "$bare_tar"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mkdir -p "$root/dev/shm" "$root/dev/pts"
    mount -t tmpfs -o mode=1777,size=2g tmpfs "$root/dev/shm"
    mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
    rm -f "$root/dev/ptmx"
    ln -s pts/ptmx "$root/dev/ptmx"
    mount --bind "$cache/apt-archives" "$root/var/cache/apt/archives"
    # apt removes downloaded packages after installing them unless told to keep them.
    echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$root/etc/apt/apt.conf.d/99keep"
    mkdir -p "$root/var/cache/ccache"
    mount --bind "$cache/ccache" "$root/var/cache/ccache"
}

# Runs a bash command line inside ROOT with a clean environment.
in_root() {
    local root="$1"
    shift
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        CCACHE_DIR=/var/cache/ccache DEBIAN_FRONTEND=noninteractive \
        /bin/bash -c "$*"
}

start=$SECONDS
[[ -f "$bare_tar" ]] || make_bare_tarball

# --- 1 to 3: the README's commands and the package, in a root that has only what they install.
new_root build-root
log "copying the work tree into the root"
mkdir -p "$root$in_root_src"
(cd "$repo" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf -) | tar -C "$root$in_root_src" -xf -

log "README test command: bash scripts/run-tests.sh"
status=0
in_root "$root" "cd $in_root_src && bash scripts/run-tests.sh" >"$out/run-tests.log" 2>&1 || status=$?
grep -E '^([0-9]+% tests passed|Total Test time|The following tests FAILED|[[:space:]]+[0-9]+ - )' \
    "$out/run-tests.log" || tail -n 40 "$out/run-tests.log"
((status == 0)) || { echo "run-tests.sh failed in the fresh root (see $out/run-tests.log)" >&2; exit 1; }

# The launch command builds and then runs the program until its window is closed; it counts as
# passed when the program is still running 15 s after it started, and its screen is kept.
# Users and packagers build without -Werror; this check keeps the Release build strict too, by
# configuring build/release with it first (the launch command's configure keeps the setting).
log "README launch command: bash scripts/run-catalog.sh (under Xvfb)"
in_root "$root" "cd $in_root_src && cmake --preset release -DCORVANE_WARNINGS_AS_ERRORS=ON" \
    >"$out/run-catalog.log" 2>&1 || { tail -n 40 "$out/run-catalog.log" >&2; exit 1; }
in_root "$root" "
    set -u
    cd $in_root_src
    # -displayfd: the server picks a display number that no other X server here uses.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>/tmp/display >/tmp/xvfb.log 2>&1 &
    xvfb=\$!
    for _ in \$(seq 1 50); do [[ -s /tmp/display ]] && break; sleep 0.2; done
    export DISPLAY=:\$(cat /tmp/display)
    bash scripts/run-catalog.sh >/tmp/run-catalog.log 2>&1 &
    launcher=\$!
    status=1
    for _ in \$(seq 1 1800); do
        if ! kill -0 \$launcher 2>/dev/null; then
            echo 'the launch command ended before the program was up'; break
        fi
        # The script ends in exec, so its process becomes the program once the build is done.
        if [[ \$(readlink /proc/\$launcher/exe) == */build/release/bin/corvane-catalog ]]; then
            sleep 15
            if kill -0 \$launcher 2>/dev/null; then
                import -window root /tmp/launched.png && status=0
            else
                echo 'the program ended within 15 s of its start'
            fi
            kill \$launcher 2>/dev/null; break
        fi
        sleep 1
    done
    wait \$launcher 2>/dev/null
    kill \$xvfb 2>/dev/null
    tail -n 20 /tmp/run-catalog.log
    exit \$status" >>"$out/run-catalog.log" 2>&1 || {
    tail -n 40 "$out/run-catalog.log" >&2
    echo "run-catalog.sh did not start the program in the fresh root" >&2
    exit 1
}
cp "$root/tmp/launched.png" "$out/launched.png"

log "package: cmake --build build/release --target package"
in_root "$root" "cd $in_root_src && cmake --build build/release --target package" \
    >"$out/package.log" 2>&1 || { tail -n 40 "$out/package.log" >&2; exit 1; }
rm -f "$out"/corvane-catalog_*.deb
cp "$root$in_root_src"/build/release/corvane-catalog_*_amd64.deb "$out/"
deb="$(basename "$(ls "$out"/corvane-catalog_*_amd64.deb)")"
# The grid the built tool prints, to compare with the installed tool's.
in_root "$root" "cd $in_root_src && build/release/bin/corvane-catalog-tool table build/release/bin/Data 0" \
    >"$out/table-built.csv"
teardown_root "$root"

# --- 4: the package on another bare root: apt pulls in its dependencies, nothing else is there.
new_root install-root
cp "$out/$deb" "$root/root/"
log "installing $deb into a bare root"
in_root "$root" "apt-get update -qq && apt-get install -y -qq --no-install-recommends /root/$deb" \
    >"$out/package-install.log" 2>&1 || { tail -n 40 "$out/package-install.log" >&2; exit 1; }
in_root "$root" "corvane-catalog-tool table /usr/lib/corvane-catalog/Data 0" >"$out/table-installed.csv"
cmp "$out/table-built.csv" "$out/table-installed.csv" ||
    { echo "the installed tool prints another rifle grid than the built one" >&2; exit 1; }
[[ -s "$out/table-installed.csv" ]] || { echo "the installed tool printed no grid" >&2; exit 1; }
in_root "$root" "ldd /usr/lib/corvane-catalog/corvane-catalog \$(command -v corvane-catalog-tool)" \
    >"$out/ldd.log"
if grep -q 'not found' "$out/ldd.log"; then
    grep 'not found' "$out/ldd.log" >&2
    echo "the installed program misses libraries" >&2
    exit 1
fi
log "checking tools for the installed files (installed after the package's own dependencies)"
in_root "$root" "apt-get install -y -qq --no-install-recommends xvfb xauth desktop-file-utils appstream" \
    >>"$out/package-install.log" 2>&1
in_root "$root" "desktop-file-validate /usr/share/applications/*.desktop &&
    appstreamcli validate --no-net --pedantic /usr/share/metainfo/*.metainfo.xml" \
    >"$out/validate.log" 2>&1 || { cat "$out/validate.log" >&2; exit 1; }
# The installed program is started from the PATH, as the desktop entry does, and must still be
# running after 15 s (timeout's 124).
in_root "$root" "cd /tmp && timeout 15 xvfb-run -a -s '-screen 0 1280x1024x24' corvane-catalog" \
    >"$out/installed-run.log" 2>&1 && status=0 || status=$?
if ((status != 124)); then
    cat "$out/installed-run.log" >&2
    echo "the installed program did not keep running (exit $status)" >&2
    exit 1
fi

log "fresh machine: README commands, suite and package passed in $((SECONDS - start)) s"

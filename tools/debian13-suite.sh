#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Checks the README's promise on Debian 13 "trixie": makes a fresh minimal
# trixie system in a chroot under build/debian13/root, copies the repository
# in and runs the README's two commands there as a new user would, ./run.sh
# (no display: the no-hardware demo on a virtual one, with a screenshot) and
# ./test.sh (the whole suite). Fails if either fails or if the build prints a
# compiler warning. CI runs it after the host's own runs.
#   sudo tools/debian13-suite.sh
#
# What is copied: the working tree's files that git tracks or would track
# (tracked and untracked-but-not-ignored, as they are on disk), so a developer
# tries their edits before committing them; in a clean clone, as in CI, that
# is exactly the committed tree. build/ and other ignored files stay out.
#
# Needs root (debootstrap, chroot, mounts). Installs debootstrap on the host if
# it is missing, and nothing else; never touches the host's apt sources. The
# Debian mirror is the one the host's own apt sources use for the main archive
# (DEBIAN_MIRROR overrides it). The chroot runs in mount and PID namespaces of
# its own: its bind mounts are never seen outside and vanish with it, and its
# processes end when it ends; the exit trap checks both all the same.
# QUORLIN_KEEP_CHROOT=1 keeps the chroot after a successful run (a failed run
# always keeps it, for a look inside); the next run starts afresh.
set -euo pipefail

suite=trixie
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$repo/build/debian13
target=$work/root
log=$work/suite.log
me=tools/debian13-suite.sh

if [ "$(id -u)" -ne 0 ]; then
    echo "$me needs root (debootstrap, chroot and bind mounts): run it as root or with sudo." >&2
    exit 1
fi

mkdir -p "$work"
: >"$log"
# Everything below is shown and also kept in the log.
exec > >(tee -a "$log") 2>&1

say() { printf '\n== %s: %s\n' "$(date +%T)" "$*"; }
elapsed() { echo "$(($(date +%s) - $1)) s"; }

# --- Everything mounted under the chroot, deepest first, from the host's view.
mounts_under_target() {
    awk -v t="$target" '{ p = $5; gsub(/\\040/, " ", p) } p == t || index(p, t "/") == 1 { print p }' \
        /proc/self/mountinfo | sort -r
}

# Processes whose root is the chroot (or anything under it).
processes_in_target() {
    local d r
    for d in /proc/[0-9]*; do
        r=$(readlink "$d/root" 2>/dev/null) || continue
        case $r in "$target" | "$target"/*) echo "${d#/proc/}" ;; esac
    done
}

# Ends what runs in the chroot and unmounts what is mounted there; true when
# nothing is left.
release_target() {
    local pids m
    if [ -n "${inner_pid:-}" ] && kill -0 "$inner_pid" 2>/dev/null; then
        kill -TERM "$inner_pid" 2>/dev/null || true
        for _ in $(seq 20); do kill -0 "$inner_pid" 2>/dev/null || break; sleep 0.1; done
        # unshare --kill-child: killing unshare kills the namespace's first process,
        # and with it every process in the namespace.
        kill -KILL "$inner_pid" 2>/dev/null || true
        wait "$inner_pid" 2>/dev/null || true
    fi
    pids=$(processes_in_target)
    if [ -n "$pids" ]; then
        echo "Ending processes left in the chroot: $pids" >&2
        kill -KILL $pids 2>/dev/null || true
        sleep 0.5
    fi
    for m in $(mounts_under_target); do
        umount "$m" 2>/dev/null || umount --lazy "$m" || true
    done
    [ -z "$(mounts_under_target)" ] && [ -z "$(processes_in_target)" ]
}

on_exit() {
    local rc=$?
    trap - EXIT INT TERM
    if ! release_target; then
        echo "$me: could not unmount everything under $target; look with: findmnt -R $target" >&2
        rc=1
    fi
    exit "$rc"
}
trap on_exit EXIT
trap 'echo "$me: interrupted" >&2; exit 130' INT
trap 'echo "$me: terminated" >&2; exit 143' TERM

# Removes the old chroot, but never while anything is mounted below it: a
# recursive removal would go through a bind mount into the host's /dev.
remove_target() {
    [ -e "$target" ] || return 0
    release_target || { echo "$me: $target still has mounts; not removing it." >&2; return 1; }
    rm -rf --one-file-system "$target"
}

# --- The mirror: the first deb source of the host's main archive (not its
# security or updates suites), one-line or deb822 form.
host_mirror() {
    {
        for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$f" ] || continue
            # deb [options] URI suite components...
            sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$f" | awk '$1 == "deb" && $3 !~ /-/ { print $2 }'
        done
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] || continue
            awk 'function flush() {
                     if (types ~ /(^| )deb( |$)/ && enabled != "no" && uris != "")
                         for (i = 1; i <= ns; i++) if (s[i] !~ /-/) { split(uris, u, " "); print u[1]; break }
                     types = ""; uris = ""; enabled = ""; ns = 0
                 }
                 /^[ \t]*#/ { next }
                 /^[ \t]*$/ { flush(); next }
                 tolower($1) == "types:"   { $1 = ""; types = $0 }
                 tolower($1) == "uris:"    { $1 = ""; sub(/^ +/, ""); uris = $0 }
                 tolower($1) == "suites:"  { ns = split(substr($0, index($0, ":") + 1), s, " ") }
                 tolower($1) == "enabled:" { enabled = tolower($2) }
                 END { flush() }' "$f"
        done
    } | awk '$0 !~ /-security\/?$/ && !found { print; found = 1 }'
}

mirror=${DEBIAN_MIRROR:-}
[ -n "$mirror" ] || mirror=$(host_mirror) || true
if [ -z "$mirror" ]; then
    echo "$me: found no Debian archive in the host's apt sources; set DEBIAN_MIRROR to one." >&2
    exit 1
fi

start=$(date +%s)
if ! command -v debootstrap >/dev/null; then
    say "installing debootstrap on the host"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

remove_target

# --- A fresh minimal trixie. debootstrap mounts /proc and more in the target
# itself; its own namespace keeps those off the host too.
say "debootstrap --variant=minbase $suite from $mirror"
t=$(date +%s)
unshare --mount --pid --fork --kill-child \
    debootstrap --variant=minbase "$suite" "$target" "$mirror" >>"$log" 2>&1 &
inner_pid=$!
if ! wait "$inner_pid"; then
    inner_pid=
    tail -n 30 "$log" >&2
    [ -f "$target/debootstrap/debootstrap.log" ] && tail -n 30 "$target/debootstrap/debootstrap.log" >&2
    echo "$me: debootstrap failed; full log: $log" >&2
    exit 1
fi
inner_pid=
echo "made in $(elapsed "$t")"

# --- The repository, as a new user's clone would hold it.
say "copying the repository into the chroot"
mkdir -p "$target/root/quorlin"
git -C "$repo" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$repo/$f" ] || [ -L "$repo/$f" ] && printf '%s\0' "$f"; done |
    tar -C "$repo" --null --no-recursion -T - -cf - | tar -C "$target/root/quorlin" -xf -
# Resolving names inside, as the installer would have set it up.
cp -L /etc/resolv.conf "$target/etc/resolv.conf"

# --- The README's two commands, inside the chroot, in namespaces of its own:
# when the first process there ends, every other one does too, and the mounts
# go with the namespace.
inner=$(cat <<'INNER'
set -euo pipefail
target=$1
# The chroot's root a mount point, as a real system's is: a test that makes a
# mount namespace of its own (unshare --propagation) needs one.
mount --bind "$target" "$target"
mount --bind /proc "$target/proc"
mount --bind /sys "$target/sys"
mount --bind /dev "$target/dev"
mount --bind /dev/pts "$target/dev/pts"
mount -t tmpfs -o nosuid,nodev,mode=1777 tmpfs "$target/dev/shm"
step() { # step <command>: runs it in the clone as a fresh login shell would, timed
    local t=$(date +%s)
    printf '\n== %s: %s\n' "$(date +%T)" "$1"
    chroot "$target" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" /bin/bash -c "cd /root/quorlin && $1" </dev/null
    echo "$1 took $(($(date +%s) - t)) s"
}
step ./run.sh
step ./test.sh
INNER
)
# A job started with & would ignore Ctrl-C; env gives the chroot the default.
env --default-signal=INT,QUIT unshare --mount --pid --fork --kill-child --mount-proc \
    bash -c "$inner" inner "$target" </dev/null &
inner_pid=$!
rc=0
wait "$inner_pid" || rc=$?
inner_pid=
[ "$rc" -eq 0 ] || { echo "$me: failed in the $suite chroot (exit $rc); it is kept in $target, the log is $log" >&2; exit "$rc"; }

screenshot=$target/root/quorlin/build/quorlin-screenshot.png
[ -f "$screenshot" ] && cp "$screenshot" "$work/quorlin-screenshot.png" && echo "The demo's screenshot: $work/quorlin-screenshot.png"

# Compiler (and CMake) warnings anywhere in the build: the README's commands
# use the default preset, which reports warnings instead of failing on them.
if grep -E '^[^ ]+:[0-9]+:([0-9]+:)? warning:|^CMake Warning' "$log" >&2; then
    echo "$me: the build on $suite printed the warnings above" >&2
    exit 1
fi

if [ "${QUORLIN_KEEP_CHROOT:-0}" = 1 ]; then
    echo "The chroot is kept in $target."
else
    say "removing the chroot"
    remove_target
fi
say "passed on Debian $suite in $(elapsed "$start")"

#!/usr/bin/env bash
# The Wine environment that the Windows build's programs run in: a private 32-bit Wine prefix
# in the build folder and a wineserver of its own.
#
#   scripts/wine-env.sh start <build-dir>          prefix ready, server kept running until stop
#   scripts/wine-env.sh stop <build-dir>           ends the server that start or run started
#   scripts/wine-env.sh run <build-dir> <exe> ...  runs a Windows program (CMake's emulator)
#   eval "$(scripts/wine-env.sh env <build-dir>)"  the variables, for running wine by hand
#   scripts/wine-env.sh usable-arch                 win32 where 32-bit Wine runs here, else win64
#
# Wine leaves a server and its service processes behind, and they hold on to the standard
# output of the program that started them: ctest and ninja, which read that output to its end,
# would wait for them until their timeout. So the server and the services are started here, on
# their own, with their output going to <build-dir>/wine/wine.log, before any program runs.
# run starts them when they are not running (a server that ends a minute after its last
# program, for the test listing during a build); start keeps them until stop (for ctest).
#
# Headless: console programs need no X display. With DISPLAY set (Xvfb), windows open there.
#
# KARUSELLO_WINE_ARCH chooses the prefix: win32 (the default; 32-bit Wine, for the shipped
# 32-bit build) or win64 (64-bit Wine only, for the 64-bit build on a machine that cannot run
# 32-bit programs). The toolchain files pass it with the emulator command.
set -euo pipefail

usage() {
    echo "usage: $0 start|stop|env <build-dir> | run <build-dir> <exe> [args...] | usable-arch" >&2
    exit 2
}
# Some kernels run no 32-bit programs (their x86 compatibility mode is off or missing), and
# then 32-bit Wine cannot start at all.
if [[ ${1:-} == usable-arch ]]; then
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
    exit 0
fi
(($# >= 2)) || usage
command=$1
build_dir=$(realpath -m -- "$2")
shift 2

state_dir=$build_dir/wine
export WINEPREFIX=$state_dir/prefix
export WINEARCH=${KARUSELLO_WINE_ARCH:-win32}
case $WINEARCH in
# Debian's wine command always starts the 32-bit loader when wine32 is installed.
win32) wine=wine ;;
win64) wine=/usr/lib/wine/wine64 && export WINELOADER=$wine ;;
*) echo "wine-env: KARUSELLO_WINE_ARCH must be win32 or win64, not $WINEARCH" >&2 && exit 2 ;;
esac
export WINEDEBUG=${KARUSELLO_WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and their installer would ask for a download.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# unixODBC hands the Linux SQLite driver its texts in the locale's character set: under a C or
# POSIX locale a path with characters beyond Latin-1 would arrive cut to single bytes.
case ${LC_ALL:-${LANG:-C}} in
C | POSIX) export LANG=C.UTF-8 && unset LC_ALL ;;
esac
log=$state_dir/wine.log
server_pid_file=$state_dir/wineserver.pid
ready_mark=$WINEPREFIX/.karusello-ready-$WINEARCH

server_running() {
    local pid
    pid=$(cat "$server_pid_file" 2>/dev/null) || return 1
    [[ -n $pid ]] && grep -qa wineserver "/proc/$pid/cmdline" 2>/dev/null &&
        grep -qaF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null
}

# Becomes the command, with standard input from /dev/null, the output going to the log and no
# other descriptor: Wine's server and services outlive the command and must not hold a caller's
# pipe (or the setup lock) open. Called in a subshell: (exec_detached ...) or exec_detached ... &
exec_detached() {
    local fd
    for fd in /proc/self/fd/*; do
        fd=${fd##*/}
        if ((fd > 2)); then
            eval "exec $fd>&-" 2>/dev/null || true
        fi
    done
    exec "$@" </dev/null >>"$log" 2>&1
}

# Creates the prefix; a prefix without the mark is left over from an interrupted or older
# setup (one made before wine32 was installed cannot load 32-bit programs) and is made anew.
create_prefix() {
    [[ -e $ready_mark ]] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
    (exec_detached "$wine" wineboot --init)
    # Windows get no window manager decorations and stay where they are put.
    (exec_detached "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f)
    # The registry reaches the disk when the server ends.
    (exec_detached wineserver -w)
    touch "$ready_mark"
}

# Waits until the server listens. Programs started before that would start a server of their
# own, which takes the prefix and makes ours give up. The server's folder is the one of its
# lock file; its socket appears there when it listens.
wait_for_server() {
    local pid=$1 tries lock
    for ((tries = 0; tries < 100; tries++)); do
        for lock in /proc/"$pid"/fd/*; do
            lock=$(readlink "$lock" 2>/dev/null) || continue
            [[ $lock == */server-*/lock && -S ${lock%/lock}/socket ]] && return 0
        done
        server_running || break
        sleep 0.1
    done
    echo "wine-env: the wineserver did not start (see $log)" >&2
    exit 1
}

# persistence: wineserver's -p argument ("" = until stopped, or seconds after the last program).
start_server() {
    local persistence=$1
    exec_detached setsid wineserver -f "-p$persistence" &
    echo $! >"$server_pid_file"
    wait_for_server $!
    # One program brings up Wine's services.
    (exec_detached "$wine" cmd /c exit)
}

stop_server() {
    server_running || return 0
    (exec_detached wineserver -k) || true
    # (A server that has ended counts as not running even before its parent collects it.)
    while server_running; do
        sleep 0.1
    done
    rm -f "$server_pid_file"
}

# Runs its arguments holding the setup lock, so that programs started at the same time (ctest
# -j, a parallel build) set up the environment once.
with_lock() {
    mkdir -p "$state_dir"
    exec 9>"$state_dir/setup.lock"
    flock 9
    "$@"
    exec 9>&-
}

setup_for_ctest() {
    create_prefix
    # A server that run started would end on its own; this one stays until stop.
    stop_server
    start_server ""
}

setup_for_run() {
    create_prefix
    server_running || start_server 60
}

case "$command" in
start) with_lock setup_for_ctest ;;
stop) with_lock stop_server ;;
run)
    (($# >= 1)) || usage
    with_lock setup_for_run
    exec "$wine" "$@"
    ;;
env)
    printf 'export WINEPREFIX=%q WINEARCH=%q WINEDEBUG=%q WINEDLLOVERRIDES=%q WINE=%q\n' \
        "$WINEPREFIX" "$WINEARCH" "$WINEDEBUG" "$WINEDLLOVERRIDES" "$wine"
    ;;
*) usage ;;
esac

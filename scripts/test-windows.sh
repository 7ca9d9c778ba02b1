#!/usr/bin/env bash
# Runs the Windows build's tests under Wine with ctest, headless (on a private X display), and
# ends with ctest's summary.
#   scripts/test-windows.sh [build-dir] [extra ctest arguments...]     (default: build/windows)
# The build folder comes from scripts/build.sh windows. The Wine environment (the build
# folder's own prefix and server, scripts/wine-env.sh) is set up before and ended after, also
# when ctest fails or is interrupted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

build_dir=$(realpath "${1:-$root/build/windows}")
shift || true
if [[ ! -f $build_dir/CTestTestfile.cmake ]]; then
    echo "test-windows: no test build in $build_dir (scripts/build.sh windows makes one)" >&2
    exit 2
fi

# Everything runs on a private X display (Xvfb) for the whole run: console test programs do not
# use it, the window tests need one, and Wine's desktop process, started with the first program,
# stays on it until the end. Never on the user's own display.
if [[ ${KARUSELLO_WINE_TEST_DISPLAY:-} != private ]]; then
    unset DISPLAY
    export KARUSELLO_WINE_TEST_DISPLAY=private
    exec "$root/scripts/with-xvfb.sh" "$0" "$build_dir" "$@"
fi

wine_env=$root/scripts/wine-env.sh
# A 64-bit build runs in a 64-bit prefix.
if grep -qs 'CMAKE_SYSTEM_PROCESSOR "x86_64"' "$build_dir"/CMakeFiles/*/CMakeSystem.cmake; then
    export KARUSELLO_WINE_ARCH=win64
    bits=64
else
    export KARUSELLO_WINE_ARCH=win32
    bits=32
fi
log=$(mktemp)
trap '"$wine_env" stop "$build_dir"; rm -f "$log"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
"$wine_env" start "$build_dir"

cd "$build_dir"
status=0
ctest --output-on-failure --timeout 300 -j 2 "$@" 2>&1 | tee "$log" || status=$?
summary=$(grep -E '^[0-9]+% tests passed' "$log" || true)
# The workflow's shuffle, restore and failure tests run once per way of writing a row: the
# rowid writer (app_tests), the positioned update that stations use and its keyed fallback.
writers() {
    local prefix=$1 ran passed
    ran=$(grep -cE "Test +#[0-9]+: ${prefix}\." "$log" || true)
    passed=$(grep -E "Test +#[0-9]+: ${prefix}\." "$log" | grep -c ' Passed ' || true)
    echo "$passed of $ran"
}
echo "Windows build ($bits-bit) under Wine: ${summary:-no ctest summary}"
echo "  row writers: positioned update $(writers positioned) passed, keyed update $(writers keyed) passed"
exit "$status"

#!/usr/bin/env bash
# Sets up the machine, builds the Linux program with AddressSanitizer and UndefinedBehaviorSanitizer
# and the 32-bit Windows program with mingw-w64, fuzzes briefly, runs the Linux tests with ctest
# under a private X server and the Windows tests under Wine. Ends with both ctest summaries;
# fails when either run fails.
# On a machine whose kernel runs no 32-bit programs, 32-bit Wine cannot start: there the 32-bit
# program is only built, and the Windows tests run on the same sources built for 64 bits.
#   scripts/test.sh [extra ctest arguments for the Linux run...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh asan
if [[ $(scripts/wine-env.sh usable-arch) == win32 ]]; then
    scripts/build.sh windows
    windows_build=build/windows
else
    echo "This machine cannot run 32-bit programs: the Windows tests run on the 64-bit build."
    scripts/build.sh windows --target karusello --target winhost
    scripts/build.sh windows64
    windows_build=build/windows64
fi
# Brief libFuzzer runs of the INI engine, the number rule and the text formatting.
fuzz/run.sh "${KARUSELLO_FUZZ_SECONDS:-15}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

linux_log=$(mktemp)
windows_log=$(mktemp)
trap 'rm -f "$linux_log" "$windows_log"' EXIT

linux_status=0
(cd build/asan && xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
    ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@") 2>&1 | tee "$linux_log" ||
    linux_status=$?
windows_status=0
scripts/test-windows.sh "$windows_build" 2>&1 | tee "$windows_log" || windows_status=$?

echo
echo "Linux build:   $(grep -E '^[0-9]+% tests passed' "$linux_log" || echo 'no ctest summary')"
grep -E -A1 '^Windows build .*under Wine:' "$windows_log" || echo "Windows build under Wine: no summary"
((linux_status == 0 && windows_status == 0))

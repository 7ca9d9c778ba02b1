#!/usr/bin/env bash
# Sets up the machine, builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# whole test suite with ctest under a private X server. Ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh asan
# Brief libFuzzer runs of the INI engine, the number rule and the text formatting.
fuzz/run.sh "${KARUSELLO_FUZZ_SECONDS:-15}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

cd build/asan
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
    ctest --output-on-failure --timeout 300 -j "$(nproc)" "$@"

#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh [release|asan|windows|windows64] [extra cmake arguments...] [--target <name>...]
# windows: the 32-bit Windows executable and its test programs, cross-compiled with mingw-w64
# (docs/windows.md); its tests run under Wine with scripts/test-windows.sh. Optimised as
# shipped, with debug information so that a crash under Wine prints a backtrace with names.
# windows64: the same as a 64-bit program, for machines where 32-bit Wine cannot run.
# --target builds only the named targets (and what they need) instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
shift || true
# The flavours are the configure presets of CMakePresets.json, so that an IDE builds alike.
args=()
case "$flavour" in
release | asan | windows64) ;;
windows)
    # GoogleTest lists a test program's tests by running it right after linking; where 32-bit
    # Wine cannot run, the listing waits until ctest runs, so that the build itself succeeds.
    if [[ $(scripts/wine-env.sh usable-arch) != win32 ]]; then
        args+=(-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST)
    fi
    ;;
*) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac

targets=()
while (($# > 0)); do
    if [[ $1 == --target ]]; then
        (($# >= 2)) || { echo "--target needs a name" >&2; exit 2; }
        targets+=(--target "$2")
        shift 2
    else
        args+=("$1")
        shift
    fi
done

cmake --preset "$flavour" "${args[@]}" >/dev/null
cmake --build --preset "$flavour" --parallel "$(nproc)" "${targets[@]}"

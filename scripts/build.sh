#!/usr/bin/env bash
# Configures and builds one flavour of the project.
#   scripts/build.sh [release|asan] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

flavour=${1:-release}
shift || true
case "$flavour" in
release) args=(-DCMAKE_BUILD_TYPE=Release) ;;
asan) args=(-DCMAKE_BUILD_TYPE=Debug -DKARUSELLO_SANITIZE=ON) ;;
*) echo "unknown flavour: $flavour" >&2; exit 2 ;;
esac

build_dir=build/$flavour
cmake -S . -B "$build_dir" -G Ninja "${args[@]}" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

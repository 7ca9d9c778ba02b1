#!/usr/bin/env bash
# Builds the benchmarks (Release, no sanitizers) and runs them once: the shuffle, the restore,
# the name-refresh tick, the start-up and the memory of a large shuffle, each beside its bare
# reference. Ends with a summary of the ratios against the goals. Extra arguments go to
# karusello_bench (for example --benchmark_filter=shuffle). Not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build_dir=build/release-bench
cmake --preset release-bench >/dev/null
cmake --build --preset release-bench --parallel "$(nproc)" --target karusello_bench

# Without DISPLAY the benchmark starts a private Xvfb for the start-up measurement.
exec "$build_dir/bench/karusello_bench" \
    --benchmark_out="$build_dir/bench-results.json" --benchmark_out_format=json "$@"

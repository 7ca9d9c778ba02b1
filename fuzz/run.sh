#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one briefly over a copy of
# its seed corpus (the corpus in the repository is never changed). Fails when a target finds a
# crash, a sanitizer report or a broken property; the input that did it is kept in
# build/fuzz/findings/<target>/.
#   fuzz/run.sh [seconds per target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-15}
build_dir=build/fuzz
compiler=$(command -v clang++-14 || command -v clang++ || true)
if [[ -z $compiler ]]; then
    echo "fuzz: no clang++ found" >&2
    exit 1
fi

cmake -S fuzz -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER="$compiler" -DKARUSELLO_FUZZ=ON >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

for target in ini_engine number_rule text_format; do
    corpus=$build_dir/corpus/$target
    findings=$build_dir/findings/$target
    rm -rf "$corpus" "$findings"
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/$target/* "$corpus"/
    echo "fuzz: $target for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build_dir/fuzz_$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$build_dir/$target.log" 2>&1; then
        tail -n 60 "$build_dir/$target.log" >&2
        echo "fuzz: $target failed; the input is in $findings/" >&2
        exit 1
    fi
    grep -E "stat::number_of_executed_units|stat::new_units_added" "$build_dir/$target.log" |
        sed "s/^/fuzz: $target /"
done

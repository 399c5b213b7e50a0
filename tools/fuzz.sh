#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/
# and runs each for the given number of seconds (default 60) on one core. Exits non-zero on a crash,
# a leak, an input that takes more than 2 s, or one that needs more than 2 GiB; the input that did it
# is kept in build-fuzz/artifacts/. The corpus grows in build-fuzz/corpus/, the seeds in fuzz/ stay.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

tools/ensure-packages.sh clang libclang-rt-14-dev
dir=build-fuzz
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUILLON_GUI=OFF -DBUILD_TESTING=OFF -DQUILLON_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build "$dir" -j2 --target FormulaFuzz FieldFuzz SettingsFuzz

mkdir -p "$dir/artifacts"
status=0
for pair in FormulaFuzz:formula FieldFuzz:field SettingsFuzz:settings; do
    target=${pair%%:*}
    name=${pair#*:}
    mkdir -p "$dir/corpus/$name"
    echo "== $target, $seconds s"
    # Only the last lines: libFuzzer reports every new coverage point otherwise.
    if ! UBSAN_OPTIONS=print_stacktrace=1 "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=2 \
        -rss_limit_mb=2048 -malloc_limit_mb=2048 -dict="fuzz/$name.dict" -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$target-" "$dir/corpus/$name" "fuzz/corpus/$name" \
        >"$dir/$target.log" 2>&1; then
        echo "$target failed:" >&2
        tail -60 "$dir/$target.log" >&2
        status=1
    else
        grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+.*DONE)" "$dir/$target.log" || true
    fi
done
exit $status

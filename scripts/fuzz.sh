#!/usr/bin/env bash
# Builds the file readers' fuzz targets (clang 16, ASan + UBSan) and runs each for SECONDS
# (default 5) over its kept inputs. New inputs go to a scratch folder: tests/fuzz changes only
# when a person copies an input there. A single allocation above 64 MB counts as a failure,
# since no file of ours justifies one. FPW_FUZZ_WORK names a folder that keeps the scratch
# corpora and the logs between runs (a long run continues where the last one stopped).
#   bash scripts/fuzz.sh [SECONDS] [READER...]     (readers: the folders of tests/fuzz/corpus)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-fuzz.sh
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
seconds="${1:-5}"
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
    readers=($(ls tests/fuzz/corpus))
fi
if [ -n "${FPW_FUZZ_WORK:-}" ]; then
    scratch="$FPW_FUZZ_WORK"
    mkdir -p "$scratch"
else
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
fi
failed=()
for reader in "${readers[@]}"; do
    mkdir -p "$scratch/$reader"
    kept=(tests/fuzz/corpus/"$reader")
    [ -d tests/fuzz/regressions/"$reader" ] && kept+=(tests/fuzz/regressions/"$reader")
    # The whole weapon database is a seed, but a few records reach every path of the reader:
    # mutating 75 KB inputs would only slow the target down.
    limits=()
    [ "$reader" = weapons ] && limits=(-max_len=4096)
    echo "== fuzz_$reader for ${seconds}s"
    if ! nice -n 19 build/fuzz/bin/fuzz_"$reader" -max_total_time="$seconds" "${limits[@]}" \
        -malloc_limit_mb=64 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$PWD/build/fuzz/$reader-" "$scratch/$reader" "${kept[@]}" \
        >"$scratch/$reader.log" 2>&1; then
        tail -n 40 "$scratch/$reader.log"
        failed+=("$reader")
    else
        grep -E "^stat::(number_of_executed_units|average_exec_per_sec)|^#[0-9]+ +DONE" \
            "$scratch/$reader.log" || true
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing failed for: ${failed[*]} (the input is in build/fuzz/; keep it under" \
         "tests/fuzz/regressions/<reader>/ once the reader is fixed)"
    exit 1
fi

#!/bin/bash
# Times `forgeplanwork-cli info` and `write-bvs` over 10,000 generated designs beside only
# reading the same files, in one run of the benchmark program, and prints per-design times and
# their ratios.
# Usage: bench/cli_batch.sh [BUILD_BIN_DIR] [REPETITIONS]   (default: build/default/bin, 3)
set -euo pipefail
bin=${1:-build/default/bin}
reps=${2:-3}
json=$(mktemp)
trap 'rm -f "$json"' EXIT
nice -n 19 "$bin/fpw_bench" --benchmark_filter='BM_Batch' \
    --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$json"
python3 - "$json" <<'PY'
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
def per_design(prefix):
    # The median over the repetitions, in microseconds per design (wall-clock).
    for r in runs:
        if r["name"].startswith(prefix) and r.get("aggregate_name") == "median":
            return r["real_time"] * {"ms": 1e3, "us": 1.0, "ns": 1e-3}[r["time_unit"]] / 10000
    raise SystemExit("no result for " + prefix)
floor = per_design("BM_BatchReadFilesOnly")
one = per_design("BM_BatchInfoProcess/1/")
every = per_design("BM_BatchInfoProcess/0/")
single = per_design("BM_BatchInfoInProcess")
writebvs = per_design("BM_BatchWriteBVsProcess")
print(f"floor (read only)         {floor:8.2f} us/design")
print(f"info, all threads         {every:8.2f} us/design   ratio {every / floor:5.2f}")
print(f"info, one thread          {one:8.2f} us/design   ratio {one / floor:5.2f}")
print(f"single-file path in-proc  {single:8.2f} us/design   ratio {single / floor:5.2f}")
print(f"write-bvs                 {writebvs:8.2f} us/design   ratio {writebvs / floor:5.2f}")
PY

#!/usr/bin/env bash
# Builds everything and runs the whole test suite: first without the Qt layer (so a Qt
# include in the core breaks the build), then the full program with its window tests, and
# last a few seconds of fuzzing for every file reader.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Let the two builds share cached objects although they live in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake --preset core >/dev/null
cmake --build --preset core
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2
bash scripts/fuzz.sh 3

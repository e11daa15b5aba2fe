#!/usr/bin/env bash
# Installs the compiler the fuzz targets need on Debian 12 (as root), once: clang 16 with its
# libFuzzer and sanitizer runtimes (clang 14 cannot compile our C++20 against GCC 12's library).
set -euo pipefail
bash "$(dirname "$0")/setup.sh" clang-16 libclang-rt-16-dev

#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
ctest --preset default -j "$(nproc)"

# The fuzz targets for a bounded time (BW_FUZZ_SECONDS each, default 10;
# 0 skips them). CI runs them longer after the sanitizer pass.
fuzz_seconds="${BW_FUZZ_SECONDS:-10}"
if [[ "$fuzz_seconds" != 0 ]]; then
  scripts/run-fuzzers.sh "$fuzz_seconds"
fi

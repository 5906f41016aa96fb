#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each for a
# bounded time. Usage: scripts/run-fuzzers.sh [SECONDS]   (default 60)
#
# Every target named fuzz_* is built and run. Its seeds are the files of
# any source folder fuzz_corpus/<target name>; they are copied to a scratch
# folder first, so a run never changes the repository. A file
# fuzz_corpus/<target name>.dict beside them is its dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
cmake --preset fuzz >/dev/null
mapfile -t targets < <(cmake --build --preset fuzz --target help | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\):.*/\1/p' | grep -v "_autogen" | sort -u)
if ((${#targets[@]} == 0)); then
  echo "run-fuzzers: no fuzz_* targets" >&2
  exit 1
fi
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
  corpus="$scratch/$target"
  mkdir -p "$corpus"
  options=()
  while IFS= read -r seeds; do
    cp "$seeds"/* "$corpus"/ 2>/dev/null || true
    if [[ -f "$seeds.dict" ]]; then options+=("-dict=$seeds.dict"); fi
  done < <(find . -path ./build -prune -o -type d -name "$target" -path "*/fuzz_corpus/*" -print)
  echo "run-fuzzers: $target for ${seconds}s with $(ls "$corpus" | wc -l) seeds"
  "build/fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "${options[@]}" "$corpus"
done

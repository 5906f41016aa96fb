#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programs on their
# embedded defaults. Says plainly what it started; stops everything it
# started when it ends (Ctrl+C).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"

bin=build/default/bin
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap cleanup EXIT INT TERM

# Without a desktop the windows are opened on a virtual screen.
if [[ -z ${DISPLAY:-} ]]; then
  export DISPLAY=:57
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  echo "No display found: started a virtual screen (Xvfb) on $DISPLAY."
fi

started=0

# The sections below are filled in as the programs grow.

# Reelvise: the engine library lies beside it in the same folder.
"$bin/Reelvise" &
pids+=($!)
echo "Started Reelvise (pid $!) from $bin; its engine library is $bin/libEncodery.so."
started=$((started + 1))

if ((started == 0)); then
  echo "Nothing to start yet: the programs are still being built up."
  exit 0
fi
echo "Press Ctrl+C to stop everything started above."
wait

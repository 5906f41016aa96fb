#!/usr/bin/env bash
# Reelvise ends in order (exit code 0) on SIGTERM, both while the splash is
# up and once the main window runs.
set -u
program=$1
failed=0
for delay in 1 3.5; do
  QT_QPA_PLATFORM=offscreen "$program" &
  pid=$!
  sleep "$delay"
  kill -TERM "$pid"
  wait "$pid"
  rc=$?
  echo "SIGTERM after ${delay} s: exit code $rc"
  [[ $rc -eq 0 ]] || failed=1
done
exit "$failed"

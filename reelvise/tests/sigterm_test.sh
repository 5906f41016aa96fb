#!/usr/bin/env bash
# Reelvise ends in order (exit code 0) on SIGTERM, both while the splash is
# up and once the main window runs.
set -u
program=$1
failed=0

# True once the process catches SIGTERM (bit 15 of its caught-signal mask).
catches_sigterm() {
  local mask
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
  [[ -n $mask ]] && (( (16#$mask >> 14) & 1 ))
}

for delay in 0.5 3.5; do
  QT_QPA_PLATFORM=offscreen "$program" &
  pid=$!
  for _ in {1..200}; do
    catches_sigterm "$pid" && break
    sleep 0.05
  done
  sleep "$delay"
  kill -TERM "$pid"
  wait "$pid"
  rc=$?
  echo "SIGTERM ${delay} s after the handler was in place: exit code $rc"
  [[ $rc -eq 0 ]] || failed=1
done
exit "$failed"

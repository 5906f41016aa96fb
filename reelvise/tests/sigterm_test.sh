#!/usr/bin/env bash
# Reelvise ends in order (exit code 0) on SIGTERM.
set -u
program=$1
QT_QPA_PLATFORM=offscreen "$program" &
pid=$!
sleep 2
kill -TERM "$pid"
wait "$pid"
rc=$?
echo "exit code $rc"
[[ $rc -eq 0 ]]

#!/usr/bin/env bash
# The marketsim program: prints its address, answers, stops cleanly on SIGTERM,
# and refuses a scenario it cannot read.
set -euo pipefail
program=$1
scenario=$2

if "$program" --scenario /nonexistent/scenario.json 2>/dev/null; then
  echo "a missing scenario was accepted"; exit 1
fi

out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$program" --port 0 --scenario "$scenario" >"$out" &
pid=$!
for _ in {1..100}; do
  grep -q 'listening on' "$out" && break
  sleep 0.05
done
address=$(sed -n 's/.*listening on \(http:[^ ]*\).*/\1/p' "$out")
if [[ $address != http://127.0.0.1:* ]]; then
  echo "no address printed: $(cat "$out")"; kill "$pid"; exit 1
fi
port=${address##*:}
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET /aw-cgi/eBayISAPI.dll?TimeShow HTTP/1.0\r\nHost: 127.0.0.1:%s\r\n\r\n' "$port" >&3
if ! grep -q 'At the tone, the time will be' <&3; then
  echo "no time page"; kill "$pid"; exit 1
fi
exec 3<&-
kill -TERM "$pid"
wait "$pid"
grep -q 'stopped' "$out"

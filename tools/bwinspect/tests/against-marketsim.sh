#!/usr/bin/env bash
# bwinspect as a user runs it: the real program with the Linux services, a
# scratch data folder and settings store, against the simulator program.
# Usage: against-marketsim.sh BWINSPECT MARKETSIM SCENARIO
set -euo pipefail
bwinspect="$1" marketsim="$2" scenario="$3"

scratch="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [[ -n "$sim_pid" ]]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

"$marketsim" --port 0 --scenario "$scenario" >"$scratch/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do
  grep -q "listening on" "$scratch/sim.out" && break
  sleep 0.1
done
address="$(sed -n 's/.*listening on \(http[^ ]*\).*/\1/p' "$scratch/sim.out")"
[[ -n "$address" ]] || { echo "the simulator did not start:"; cat "$scratch/sim.out"; exit 1; }

export BIDWARDEN_HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" BIDWARDEN_MARKETPLACE="$address"
fail() { echo "FAILED: $*"; echo "--- output"; cat "$scratch/out"; exit 1; }

"$bwinspect" read 3001 3099 >"$scratch/out" && fail "an invalid item must fail the run"
grep -q '^Item=3001$' "$scratch/out" || fail "no record of 3001"
grep -q '^Result=True$' "$scratch/out" || fail "3001 not read"
grep -q '^Description=Vintage Brass Ship.s Telescope$' "$scratch/out" || fail "title of 3001"
grep -q '^Seller=brassworks$' "$scratch/out" || fail "seller of 3001"
grep -q '^Description=\*\* ERROR: AUCTION INVALID OR CANCELLED \*\*$' "$scratch/out" || fail "invalid 3099"
grep -q 'Successfully retrieved auction data from '"$address" "$BIDWARDEN_HOME/BidWarden.log" ||
  fail "no log line in the data folder"

LC_ALL=de_DE.UTF-8 "$bwinspect" read 3012 >"$scratch/out" || fail "3012 under de_DE"
grep -q '^AuctionCurrency=GBP$' "$scratch/out" || fail "currency of 3012"
grep -q '^PriceInUSD=[0-9]*,[0-9]*$' "$scratch/out" || fail "German decimal comma in 3012's dollar price"

"$bwinspect" synch >"$scratch/out" || fail "synch"
grep -q '^Result=True$' "$scratch/out" || fail "synch result"
# The demo's marketplace clock runs 7.25 s ahead of this machine.
correction="$(sed -n 's/^CorrectionMs=//p' "$scratch/out")"
((correction >= 6000 && correction <= 8000)) || fail "correction $correction ms"
echo "bwinspect against the simulator: ok"

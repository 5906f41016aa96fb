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

# Marketplace simulator: the demo marketplace and update server, so that the
# programs started below talk to this machine instead of the real servers.
marketsim_address=http://127.0.0.1:8080
"$bin/marketsim" --port 8080 --scenario tools/marketsim/scenarios/demo.json &
pids+=($!)
for _ in {1..50}; do
  (exec 3<>/dev/tcp/127.0.0.1/8080) 2>/dev/null && break
  sleep 0.1
done
if ! kill -0 "${pids[-1]}" 2>/dev/null; then
  echo "The marketplace simulator did not start (is port 8080 taken?)." >&2
  exit 1
fi
started=$((started + 1))
export BIDWARDEN_MARKETPLACE=$marketsim_address
export BIDWARDEN_UPDATE_SERVER=$marketsim_address
echo "Marketplace simulator (demo scenario) listens on $marketsim_address; demo account demo_bidder / demo."

# BidWarden: its windows are still to come. What it can do today (reading
# item pages, keeping its clock in step with the marketplace) is shown with
# its command-line companion bwinspect, against the simulator, in a scratch
# data folder so that nothing of a real one is touched.
demo_home=build/default/run-demo
mkdir -p "$demo_home"
echo "BidWarden has no main window yet; bwinspect reads the demo marketplace instead (data folder $demo_home):"
BIDWARDEN_HOME=$demo_home "$bin/bwinspect" synch | sed 's/^/  /'
BIDWARDEN_HOME=$demo_home "$bin/bwinspect" read 3001 3002 3003 3004 |
  awk -F= '$1 ~ /^(Item|Description|CurrentPrice|AuctionCurrency|Bids|HighBidder|TimeRemaining|EndTime)$/ {print "  " $0} /^$/ {print ""}'

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

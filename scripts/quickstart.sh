#!/usr/bin/env bash
# The main job: set up and build, start the controller simulator on loopback,
# run the quick-start application against it, stop the simulator.
# Usage: scripts/quickstart.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
"$root/scripts/setup.sh" "$build" >/dev/null

sim="$build/tools/controller-sim/zarn-controller-sim"
app="$build/examples/quickstart"
ready=$(mktemp)
"$sim" --host 127.0.0.1 --port 0 --log-level error >"$ready" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; rm -f "$ready"' EXIT

# The simulator prints one line, with its port, once it accepts connections.
for _ in $(seq 1 100); do
  grep -q "listening on" "$ready" && break
  sleep 0.05
done
line=$(head -n 1 "$ready")
port=${line##*:}
[ -n "$port" ] || { echo "quickstart.sh: the simulator did not start" >&2; exit 1; }
echo "$line"

"$app" 127.0.0.1 "$port"

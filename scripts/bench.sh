#!/usr/bin/env bash
# Builds and runs the benchmarks. Installs the numeric IK solver used for the
# kinematics comparison (orocos-kdl) when it is missing; without it that
# comparison is left out.
# Usage: scripts/bench.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
if ! dpkg-query -W -f='${Status}' liborocos-kdl-dev 2>/dev/null | grep -q "install ok installed"; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq liborocos-kdl-dev >/dev/null ||
    echo "bench.sh: orocos-kdl not installed; the numeric-solver comparison is skipped"
fi
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DZARN_BUILD_TESTS=OFF
for b in "$build"/bench/bench_*; do
  echo "== $(basename "$b")"
  "$b" --benchmark_report_aggregates_only=true
done

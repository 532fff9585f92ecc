#!/usr/bin/env bash
# Sets up, builds and runs the whole suite; exits non-zero on any failure.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
shift || true
"$root/scripts/setup.sh" "$build" "$@"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600

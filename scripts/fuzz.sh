#!/usr/bin/env bash
# Builds the codec reader fuzzer with clang (libFuzzer, ASan, UBSan) and runs it.
# Usage: scripts/fuzz.sh [seconds]   (default 60)
# Exits non-zero when the fuzzer finds a crash; the input is kept in the work
# directory (ZARN_FUZZ_DIR, default build-fuzz/). Skipped when clang is absent.
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
work=${ZARN_FUZZ_DIR:-"$root/build-fuzz"}

cxx=""
for candidate in "${CXX_FUZZ:-}" clang++ clang++-14; do
  if [ -n "$candidate" ] && command -v "$candidate" >/dev/null 2>&1; then cxx=$candidate; break; fi
done
if [ -z "$cxx" ]; then
  echo "fuzz.sh: clang++ not found, fuzzing skipped"
  exit 0
fi
protoc=$(command -v protoc || true)
if [ -z "$protoc" ]; then
  echo "fuzz.sh: protoc not found, fuzzing skipped"
  exit 0
fi

proto_dir="$root/sdk-source/sdkcommon/protobuf"
gen="$work/gen"
binary="$work/codec_readers_fuzz"
corpus="$work/corpus"
mkdir -p "$gen" "$corpus" "$work/artifacts"

sources=(
  "$root/tests/fuzz/codec_readers_fuzz.cpp"
  "$root"/src/codec/*.cpp
  "$root"/src/kinematics/*.cpp
  "$root/src/interface/robotlogprint.cpp"
  "$root/src/interface/errorinfoservice.cpp"
  "$root/src/communication/globalutil.cpp"
)

# Rebuild only when a source, header or schema changed since the last build.
stale=1
if [ -x "$binary" ] && [ ! "$0" -nt "$binary" ] && [ -z "$(find "$root/src" "$root/include" "$root/tests/fuzz" \
      "$proto_dir" -newer "$binary" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.proto' \) -print -quit)" ]; then
  stale=0
fi
if [ "$stale" = 1 ]; then
  echo "fuzz.sh: building $binary with $cxx"
  "$protoc" -I "$proto_dir" --cpp_out="$gen" "$proto_dir"/*.proto
  # NDEBUG as in the library's release build (it also keeps the runtime's debug-only checks quiet).
  "$cxx" -std=c++17 -O1 -g -DNDEBUG -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DZARN_ROBOT_BUILDING_LIBRARY -I "$root/include" -I "$root/src" -isystem "$gen" \
    "${sources[@]}" "$gen"/*.pb.cc -lprotobuf -lpthread -o "$binary.tmp"
  mv "$binary.tmp" "$binary"
fi

# Seeds: one valid message per family so the fuzzer starts past the parser.
seed() {
  local type=$1 name=$2 text=$3
  [ -s "$corpus/seed-$name" ] || printf '%s\n' "$text" |
    "$protoc" -I "$proto_dir" --encode="$type" "$proto_dir"/*.proto > "$corpus/seed-$name"
}
seed zarn.robot.communication.ProtoCommunicationGeneralData envelope \
  'property1: 1500 property2: true errorInfo { errorCode: 3 errorMsg: "x" } type: 1'
seed zarn.robot.common.ProtoResponseRobotDhParam dh \
  'robotType: 2 dhParam { A3: 1 A4: 2 D1: 3 D2: 4 D5: 5 D6: 6 } errorInfo { errorCode: 0 errorMsg: "" }'
seed zarn.robot.common.ProtoRoadPointResponse waypoint \
  'waypoint { cartPos { positionVector: 1 positionVector: 2 positionVector: 3 } orientation { w: 1 x: 0 y: 0 z: 0 } jointpos: [0, 1, 2, 3, 4, 5] } errorInfo { errorCode: 0 errorMsg: "" }'
seed zarn.robot.common.ProtoRobotAllJointStatusResponse jointstatus \
  'jointCount: 6 jointStatus { jointCurrentI: 1 jointSpeedMoto: 2 jointPosJ: 3 jointCurVol: 4 jointCurTemp: 5 jointTagCurrentI: 6 jointTagSpeedMoto: 7 jointTagPosJ: 8 jointErrorNum: 70000 }'
seed zarn.robot.common.ProtoResponseRobotDevInfo devinfo \
  'devInfo { type: 300 revision: "r" manuID: "m" jointType: "j" jointVer { hwVersion: "hw-version" swVersion: "sw" } desc: "a long description text" jointProductID: "p" slaveDevVersion: "s" extendIoBoardVersion: "e" } errorInfo { errorCode: 0 errorMsg: "" }'
seed zarn.robot.communication.ProtoCommunicationToolAllIOStatusInfoResponse toolio \
  'toolIOStatus { powerType: 1 systemVoltage: 24 systemTemperature: 30 errorStatus: 0 digitalIoStatus { ioType: 1 ioData: 257 } aiData: 1.5 } errorInfo { errorCode: 0 errorMsg: "" }'
seed peripheral.ProtoResponseFtSensorCalibResult ftcalib \
  'ftSensorCalibResult { wrench { force: 1 torque: 2 } mass: 1 centroid: 0.5 angle: 0.1 } errorInfo { errorCode: 0 errorMsg: "" }'
seed zarn.robot.common.ProtoSeamTrackResponse_t seam \
  'seamTrack { trackEnable: 1 currentRoadPoint { cartPos { } orientation { w: 1 x: 0 y: 0 z: 0 } } nextRoadPoint { cartPos { } orientation { w: 1 x: 0 y: 0 z: 0 } } timeInterval: 1 currentPosError: 1 maxVel: 1 maxAcc: 1 paraChanged: 0 } errorInfo { errorCode: 0 errorMsg: "" }'

echo "fuzz.sh: running for ${seconds}s (progress in $work/fuzz.log)"
status=0
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$corpus" >"$work/fuzz.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$work/fuzz.log"
  echo "fuzz.sh: the fuzzer failed (status $status); crashing inputs are in $work/artifacts/"
  exit "$status"
fi
grep -E '^stat::number_of_executed_units|^Done' "$work/fuzz.log" || true
echo "fuzz.sh: no crash in ${seconds}s"

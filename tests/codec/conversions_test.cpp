// Record <-> message conversions: round trips through the wire bytes and the
// width, list-length and fallback rules.
#include <gtest/gtest.h>

#include <cstring>

#include "codec/protoencodedecode.h"
#include "codectestsupport.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "sensor.pb.h"

using namespace codectest;
using namespace zarn_robot_namespace;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using PED = ProtoEncodeDecode;

namespace {

template <class T>
T zeroed()
{
    T value;
    std::memset(static_cast<void*>(&value), 0, sizeof(value));
    return value;
}

template <class T>
bool sameBytes(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Field-wise equality for the records with padding bytes.
bool same(const Pos& a, const Pos& b) { return sameBytes(a, b); }
bool same(const Ori& a, const Ori& b) { return sameBytes(a, b); }
bool same(const wayPoint_S& a, const wayPoint_S& b) { return sameBytes(a, b); }

bool same(const RobotMoveProfile& a, const RobotMoveProfile& b)
{
    const relativeMove_t& ra = a.relativeMove;
    const relativeMove_t& rb = b.relativeMove;
    return a.moveMode == b.moveMode && a.subMoveMode == b.subMoveMode && a.teachMode == b.teachMode &&
           a.enableIterIk == b.enableIterIk && a.toolTrack == b.toolTrack &&
           same(a.toolInEndPosition, b.toolInEndPosition) && same(a.toolInEndOrientation, b.toolInEndOrientation) &&
           ra.ena == rb.ena && sameBytes(ra.relativePosition, rb.relativePosition) &&
           sameBytes(ra.relativeOrientation, rb.relativeOrientation) && sameBytes(a.maxVelc, b.maxVelc) &&
           sameBytes(a.maxAcc, b.maxAcc) && a.arrivalAhead.arrivalAheadStat == b.arrivalAhead.arrivalAheadStat &&
           a.arrivalAhead.arrivalAheadThr == b.arrivalAhead.arrivalAheadThr && a.blendRadius == b.blendRadius &&
           a.circularLoopTimes == b.circularLoopTimes && a.jerkAccRatio == b.jerkAccRatio;
}

bool same(const SeamTracking& a, const SeamTracking& b)
{
    return a.trackEnable == b.trackEnable && same(a.currentRoadPoint, b.currentRoadPoint) &&
           same(a.nextRoadPoint, b.nextRoadPoint) && a.timeInterval == b.timeInterval &&
           sameBytes(a.currentPosError, b.currentPosError) && a.maxVel == b.maxVel && a.maxAcc == b.maxAcc &&
           a.paraChanged == b.paraChanged;
}

bool same(const JointStatus& a, const JointStatus& b)
{
    return a.jointCurrentI == b.jointCurrentI && a.jointSpeedMoto == b.jointSpeedMoto && a.jointPosJ == b.jointPosJ &&
           a.jointCurVol == b.jointCurVol && a.jointCurTemp == b.jointCurTemp &&
           a.jointTagCurrentI == b.jointTagCurrentI && a.jointTagSpeedMoto == b.jointTagSpeedMoto &&
           a.jointTagPosJ == b.jointTagPosJ && a.jointErrorNum == b.jointErrorNum;
}

bool same(const RobotAnalogIODesc& a, const RobotAnalogIODesc& b)
{
    return a.addr == b.addr && a.value == b.value && a.type == b.type;
}

bool same(const RobotSafetyConfig& a, const RobotSafetyConfig& b)
{
    return sameBytes(a.robotReducedConfigJointSpeed, b.robotReducedConfigJointSpeed) &&
           a.robotReducedConfigTcpSpeed == b.robotReducedConfigTcpSpeed &&
           a.robotReducedConfigTcpForce == b.robotReducedConfigTcpForce &&
           a.robotReducedConfigMomentum == b.robotReducedConfigMomentum &&
           a.robotReducedConfigPower == b.robotReducedConfigPower &&
           a.robotSafeguradResetConfig == b.robotSafeguradResetConfig &&
           a.robotOperationalModeConfig == b.robotOperationalModeConfig;
}

// record -> message -> bytes -> fresh message (generated parser) -> record.
template <class Msg, class Rec, class To, class From>
Rec roundTrip(const Rec& in, To to, From from, Msg* wire = nullptr)
{
    Msg built;
    to(in, built);
    EXPECT_TRUE(built.IsInitialized()) << built.InitializationErrorString();
    Msg parsed;
    EXPECT_TRUE(parsed.ParseFromString(built.SerializeAsString()));
    if (wire != nullptr) *wire = parsed;
    Rec out = zeroed<Rec>();
    from(parsed, out);
    return out;
}

wayPoint_S sampleWaypoint(double base)
{
    wayPoint_S w = zeroed<wayPoint_S>();
    w.cartPos = {base + 0.1, base + 0.2, base + 0.3};
    w.orientation = {0.5, -0.5, 0.5, -0.5};
    for (int i = 0; i < 6; ++i) w.jointpos[i] = base + i * 0.25;
    return w;
}

RobotMoveProfile sampleProfile()
{
    RobotMoveProfile p = zeroed<RobotMoveProfile>();
    p.moveMode = MODEP;
    p.subMoveMode = JOINT_GNUBSPLINEINTP;
    p.teachMode = ROT_Z;
    p.enableIterIk = true;
    p.toolTrack = true;
    p.toolInEndPosition = {0.01, 0.02, 0.03};
    p.toolInEndOrientation = {1, 0, 0, 0};
    p.relativeMove.ena = true;
    p.relativeMove.relativePosition[0] = 0.5f;
    p.relativeMove.relativePosition[1] = -0.25f;
    p.relativeMove.relativePosition[2] = 0.125f;
    p.relativeMove.relativeOrientation = {0.9, 0.1, 0.2, 0.3};
    for (int i = 0; i < 6; ++i) {
        p.maxVelc.jointPara[i] = 1 + i;
        p.maxAcc.jointPara[i] = 10 + i;
    }
    p.arrivalAhead = {2, 0.05};
    p.blendRadius = 0.02f;
    p.circularLoopTimes = 3;
    p.jerkAccRatio = 0.7;
    return p;
}

}  // namespace

/* ---- motion ---- */

TEST(CodecConvertMotion, ProfileRoundTripDropsOnlyJerkRatio)
{
    const RobotMoveProfile in = sampleProfile();
    common::RobotMoveProfile wire;
    RobotMoveProfile out = roundTrip<common::RobotMoveProfile>(
        in, [](const RobotMoveProfile& r, common::RobotMoveProfile& m) { PED::ZarnRobotMoveProfileType2ProtoType(r, m); },
        [](const common::RobotMoveProfile& m, RobotMoveProfile& r) { PED::ProtoRobotMoveProfileType2ZarnType(m, r); },
        &wire);
    EXPECT_EQ(wire.submovemode(), zarn::robot::movecondition::JOINT_GNUBSPLINEINTP);
    EXPECT_EQ(wire.maxvelc().jointpara_size(), 6);
    EXPECT_EQ(wire.maxvelc().cartpara_size(), 0);
    EXPECT_EQ(wire.relativemove().relativeorientation().orientation_size(), 1);
    EXPECT_EQ(wire.relativemove().relativeorientation().quaternionvector_size(), 4);
    EXPECT_EQ(out.jerkAccRatio, 0.0);
    out.jerkAccRatio = in.jerkAccRatio;
    EXPECT_TRUE(same(in, out));
}

TEST(CodecConvertMotion, RelativePositionFloatsAreUnpacked)
{
    RobotMoveProfile in = sampleProfile();
    common::RobotMoveProfile m;
    PED::ZarnRobotMoveProfileType2ProtoType(in, m);
    const std::string bytes = m.relativemove().SerializeAsString();
    // ena (08 01), then three tagged fixed32 values of field 2.
    ASSERT_GE(bytes.size(), 17u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x08\x01", 2));
    for (size_t at : {2u, 7u, 12u}) EXPECT_EQ(static_cast<unsigned char>(bytes[at]), 0x15u) << at;
    float second;
    std::memcpy(&second, bytes.data() + 8, 4);
    EXPECT_EQ(second, -0.25f);
}

TEST(CodecConvertMotion, ProfileReadKeepsRelativePositionUnlessThreeValues)
{
    common::RobotMoveProfile m;
    PED::ZarnRobotMoveProfileType2ProtoType(sampleProfile(), m);
    m.mutable_relativemove()->clear_relativeposition();
    m.mutable_relativemove()->add_relativeposition(7);
    m.mutable_relativemove()->add_relativeposition(8);
    m.mutable_maxacc()->clear_jointpara();
    m.mutable_maxacc()->add_jointpara(4);
    m.mutable_maxacc()->add_cartpara(99);
    RobotMoveProfile out = zeroed<RobotMoveProfile>();
    out.relativeMove.relativePosition[0] = 1;
    out.relativeMove.relativePosition[1] = 2;
    out.relativeMove.relativePosition[2] = 3;
    for (double& v : out.maxAcc.jointPara) v = 5;
    PED::ProtoRobotMoveProfileType2ZarnType(m, out);
    EXPECT_EQ(out.relativeMove.relativePosition[0], 1);
    EXPECT_EQ(out.relativeMove.relativePosition[1], 2);
    EXPECT_EQ(out.relativeMove.relativePosition[2], 3);
    // joint/Cartesian rule: zero first, then the joint list only.
    EXPECT_EQ(out.maxAcc.jointPara[0], 4);
    for (int i = 1; i < 6; ++i) EXPECT_EQ(out.maxAcc.jointPara[i], 0) << i;
}

TEST(CodecConvertMotion, OutOfRangeProfileValuesAreNeverSet)
{
    struct Case {
        int moveMode, track, teach;
    } cases[] = {{4, 0, 0}, {1, ARC, 0}, {1, CARTESIAN_CIRCLE_ORI_FIXED, 0}, {1, 0, 13}, {-1, 0, 0}, {1, 2, 12}};
    for (const Case& c : cases) {
        RobotMoveProfile p = sampleProfile();
        p.moveMode = static_cast<move_mode>(c.moveMode);
        p.subMoveMode = static_cast<move_track>(c.track);
        p.teachMode = static_cast<teach_mode>(c.teach);
        const bool valid = c.moveMode >= 0 && c.moveMode <= 3 && c.track <= 10 && c.teach <= 12;
        EXPECT_EQ(PED::moveProfileEncodable(p), valid);
        common::RobotMoveProfile m;
        PED::ZarnRobotMoveProfileType2ProtoType(p, m);
        EXPECT_EQ(m.IsInitialized(), valid);
        common::RobotMove move;
        EXPECT_EQ(PED::RobotMovePatamTypeConversion(p, {sampleWaypoint(0)}, move), valid);
    }
}

TEST(CodecConvertMotion, OrientationRule)
{
    cartesian_Ori_U in{0.1, 0.2, 0.3, 0.4};
    cartesian_Ori_U out = roundTrip<common::cartesianOri_U>(
        in, [](const cartesian_Ori_U& r, common::cartesianOri_U& m) { PED::cartesianOriUTypeConversion(r, m); },
        [](const common::cartesianOri_U& m, cartesian_Ori_U& r) { PED::cartesianOriUTypeConversion(m, r); });
    EXPECT_TRUE(sameBytes(in, out));

    common::cartesianOri_U both;
    auto* o = both.add_orientation();
    o->set_w(1);
    o->set_x(2);
    o->set_y(3);
    o->set_z(4);
    for (double v : {5, 6, 7, 8}) both.add_quaternionvector(v);
    cartesian_Ori_U r{0, 0, 0, 0};
    EXPECT_TRUE(PED::cartesianOriUTypeConversion(both, r));
    EXPECT_TRUE(sameBytes(r, cartesian_Ori_U{5, 6, 7, 8}));

    both.clear_quaternionvector();
    both.add_quaternionvector(9);
    both.add_quaternionvector(10);
    PED::cartesianOriUTypeConversion(both, r);
    EXPECT_TRUE(sameBytes(r, cartesian_Ori_U{9, 10, 3, 4}));

    common::cartesianOri_U onlyTwo;
    onlyTwo.add_quaternionvector(-1);
    onlyTwo.add_quaternionvector(-2);
    cartesian_Ori_U kept{0.5, 0.5, 0.5, 0.5};
    PED::cartesianOriUTypeConversion(onlyTwo, kept);
    EXPECT_TRUE(sameBytes(kept, cartesian_Ori_U{-1, -2, 0.5, 0.5}));
}

TEST(CodecConvertMotion, WaypointRoundTripFillsBothPositionForms)
{
    const wayPoint_S in = sampleWaypoint(1);
    common::ProtoRoadPoint wire;
    bool ok = false;
    wayPoint_S out = roundTrip<common::ProtoRoadPoint>(
        in, [](const wayPoint_S& r, common::ProtoRoadPoint& m) { PED::roadPointTypeConversion(r, m); },
        [&](const common::ProtoRoadPoint& m, wayPoint_S& r) { ok = PED::roadPointTypeConversion(m, r); }, &wire);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(sameBytes(in, out));
    ASSERT_EQ(wire.cartpos().position_size(), 1);
    ASSERT_EQ(wire.cartpos().positionvector_size(), 3);
    EXPECT_EQ(wire.cartpos().positionvector(2), in.cartPos.z);
    EXPECT_EQ(wire.jointpos_size(), 6);
}

TEST(CodecConvertMotion, WaypointReadingRules)
{
    auto message = [](std::vector<double> vector, int joints, bool withEntry) {
        common::ProtoRoadPoint m;
        if (withEntry) {
            auto* p = m.mutable_cartpos()->add_position();
            p->set_x(7);
            p->set_y(8);
            p->set_z(9);
        }
        for (double v : vector) m.mutable_cartpos()->add_positionvector(v);
        auto* o = m.mutable_orientation();
        o->set_w(0.1);
        o->set_x(0.2);
        o->set_y(0.3);
        o->set_z(0.4);
        for (int i = 0; i < joints; ++i) m.add_jointpos(10 + i);
        return m;
    };
    struct Case {
        const char* name;
        common::ProtoRoadPoint msg;
        bool result;
        Pos pos;
        bool jointsWritten;
    } cases[] = {
        {"vector only", message({1, 2, 3}, 6, false), true, {1, 2, 3}, true},
        {"message form preferred", message({1, 2, 3}, 6, true), true, {7, 8, 9}, true},
        {"two vector values", message({1, 2}, 6, false), false, {-1, -1, -1}, true},
        {"seven joints", message({1, 2, 3}, 7, false), false, {1, 2, 3}, false},
        {"five joints", message({}, 5, true), false, {7, 8, 9}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        wayPoint_S w = zeroed<wayPoint_S>();
        w.cartPos = {-1, -1, -1};
        for (double& j : w.jointpos) j = -5;
        EXPECT_EQ(PED::roadPointTypeConversion(c.msg, w), c.result);
        EXPECT_TRUE(sameBytes(w.cartPos, c.pos));
        EXPECT_TRUE(sameBytes(w.orientation, Ori{0.1, 0.2, 0.3, 0.4}));
        EXPECT_EQ(w.jointpos[5], c.jointsWritten ? 15 : -5);
    }
}

TEST(CodecConvertMotion, MoveRequestRoundTripAndReadingClearsVector)
{
    const RobotMoveProfile profile = sampleProfile();
    const std::vector<wayPoint_S> points{sampleWaypoint(1), sampleWaypoint(2), sampleWaypoint(3)};
    common::RobotMove m;
    ASSERT_TRUE(PED::RobotMovePatamTypeConversion(profile, points, m));
    common::RobotMove parsed;
    ASSERT_TRUE(parsed.ParseFromString(m.SerializeAsString()));
    ASSERT_EQ(parsed.roadpointvector_size(), 3);
    EXPECT_EQ(parsed.roadpointvector(2).jointpos(0), 3);

    parsed.mutable_roadpointvector(1)->clear_jointpos();  // a bad entry is still appended
    RobotMoveProfile back = zeroed<RobotMoveProfile>();
    std::vector<wayPoint_S> read{sampleWaypoint(9)};
    EXPECT_TRUE(PED::RobotMovePatamTypeConversion(parsed, back, read));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_TRUE(sameBytes(read[0], points[0]));
    EXPECT_TRUE(sameBytes(read[2], points[2]));
    back.jerkAccRatio = profile.jerkAccRatio;
    EXPECT_TRUE(same(back, profile));
}

TEST(CodecConvertMotion, SeamTrackingRoundTripAndFlags)
{
    SeamTracking in = zeroed<SeamTracking>();
    in.trackEnable = true;
    in.currentRoadPoint = sampleWaypoint(1);
    in.nextRoadPoint = sampleWaypoint(2);
    in.timeInterval = 40;
    in.currentPosError[0] = 0.1;
    in.currentPosError[1] = 0.2;
    in.currentPosError[2] = 0.3;
    in.maxVel = 1.5;
    in.maxAcc = 2.5;
    in.paraChanged = false;
    common::ProtoSeamTrack_t wire;
    SeamTracking out = roundTrip<common::ProtoSeamTrack_t>(
        in, [](const SeamTracking& r, common::ProtoSeamTrack_t& m) { PED::SeamTrackToProtoSeamTrack(r, m); },
        [](const common::ProtoSeamTrack_t& m, SeamTracking& r) { PED::ProtoSeamTrackToSeamTrack(m, r); }, &wire);
    EXPECT_EQ(wire.trackenable(), 1);
    EXPECT_EQ(wire.parachanged(), 0);
    EXPECT_TRUE(same(in, out));

    wire.set_trackenable(-3);
    wire.set_parachanged(5);
    wire.clear_currentposerror();
    wire.add_currentposerror(9);
    PED::ProtoSeamTrackToSeamTrack(wire, out);
    EXPECT_FALSE(out.trackEnable);
    EXPECT_TRUE(out.paraChanged);
    EXPECT_EQ(out.currentPosError[0], 9);
    EXPECT_EQ(out.currentPosError[1], 0.2);
}

/* ---- scalar and status records ---- */

TEST(CodecConvertStatus, RoundTrips)
{
    RobotTcpParam tcp{{0.1f, 0.2f, 0.3f, 1.5f}, {-0.1f, -0.2f, -0.3f, 2.5f}};
    EXPECT_TRUE(sameBytes(tcp, roundTrip<comm::RobotTcpParam>(
                                   tcp, [](const RobotTcpParam& r, comm::RobotTcpParam& m) { PED::robotTcpParamTypeConversion(r, m); },
                                   [](const comm::RobotTcpParam& m, RobotTcpParam& r) { PED::robotTcpParamTypeConversion(m, r); })));

    JointStatus js = zeroed<JointStatus>();
    js = {-100, 2000, 1.25f, 48.5f, 36.6f, -7, 0.5f, -1.5f, 65535};
    EXPECT_TRUE(same(js, roundTrip<common::ProtoJointStatus>(
                                  js, [](const JointStatus& r, common::ProtoJointStatus& m) { PED::jointStatusTypeConversion(r, m); },
                                  [](const common::ProtoJointStatus& m, JointStatus& r) { PED::jointStatusTypeConversion(m, r); })));

    RobotGravityComponent g{0.5f, -9.81f, 1};
    EXPECT_TRUE(sameBytes(g, roundTrip<comm::RobotGravityComponent>(
                                 g, [](const RobotGravityComponent& r, comm::RobotGravityComponent& m) { PED::robotGravityComponentTypeConversion(r, m); },
                                 [](const comm::RobotGravityComponent& m, RobotGravityComponent& r) { PED::robotGravityComponentTypeConversion(m, r); })));

    RobotCollisionCurrent cc{9};
    comm::RobotCollisionCurrent ccWire;
    EXPECT_TRUE(sameBytes(cc, roundTrip<comm::RobotCollisionCurrent>(
                                  cc, [](const RobotCollisionCurrent& r, comm::RobotCollisionCurrent& m) { PED::robotCollisionCurrentTypeConversion(r, m); },
                                  [](const comm::RobotCollisionCurrent& m, RobotCollisionCurrent& r) { PED::robotCollisionCurrentTypeConversion(m, r); }, &ccWire)));
    EXPECT_EQ(ccWire.jointcollisioncurrent_size(), 0);

    RobotEventInfo ev{22, -4, std::string("arrived\0!", 9)};
    RobotEventInfo evBack = roundTrip<comm::ProtoCommunicationRobotEvent>(
        ev, [](const RobotEventInfo& r, comm::ProtoCommunicationRobotEvent& m) { PED::robotEventTypeConversion(r, m); },
        [](const comm::ProtoCommunicationRobotEvent& m, RobotEventInfo& r) { PED::robotEventTypeConversion(m, r); });
    EXPECT_EQ(evBack.eventType, 22);
    EXPECT_EQ(evBack.eventCode, -4);
    EXPECT_EQ(evBack.eventContent, ev.eventContent);
}

TEST(CodecConvertStatus, NarrowingOnRead)
{
    comm::RobotCollisionCurrent cc;
    cc.set_collisionclass(300);
    cc.add_jointcollisioncurrent(1234);
    RobotCollisionCurrent c{1};
    PED::robotCollisionCurrentTypeConversion(cc, c);
    EXPECT_EQ(c.collisionClass, 44);

    common::ProtoJointStatus js;
    JointStatus base = zeroed<JointStatus>();
    PED::jointStatusTypeConversion(base, js);
    js.set_jointerrornum(70000);
    PED::jointStatusTypeConversion(js, base);
    EXPECT_EQ(base.jointErrorNum, 70000 - 65536);
}

TEST(CodecConvertStatus, DiagnosisWidths)
{
    RobotDiagnosis d = zeroed<RobotDiagnosis>();
    d.armCanbusStatus = 200;
    d.armPowerCurrent = 1.5f;
    d.armPowerVoltage = 48;
    d.armPowerStatus = true;
    d.contorllerTemp = -5;
    d.contorllerHumidity = 250;
    d.brakeStuats = true;
    d.robotEndSpeed = 0.25f;
    d.robotMaxAcc = -70000;
    d.jointCollisionDetect = 0x81;
    d.toolIoError = 255;
    d.robotMountingPoseWarning = true;
    d.macTargetPosBufferSize = 65535;
    d.macTargetPosDataSize = 1234;
    d.macDataInterruptWarning = 7;
    comm::RobotDiagnosis wire;
    RobotDiagnosis out = roundTrip<comm::RobotDiagnosis>(
        d, [](const RobotDiagnosis& r, comm::RobotDiagnosis& m) { PED::robotDiagnosisTypeConversionToProto(r, m); },
        [](const comm::RobotDiagnosis& m, RobotDiagnosis& r) { PED::robotDiagnosisTypeConversionToStruct(m, r); },
        &wire);
    EXPECT_TRUE(sameBytes(d, out));
    EXPECT_EQ(wire.contorllertemp(), -5);          // sign-extended
    EXPECT_EQ(wire.armcanbusstatus(), 200u);       // zero-extended
    EXPECT_EQ(wire.toolioerror(), 255);            // zero-extended into int32
    EXPECT_EQ(wire.mactargetposbuffersize(), 65535u);

    wire.set_contorllertemp(200);
    wire.set_mactargetposdatasize(65537);
    wire.set_toolioerror(-1);
    PED::robotDiagnosisTypeConversionToStruct(wire, out);
    EXPECT_EQ(+out.contorllerTemp, -56);
    EXPECT_EQ(+out.macTargetPosDataSize, 1);
    EXPECT_EQ(+out.toolIoError, 255);
}

TEST(CodecConvertStatus, SafetyRecords)
{
    RobotSafetyConfig cfg{{1, 2, 3, 4, 5, 65535}, 100, 200, 300, 4000000000u, 7, 250};
    common::ProtoRobotSafetyConfig cfgWire;
    RobotSafetyConfig cfgOut = roundTrip<common::ProtoRobotSafetyConfig>(
        cfg, [](const RobotSafetyConfig& r, common::ProtoRobotSafetyConfig& m) { PED::RobotSafetyConfigTypeConversion(r, m); },
        [](const common::ProtoRobotSafetyConfig& m, RobotSafetyConfig& r) { PED::RobotSafetyConfigTypeConversion(m, r); },
        &cfgWire);
    EXPECT_TRUE(same(cfg, cfgOut));
    EXPECT_EQ(cfgWire.robotreducedconfigjointspeed(5), 65535);

    cfgWire.clear_robotreducedconfigjointspeed();
    for (int v : {70000, 9}) cfgWire.add_robotreducedconfigjointspeed(v);
    cfgWire.set_robotoperationalmodeconfig(257);
    PED::RobotSafetyConfigTypeConversion(cfgWire, cfgOut);
    EXPECT_EQ(cfgOut.robotReducedConfigJointSpeed[0], 4464);
    EXPECT_EQ(cfgOut.robotReducedConfigJointSpeed[1], 9);
    EXPECT_EQ(cfgOut.robotReducedConfigJointSpeed[2], 3);  // beyond the list: kept
    EXPECT_EQ(cfgOut.robotOperationalModeConfig, 1);

    OrpeSafetyStatus st = zeroed<OrpeSafetyStatus>();
    st.orpePause = 1;
    st.orpeStop = 2;
    for (int i = 0; i < 16; ++i) st.orpeError[i] = static_cast<uint8_t>(i * 16);
    st.systemEmergencyStop = 3;
    st.reducedModeError = 4;
    st.safetyguardResetSucc = 5;
    common::ProtoOrpeSafetyStatus stWire;
    OrpeSafetyStatus stOut = roundTrip<common::ProtoOrpeSafetyStatus>(
        st, [](const OrpeSafetyStatus& r, common::ProtoOrpeSafetyStatus& m) { PED::OrpeSafetyStatusTypeConversion(r, m); },
        [](const common::ProtoOrpeSafetyStatus& m, OrpeSafetyStatus& r) { PED::OrpeSafetyStatusTypeConversion(m, r); },
        &stWire);
    EXPECT_TRUE(sameBytes(st, stOut));
    stWire.add_orpeerror(99);  // a 17th value is ignored
    stWire.set_orpeerror(0, 300);
    stWire.set_orpepause(-1);
    PED::OrpeSafetyStatusTypeConversion(stWire, stOut);
    EXPECT_EQ(stOut.orpeError[0], 44);
    EXPECT_EQ(stOut.orpeError[15], 240);
    EXPECT_EQ(stOut.orpePause, 255);
    EXPECT_EQ(stOut.safetyguardResetSucc, 5);
}

TEST(CodecConvertStatus, IoPointsByName)
{
    RobotDiagnosisIODesc d{5, 1, 2};
    comm::ProtoRobotDiagnosisIODesc dWire;
    RobotDiagnosisIODesc dOut = roundTrip<comm::ProtoRobotDiagnosisIODesc>(
        d, [](const RobotDiagnosisIODesc& r, comm::ProtoRobotDiagnosisIODesc& m) { PED::RobotDiagnosisIODescTypeConversion(r, m); },
        [](const comm::ProtoRobotDiagnosisIODesc& m, RobotDiagnosisIODesc& r) { PED::RobotDiagnosisIODescTypeConversion(m, r); },
        &dWire);
    EXPECT_TRUE(sameBytes(d, dOut));
    EXPECT_EQ(dWire.SerializeAsString(), std::string("\x08\x05\x10\x02\x18\x01", 6));

    RobotAnalogIODesc a = zeroed<RobotAnalogIODesc>();
    a.addr = 3;
    a.value = 2.5f;
    a.type = 11;
    comm::ProtoRobotAnalogIODesc aWire;
    RobotAnalogIODesc aOut = roundTrip<comm::ProtoRobotAnalogIODesc>(
        a, [](const RobotAnalogIODesc& r, comm::ProtoRobotAnalogIODesc& m) { PED::RobotAnalogIODescTypeConversion(r, m); },
        [](const comm::ProtoRobotAnalogIODesc& m, RobotAnalogIODesc& r) { PED::RobotAnalogIODescTypeConversion(m, r); },
        &aWire);
    EXPECT_TRUE(same(a, aOut));
    EXPECT_EQ(aWire.type(), 11u);
    EXPECT_EQ(aWire.value(), 2.5f);
}

TEST(CodecConvertStatus, JointCommonDataInOrderWithNarrowing)
{
    comm::ProtoJointCommonData m;
    const google::protobuf::Descriptor* desc = m.GetDescriptor();
    const google::protobuf::Reflection* refl = m.GetReflection();
    ASSERT_EQ(desc->field_count(), 25);
    for (int i = 0; i < 25; ++i) refl->SetInt32(&m, desc->field(i), 1000 * (i + 1));
    refl->SetInt32(&m, desc->FindFieldByName("JointCurVol"), 70000);      // int16: 4464
    refl->SetInt32(&m, desc->FindFieldByName("JointTagSpeed"), -70000);   // int32: kept
    JointCommonData j = zeroed<JointCommonData>();
    EXPECT_TRUE(PED::ProtoJointCommonDataToRobotStruct(m, j));
    EXPECT_EQ(+j.JointCurVol, 4464);
    EXPECT_EQ(+j.JointCurTemp, 2000);
    EXPECT_EQ(+j.JointOpenPwm, 5000);
    EXPECT_EQ(+j.JointTagCurrent, 6000);
    EXPECT_EQ(+j.JointTagSpeed, -70000);
    EXPECT_EQ(+j.JointMaxAcc, 11000);
    EXPECT_EQ(+j.JointMINPos, 12000);
    EXPECT_EQ(+j.JointMAXPos, 13000);
    EXPECT_EQ(+j.JointSEVLock, 14000);
    EXPECT_EQ(+j.JointSpeedDS, 21000);
    EXPECT_EQ(+j.JointPosDS, 25000);
}

TEST(CodecConvertStatus, DeviceInformationLimitsAndZeroFill)
{
    comm::OurRobotDevInfo m;
    m.set_type(0x1ff);
    m.set_revision("REV-0123456789ABCDEF");
    m.set_manuid("maker");
    m.set_jointtype("J");
    for (int i = 0; i < 10; ++i) {
        auto* v = m.add_jointver();
        v->set_hwversion("HW" + std::to_string(i) + "abcdefgh");
        v->set_swversion("SW" + std::to_string(i));
    }
    m.set_desc("a description of thirty chars!");
    for (int i = 0; i < 9; ++i) m.add_jointproductid("product-identifier-" + std::to_string(i));
    m.set_slavedevversion("slave");
    m.set_extendioboardversion("0123456789abcdef");
    RobotDevInfo info;
    std::memset(&info, 'x', sizeof(info));  // remnants must disappear
    PED::RobotDevInfoTypeConversion(m, info);
    EXPECT_EQ(info.type, 0xff);
    EXPECT_EQ(std::string(info.revision), "REV-0123456789A");
    EXPECT_EQ(std::string(info.manuID), "maker");
    EXPECT_EQ(info.manuID[6], 0);
    EXPECT_EQ(std::string(info.desc), "a descripti");
    for (size_t i = 11; i < sizeof(info.desc); ++i) ASSERT_EQ(info.desc[i], 0) << i;
    EXPECT_EQ(std::string(info.jointVer[7].hwVersion), "HW7abcd");
    EXPECT_EQ(std::string(info.jointVer[7].swVersion), "SW7");
    EXPECT_EQ(std::string(info.jointProductID[7]), "product-identif");
    EXPECT_EQ(std::string(info.slaveDevVersion), "slave");
    EXPECT_EQ(std::string(info.extendIoBoardVersion), "0123456789a");

    comm::OurRobotDevInfo few;
    few.add_jointver()->set_hwversion("1");
    PED::RobotDevInfoTypeConversion(few, info);
    EXPECT_EQ(std::string(info.jointVer[0].hwVersion), "1");
    EXPECT_EQ(info.jointVer[1].hwVersion[0], 0);
    EXPECT_EQ(info.revision[0], 0);
}

/* ---- tool and sensor ---- */

TEST(CodecConvertTool, DynamicsAndKinematics)
{
    ToolDynamicsParam dyn{0.1, 0.2, 0.3, 4.5, {1, 2, 3, 4, 5, 6}};
    common::ToolParam msg;
    msg.add_toolkinematicsparam();
    PED::ProtoRobotCommonResponseInit(msg.mutable_errorinfo(), 4, "old");
    ASSERT_TRUE(PED::toolParamTypeConversion(dyn, msg));
    EXPECT_EQ(msg.toolkinematicsparam_size(), 0);  // emptied first
    EXPECT_FALSE(msg.has_errorinfo());
    PED::ProtoRobotCommonResponseInit(msg.mutable_errorinfo(), 0, "");
    ToolInEndDesc tool{{0.01, 0.02, 0.03}, {0, 1, 0, 0}};
    ASSERT_TRUE(PED::toolParamTypeConversion(tool, msg));
    ASSERT_EQ(msg.tooldynamicsparam_size(), 1);  // not cleared by the kinematics half

    common::ToolParam parsed;
    ASSERT_TRUE(parsed.ParseFromString(msg.SerializeAsString()));
    ToolDynamicsParam dynOut{};
    ToolInEndDesc toolOut{};
    EXPECT_TRUE(PED::toolParamTypeConversion(parsed, dynOut));
    EXPECT_TRUE(PED::toolParamTypeConversion(parsed, toolOut));
    EXPECT_TRUE(sameBytes(dyn, dynOut));
    EXPECT_TRUE(sameBytes(tool, toolOut));

    common::ToolParam empty;
    ToolDynamicsParam keep{9, 9, 9, 9, {9, 9, 9, 9, 9, 9}};
    EXPECT_FALSE(PED::toolParamTypeConversion(empty, keep));
    EXPECT_EQ(keep.payload, 9);
    EXPECT_FALSE(PED::toolParamTypeConversion(empty, toolOut));
}

TEST(CodecConvertTool, WrenchAndCalibrationResult)
{
    WrenchParam w{{1, 2, 3}, {4, 5, 6}};
    peripheral::ProtoWrench wWire;
    bool ok = false;
    WrenchParam wOut = roundTrip<peripheral::ProtoWrench>(
        w, [](const WrenchParam& r, peripheral::ProtoWrench& m) { PED::WrenchToProtoWrench(r, m); },
        [&](const peripheral::ProtoWrench& m, WrenchParam& r) { ok = PED::ProtoWrenchToWrench(m, r); }, &wWire);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(sameBytes(w, wOut));

    FtSensorCalResult res{{{1, 2, 3}, {4, 5, 6}}, 2.5, {0.1, 0.2, 0.3}, {0.7, 0.8}};
    FtSensorCalResult resOut = roundTrip<peripheral::ProtoFtSensorCalibResult>(
        res, [](const FtSensorCalResult& r, peripheral::ProtoFtSensorCalibResult& m) { PED::FtSensorCalResultToProtoType(r, m); },
        [&](const peripheral::ProtoFtSensorCalibResult& m, FtSensorCalResult& r) { ok = PED::ProtoFtSensorCalResultToRobotType(m, r); });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(sameBytes(res, resOut));
}

TEST(CodecConvertTool, ShortListsCopyWhatIsPresentAndZeroTheRest)
{
    peripheral::ProtoWrench shortWrench;
    shortWrench.add_force(7);
    WrenchParam w{{9, 9, 9}, {9, 9, 9}};
    EXPECT_FALSE(PED::ProtoWrenchToWrench(shortWrench, w));
    EXPECT_TRUE(sameBytes(w, WrenchParam{{7, 0, 0}, {0, 0, 0}}));

    peripheral::ProtoFtSensorCalibResult r;
    PED::WrenchToProtoWrench(WrenchParam{{1, 2, 3}, {4, 5, 6}}, *r.mutable_wrench());
    r.set_mass(1);
    r.add_centroid(0.5);
    FtSensorCalResult out{{{9, 9, 9}, {9, 9, 9}}, 9, {9, 9, 9}, {9, 9}};
    EXPECT_FALSE(PED::ProtoFtSensorCalResultToRobotType(r, out));
    EXPECT_TRUE(sameBytes(out, FtSensorCalResult{{{1, 2, 3}, {4, 5, 6}}, 1, {0.5, 0, 0}, {0, 0}}));
}

TEST(CodecConvertTool, CalibrationParameters)
{
    JointParam postures[3];
    WrenchParam wrenches[3];
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < 6; ++i) postures[p].jointPos[i] = p * 10 + i;
        wrenches[p] = WrenchParam{{p + 0.1, p + 0.2, p + 0.3}, {p + 0.4, p + 0.5, p + 0.6}};
    }
    peripheral::ProtoFtSensorCalibParam m;
    ASSERT_TRUE(PED::FtSensorCalibParamToProtoType(postures, wrenches, m));
    peripheral::ProtoFtSensorCalibParam parsed;
    ASSERT_TRUE(parsed.ParseFromString(m.SerializeAsString()));
    ASSERT_EQ(parsed.jointangle_size(), 3);
    ASSERT_EQ(parsed.wrenchlist_size(), 3);
    EXPECT_EQ(parsed.jointangle(2).joint1(), 20);
    EXPECT_EQ(parsed.jointangle(2).joint6(), 25);
    EXPECT_EQ(parsed.wrenchlist(1).torque(2), 1.6);

    peripheral::ProtoFtSensorCalibParam none;
    EXPECT_FALSE(PED::FtSensorCalibParamToProtoType(nullptr, wrenches, none));
    EXPECT_FALSE(PED::FtSensorCalibParamToProtoType(postures, nullptr, none));
    EXPECT_EQ(none.jointangle_size(), 0);
}

// Request and response builders: exact filling checked with the generated
// parser, refusals, and every builder's failure line and channel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "codec/protoencodedecode.h"
#include "codectestsupport.h"
#include "kinematics/robotutilservice.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "sensor.pb.h"

using namespace codectest;
namespace zr = zarn_robot_namespace;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using PED = ProtoEncodeDecode;

namespace {

zr::wayPoint_S waypoint(double base)
{
    zr::wayPoint_S w{};
    w.cartPos = {base, base + 1, base + 2};
    w.orientation = {1, 0, 0, 0};
    for (int i = 0; i < 6; ++i) w.jointpos[i] = base + 0.1 * i;
    return w;
}

RobotMoveProfile profile()
{
    RobotMoveProfile p{};
    p.moveMode = MODEL;
    p.subMoveMode = zr::NO_TRACK;
    p.teachMode = zr::NO_TEACH;
    p.toolInEndOrientation.w = 1;
    p.relativeMove.relativeOrientation.w = 1;
    for (int i = 0; i < 6; ++i) p.maxVelc.jointPara[i] = p.maxAcc.jointPara[i] = 0.5;
    p.blendRadius = 0.02f;
    return p;
}

}  // namespace

/* ---- general-data requests ---- */

TEST(CodecBuilders, GeneralDataRequestsCarryOneValue)
{
    struct Case {
        const char* name;
        std::function<bool(char**, int*)> build;
        std::vector<int> ints;
        std::vector<bool> bools;
    } cases[] = {
        {"control", [](char** o, int* n) { return PED::getRequest_robotControl(o, n, zr::EnableForceJoint); }, {5}, {}},
        {"power off", [](char** o, int* n) { return PED::getRequest_setRobotPowerStatus(o, n, false); }, {}, {false}},
        {"power on", [](char** o, int* n) { return PED::getRequest_setRobotPowerStatus(o, n, true); }, {}, {true}},
        {"work mode", [](char** o, int* n) { return PED::getRequest_setRobotWorkMode(o, n, zr::RobotModeReal); }, {1}, {}},
        {"move control", [](char** o, int* n) { return PED::getRequest_robotMoveControl(o, n, zr::RobotMoveContinue); }, {2}, {}},
        {"max acc", [](char** o, int* n) { return PED::getRequest_setRobotBoardMaxAcc(o, n, -7); }, {-7}, {}},
        {"collision", [](char** o, int* n) { return PED::getRequest_setRobotCollision(o, n, 9); }, {9}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Payload p;
        ASSERT_TRUE(c.build(&p.data, &p.len));
        auto m = decode<comm::ProtoCommunicationGeneralData>(p);
        EXPECT_EQ(m.type(), 1);
        EXPECT_EQ(std::vector<int>(m.property1().begin(), m.property1().end()), c.ints);
        EXPECT_EQ(std::vector<bool>(m.property2().begin(), m.property2().end()), c.bools);
        EXPECT_EQ(m.errorinfo_size(), 0);
    }
}

/* ---- typed requests ---- */

TEST(CodecBuilders, RoadPointTcpAndStartup)
{
    Payload wp;
    ASSERT_TRUE(PED::getRequest_roadpoint(&wp.data, &wp.len, waypoint(1)));
    auto r = decode<common::ProtoRoadPoint>(wp);
    ASSERT_EQ(r.cartpos().position_size(), 1);
    EXPECT_EQ(r.cartpos().position(0).z(), 3);
    EXPECT_EQ(r.cartpos().positionvector_size(), 3);
    ASSERT_EQ(r.jointpos_size(), 6);
    EXPECT_DOUBLE_EQ(r.jointpos(5), 1.5);

    RobotTcpParam tcp{{0.1f, 0.2f, 0.3f, 2}, {0.4f, 0.5f, 0.6f, 3}};
    Payload t;
    ASSERT_TRUE(PED::getRequest_tcpParam(&t.data, &t.len, tcp));
    auto tm = decode<comm::RobotTcpParam>(t);
    EXPECT_EQ(tm.paramautorun().payload(), 2.0f);
    EXPECT_EQ(tm.parammanual().positionx(), 0.4f);

    Payload s;
    ASSERT_TRUE(PED::getRequest_robotStartup(&s.data, &s.len, tcp, 200, true, false, 30000));
    auto sm = decode<comm::ProtoCommunicationRobotStartupProfile>(s);
    EXPECT_EQ(sm.collisionclass(), 200);
    EXPECT_TRUE(sm.readpose());
    EXPECT_FALSE(sm.staticcollisiondetect());
    EXPECT_EQ(sm.maxacc(), 30000);
    EXPECT_EQ(sm.tcpparam().paramautorun().positionz(), 0.3f);
}

TEST(CodecBuilders, RequestsReusingResponseMessagesCarryEmptyResult)
{
    zr::ToolDynamicsParam dyn{0.1, 0.2, 0.3, 1.5, {1, 2, 3, 4, 5, 6}};
    Payload d;
    ASSERT_TRUE(PED::getRequest_setToolDynamicsParam(&d.data, &d.len, dyn));
    auto dm = decode<common::ToolParam>(d);
    ASSERT_TRUE(dm.has_errorinfo());
    EXPECT_EQ(dm.errorinfo().errorcode(), 0);
    EXPECT_TRUE(dm.errorinfo().has_errormsg());
    EXPECT_EQ(dm.errorinfo().errormsg(), "");
    ASSERT_EQ(dm.tooldynamicsparam_size(), 1);
    EXPECT_EQ(dm.tooldynamicsparam(0).toolinertia().zz(), 6);
    EXPECT_EQ(dm.toolkinematicsparam_size(), 0);

    zr::RobotSafetyConfig cfg{{1, 2, 3, 4, 5, 6}, 7, 8, 9, 10, 11, 12};
    Payload c;
    ASSERT_TRUE(PED::getRequest_setSafetyConfig(&c.data, &c.len, cfg));
    auto cm = decode<common::ProtoResponseRobotSafetyConfig>(c);
    EXPECT_EQ(cm.errorinfo().errorcode(), 0);
    ASSERT_EQ(cm.safetyconfig_size(), 1);
    EXPECT_EQ(cm.safetyconfig(0).robotreducedconfigjointspeed_size(), 6);
    EXPECT_EQ(cm.safetyconfig(0).robotoperationalmodeconfig(), 12);
}

TEST(CodecBuilders, ToolKinematicsOffsetsAndTrajectory)
{
    zr::ToolInEndDesc tool{{0.1, 0.2, 0.3}, {0, 0, 1, 0}};
    Payload k;
    ASSERT_TRUE(PED::getRequest_setToolKinematicsParam(&k.data, &k.len, tool));
    auto km = decode<common::ToolKinematicsParam>(k);
    EXPECT_EQ(km.toolposition().y(), 0.2);
    EXPECT_EQ(km.toolori().y(), 1);

    zr::RobotJointOffset off{1, 2, 3, 4, 5, 6};
    Payload o;
    ASSERT_TRUE(PED::getRequest_robotRobotJointOffsetData(&o.data, &o.len, off));
    auto om = decode<common::RobotJointOffset>(o);
    EXPECT_EQ(om.joint1(), 1);
    EXPECT_EQ(om.joint6(), 6);

    const std::string file(" /tmp/track\xc3\xa9.txt\t", 19);
    Payload t;
    ASSERT_TRUE(PED::getRequest_startupOfflineExcitTraj(&t.data, &t.len, file, 2, -1));
    auto tm = decode<comm::ProtoCommunicationOfflineExcitTraj>(t);
    EXPECT_EQ(tm.trackfile(), file);
    EXPECT_EQ(tm.type(), 2);
    EXPECT_EQ(tm.subtype(), -1);
}

TEST(CodecBuilders, ValueListsAndSafeIoParams)
{
    Payload e;
    ASSERT_TRUE(PED::getRequest_intTypeValueVector(&e.data, &e.len, {}));
    auto em = decode<comm::ProtoCommunicationIntVector>(e);
    EXPECT_TRUE(em.has_num());
    EXPECT_EQ(em.num(), 0);
    EXPECT_EQ(em.value_size(), 0);

    Payload i;
    ASSERT_TRUE(PED::getRequest_intTypeValueVector(&i.data, &i.len, {3, -4}));
    auto im = decode<comm::ProtoCommunicationIntVector>(i);
    EXPECT_EQ(im.num(), 2);
    EXPECT_EQ(im.value(1), -4);

    Payload d;
    ASSERT_TRUE(PED::getRequest_doubleTypeValueVector(&d.data, &d.len, {0.5, 1.5, 2.5}));
    auto dm = decode<comm::ProtoCommunicationDoubleVector>(d);
    EXPECT_EQ(dm.num(), 3);
    EXPECT_EQ(dm.value(2), 2.5);
    // Unpacked: num (08 03), then one tagged fixed64 per value.
    EXPECT_EQ(d.len, 2 + 3 * 9);
    EXPECT_EQ(d.data[2], '\x11');
    EXPECT_EQ(d.data[20], '\x11');

    Payload s;
    ASSERT_TRUE(PED::getRequest_safeIoParamAbout(&s.data, &s.len, {1, -1}));
    auto sm = decode<comm::protoSafeCommunicationParam>(s);
    EXPECT_TRUE(sm.has_paramreserved());
    EXPECT_EQ(sm.paramreserved(), 0u);
    ASSERT_EQ(sm.param_size(), 2);
    EXPECT_EQ(sm.param(1), 0xffffffffu);
}

TEST(CodecBuilders, FirmwareCarriesZeroBytesAndRefusesBadSizes)
{
    const char content[] = {'a', '\0', '\0', 'b', '\xff'};
    Payload f;
    ASSERT_TRUE(PED::getRequest_firmwareUpgrade(&f.data, &f.len, 4, content, 5));
    auto fm = decode<comm::ProtoCommunicationRobotBoardFirmware>(f);
    EXPECT_EQ(fm.command(), 4);
    EXPECT_EQ(fm.firmwarecontent(), std::string(content, 5));
    EXPECT_EQ(fm.firmwarecontentsize(), 5);

    Payload empty;
    ASSERT_TRUE(PED::getRequest_firmwareUpgrade(&empty.data, &empty.len, 3, nullptr, 0));
    EXPECT_EQ(decode<comm::ProtoCommunicationRobotBoardFirmware>(empty).firmwarecontentsize(), 0);

    for (auto args : {std::make_pair(static_cast<const void*>(nullptr), 4),
                      std::make_pair(static_cast<const void*>(content), -1)}) {
        char* out = reinterpret_cast<char*>(&f);
        int len = 9;
        auto streams = captureStreams(
            [&] { EXPECT_FALSE(PED::getRequest_firmwareUpgrade(&out, &len, 1, args.first, args.second)); });
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(len, 0);
        EXPECT_EQ(streams.second, "getRequest_firmwareUpgrade Serialize fail.\n");
    }
}

TEST(CodecBuilders, IoRequestsSendTypeZeroWithTheirFieldNumbers)
{
    std::vector<zr::RobotDiagnosisIODesc> digital{{5, 1, 2}, {6, 0, 2}};
    Payload d;
    ASSERT_TRUE(PED::getRequest_robotDiagnosisIOData(&d.data, &d.len, digital));
    auto dm = decode<comm::ProtoCommunicationRobotDiagnosisIOData>(d);
    EXPECT_EQ(dm.type(), 0);
    ASSERT_EQ(dm.iodesc_size(), 2);
    EXPECT_EQ(dm.iodesc(0).addr(), 5u);
    EXPECT_EQ(dm.iodesc(0).type(), 2u);
    EXPECT_EQ(dm.iodesc(0).value(), 1u);
    EXPECT_EQ(d.data[0], '\x08');  // type is field 1 here

    std::vector<zr::RobotAnalogIODesc> analog{{3, 1.5f, 12}};
    Payload a;
    ASSERT_TRUE(PED::getRequest_robotAnalogIOData(&a.data, &a.len, analog));
    auto am = decode<comm::ProtoCommunicationRobotAnalogIOData>(a);
    EXPECT_EQ(am.type(), 0);
    ASSERT_EQ(am.iodesc_size(), 1);
    EXPECT_EQ(am.iodesc(0).value(), 1.5f);
    // ioDesc is field 1 (length-delimited), type field 3.
    const std::string bytes(a.data, a.len);
    EXPECT_EQ(bytes[0], '\x0a');
    EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\x18\x00", 2));
}

TEST(CodecBuilders, ConveyorSeamAndSensorCalibration)
{
    Payload c;
    ASSERT_TRUE(PED::getRequest_ConveyorTrackValuePoint(&c.data, &c.len, {1, 2, 3}, {0, 1, 0, 0}, 123456));
    auto cm = decode<common::ProtoConveyorTrackValuePoint>(c);
    EXPECT_EQ(cm.position().z(), 3);
    EXPECT_EQ(cm.ori().x(), 1);
    EXPECT_EQ(cm.timestamp(), 123456);

    zr::SeamTracking st{};
    st.trackEnable = true;
    st.currentRoadPoint = waypoint(1);
    st.nextRoadPoint = waypoint(2);
    st.currentPosError[2] = 0.5;
    st.paraChanged = true;
    Payload s;
    ASSERT_TRUE(PED::getRequest_SeamTracking(&s.data, &s.len, st));
    auto sm = decode<common::ProtoSeamTrack_t>(s);
    EXPECT_EQ(sm.trackenable(), 1);
    EXPECT_EQ(sm.parachanged(), 1);
    EXPECT_EQ(sm.nextroadpoint().jointpos(0), 2);
    ASSERT_EQ(sm.currentposerror_size(), 3);
    EXPECT_EQ(sm.currentposerror(2), 0.5);

    zr::JointParam postures[3] = {};
    WrenchParam wrenches[3] = {};
    postures[1].jointPos[3] = 0.7;
    wrenches[2].torque[0] = 4;
    Payload f;
    ASSERT_TRUE(PED::getRequest_FtSensorCalibParam(&f.data, &f.len, postures, wrenches));
    auto fm = decode<peripheral::ProtoFtSensorCalibParam>(f);
    ASSERT_EQ(fm.jointangle_size(), 3);
    EXPECT_EQ(fm.jointangle(1).joint4(), 0.7);
    ASSERT_EQ(fm.wrenchlist_size(), 3);
    EXPECT_EQ(fm.wrenchlist(2).torque(0), 4);

    SinkCapture sink;
    char* out = nullptr;
    int len = 3;
    EXPECT_FALSE(PED::getRequest_FtSensorCalibParam(&out, &len, nullptr, wrenches));
    EXPECT_EQ(len, 0);
    ASSERT_EQ(sink.lines().size(), 1u);
    EXPECT_EQ(sink.lines()[0].second, " Serialize fail.");
}

TEST(CodecBuilders, ResponseBuildersCarryResult)
{
    FtSensorCalResult res{{{1, 2, 3}, {4, 5, 6}}, 2, {0.1, 0.2, 0.3}, {0.4, 0.5}};
    Payload r;
    ASSERT_TRUE(PED::getResponse_FtSensorCalibResult(&r.data, &r.len, res, 7, "seven"));
    auto rm = decode<peripheral::ProtoResponseFtSensorCalibResult>(r);
    EXPECT_EQ(rm.errorinfo().errorcode(), 7);
    EXPECT_EQ(rm.errorinfo().errormsg(), "seven");
    ASSERT_EQ(rm.ftsensorcalibresult_size(), 1);
    EXPECT_EQ(rm.ftsensorcalibresult(0).angle(1), 0.5);

    Payload w;
    ASSERT_TRUE(PED::getResponse_Wrench(&w.data, &w.len, WrenchParam{{1, 2, 3}, {4, 5, 6}}, 0, ""));
    auto wm = decode<peripheral::ProtoResponseWrench>(w);
    ASSERT_EQ(wm.wrench_size(), 1);
    EXPECT_EQ(wm.wrench(0).torque(2), 6);
}

/* ---- motion ---- */

TEST(CodecBuilders, RobotMoveCarriesProfileAndWaypointsInOrder)
{
    Payload p;
    ASSERT_TRUE(PED::getRequest_robotMove(&p.data, &p.len, profile(), {waypoint(1), waypoint(2)}));
    auto m = decode<common::RobotMove>(p);
    EXPECT_EQ(m.move_profile().movemode(), zarn::robot::movecondition::MODEL);
    EXPECT_EQ(m.move_profile().blendradius(), 0.02f);
    ASSERT_EQ(m.roadpointvector_size(), 2);
    EXPECT_EQ(m.roadpointvector(1).cartpos().position(0).x(), 2);
}

TEST(CodecBuilders, ProfileOutsideWireEnumerationsIsRefused)
{
    struct Case {
        int moveMode, track, teach;
    } cases[] = {{2, zr::ARC, 0}, {2, zr::CARTESIAN_CIRCLE_ORI_FIXED, 0}, {2, 0, 13}, {7, 0, 0}};
    for (const Case& c : cases) {
        RobotMoveProfile bad = profile();
        bad.moveMode = static_cast<move_mode>(c.moveMode);
        bad.subMoveMode = static_cast<zr::move_track>(c.track);
        bad.teachMode = static_cast<zr::teach_mode>(c.teach);
        char* out = reinterpret_cast<char*>(&bad);
        int len = 5;
        auto streams = captureStreams(
            [&] { EXPECT_FALSE(PED::getRequest_robotMove(&out, &len, bad, {waypoint(0)})); });
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(len, 0);
        EXPECT_EQ(streams.second, "getRequest_robotMove Serialize fail.\n");
        EXPECT_EQ(streams.first, "");

        zr::CoordCalibrateByJointAngleAndTool frame{};
        out = reinterpret_cast<char*>(&bad);
        streams = captureStreams(
            [&] { EXPECT_FALSE(PED::getRequest_robotTeachMove(&out, &len, bad, frame)); });
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(streams.second, "getRequest_robotTeachMove Serialize fail.\n");
    }
}

TEST(CodecBuilders, TeachMoveSendsFlangeWaypointsOfThePostures)
{
    zr::CoordCalibrateByJointAngleAndTool frame{};
    frame.coordType = 2;
    frame.methods = 4;
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 6; ++i) frame.jointAngleArray[p].jointPos[i] = 0.1 * (p + 1) * (i % 3 - 1);
    frame.jointAngleArray[2].jointPos[4] = NAN;  // kinematics refuses: the build goes on
    frame.toolDesc = {{0.01, 0.02, 0.03}, {0, 0, 0, 1}};
    RobotMoveProfile teach = profile();
    teach.teachMode = zr::MOV_Z;
    Payload p;
    ASSERT_TRUE(PED::getRequest_robotTeachMove(&p.data, &p.len, teach, frame));
    auto m = decode<common::RobotTeachMove>(p);
    EXPECT_EQ(m.move_profile().teachmode(), zarn::robot::movecondition::MOV_Z);
    EXPECT_EQ(m.coordinatesystemtype(), 2);
    ASSERT_EQ(m.calibratemathod_size(), 1);
    EXPECT_EQ(m.calibratemathod(0), 4);
    ASSERT_EQ(m.calibrateroadpointvector_size(), 3);
    for (int k = 0; k < 2; ++k) {
        zr::wayPoint_S expected{};
        ASSERT_EQ(RobotUtilService::robotFk(frame.jointAngleArray[k].jointPos, 6, expected), 0);
        const common::ProtoRoadPoint& got = m.calibrateroadpointvector(k);
        EXPECT_DOUBLE_EQ(got.cartpos().position(0).x(), expected.cartPos.x);
        EXPECT_DOUBLE_EQ(got.cartpos().position(0).z(), expected.cartPos.z);
        EXPECT_DOUBLE_EQ(got.orientation().w(), expected.orientation.w);
        EXPECT_DOUBLE_EQ(got.jointpos(1), frame.jointAngleArray[k].jointPos[1]);
    }
    EXPECT_EQ(m.calibrateroadpointvector(2).jointpos_size(), 6);
    ASSERT_EQ(m.toolinenddesc_size(), 1);
    EXPECT_EQ(m.toolinenddesc(0).toolinendposition().z(), 0.03);
    EXPECT_EQ(m.toolinenddesc(0).toolinendorientation().z(), 1);
}

/* ---- the event into a caller's buffer ---- */

TEST(CodecBuilders, EventIntoCallerBuffer)
{
    zr::RobotEventInfo ev{27, 0, "Server disconnected."};
    comm::ProtoCommunicationRobotEvent expected;
    expected.set_eventtype(27);
    expected.set_eventcode(0);
    expected.set_eventcontent("Server disconnected.");
    const int size = static_cast<int>(expected.ByteSizeLong());

    std::vector<char> buffer(size + 8, '\x7f');
    int length = size - 1;
    EXPECT_FALSE(PED::getResponse_Event(buffer.data(), &length, ev));
    EXPECT_EQ(length, size - 1);
    EXPECT_EQ(buffer[0], '\x7f');

    length = static_cast<int>(buffer.size());
    ASSERT_TRUE(PED::getResponse_Event(buffer.data(), &length, ev));
    EXPECT_EQ(length, size);
    EXPECT_EQ(std::string(buffer.data(), length), expected.SerializeAsString());
    EXPECT_EQ(buffer[size], '\x7f');

    length = -5;
    EXPECT_FALSE(PED::getResponse_Event(buffer.data(), &length, ev));
    EXPECT_FALSE(PED::getResponse_Event(nullptr, &length, ev));
    EXPECT_FALSE(PED::getResponse_Event(buffer.data(), nullptr, ev));
}

/* ---- failure lines and channels ---- */

TEST(CodecBuilders, EveryBuilderWritesItsFailureLineOnItsChannel)
{
    enum Ch { Err, Out, Sink };
    const std::string envelope = "ERROR:ProtoCommunicationGeneralDataMessageSerialize Serialize fail.\n";
    zr::JointParam postures[3] = {};
    WrenchParam wrenches[3] = {};
    struct Case {
        Ch channel;
        std::string text;
        std::function<bool(char**, int*)> build;
    } cases[] = {
        {Err, envelope + "ERROR:getRequest_robotControl Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotControl(o, n, zr::RobotBrake); }},
        {Err, envelope + "ERROR:getRequest_setRobotPowerStatus Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_setRobotPowerStatus(o, n, true); }},
        {Err, envelope + "ERROR:setRobotWorkMode Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_setRobotWorkMode(o, n, zr::RobotModeReal); }},
        {Err, envelope + "ERROR:robotMoveControl Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotMoveControl(o, n, zr::RobotMovePause); }},
        {Err, envelope + "ERROR:setRobotBoardMaxAcc Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_setRobotBoardMaxAcc(o, n, 1); }},
        {Err, envelope + "ERROR: setRobotCollision Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_setRobotCollision(o, n, 1); }},
        {Err, "ERROR: getRequest_login Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_login(o, n, "u", "p"); }},
        {Out, "getResponse_roadpoint Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_roadpoint(o, n, waypoint(0)); }},
        {Out, "getRequest_tcpParam Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_tcpParam(o, n, RobotTcpParam{}); }},
        {Sink, "getRequest_setToolDynamicsParam Serialize fail.", [](char** o, int* n) { return PED::getRequest_setToolDynamicsParam(o, n, zr::ToolDynamicsParam{}); }},
        {Sink, "getRequest_setToolKinematicsParam Serialize fail.", [](char** o, int* n) { return PED::getRequest_setToolKinematicsParam(o, n, zr::ToolInEndDesc{}); }},
        {Sink, "getRequest_startupOfflineExcitTraj Serialize fail.", [](char** o, int* n) { return PED::getRequest_startupOfflineExcitTraj(o, n, "f", 1, 1); }},
        {Out, "getRequest_robotStartup Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotStartup(o, n, RobotTcpParam{}, 6, true, true, 1); }},
        {Sink, "getRequest_setSafetyConfig Serialize fail.", [](char** o, int* n) { return PED::getRequest_setSafetyConfig(o, n, zr::RobotSafetyConfig{}); }},
        {Sink, "getRequest_safeIoParamAbout Serialize fail.", [](char** o, int* n) { return PED::getRequest_safeIoParamAbout(o, n, {1}); }},
        {Out, "getRequest_robotMove Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotMove(o, n, profile(), {}); }},
        {Out, "getRequest_robotTeachMove Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotTeachMove(o, n, profile(), zr::CoordCalibrateByJointAngleAndTool{}); }},
        {Out, "getRequest_firmwareUpgrade Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_firmwareUpgrade(o, n, 1, "x", 1); }},
        {Err, "ERROR:getResponse_robotDiagnosisIOData Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotDiagnosisIOData(o, n, {}); }},
        {Err, "ERROR:getResponse_robotAnalogIOData Serialize fail.\n", [](char** o, int* n) { return PED::getRequest_robotAnalogIOData(o, n, {}); }},
        {Sink, "getRequest_robotRobotJointOffsetData Serialize fail.", [](char** o, int* n) { return PED::getRequest_robotRobotJointOffsetData(o, n, zr::RobotJointOffset{}); }},
        {Sink, "getRequest_intTypeValueVector Serialize fail.", [](char** o, int* n) { return PED::getRequest_intTypeValueVector(o, n, {}); }},
        {Sink, "getRequest_doubleValueVector Serialize fail.", [](char** o, int* n) { return PED::getRequest_doubleTypeValueVector(o, n, {}); }},
        {Sink, "getRequest_ConveyorTrackValuePoint Serialize fail.", [](char** o, int* n) { return PED::getRequest_ConveyorTrackValuePoint(o, n, {}, {}, 0); }},
        {Sink, "getRequest_SeamTracking Serialize fail.", [](char** o, int* n) { return PED::getRequest_SeamTracking(o, n, zr::SeamTracking{}); }},
        {Sink, " Serialize fail.", [&](char** o, int* n) { return PED::getRequest_FtSensorCalibParam(o, n, postures, wrenches); }},
        {Sink, " Serialize fail.", [](char** o, int* n) { return PED::getResponse_FtSensorCalibResult(o, n, FtSensorCalResult{}, 0, ""); }},
        {Sink, " Serialize fail.", [](char** o, int* n) { return PED::getResponse_Wrench(o, n, WrenchParam{}, 0, ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SinkCapture sink;
        // Unusable output pointers are the one failure every builder can meet.
        bool result = true;
        auto streams = captureStreams([&] { result = c.build(nullptr, nullptr); });
        EXPECT_FALSE(result);
        auto lines = sink.lines();
        EXPECT_EQ(streams.first, c.channel == Err ? c.text : "");
        EXPECT_EQ(streams.second, c.channel == Out ? c.text : "");
        if (c.channel == Sink) {
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].first, 3);
            EXPECT_EQ(lines[0].second, c.text);
        } else {
            EXPECT_TRUE(lines.empty());
        }
    }
}

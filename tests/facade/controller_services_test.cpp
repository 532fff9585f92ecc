#include <gtest/gtest.h>

#include <google/protobuf/descriptor.h>
#include <google/protobuf/message.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "fakecontroller.h"
#include "logcapture.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "serviceinterface.h"
#include "wiremessages.h"

using namespace zarn_test;
using namespace std::chrono_literals;
namespace zr = zarn_robot_namespace;
namespace pc = zarn::robot::communication;
namespace pm = zarn::robot::common;

namespace {

/* ---------- answers a controller sends ---------- */

// Gives every unset required field its zero value, so that only the fields a
// test cares about need to be written.
void fillRequired(google::protobuf::Message& message)
{
    const auto* descriptor = message.GetDescriptor();
    const auto* reflection = message.GetReflection();
    for (int i = 0; i < descriptor->field_count(); ++i) {
        const auto* field = descriptor->field(i);
        if (field->is_repeated()) {
            if (field->cpp_type() == google::protobuf::FieldDescriptor::CPPTYPE_MESSAGE)
                for (int j = 0; j < reflection->FieldSize(message, field); ++j)
                    fillRequired(*reflection->MutableRepeatedMessage(&message, field, j));
            continue;
        }
        if (field->cpp_type() == google::protobuf::FieldDescriptor::CPPTYPE_MESSAGE) {
            if (field->is_required() || reflection->HasField(message, field))
                fillRequired(*reflection->MutableMessage(&message, field));
            continue;
        }
        if (!field->is_required() || reflection->HasField(message, field)) continue;
        switch (field->cpp_type()) {
        case google::protobuf::FieldDescriptor::CPPTYPE_INT32: reflection->SetInt32(&message, field, 0); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_UINT32: reflection->SetUInt32(&message, field, 0); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_FLOAT: reflection->SetFloat(&message, field, 0); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_DOUBLE: reflection->SetDouble(&message, field, 0); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_BOOL: reflection->SetBool(&message, field, false); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_STRING: reflection->SetString(&message, field, ""); break;
        case google::protobuf::FieldDescriptor::CPPTYPE_ENUM:
            reflection->SetEnum(&message, field, field->enum_type()->value(0));
            break;
        default: break;
        }
    }
}

template <class M>
Bytes complete(M& message)
{
    fillRequired(message);
    return serialize(message);
}

template <class Info>
void setInfo(Info* info, int code)
{
    info->set_errorcode(code);
    info->set_errormsg("");
}

Bytes tcpParamAnswer(int code, float z, float payload)
{
    pm::ProtoResponseRobotTcpParam m;
    auto* p = m.add_tcpparam();
    p->mutable_paramautorun()->set_positionz(z);
    p->mutable_paramautorun()->set_payload(payload);
    p->mutable_parammanual()->set_positionz(99);  // the manual half is not read
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

Bytes collisionAnswer(int code, unsigned collisionClass)
{
    pm::ProtoResponseRobotCollisionCurrent m;
    m.add_collisioncurrent()->set_collisionclass(collisionClass);
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

Bytes devInfoAnswer(int code, const std::string& revision)
{
    pm::ProtoResponseRobotDevInfo m;
    m.add_devinfo()->set_revision(revision);
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

zr::RobotSafetyConfig sampleSafetyConfig()
{
    zr::RobotSafetyConfig c;
    std::memset(&c, 0, sizeof(c));
    for (int i = 0; i < 6; ++i) c.robotReducedConfigJointSpeed[i] = static_cast<uint16_t>(100 + i);
    c.robotReducedConfigTcpSpeed = 250;
    c.robotReducedConfigTcpForce = 150;
    c.robotReducedConfigMomentum = 30;
    c.robotReducedConfigPower = 400;
    c.robotSafeguradResetConfig = 1;
    c.robotOperationalModeConfig = 2;
    return c;
}

Bytes safetyConfigAnswer(int code, const zr::RobotSafetyConfig& c)
{
    pm::ProtoResponseRobotSafetyConfig m;
    auto* s = m.add_safetyconfig();
    for (int i = 0; i < 6; ++i) s->add_robotreducedconfigjointspeed(c.robotReducedConfigJointSpeed[i]);
    s->set_robotreducedconfigtcpspeed(c.robotReducedConfigTcpSpeed);
    s->set_robotreducedconfigtcpforce(c.robotReducedConfigTcpForce);
    s->set_robotreducedconfigmomentum(c.robotReducedConfigMomentum);
    s->set_robotreducedconfigpower(c.robotReducedConfigPower);
    s->set_robotsafeguradresetconfig(c.robotSafeguradResetConfig);
    s->set_robotoperationalmodeconfig(c.robotOperationalModeConfig);
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

Bytes jointCommonDataAnswer(int code, int records)
{
    pc::ProtoJointCommonDataResponse m;
    for (int i = 0; i < records; ++i) {
        auto* joint = m.add_jointcommondata();
        fillRequired(*joint);
        joint->set_jointcurvol(100 + i);
        joint->set_jointposds(200 + i);
    }
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

Bytes nameAnswer(int code, const std::string& name)
{
    pc::ProtoCommunicationEthernetDeviceNameResponse m;
    m.set_name(name);
    setInfo(m.mutable_errorinfo(), code);
    return complete(m);
}

/* ---------- what the library sent ---------- */

std::vector<int> intVector(const Bytes& payload)
{
    auto m = parseAs<pc::ProtoCommunicationIntVector>(payload);
    EXPECT_EQ(m.num(), m.value_size());
    return std::vector<int>(m.value().begin(), m.value().end());
}

std::vector<unsigned> safeIoValues(const Bytes& payload)
{
    auto m = parseAs<pc::protoSafeCommunicationParam>(payload);
    EXPECT_EQ(m.paramreserved(), 0u);
    return std::vector<unsigned>(m.param().begin(), m.param().end());
}

void expectGeneralData(const Bytes& payload, const std::vector<int>& ints, const std::vector<bool>& bools)
{
    auto m = parseAs<pc::ProtoCommunicationGeneralData>(payload);
    EXPECT_EQ(m.type(), 1);
    EXPECT_EQ(std::vector<int>(m.property1().begin(), m.property1().end()), ints);
    EXPECT_EQ(std::vector<bool>(m.property2().begin(), m.property2().end()), bools);
}

void expectBothHalves(const pc::RobotTcpParam& m, float x, float y, float z, float payload)
{
    for (const auto* half : {&m.paramautorun(), &m.parammanual()}) {
        EXPECT_FLOAT_EQ(half->positionx(), x);
        EXPECT_FLOAT_EQ(half->positiony(), y);
        EXPECT_FLOAT_EQ(half->positionz(), z);
        EXPECT_FLOAT_EQ(half->payload(), payload);
    }
}

/* ---------- fixture ---------- */

class ControllerServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake.respond(0, loginAnswer(0, {0.408, 0.376, 0.0985, 0.1215, 0.1025, 0.094}));
        fake.respond(87, generalData({}, {false}, 0));
        fake.respond(125, generalData({}, {false}, 0));
        ASSERT_EQ(robot.robotServiceLogin("127.0.0.1", fake.port(), "u", "p"), 0);
        fake.clearFrames();
    }

    // The payload of the one request of `type` sent since the last clear.
    Bytes sentPayload(int type)
    {
        auto frame = fake.waitForCommand(type, 1s);
        EXPECT_TRUE(frame.has_value()) << "no request " << type;
        return frame ? frame->payload : Bytes();
    }

    int countSent(int type)
    {
        int n = 0;
        for (const auto& f : fake.frames()) n += f.commandType == type ? 1 : 0;
        return n;
    }

    ServiceInterface robot;
    FakeController fake;
};

// One row per facade operation that talks to the controller: what it sends,
// how the controller answers (for a given controller code), and what the
// caller gets when the controller reports success.
struct Row {
    std::string name;
    int command;
    std::function<Bytes(int code)> answer;
    std::function<int()> call;
    std::function<void(const Bytes& request)> checkRequest;
    std::function<void()> checkOutputs;  // after a success answer
    // Further commands the operation sends after the first one succeeded.
    std::vector<std::pair<int, Bytes>> followUps = {};
};

TEST_F(ControllerServicesTest, EveryOperationSendsItsRequestAndMapsTheControllerCode)
{
    zr::ToolDynamicsParam tool;
    std::memset(&tool, 0, sizeof(tool));
    tool.positionX = 0.01;
    tool.positionY = -0.02;
    tool.positionZ = 0.1;
    tool.payload = 2.5;
    tool.toolInertia.xx = 7;  // never sent

    zr::ROBOT_SERVICE_STATE state = zr::ROBOT_SETVICE_FAULT_BRAKE;
    zr::RobotWorkMode mode = zr::RobotModeSimulator;
    zr::RobotState robotState = zr::RobotStopped;
    zr::RobotDiagnosis diagnosis;
    std::memset(&diagnosis, 0, sizeof(diagnosis));
    bool flag = false;
    zr::RobotDevInfo devInfo;
    std::memset(&devInfo, 0, sizeof(devInfo));
    zr::RobotGravityComponent gravity{0, 0, 0};
    zr::JointStatus jointStatus[6];
    std::memset(jointStatus, 0, sizeof(jointStatus));
    zr::JointParam joints;
    std::memset(&joints, 0, sizeof(joints));
    zr::wayPoint_S waypointIn;
    std::memset(&waypointIn, 0, sizeof(waypointIn));
    for (int i = 0; i < 6; ++i) waypointIn.jointpos[i] = 0.1 * (i + 1);
    waypointIn.orientation.w = 1;
    zr::wayPoint_S waypointOut;
    std::memset(&waypointOut, 0, sizeof(waypointOut));
    zr::RobotSafetyConfig safetyConfig;
    std::memset(&safetyConfig, 0, sizeof(safetyConfig));
    zr::OrpeSafetyStatus safetyStatus;
    std::memset(&safetyStatus, 0, sizeof(safetyStatus));
    unsigned char orpeErrors[3] = {1, 0, 255};
    zr::ToolDynamicsParam toolRead;
    std::memset(&toolRead, 0xff, sizeof(toolRead));
    int collisionClass = -1;
    zr::RobotJointOffset offset{0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
    zr::JointCommonData jointData[6];
    std::memset(jointData, 0, sizeof(jointData));
    const char firmware[5] = {'a', 0, 'b', 0, 'c'};
    std::string text;

    const auto common = [](int code) { return commonResult(code); };
    std::vector<Row> rows = {
        {"handshake", 80, common, [&] { return robot.robotServiceRobotHandShake(false); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [] {}},
        {"startup", 16, common,
         [&] { return robot.rootServiceRobotStartup(tool, 5, true, false, 1000, state, false); },
         [](const Bytes& r) {
             auto m = parseAs<pc::ProtoCommunicationRobotStartupProfile>(r);
             expectBothHalves(m.tcpparam(), 0.01f, -0.02f, 0.1f, 2.5f);
             EXPECT_TRUE(m.readpose());
             EXPECT_FALSE(m.staticcollisiondetect());
             EXPECT_EQ(m.collisionclass(), 5);
             EXPECT_EQ(m.maxacc(), 1000);
         },
         [&] { EXPECT_EQ(state, zr::ROBOT_SETVICE_FAULT_BRAKE); }},
        {"shutdown", 17, common, [&] { return robot.robotServiceRobotShutdown(false); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [] {}},
        {"robot control", 18, common, [&] { return robot.rootServiceRobotControl(zr::EnableReadPose); },
         [](const Bytes& r) { expectGeneralData(r, {8}, {}); }, [] {}},
        {"power", 20, common, [&] { return robot.robotServicePowerControl(true); },
         [](const Bytes& r) { expectGeneralData(r, {}, {true}); }, [] {}},
        {"release brake", 21, common, [&] { return robot.robotServiceReleaseBrake(); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [] {}},
        {"collision recover", 19, common, [&] { return robot.robotServiceCollisionRecover(); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [] {}},
        {"get work mode", 34, [](int c) { return generalData({1}, {}, c); },
         [&] { return robot.robotServiceGetRobotWorkMode(mode); }, [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] { EXPECT_EQ(mode, zr::RobotModeReal); }},
        {"set work mode", 33, common, [&] { return robot.robotServiceSetRobotWorkMode(zr::RobotModeReal); },
         [](const Bytes& r) { expectGeneralData(r, {1}, {}); }, [] {}},
        {"current state", 26, [](int c) { return generalData({2}, {}, c); },
         [&] { return robot.robotServiceGetRobotCurrentState(robotState); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [&] { EXPECT_EQ(robotState, zr::RobotPaused); }},
        {"diagnosis", 15,
         [](int c) {
             pc::ProtoCommunicationRobotDiagnosisInfo m;
             m.set_num(1);
             auto* d = m.add_robotdiagnosis();
             fillRequired(*d);
             d->set_armpowervoltage(48.5f);
             d->set_macdatainterruptwarning(3);
             setInfo(m.add_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetRobotDiagnosisInfo(diagnosis); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_FLOAT_EQ(diagnosis.armPowerVoltage, 48.5f);
             EXPECT_EQ(diagnosis.macDataInterruptWarning, 3);
         }},
        {"real robot exists", 37, [](int c) { return generalData({}, {true}, c); },
         [&] { return robot.robotServiceGetIsRealRobotExist(flag); }, [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_TRUE(flag);
             flag = false;
         }},
        {"device info", 38, [](int c) { return devInfoAnswer(c, "v3.1-x"); },
         [&] { return robot.robotServiceGetRobotDevInfoService(devInfo); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] { EXPECT_STREQ(devInfo.revision, "v3.1-x"); }},
        {"gravity", 35,
         [](int c) {
             pm::ProtoResponseRobotGravityComponent m;
             auto* g = m.add_gravitycomponent();
             g->set_x(1.5f);
             g->set_y(-2.0f);
             g->set_z(9.75f);
             setInfo(m.mutable_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetRobotGravityComponent(gravity); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_FLOAT_EQ(gravity.x, 1.5f);
             EXPECT_FLOAT_EQ(gravity.z, 9.75f);
         }},
        {"joint status", 6,
         [](int c) {
             pm::ProtoRobotAllJointStatusResponse m;
             m.set_jointcount(6);
             for (int i = 0; i < 6; ++i) {
                 auto* s = m.add_jointstatus();
                 fillRequired(*s);
                 s->set_jointcurrenti(10 * (i + 1));
             }
             setInfo(m.add_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetRobotJointStatus(jointStatus, 6); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_EQ(jointStatus[0].jointCurrentI, 10);
             EXPECT_EQ(jointStatus[5].jointCurrentI, 60);
         }},
        {"joint angle", 10,
         [](int c) {
             pm::ProtoJointAngleResponse m;
             fillRequired(m);
             m.mutable_jointangle()->set_joint3(1.25);
             setInfo(m.add_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetJointAngleInfo(joints); }, [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] { EXPECT_DOUBLE_EQ(joints.jointPos[2], 1.25); }},
        {"corrected waypoint", 118,
         [](int c) {
             pm::ProtoRoadPointResponse m;
             fillRequired(m);
             for (int i = 0; i < 6; ++i) m.mutable_waypoint()->add_jointpos(-0.5 * i);
             setInfo(m.add_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetCorrectedWaypoint(waypointIn, waypointOut); },
         [](const Bytes& r) {
             auto m = parseAs<pm::ProtoRoadPoint>(r);
             ASSERT_EQ(m.jointpos_size(), 6);
             EXPECT_DOUBLE_EQ(m.jointpos(5), 0.6);
         },
         [&] { EXPECT_DOUBLE_EQ(waypointOut.jointpos[4], -2.0); }},
        {"origin pose", 60, common, [&] { return robot.robotServiceSetRobotAtOriginPose(); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [] {}},
        {"get safety config", 61, [](int c) { return safetyConfigAnswer(c, sampleSafetyConfig()); },
         [&] { return robot.robotServiceGetRobotSafetyConfig(safetyConfig); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             const zr::RobotSafetyConfig expected = sampleSafetyConfig();
             EXPECT_EQ(std::memcmp(&safetyConfig, &expected, sizeof(expected)), 0);
         }},
        {"safety status", 63,
         [](int c) {
             pm::ProtoResponseOrpeSafetyStatus m;
             auto* s = m.add_safetystatus();
             fillRequired(*s);
             s->set_orpestop(1);
             s->add_orpeerror(7);
             setInfo(m.mutable_errorinfo(), c);
             return complete(m);
         },
         [&] { return robot.robotServiceGetOrpeSafetyStatus(safetyStatus); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_EQ(safetyStatus.orpeStop, 1);
             EXPECT_EQ(safetyStatus.orpeError[0], 7);
         }},
        {"orpe pause", 64, common, [&] { return robot.robotServiceSetRobotOrpePause(3); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({3})); }, [] {}},
        {"orpe stop", 65, common, [&] { return robot.robotServiceSetRobotOrpeStop(2); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({2})); }, [] {}},
        {"project startup", 65, common, [&] { return robot.robotServiceSetRobotProjectStartup(); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({0})); }, [] {}},
        {"project stop", 65, common, [&] { return robot.robotServiceSetRobotProjectStop(); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({1})); }, [] {}},
        {"orpe error", 66, common, [&] { return robot.robotServiceSetRobotOrpeError(orpeErrors, 3); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({1, 0, 255})); }, [] {}},
        {"orpe error, none", 66, common, [&] { return robot.robotServiceSetRobotOrpeError(orpeErrors, 0); },
         [](const Bytes& r) { EXPECT_TRUE(safeIoValues(r).empty()); }, [] {}},
        {"clear emergency stop", 67, common, [&] { return robot.robotServiceClearSystemEmergencyStop(1); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({1})); }, [] {}},
        {"clear reduced mode error", 68, common, [&] { return robot.robotServiceClearReducedModeError(4); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({4})); }, [] {}},
        {"safeguard reset", 69, common, [&] { return robot.robotServiceRobotSafetyguardResetSucc(1); },
         [](const Bytes& r) { EXPECT_EQ(safeIoValues(r), std::vector<unsigned>({1})); }, [] {}},

        {"set tool dynamics", 27, common, [&] { return robot.robotServiceSetToolDynamicsParam(tool); },
         [](const Bytes& r) { expectBothHalves(parseAs<pc::RobotTcpParam>(r), 0.01f, -0.02f, 0.1f, 2.5f); },
         [] {}},
        {"set no tool", 27, common, [&] { return robot.robotServiceSetNoneToolDynamicsParam(); },
         [](const Bytes& r) { expectBothHalves(parseAs<pc::RobotTcpParam>(r), 0, 0, 0, 0); }, [] {}},
        {"get tool dynamics", 28, [](int c) { return tcpParamAnswer(c, 0.1f, 2.5f); },
         [&] { return robot.robotServiceGetToolDynamicsParam(toolRead); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_DOUBLE_EQ(toolRead.positionZ, static_cast<double>(0.1f));
             EXPECT_DOUBLE_EQ(toolRead.payload, 2.5);
             EXPECT_EQ(toolRead.positionX, 0.0);
             EXPECT_EQ(toolRead.toolInertia.xx, 0.0);
             EXPECT_EQ(toolRead.toolInertia.zz, 0.0);
         }},
        {"set collision class", 40, common, [&] { return robot.robotServiceSetRobotCollisionClass(6); },
         [](const Bytes& r) { expectGeneralData(r, {6}, {}); }, [] {}, {{36, collisionAnswer(0, 6)}}},
        {"get collision class", 36, [](int c) { return collisionAnswer(c, 4); },
         [&] { return robot.robotServiceGetRobotCollisionCurrentService(collisionClass); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); }, [&] { EXPECT_EQ(collisionClass, 4); }},
        {"joint offset", 86, common, [&] { return robot.robotServiceSetRobotJointOffset(offset); },
         [](const Bytes& r) {
             auto m = parseAs<pm::RobotJointOffset>(r);
             EXPECT_DOUBLE_EQ(m.joint1(), 0.1);
             EXPECT_DOUBLE_EQ(m.joint6(), 0.6);
         },
         [] {}},
        {"joint common data", 121, [](int c) { return jointCommonDataAnswer(c, 6); },
         [&] { return robot.robotServiceGetJointCommonData(jointData, 6); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_EQ(jointData[0].JointCurVol, 100);
             EXPECT_EQ(jointData[5].JointPosDS, 205);
         }},
        {"save to flash", 123, common, [&] { return robot.robotServiceJointSaveDataFlash(2); },
         [](const Bytes& r) { EXPECT_EQ(intVector(r), std::vector<int>({2})); }, [] {}},
        {"firmware update", 82, common,
         [&] {
             return robot.robotServiceUpdateRobotBoardFirmware(zr::update_master_board_firmware_trans_data, firmware,
                                                               sizeof(firmware));
         },
         [&](const Bytes& r) {
             auto m = parseAs<pc::ProtoCommunicationRobotBoardFirmware>(r);
             EXPECT_EQ(m.command(), 2);
             EXPECT_EQ(m.firmwarecontent(), std::string(firmware, sizeof(firmware)));
             EXPECT_EQ(m.firmwarecontentsize(), 5);
         },
         [] {}},
        {"firmware result", 83, [](int c) { return generalData({}, {true}, c); },
         [&] { return robot.robotServiceGetBoardFirmwareUpdateResultService(flag); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_TRUE(flag);
             flag = false;
         }},
        {"ethernet name", 84, [](int c) { return nameAnswer(c, "eth7"); },
         [&] { return robot.robotServiceGetRobotEthernetDeviceName(text); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_EQ(text, "eth7");
             text.clear();
         }},
        {"server version", 124, [](int c) { return nameAnswer(c, "4.5.6"); },
         [&] { return robot.robotServiceGetServerVersionInfo(text); },
         [](const Bytes& r) { EXPECT_TRUE(r.empty()); },
         [&] {
             EXPECT_EQ(text, "4.5.6");
             text.clear();
         }},
        {"force teach", 120, common, [&] { return robot.robotServiceSetEnableForceTeachWhenProjectIsRunning(true); },
         [](const Bytes& r) { EXPECT_EQ(intVector(r), std::vector<int>({1})); }, [] {}},
    };

    typedef int (ServiceInterface::*GainSetter)(int, unsigned short);
    const std::vector<std::pair<std::string, GainSetter>> gains = {
        {"CurrentIP", &ServiceInterface::robotServiceSetJointParam_CurrentIP},
        {"CurrentII", &ServiceInterface::robotServiceSetJointParam_CurrentII},
        {"CurrentID", &ServiceInterface::robotServiceSetJointParam_CurrentID},
        {"SpeedP", &ServiceInterface::robotServiceSetJointParam_SpeedP},
        {"SpeedI", &ServiceInterface::robotServiceSetJointParam_SpeedI},
        {"SpeedD", &ServiceInterface::robotServiceSetJointParam_SpeedD},
        {"SpeedDS", &ServiceInterface::robotServiceSetJointParam_SpeedDS},
        {"PosP", &ServiceInterface::robotServiceSetJointParam_PosP},
        {"PosI", &ServiceInterface::robotServiceSetJointParam_PosI},
        {"PosD", &ServiceInterface::robotServiceSetJointParam_PosD},
        {"PosDS", &ServiceInterface::robotServiceSetJointParam_PosDS},
    };
    for (int id = 0; id < static_cast<int>(gains.size()); ++id) {
        GainSetter setter = gains[id].second;
        rows.push_back({"gain " + gains[id].first, 122, common,
                        [this, setter] { return (robot.*setter)(3, 500); },
                        [id](const Bytes& r) { EXPECT_EQ(intVector(r), std::vector<int>({id, 3, 500})); }, [] {}});
    }

    const struct {
        int controllerCode;
        int expected;
    } outcomes[] = {{0, 0}, {4, 10024}, {7, 10023}};
    for (const auto& row : rows) {
        for (const auto& outcome : outcomes) {
            SCOPED_TRACE(row.name + ", controller code " + std::to_string(outcome.controllerCode));
            fake.clearScript();
            fake.clearFrames();
            fake.respond(row.command, row.answer(outcome.controllerCode));
            for (const auto& followUp : row.followUps) fake.respond(followUp.first, followUp.second);

            EXPECT_EQ(row.call(), outcome.expected);
            EXPECT_EQ(countSent(row.command), 1);
            row.checkRequest(sentPayload(row.command));
            if (outcome.controllerCode == 0) row.checkOutputs();
        }
    }
}

TEST_F(ControllerServicesTest, BlockingStartupShutdownAndHandshake)
{
    fake.respondWith(16, [](const Frame&) { return Replies{{16, commonResult(0)}, {2, robotEvent(20, 2)}}; });
    fake.respondWith(17, [](const Frame&) { return Replies{{17, commonResult(0)}, {2, robotEvent(21, 0)}}; });
    fake.respondWith(80, [](const Frame&) { return Replies{{80, commonResult(0)}, {2, robotEvent(36, 0)}}; });
    zr::ToolDynamicsParam tool;
    std::memset(&tool, 0, sizeof(tool));
    zr::ROBOT_SERVICE_STATE state = zr::ROBOT_SERVICE_READY;
    EXPECT_EQ(robot.rootServiceRobotStartup(tool, 6, true, true, 0, state, true), 0);
    EXPECT_EQ(state, zr::ROBOT_SERVICE_WORKING);
    EXPECT_EQ(robot.robotServiceRobotShutdown(true), 0);
    EXPECT_EQ(robot.robotServiceRobotHandShake(true), 10023);
}

TEST_F(ControllerServicesTest, OperationsWithoutTraffic)
{
    bool ok = false;
    EXPECT_EQ(robot.robotServiceGetMacCommunicationStatus(ok), 0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(robot.robotServiceSetRobotMaxACC(50), 0);
    robot.robotServiceLogout();
    EXPECT_EQ(robot.robotServiceSetRobotMaxACC(50), 0);
    for (const auto& f : fake.frames()) ADD_FAILURE() << "unexpected request " << f.commandType;
}

TEST_F(ControllerServicesTest, NullArraysAndBadCountsAreRefusedWithoutTraffic)
{
    zr::JointCommonData data[2];
    zr::JointStatus status[2];
    unsigned char bytes[1] = {0};
    EXPECT_EQ(robot.robotServiceGetJointCommonData(nullptr, 2), 10002);
    EXPECT_EQ(robot.robotServiceGetJointCommonData(data, 0), 10002);
    EXPECT_EQ(robot.robotServiceGetJointCommonData(data, -1), 10002);
    EXPECT_EQ(robot.robotServiceGetRobotJointStatus(nullptr, 6), 10002);
    EXPECT_EQ(robot.robotServiceGetRobotJointStatus(status, 0), 10002);
    EXPECT_EQ(robot.robotServiceSetRobotOrpeError(nullptr, 0), 10002);
    EXPECT_EQ(robot.robotServiceSetRobotOrpeError(bytes, -1), 10002);
    // A firmware block the caller did not give cannot be built.
    LogCapture log;
    EXPECT_EQ(robot.robotServiceUpdateRobotBoardFirmware(zr::update_master_board_firmware_trans_start, nullptr, 4),
              10005);
    EXPECT_EQ(log.levelOf("sdk log: Make RobotCmd_updateRobotBoardFirmware request failed."), 3);
    EXPECT_TRUE(fake.frames().empty());
}

TEST_F(ControllerServicesTest, JointCommonDataCopiesNoMoreThanAsked)
{
    fake.respond(121, jointCommonDataAnswer(0, 6));
    zr::JointCommonData data[3];
    std::memset(data, 0x5a, sizeof(data));
    EXPECT_EQ(robot.robotServiceGetJointCommonData(data, 2), 0);
    EXPECT_EQ(data[0].JointCurVol, 100);
    EXPECT_EQ(data[1].JointCurVol, 101);
    EXPECT_EQ(data[2].JointCurVol, 0x5a5a);  // beyond count: untouched

    // Fewer records than slots: the rest stay as they were.
    fake.respond(121, jointCommonDataAnswer(0, 1));
    std::memset(data, 0x5a, sizeof(data));
    EXPECT_EQ(robot.robotServiceGetJointCommonData(data, 3), 0);
    EXPECT_EQ(data[0].JointCurVol, 100);
    EXPECT_EQ(data[1].JointCurVol, 0x5a5a);
}

TEST_F(ControllerServicesTest, CollisionClassIsConfirmedByReadingBack)
{
    // Class 6 shows at the second read: one warning, two reads.
    int reads = 0;
    fake.respond(40, commonResult(0));
    fake.respondWith(36, [&reads](const Frame&) {
        ++reads;
        return Replies{{36, collisionAnswer(0, reads >= 2 ? 6 : 3)}};
    });
    {
        LogCapture log;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(robot.robotServiceSetRobotCollisionClass(6), 0);
        EXPECT_GE(std::chrono::steady_clock::now() - start, 290ms);
        EXPECT_EQ(reads, 2);
        EXPECT_EQ(log.levelOf("sdk log: Real-time robot collision level does not match expectations, number times:1"), 2);
        EXPECT_FALSE(log.contains("sdk log: Real-time robot collision level does not match expectations, number times:2"));
    }

    // Three failed reads (one unreadable, two with another class) give 10001.
    reads = 0;
    fake.respondWith(36, [&reads](const Frame&) {
        ++reads;
        return Replies{{36, reads == 2 ? hex("ff") : collisionAnswer(0, 5)}};
    });
    {
        LogCapture log;
        EXPECT_EQ(robot.robotServiceSetRobotCollisionClass(6), 10001);
        EXPECT_EQ(reads, 3);
        EXPECT_EQ(log.levelOf("sdk log: Real-time robot collision level does not match expectations, number times:1"), 2);
        EXPECT_EQ(log.levelOf("sdk log: get robot collision level failed, number times:2"), 2);
        EXPECT_EQ(log.levelOf("sdk log: Real-time robot collision level does not match expectations, number times:3"), 2);
    }

    // A refused set is reported with its own line and no read follows.
    reads = 0;
    fake.respond(40, commonResult(4));
    LogCapture log;
    EXPECT_EQ(robot.robotServiceSetRobotCollisionClass(6), 10024);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(log.levelOf("sdk log: Setting the robot collision level failed. ret = 10024"), 3);
}

TEST_F(ControllerServicesTest, CollisionClassReadNeverHandsOutAnUnsetValue)
{
    fake.respond(36, collisionAnswer(7, 3));
    int collisionClass = 42;
    EXPECT_EQ(robot.robotServiceGetRobotCollisionCurrentService(collisionClass), 10023);
    EXPECT_EQ(collisionClass, 42);
    fake.respond(36, hex("ff"));
    LogCapture log;
    EXPECT_EQ(robot.robotServiceGetRobotCollisionCurrentService(collisionClass), 10010);
    EXPECT_EQ(collisionClass, 42);
    EXPECT_EQ(log.levelOf("sdk log: Resolve devInfo RobotCollisionCurrent failed."), 3);
}

TEST_F(ControllerServicesTest, ToolDynamicsFailureLeavesTheOutputAlone)
{
    fake.respond(28, tcpParamAnswer(4, 1, 1));
    zr::ToolDynamicsParam tool;
    std::memset(&tool, 0, sizeof(tool));
    tool.payload = 9;
    EXPECT_EQ(robot.robotServiceGetToolDynamicsParam(tool), 10024);
    EXPECT_EQ(tool.payload, 9);
    fake.respond(28, commonResult(0));  // not the answer's message: unreadable
    LogCapture log;
    EXPECT_EQ(robot.robotServiceGetToolDynamicsParam(tool), 10005);
    EXPECT_EQ(tool.payload, 9);
    EXPECT_EQ(log.levelOf("sdk log: Resolve tcpParam response failed."), 3);
}

TEST_F(ControllerServicesTest, SafetyConfigurationIsGatedByRevisionAndVerified)
{
    const zr::RobotSafetyConfig config = sampleSafetyConfig();
    zr::RobotSafetyConfig other = config;
    other.robotReducedConfigPower = 1;

    const struct {
        const char* revision;
        bool sends;
    } revisions[] = {{"v3.0.9", false}, {"v2.9.9", false}, {"v3.1.0", true}, {"v4.0.0", true}, {"v5.0", true}};
    for (const auto& r : revisions) {
        SCOPED_TRACE(r.revision);
        fake.clearFrames();
        fake.respond(38, devInfoAnswer(0, r.revision));
        fake.respond(62, commonResult(0));
        fake.respond(61, safetyConfigAnswer(0, config));
        EXPECT_EQ(robot.robotServiceSetRobotSafetyConfig(config), 0);
        ASSERT_EQ(countSent(62), r.sends ? 1 : 0);
        EXPECT_EQ(countSent(61), r.sends ? 1 : 0);
        if (r.sends) {
            auto sent = parseAs<pm::ProtoResponseRobotSafetyConfig>(sentPayload(62));
            ASSERT_EQ(sent.safetyconfig_size(), 1);
            EXPECT_EQ(sent.safetyconfig(0).robotreducedconfigpower(), 400);
            EXPECT_EQ(sent.safetyconfig(0).robotreducedconfigjointspeed(5), 105);
            EXPECT_EQ(sent.errorinfo().errorcode(), 0);
        }
    }

    // An unreadable device information counts as an old controller.
    fake.clearFrames();
    fake.respond(38, hex("ff"));
    EXPECT_EQ(robot.robotServiceSetRobotSafetyConfig(config), 0);
    EXPECT_EQ(countSent(62), 0);

    // Refused by the controller: its code, and nothing is read back.
    fake.clearFrames();
    fake.respond(38, devInfoAnswer(0, "v3.1"));
    fake.respond(62, commonResult(7));
    EXPECT_EQ(robot.robotServiceSetRobotSafetyConfig(config), 10023);
    EXPECT_EQ(countSent(61), 0);

    // The configuration in force differs at every read: six reads, then 10001.
    fake.clearFrames();
    fake.respond(62, commonResult(0));
    fake.respond(61, safetyConfigAnswer(0, other));
    EXPECT_EQ(robot.robotServiceSetRobotSafetyConfig(config), 10001);
    EXPECT_EQ(countSent(61), 6);

    // Matching at the third read.
    int reads = 0;
    fake.clearFrames();
    fake.respondWith(61, [&](const Frame&) {
        ++reads;
        return Replies{{61, safetyConfigAnswer(0, reads >= 3 ? config : other)}};
    });
    EXPECT_EQ(robot.robotServiceSetRobotSafetyConfig(config), 0);
    EXPECT_EQ(reads, 3);
}

}  // namespace

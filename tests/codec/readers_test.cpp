// Response readers: result rules, error codes, untouched outputs and failure lines.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

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

template <class R>
void setResult(R* r, int code)
{
    r->set_errorcode(code);
    r->set_errormsg("msg");
}

/* ---- every reader's failure line ---- */

struct FailCase {
    const char* line;
    std::function<bool(const char*, int)> read;
};

// Outputs of the failure cases; never inspected.
struct Scratch {
    int code = 0;
    RobotTcpParam tcp;
    RobotGravityComponent gravity;
    RobotCollisionCurrent collision;
    OrpeSafetyStatus safetyStatus;
    RobotSafetyConfig safetyConfig;
    RobotDevInfo devInfo;
    FtSensorCalResult calib;
    WrenchParam wrench;
    call_robot_motion_func_result moveResult;
    ToolDynamicsParam dynamics;
    ToolInEndDesc tool;
    JointParam joints;
    wayPoint_S waypoint;
    JointStatus statuses[6];
    RobotDiagnosis diagnosis;
    RobotToolAllIOStatus toolIo;
    SeamTracking seam;
};

std::vector<FailCase> failCases()
{
    auto x = std::make_shared<Scratch>();
    std::vector<FailCase> cases = {
        {"resolveResponse_tcpParam Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_tcpParam(d, n, x->tcp, x->code); }},
        {"resolveResponse_gravityComponent Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_gravityComponent(d, n, x->gravity, x->code); }},
        {"resolveResponse_collisionCurrent Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_collisionCurrent(d, n, x->collision, x->code); }},
        {"resolveResponse_safetyStatus Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_safetyStatus(d, n, x->safetyStatus, x->code); }},
        {"resolveResponse_safetyConfig Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_safetyConfig(d, n, x->safetyConfig, x->code); }},
        {"resolveResponse_devInfo Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_devInfo(d, n, x->devInfo, x->code); }},
        {"ERROR:resolveResponse_FtSensorCalibResult Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_FtSensorCalibResult(d, n, x->calib, x->code); }},
        {"ERROR:resolveResponse_Wrench Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_Wrench(d, n, x->wrench, x->code); }},
        {"resolveResponse_moveControlResule Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_moveControlResule(d, n, x->moveResult, x->code); }},
        {"resolveResponse_getToolDynamicsParam Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_getToolDynamicsParam(d, n, x->dynamics, x->code); }},
        {"resolveResponse_getToolKinematicsParam Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_getToolKinematicsParam(d, n, x->tool, x->code); }},
        {"ERROR:resolveResponse_robotEvent Parse fail.", [](const char* d, int n) { RobotEventInfo e; return PED::resolveResponse_robotEvent(d, n, e); }},
        {"resolveResponse_jointAngle Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_jointAngle(d, n, x->joints, x->code); }},
        {"resolveResponse_waypoint Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_waypoint(d, n, x->waypoint, x->code); }},
        {"resolveResponse_jointStatus Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_jointStatus(d, n, x->statuses, 6, x->code); }},
        {"resolveResponse_robotDiagnosis Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_robotDiagnosis(d, n, x->diagnosis); }},
        {"resolveResponse_robotDiagnosisInfo Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_robotDiagnosisInfo(d, n, x->diagnosis, x->code); }},
        {"ERROR:resolveRequest_robotDiagnosisIOData Parse fail.", [x](const char* d, int n) { std::vector<RobotDiagnosisIODesc> v; return PED::resolveResponse_robotDiagnosisIOData(d, n, v, x->code); }},
        {"ERROR:resolveRequest_robotAnalogIOData Parse fail.", [x](const char* d, int n) { std::vector<RobotAnalogIODesc> v; return PED::resolveResponse_robotAnalogIOData(d, n, v, x->code); }},
        {"resolveResponse_getDynIdentifyResults Parse fail.", [x](const char* d, int n) { std::vector<int> v; return PED::resolveResponse_getDynIdentifyResults(d, n, v, x->code); }},
        {"ERROR:resolveResponse_robotToolIoStatus Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_robotToolIoStatus(d, n, x->toolIo, x->code); }},
        {"ERROR:resolveResponse_ethernetDeviceName Parse fail.", [x](const char* d, int n) { std::string s; return PED::resolveResponse_ethernetDeviceName(d, n, s, x->code); }},
        {"ERROR:resolveRequest_jointCommonData Parse fail.", [x](const char* d, int n) { std::vector<JointCommonData> v; return PED::resolveResponse_jointCommonData(d, n, v, x->code); }},
        {"resolveRequest_intTypeValueVector Parse fail.", [x](const char* d, int n) { std::vector<int> v; return PED::resolveResponse_intTypeValueVector(d, n, v, x->code); }},
        {"resolveRequest_doubleTypeValueVector Parse fail.", [x](const char* d, int n) { std::vector<double> v; return PED::resolveResponse_doubleTypeValueVector(d, n, v, x->code); }},
        {"ERROR:resolveResponse_SeamTracking Parse fail.", [x](const char* d, int n) { return PED::resolveResponse_SeamTracking(d, n, x->seam, x->code); }},
        {"resolveResponse_DhParam Parse fail.", [x](const char* d, int n) { RobotType t; RobotDhPara p; return PED::resolveResponse_DhParam(d, n, t, p, x->code); }},
        {"ERROR: resolveResponse_commonFormat Parse fail.", [](const char* d, int n) { CommunicationCommonResultResponse c; return PED::resolveResponse_commonFormat(d, n, c); }},
    };
    return cases;
}

}  // namespace

TEST(CodecReaders, UnreadablePayloadsWriteExactlyTheirLine)
{
    const char truncated[] = {'\x0a', '\x40', '\x01'};  // length-delimited field cut short
    struct Input {
        const char* data;
        int len;
    } inputs[] = {{truncated, 3}, {"", 0}, {nullptr, 3}, {truncated, -2}};
    for (const FailCase& c : failCases()) {
        for (const Input& in : inputs) {
            bool result = true;
            auto streams = captureStreams([&] { result = c.read(in.data, in.len); });
            EXPECT_FALSE(result) << c.line;
            EXPECT_EQ(streams.first, std::string(c.line) + "\n");
            EXPECT_EQ(streams.second, "");
        }
    }
}

/* ---- typed responses ---- */

namespace {

struct TypedCase {
    const char* name;
    std::function<std::string(int code, bool withEntry)> payload;
    std::function<bool(const std::string&, int&)> read;  // into a record pre-filled with a sentinel
    std::function<bool()> untouched;
};

template <class Msg, class Rec>
TypedCase typedCase(const char* name, std::function<void(Msg&)> addEntry,
                    std::function<bool(const char*, int, Rec&, int&)> reader)
{
    auto record = std::make_shared<Rec>();
    auto sentinel = std::make_shared<Rec>();
    std::memset(static_cast<void*>(sentinel.get()), 0x5a, sizeof(Rec));
    TypedCase c;
    c.name = name;
    c.payload = [addEntry](int code, bool withEntry) {
        Msg m;
        setResult(m.mutable_errorinfo(), code);
        if (withEntry) addEntry(m);
        return encode(m);
    };
    c.read = [=](const std::string& bytes, int& code) {
        std::memcpy(static_cast<void*>(record.get()), sentinel.get(), sizeof(Rec));
        return reader(bytes.data(), static_cast<int>(bytes.size()), *record, code);
    };
    c.untouched = [=] { return std::memcmp(record.get(), sentinel.get(), sizeof(Rec)) == 0; };
    return c;
}

void fillTcp(comm::TcpParam* t)
{
    t->set_positionx(1);
    t->set_positiony(2);
    t->set_positionz(3);
    t->set_payload(4);
}

std::vector<TypedCase> typedCases()
{
    return {
        typedCase<common::ProtoResponseRobotTcpParam, RobotTcpParam>(
            "tcpParam",
            [](auto& m) {
                auto* e = m.add_tcpparam();
                fillTcp(e->mutable_paramautorun());
                fillTcp(e->mutable_parammanual());
            },
            &PED::resolveResponse_tcpParam),
        typedCase<common::ProtoResponseRobotGravityComponent, RobotGravityComponent>(
            "gravityComponent",
            [](auto& m) {
                auto* e = m.add_gravitycomponent();
                e->set_x(1);
                e->set_y(2);
                e->set_z(3);
            },
            &PED::resolveResponse_gravityComponent),
        typedCase<common::ProtoResponseRobotCollisionCurrent, RobotCollisionCurrent>(
            "collisionCurrent", [](auto& m) { m.add_collisioncurrent()->set_collisionclass(300); },
            &PED::resolveResponse_collisionCurrent),
        typedCase<common::ProtoResponseOrpeSafetyStatus, OrpeSafetyStatus>(
            "safetyStatus",
            [](auto& m) {
                auto* e = m.add_safetystatus();
                e->set_orpepause(1);
                e->set_orpestop(0);
                e->set_systememergencystop(0);
                e->set_reducedmodeerror(0);
                e->set_safetyguardresetsucc(0);
            },
            &PED::resolveResponse_safetyStatus),
        typedCase<common::ProtoResponseRobotSafetyConfig, RobotSafetyConfig>(
            "safetyConfig",
            [](auto& m) {
                auto* e = m.add_safetyconfig();
                e->set_robotreducedconfigtcpspeed(1);
                e->set_robotreducedconfigtcpforce(2);
                e->set_robotreducedconfigmomentum(3);
                e->set_robotreducedconfigpower(4);
                e->set_robotsafeguradresetconfig(5);
                e->set_robotoperationalmodeconfig(6);
            },
            &PED::resolveResponse_safetyConfig),
        typedCase<common::ProtoResponseRobotDevInfo, RobotDevInfo>(
            "devInfo",
            [](auto& m) {
                auto* e = m.add_devinfo();
                e->set_type(1);
                for (auto* s : {e->mutable_revision(), e->mutable_manuid(), e->mutable_jointtype(), e->mutable_desc(),
                                e->mutable_slavedevversion(), e->mutable_extendioboardversion()})
                    *s = "x";
            },
            &PED::resolveResponse_devInfo),
        typedCase<peripheral::ProtoResponseFtSensorCalibResult, FtSensorCalResult>(
            "ftSensorCalibResult",
            [](auto& m) {
                auto* e = m.add_ftsensorcalibresult();
                e->mutable_wrench()->add_force(1);
                e->set_mass(2);
            },
            &PED::resolveResponse_FtSensorCalibResult),
        typedCase<peripheral::ProtoResponseWrench, WrenchParam>(
            "wrench", [](auto& m) { m.add_wrench()->add_torque(5); }, &PED::resolveResponse_Wrench),
        typedCase<common::ToolParam, ToolDynamicsParam>(
            "toolDynamics",
            [](auto& m) {
                auto* e = m.add_tooldynamicsparam();
                e->set_positionx(1);
                e->set_positiony(2);
                e->set_positionz(3);
                e->set_payload(4);
                auto* i = e->mutable_toolinertia();
                for (auto set : {&common::ToolInertia::set_xx, &common::ToolInertia::set_xy,
                                 &common::ToolInertia::set_xz, &common::ToolInertia::set_yy,
                                 &common::ToolInertia::set_yz, &common::ToolInertia::set_zz})
                    (i->*set)(0.5);
            },
            &PED::resolveResponse_getToolDynamicsParam),
        typedCase<common::ToolParam, ToolInEndDesc>(
            "toolKinematics",
            [](auto& m) {
                auto* e = m.add_toolkinematicsparam();
                auto* p = e->mutable_toolposition();
                p->set_x(1);
                p->set_y(2);
                p->set_z(3);
                auto* o = e->mutable_toolori();
                o->set_w(1);
                o->set_x(0);
                o->set_y(0);
                o->set_z(0);
            },
            &PED::resolveResponse_getToolKinematicsParam),
    };
}

}  // namespace

TEST(CodecReaders, TypedResponsesConvertOnlyForCodeZeroWithAnEntry)
{
    for (const TypedCase& c : typedCases()) {
        SCOPED_TRACE(c.name);
        int code = -1;
        EXPECT_TRUE(c.read(c.payload(0, true), code));
        EXPECT_EQ(code, 0);
        EXPECT_FALSE(c.untouched());

        code = -1;
        EXPECT_TRUE(c.read(c.payload(10, true), code));
        EXPECT_EQ(code, 10);
        EXPECT_TRUE(c.untouched());

        code = -1;
        EXPECT_FALSE(c.read(c.payload(0, false), code));
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(c.untouched());
    }
}

TEST(CodecReaders, TypedValues)
{
    common::ProtoResponseRobotCollisionCurrent cc;
    setResult(cc.mutable_errorinfo(), 0);
    cc.add_collisioncurrent()->set_collisionclass(300);
    cc.add_collisioncurrent()->set_collisionclass(5);
    std::string bytes = encode(cc);
    RobotCollisionCurrent c{0};
    int code = 1;
    ASSERT_TRUE(PED::resolveResponse_collisionCurrent(bytes.data(), bytes.size(), c, code));
    EXPECT_EQ(c.collisionClass, 44);

    common::ProtoRobotMoveFuncResult mr;
    mr.set_ret(2);
    setResult(mr.mutable_errorinfo(), 0);
    bytes = encode(mr);
    call_robot_motion_func_result r = motion_func_refused;
    ASSERT_TRUE(PED::resolveResponse_moveControlResule(bytes.data(), bytes.size(), r, code));
    EXPECT_EQ(r, motion_func_accepted_done);
    mr.set_ret(3);
    setResult(mr.mutable_errorinfo(), 7);
    bytes = encode(mr);
    ASSERT_TRUE(PED::resolveResponse_moveControlResule(bytes.data(), bytes.size(), r, code));
    EXPECT_EQ(code, 7);
    EXPECT_EQ(r, motion_func_accepted_done);

    // A short wrench list is copied as far as it goes; the rest is zero.
    peripheral::ProtoResponseWrench w;
    setResult(w.mutable_errorinfo(), 0);
    w.add_wrench()->add_force(3);
    bytes = encode(w);
    WrenchParam wp{{9, 9, 9}, {9, 9, 9}};
    ASSERT_TRUE(PED::resolveResponse_Wrench(bytes.data(), bytes.size(), wp, code));
    EXPECT_EQ(wp.force[0], 3);
    EXPECT_EQ(wp.force[1], 0);
    EXPECT_EQ(wp.torque[2], 0);
}

/* ---- other readers ---- */

TEST(CodecReaders, RobotEvent)
{
    comm::ProtoCommunicationRobotEvent m;
    m.set_eventtype(22);
    m.set_eventcode(-1);
    m.set_eventcontent("done");
    std::string bytes = encode(m);
    RobotEventInfo e{0, 0, "old"};
    ASSERT_TRUE(PED::resolveResponse_robotEvent(bytes.data(), bytes.size(), e));
    EXPECT_EQ(e.eventType, 22);
    EXPECT_EQ(e.eventCode, -1);
    EXPECT_EQ(e.eventContent, "done");
}

TEST(CodecReaders, JointAngleFillsJointsEvenWithoutResult)
{
    common::ProtoJointAngleResponse m;
    auto* a = m.mutable_jointangle();
    a->set_joint1(1);
    a->set_joint2(2);
    a->set_joint3(3);
    a->set_joint4(4);
    a->set_joint5(5);
    a->set_joint6(6);
    std::string bytes = encode(m);
    JointParam j{};
    int code = 33;
    EXPECT_FALSE(PED::resolveResponse_jointAngle(bytes.data(), bytes.size(), j, code));
    EXPECT_EQ(code, 33);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(j.jointPos[i], i + 1);

    setResult(m.add_errorinfo(), 4);
    setResult(m.add_errorinfo(), 8);
    bytes = encode(m);
    EXPECT_TRUE(PED::resolveResponse_jointAngle(bytes.data(), bytes.size(), j, code));
    EXPECT_EQ(code, 4);
}

TEST(CodecReaders, WaypointResultDependsOnlyOnErrorInfo)
{
    common::ProtoRoadPointResponse m;
    auto* p = m.mutable_waypoint();
    for (double v : {1.0, 2.0, 3.0}) p->mutable_cartpos()->add_positionvector(v);
    auto* o = p->mutable_orientation();
    o->set_w(1);
    o->set_x(0);
    o->set_y(0);
    o->set_z(0);
    for (int i = 0; i < 7; ++i) p->add_jointpos(i);  // bad joint count: joints kept, result unaffected
    setResult(m.add_errorinfo(), 0);
    std::string bytes = encode(m);
    wayPoint_S w{};
    w.jointpos[0] = 42;
    int code = 5;
    EXPECT_TRUE(PED::resolveResponse_waypoint(bytes.data(), bytes.size(), w, code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(w.cartPos.z, 3);
    EXPECT_EQ(w.orientation.w, 1);
    EXPECT_EQ(w.jointpos[0], 42);

    m.clear_errorinfo();
    bytes = encode(m);
    code = 5;
    EXPECT_FALSE(PED::resolveResponse_waypoint(bytes.data(), bytes.size(), w, code));
    EXPECT_EQ(code, 5);
}

TEST(CodecReaders, JointStatusHonoursCapacity)
{
    common::ProtoRobotAllJointStatusResponse m;
    m.set_jointcount(99);
    for (int i = 0; i < 6; ++i) {
        JointStatus s{};
        s.jointCurrentI = 100 + i;
        PED::jointStatusTypeConversion(s, *m.add_jointstatus());
    }
    std::string bytes = encode(m);
    JointStatus out[6] = {};
    for (JointStatus& s : out) s.jointCurrentI = -1;
    int code = 12;
    EXPECT_TRUE(PED::resolveResponse_jointStatus(bytes.data(), bytes.size(), out, 4, code));
    EXPECT_EQ(code, 12);  // no errorInfo: unchanged
    EXPECT_EQ(out[0].jointCurrentI, 100);
    EXPECT_EQ(out[3].jointCurrentI, 103);
    EXPECT_EQ(out[4].jointCurrentI, -1);

    setResult(m.add_errorinfo(), 3);
    bytes = encode(m);
    EXPECT_TRUE(PED::resolveResponse_jointStatus(bytes.data(), bytes.size(), out, 6, code));
    EXPECT_EQ(code, 3);
    EXPECT_EQ(out[5].jointCurrentI, 105);

    EXPECT_TRUE(PED::resolveResponse_jointStatus(bytes.data(), bytes.size(), nullptr, 0, code));
    EXPECT_FALSE(PED::resolveResponse_jointStatus(bytes.data(), bytes.size(), nullptr, 6, code));
    EXPECT_FALSE(PED::resolveResponse_jointStatus(bytes.data(), bytes.size(), out, -1, code));
}

TEST(CodecReaders, Diagnosis)
{
    RobotDiagnosis d{};
    d.contorllerTemp = -3;
    d.robotMaxAcc = 77;
    comm::RobotDiagnosis bare;
    PED::robotDiagnosisTypeConversionToProto(d, bare);
    std::string bytes = encode(bare);
    RobotDiagnosis out{};
    ASSERT_TRUE(PED::resolveResponse_robotDiagnosis(bytes.data(), bytes.size(), out));
    EXPECT_EQ(+out.contorllerTemp, -3);
    EXPECT_EQ(+out.robotMaxAcc, 77);

    comm::ProtoCommunicationRobotDiagnosisInfo info;
    info.set_num(0);
    bytes = encode(info);
    RobotDiagnosis kept{};
    kept.robotMaxAcc = 5;
    int code = 9;
    ASSERT_TRUE(PED::resolveResponse_robotDiagnosisInfo(bytes.data(), bytes.size(), kept, code));
    EXPECT_EQ(code, 0);  // reset without an errorInfo entry
    EXPECT_EQ(+kept.robotMaxAcc, 5);

    *info.add_robotdiagnosis() = bare;
    setResult(info.add_errorinfo(), 6);
    bytes = encode(info);
    ASSERT_TRUE(PED::resolveResponse_robotDiagnosisInfo(bytes.data(), bytes.size(), kept, code));
    EXPECT_EQ(code, 6);
    EXPECT_EQ(+kept.robotMaxAcc, 77);
}

TEST(CodecReaders, IoPointListsAreReplacedAndClearedOnFailure)
{
    comm::ProtoCommunicationRobotDiagnosisIOData dio;
    dio.set_type(3);
    for (int i = 0; i < 3; ++i) {
        auto* p = dio.add_iodesc();
        p->set_addr(i);
        p->set_type(10 + i);
        p->set_value(i % 2);
    }
    setResult(dio.add_errorinfo(), 2);
    std::string bytes = encode(dio);
    std::vector<RobotDiagnosisIODesc> points(5, RobotDiagnosisIODesc{9, 9, 9});
    int code = 0;
    ASSERT_TRUE(PED::resolveResponse_robotDiagnosisIOData(bytes.data(), bytes.size(), points, code));
    EXPECT_EQ(code, 2);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[2].addr, 2);
    EXPECT_EQ(points[2].type, 12);
    EXPECT_EQ(points[2].value, 0);
    EXPECT_EQ(points[1].value, 1);

    comm::ProtoCommunicationRobotAnalogIOData aio;
    aio.set_type(0);
    auto* a = aio.add_iodesc();
    a->set_addr(4);
    a->set_type(11);
    a->set_value(3.5f);
    bytes = encode(aio);
    std::vector<RobotAnalogIODesc> analog(2);
    code = 8;
    ASSERT_TRUE(PED::resolveResponse_robotAnalogIOData(bytes.data(), bytes.size(), analog, code));
    EXPECT_EQ(code, 8);
    ASSERT_EQ(analog.size(), 1u);
    EXPECT_EQ(analog[0].value, 3.5f);
    EXPECT_EQ(analog[0].type, 11);

    captureStreams([&] {
        EXPECT_FALSE(PED::resolveResponse_robotDiagnosisIOData("\xff", 1, points, code));
        EXPECT_FALSE(PED::resolveResponse_robotAnalogIOData("\xff", 1, analog, code));
    });
    EXPECT_TRUE(points.empty());
    EXPECT_TRUE(analog.empty());
}

TEST(CodecReaders, ValueLists)
{
    comm::ProtoCommunicationDynIdentifyResults dyn;
    dyn.set_temp(1);
    for (int v : {4, 5, 6}) dyn.add_param(v);
    setResult(dyn.add_errorinfo(), 3);
    std::string bytes = encode(dyn);
    std::vector<int> params{1};
    int code = 0;
    ASSERT_TRUE(PED::resolveResponse_getDynIdentifyResults(bytes.data(), bytes.size(), params, code));
    EXPECT_EQ(code, 3);
    EXPECT_EQ(params, std::vector<int>{1});
    dyn.mutable_errorinfo(0)->set_errorcode(0);
    bytes = encode(dyn);
    ASSERT_TRUE(PED::resolveResponse_getDynIdentifyResults(bytes.data(), bytes.size(), params, code));
    EXPECT_EQ(params, (std::vector<int>{4, 5, 6}));

    comm::ProtoCommunicationIntVectorResponse iv;
    iv.set_num(42);  // ignored
    iv.add_value(-1);
    iv.add_value(2);
    setResult(iv.mutable_errorinfo(), 0);
    bytes = encode(iv);
    std::vector<int> ints{7, 7, 7};
    ASSERT_TRUE(PED::resolveResponse_intTypeValueVector(bytes.data(), bytes.size(), ints, code));
    EXPECT_EQ(ints, (std::vector<int>{-1, 2}));

    comm::ProtoCommunicationDoubleVectorResponse dv;
    dv.set_num(0);
    for (double v : {0.5, 1.5, 2.5}) dv.add_value(v);
    setResult(dv.mutable_errorinfo(), 11);
    bytes = encode(dv);
    // Unpacked on the wire: one tagged fixed64 per value.
    EXPECT_EQ(bytes[2], '\x11');
    EXPECT_EQ(bytes[11], '\x11');
    std::vector<double> doubles{9};
    ASSERT_TRUE(PED::resolveResponse_doubleTypeValueVector(bytes.data(), bytes.size(), doubles, code));
    EXPECT_EQ(code, 11);
    EXPECT_EQ(doubles, (std::vector<double>{0.5, 1.5, 2.5}));
}

TEST(CodecReaders, ToolIoStatusKeepsWhatWasNotSent)
{
    comm::ProtoCommunicationToolAllIOStatusInfoResponse m;
    auto* t = m.mutable_tooliostatus();
    t->set_powertype(2);
    t->set_systemvoltage(24.5);
    t->set_systemtemperature(36.25);
    t->set_errorstatus(77);
    for (int i = 0; i < 2; ++i) {
        auto* d = t->add_digitaliostatus();
        d->set_iotype(i);
        d->set_iodata(0x100 + i);
    }
    t->add_aidata(1.25);
    setResult(m.mutable_errorinfo(), 0x1234);
    std::string bytes = encode(m);
    RobotToolAllIOStatus s;
    std::memset(&s, 0, sizeof(s));
    s.digitalIoStatus[2].ioType = 9;
    s.aiData[1] = 7.5f;
    int code = 0;
    ASSERT_TRUE(PED::resolveResponse_robotToolIoStatus(bytes.data(), bytes.size(), s, code));
    EXPECT_EQ(code, 0x1234);
    EXPECT_EQ(s.errorCode, 0x34);
    EXPECT_EQ(s.powerType, 2u);
    EXPECT_EQ(s.systemVoltage, 24.5f);
    EXPECT_EQ(s.systemTemperature, 36.25f);
    EXPECT_EQ(+s.digitalIoStatus[1].ioType, 1u);
    EXPECT_EQ(+s.digitalIoStatus[1].ioData, 1);
    EXPECT_EQ(+s.digitalIoStatus[2].ioType, 9u);
    EXPECT_EQ(s.aiData[0], 1.25f);
    EXPECT_EQ(s.aiData[1], 7.5f);
}

TEST(CodecReaders, NameJointDataAndSeamTracking)
{
    comm::ProtoCommunicationEthernetDeviceNameResponse n;
    n.set_name("eth0");
    setResult(n.mutable_errorinfo(), 1);
    std::string bytes = encode(n);
    std::string name;
    int code = 0;
    ASSERT_TRUE(PED::resolveResponse_ethernetDeviceName(bytes.data(), bytes.size(), name, code));
    EXPECT_EQ(name, "eth0");
    EXPECT_EQ(code, 1);

    comm::ProtoJointCommonDataResponse j;
    setResult(j.mutable_errorinfo(), 0);
    for (int i = 0; i < 6; ++i) {
        comm::ProtoJointCommonData* e = j.add_jointcommondata();
        const auto* desc = e->GetDescriptor();
        for (int f = 0; f < desc->field_count(); ++f) e->GetReflection()->SetInt32(e, desc->field(f), i);
    }
    bytes = encode(j);
    std::vector<JointCommonData> joints;
    ASSERT_TRUE(PED::resolveResponse_jointCommonData(bytes.data(), bytes.size(), joints, code));
    ASSERT_TRUE(PED::resolveResponse_jointCommonData(bytes.data(), bytes.size(), joints, code));
    ASSERT_EQ(joints.size(), 12u);
    EXPECT_EQ(+joints[11].JointPosDS, 5);
    EXPECT_EQ(+joints[6].JointTagPos, 0);

    SeamTracking st{};
    st.trackEnable = true;
    st.timeInterval = 8;
    st.currentRoadPoint.jointpos[5] = 1.5;
    common::ProtoSeamTrackResponse_t sm;
    PED::SeamTrackToProtoSeamTrack(st, *sm.mutable_seamtrack());
    setResult(sm.mutable_errorinfo(), 13);
    bytes = encode(sm);
    SeamTracking out{};
    ASSERT_TRUE(PED::resolveResponse_SeamTracking(bytes.data(), bytes.size(), out, code));
    EXPECT_EQ(code, 13);  // converted whatever the code
    EXPECT_TRUE(out.trackEnable);
    EXPECT_EQ(out.timeInterval, 8);
    EXPECT_EQ(out.currentRoadPoint.jointpos[5], 1.5);
}

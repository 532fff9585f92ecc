// Envelope, common result, login and DH parameter handling.
#include <gtest/gtest.h>

#include "codec/protoencodedecode.h"
#include "codectestsupport.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codectest;
using namespace zarn_robot_namespace;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

namespace {

comm::ProtoCommunicationGeneralData envelope(std::vector<int> ints, std::vector<bool> bools,
                                             std::vector<int> codes = {})
{
    comm::ProtoCommunicationGeneralData m;
    m.set_type(1);
    for (int v : ints) m.add_property1(v);
    for (bool v : bools) m.add_property2(v);
    for (int c : codes) {
        auto* e = m.add_errorinfo();
        e->set_errorcode(c);
        e->set_errormsg("text");
    }
    return m;
}

}  // namespace

TEST(CodecEnvelope, EmptyListsEncodeAsTypeOnly)
{
    comm::ProtoCommunicationGeneralData m;
    ProtoEncodeDecode::makeProtoCommunicationGeneralData(m, {}, {});
    Payload p;
    ASSERT_TRUE(ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageSerialize(m, &p.data, &p.len));
    ASSERT_EQ(p.len, 2);
    EXPECT_EQ(std::string(p.data, 2), std::string("\x20\x01", 2));
}

TEST(CodecEnvelope, MakeAppendsInOrderAndResolveReadsBack)
{
    comm::ProtoCommunicationGeneralData m;
    ProtoEncodeDecode::makeProtoCommunicationGeneralData(m, {7, -3, 9}, {true, false});
    EXPECT_EQ(m.type(), 1);
    EXPECT_EQ(m.errorinfo_size(), 0);
    std::vector<int> ints{42};
    std::vector<bool> bools{true, true, true};
    int code = 77;
    ProtoEncodeDecode::resolveProtoCommunicationGeneralData(m, ints, bools, code);
    EXPECT_EQ(ints, (std::vector<int>{7, -3, 9}));
    EXPECT_EQ(bools, (std::vector<bool>{true, false}));
    EXPECT_EQ(code, 77);
}

TEST(CodecEnvelope, SerializeOfIncompleteEnvelopeFailsWithLine)
{
    comm::ProtoCommunicationGeneralData m;  // no type
    char* out = reinterpret_cast<char*>(&m);
    int len = 99;
    auto streams = captureStreams(
        [&] { EXPECT_FALSE(ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageSerialize(m, &out, &len)); });
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(streams.first, "ERROR:ProtoCommunicationGeneralDataMessageSerialize Serialize fail.\n");
}

TEST(CodecEnvelope, ParseFailureWritesItsLine)
{
    comm::ProtoCommunicationGeneralData m;
    auto streams = captureStreams(
        [&] { EXPECT_FALSE(ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageParse("", 0, m)); });
    EXPECT_EQ(streams.first, "ERROR: ProtoCommunicationGeneralDataMessageParse fail.\n");
    EXPECT_EQ(streams.second, "");
}

TEST(CodecCore, SerializeToArrayFailureGoesToSink)
{
    SinkCapture sink;
    comm::ProtoRequestLogin incomplete;
    char* out = reinterpret_cast<char*>(&incomplete);
    int len = 5;
    auto streams = captureStreams(
        [&] { EXPECT_FALSE(ProtoEncodeDecode::ProtobufDataSerializeToArray(&incomplete, &out, &len)); });
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(streams.first, "");
    auto lines = sink.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, 3);
    EXPECT_EQ(lines[0].second, " Serialize fail.");
}

TEST(CodecCore, SerializeToArrayExactSizeBuffer)
{
    comm::ProtoRobotCommonResponse m;
    m.set_errorcode(12);
    m.set_errormsg("abc");
    Payload p;
    ASSERT_TRUE(ProtoEncodeDecode::ProtobufDataSerializeToArray(&m, &p.data, &p.len));
    EXPECT_EQ(static_cast<size_t>(p.len), m.ByteSizeLong());
    EXPECT_EQ(decode<comm::ProtoRobotCommonResponse>(p).errormsg(), "abc");

    char* none = p.data;
    int noneLen = 1;
    EXPECT_FALSE(ProtoEncodeDecode::ProtobufDataSerializeToArray(nullptr, &none, &noneLen));
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(noneLen, 0);
}

TEST(CodecCore, CommonResponseInitMarksBothFields)
{
    common::RobotCommonResponse r;
    ProtoEncodeDecode::ProtoRobotCommonResponseInit(&r, 0, "");
    EXPECT_TRUE(r.has_errorcode());
    EXPECT_TRUE(r.has_errormsg());
    EXPECT_TRUE(r.IsInitialized());
    ProtoEncodeDecode::ProtoRobotCommonResponseInit(nullptr, 1, "x");  // tolerated
}

TEST(CodecCore, CommonFormat)
{
    comm::ProtoRobotCommonResponse m;
    m.set_errorcode(4);
    m.set_errormsg("busy");
    std::string bytes = encode(m);
    CommunicationCommonResultResponse r{0, ""};
    EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_commonFormat(bytes.data(), bytes.size(), r));
    EXPECT_EQ(r.errorCode, 4);
    EXPECT_EQ(r.errorMsg, "busy");

    comm::ProtoRobotCommonResponse noText;
    noText.set_errorcode(9);
    bytes = encode(noText);
    CommunicationCommonResultResponse kept{1, "keep"};
    auto streams = captureStreams(
        [&] { EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_commonFormat(bytes.data(), bytes.size(), kept)); });
    EXPECT_EQ(streams.first, "ERROR: resolveResponse_commonFormat Parse fail.\n");
    EXPECT_EQ(kept.errorCode, 1);
    EXPECT_EQ(kept.errorMsg, "keep");
}

TEST(CodecCore, LoginCarriesBytesUnchangedAndEmptyFieldsPresent)
{
    struct Case {
        std::string user, pass;
    } cases[] = {{"", ""}, {" admin ", std::string("p\0w\xff", 4)}};
    for (const Case& c : cases) {
        Payload p;
        ASSERT_TRUE(ProtoEncodeDecode::getRequest_login(&p.data, &p.len, c.user, c.pass));
        auto m = decode<comm::ProtoRequestLogin>(p);
        EXPECT_TRUE(m.has_username() && m.has_passwd());
        EXPECT_EQ(m.username(), c.user);
        EXPECT_EQ(m.passwd(), c.pass);
    }
    auto streams = captureStreams([] { EXPECT_FALSE(ProtoEncodeDecode::getRequest_login(nullptr, nullptr, "a", "b")); });
    EXPECT_EQ(streams.first, "ERROR: getRequest_login Serialize fail.\n");
}

namespace {

std::string dhResponse(int code, int type)
{
    common::ProtoResponseRobotDhParam m;
    m.set_robottype(type);
    auto* dh = m.mutable_dhparam();
    dh->set_a3(1);
    dh->set_a4(2);
    dh->set_d1(3);
    dh->set_d2(4);
    dh->set_d5(5);
    dh->set_d6(6);
    m.mutable_errorinfo()->set_errorcode(code);
    m.mutable_errorinfo()->set_errormsg("");
    return encode(m);
}

}  // namespace

TEST(CodecCore, DhParamFillsInOrderOnSuccess)
{
    std::string bytes = dhResponse(0, 3);
    RobotType type = RobotType_0;
    RobotDhPara dh{};
    int code = -1;
    ASSERT_TRUE(ProtoEncodeDecode::resolveResponse_DhParam(bytes.data(), bytes.size(), type, dh, code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(type, RobotType_3);
    EXPECT_EQ(dh.A3, 1);
    EXPECT_EQ(dh.A4, 2);
    EXPECT_EQ(dh.D1, 3);
    EXPECT_EQ(dh.D2, 4);
    EXPECT_EQ(dh.D5, 5);
    EXPECT_EQ(dh.D6, 6);

    // Types outside the named ones are taken over as numbers.
    bytes = dhResponse(0, 4711);
    ASSERT_TRUE(ProtoEncodeDecode::resolveResponse_DhParam(bytes.data(), bytes.size(), type, dh, code));
    EXPECT_EQ(static_cast<int>(type), 4711);
}

TEST(CodecCore, DhParamWithErrorLeavesOutputs)
{
    std::string bytes = dhResponse(10, 3);
    RobotType type = RobotType_7;
    RobotDhPara dh{9, 9, 9, 9, 9, 9};
    int code = 0;
    ASSERT_TRUE(ProtoEncodeDecode::resolveResponse_DhParam(bytes.data(), bytes.size(), type, dh, code));
    EXPECT_EQ(code, 10);
    EXPECT_EQ(type, RobotType_7);
    EXPECT_EQ(dh.A3, 9);
    EXPECT_EQ(dh.D6, 9);

    auto streams = captureStreams(
        [&] { EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_DhParam(bytes.data(), 3, type, dh, code)); });
    EXPECT_EQ(streams.first, "resolveResponse_DhParam Parse fail.\n");
    EXPECT_EQ(code, 10);
}

/* ---- general-data readers ---- */

TEST(CodecGeneralReaders, ErrorCodeFromFirstEntryOrUnchanged)
{
    struct Case {
        std::vector<int> codes;
        int expected;
    } cases[] = {{{}, 55}, {{3, 8}, 3}, {{0}, 0}};
    for (const Case& c : cases) {
        std::string bytes = encode(envelope({2}, {true}, c.codes));
        int code = 55;
        RobotWorkMode mode = RobotModeSimulator;
        EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_robotWorkMode(bytes.data(), bytes.size(), mode, code));
        EXPECT_EQ(mode, 2);
        EXPECT_EQ(code, c.expected);
        code = 55;
        RobotState state = RobotStopped;
        EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_robotState(bytes.data(), bytes.size(), state, code));
        EXPECT_EQ(state, RobotPaused);
        EXPECT_EQ(code, c.expected);
        code = 55;
        bool flag = false;
        EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_isRealRobotExist(bytes.data(), bytes.size(), flag, code));
        EXPECT_TRUE(flag);
        EXPECT_EQ(code, c.expected);
    }
}

TEST(CodecGeneralReaders, EmptyListLeavesValueAndFails)
{
    std::string onlyInts = encode(envelope({1}, {}, {0}));
    bool flag = true;
    int code = 9;
    EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_isRealRobotExist(onlyInts.data(), onlyInts.size(), flag, code));
    EXPECT_TRUE(flag);
    EXPECT_EQ(code, 0);  // the code of a parsed envelope is still reported

    std::string onlyBools = encode(envelope({}, {false}));
    RobotWorkMode mode = RobotModeReal;
    EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_robotWorkMode(onlyBools.data(), onlyBools.size(), mode, code));
    EXPECT_EQ(mode, RobotModeReal);
    double speed = 7;
    EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_robotEndSpeed(onlyBools.data(), onlyBools.size(), speed));
    EXPECT_EQ(speed, 7);
    int step = 4;
    EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_movepProgressNotify(onlyBools.data(), onlyBools.size(), step));
    EXPECT_EQ(step, 4);
}

TEST(CodecGeneralReaders, PushedValues)
{
    std::string bytes = encode(envelope({1500, 3}, {}, {6}));
    double speed = 0;
    EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_robotEndSpeed(bytes.data(), bytes.size(), speed));
    EXPECT_DOUBLE_EQ(speed, 1.5);
    int step = 0;
    EXPECT_TRUE(ProtoEncodeDecode::resolveResponse_movepProgressNotify(bytes.data(), bytes.size(), step));
    EXPECT_EQ(step, 1500);
}

TEST(CodecGeneralReaders, UnreadablePayloadWritesOnlyEnvelopeLine)
{
    const char garbage[] = {'\x0a', '\x05', '\x01'};
    struct Input {
        const char* data;
        int len;
    } inputs[] = {{garbage, 3}, {"", 0}, {nullptr, 4}, {garbage, -1}};
    for (const Input& in : inputs) {
        int code = 3;
        RobotState state = RobotRunning;
        auto streams = captureStreams(
            [&] { EXPECT_FALSE(ProtoEncodeDecode::resolveResponse_robotState(in.data, in.len, state, code)); });
        EXPECT_EQ(streams.first, "ERROR: ProtoCommunicationGeneralDataMessageParse fail.\n");
        EXPECT_EQ(state, RobotRunning);
        EXPECT_EQ(code, 3);
    }
}

// The wire schema as the controller sees it: field numbers, wire types and
// encodings are checked on raw bytes, independently of the codec.
#include <gtest/gtest.h>

#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "robotmovecondition.pb.h"
#include "sensor.pb.h"
#include "wiremessages.h"

using zarn_test::Bytes;
using zarn_test::hex;
using zarn_test::toHex;

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
namespace movecondition = zarn::robot::movecondition;

TEST(WireSchema, AnalogIoDataUsesReversedFieldNumbers)
{
    comm::ProtoCommunicationRobotAnalogIOData message;
    message.set_type(5);
    auto* point = message.add_iodesc();
    point->set_addr(1);
    point->set_type(2);
    point->set_value(1.5f);
    auto* info = message.add_errorinfo();
    info->set_errorcode(0);
    info->set_errormsg("");

    // ioDesc = 1 (0a), errorInfo = 2 (12), type = 3 (18).
    const Bytes expected = hex("0a 09 08 01 10 02 1d 00 00 c0 3f"
                               "12 04 08 00 12 00"
                               "18 05");
    EXPECT_EQ(toHex(zarn_test::serialize(message)), toHex(expected));

    const auto decoded = zarn_test::parseAs<comm::ProtoCommunicationRobotAnalogIOData>(expected);
    EXPECT_EQ(decoded.type(), 5);
    ASSERT_EQ(decoded.iodesc_size(), 1);
    EXPECT_EQ(decoded.iodesc(0).addr(), 1u);
    EXPECT_FLOAT_EQ(decoded.iodesc(0).value(), 1.5f);
    ASSERT_EQ(decoded.errorinfo_size(), 1);

    // The digital counterpart keeps the natural order: type = 1.
    comm::ProtoCommunicationRobotDiagnosisIOData digital;
    digital.set_type(5);
    EXPECT_EQ(toHex(zarn_test::serialize(digital)), "08 05");
}

TEST(WireSchema, RepeatedScalarsAreUnpacked)
{
    common::relativeMove_t move;
    move.set_ena(true);
    move.add_relativeposition(1.0f);
    move.add_relativeposition(2.0f);
    move.add_relativeposition(3.0f);
    move.mutable_relativeorientation();

    // Three separately tagged floats (15 = field 2, fixed32), not one packed run.
    const Bytes expected = hex("08 01"
                               "15 00 00 80 3f 15 00 00 00 40 15 00 00 40 40"
                               "1a 00");
    EXPECT_EQ(toHex(zarn_test::serialize(move)), toHex(expected));

    const auto decoded = zarn_test::parseAs<common::relativeMove_t>(expected);
    ASSERT_EQ(decoded.relativeposition_size(), 3);
    EXPECT_FLOAT_EQ(decoded.relativeposition(2), 3.0f);

    comm::ProtoCommunicationGeneralData data;
    data.set_type(1);
    data.add_property1(7);
    data.add_property1(300);
    data.add_property2(true);
    EXPECT_EQ(toHex(zarn_test::serialize(data)), "08 07 08 ac 02 10 01 20 01");
}

TEST(WireSchema, RobotEventAndCommonResultDecodeFromControllerBytes)
{
    // eventType 27, eventCode 0, eventContent "Hi"
    const auto event = zarn_test::parseAs<comm::ProtoCommunicationRobotEvent>(hex("08 1b 10 00 1a 02 48 69"));
    EXPECT_EQ(event.eventtype(), 27);
    EXPECT_EQ(event.eventcode(), 0);
    EXPECT_EQ(event.eventcontent(), "Hi");

    // Both common-result messages share one encoding; errorMsg is required.
    const Bytes result = hex("08 04 12 00");
    EXPECT_EQ(zarn_test::parseAs<comm::ProtoRobotCommonResponse>(result).errorcode(), 4);
    EXPECT_EQ(zarn_test::parseAs<common::RobotCommonResponse>(result).errorcode(), 4);
    comm::ProtoRobotCommonResponse withoutMessage;
    EXPECT_FALSE(withoutMessage.ParseFromString(hex("08 04")));

    // A negative int32 travels as a ten-byte varint.
    EXPECT_EQ(toHex(zarn_test::commonResult(-1)), "08 ff ff ff ff ff ff ff ff ff 01 12 00");
}

TEST(WireSchema, MoveConditionEnumsKeepTheirNumbers)
{
    EXPECT_EQ(movecondition::MODEP, 3);
    EXPECT_EQ(movecondition::CARTESIAN_MOVEP, 3);
    EXPECT_EQ(movecondition::JOINT_GNUBSPLINEINTP, 10);
    EXPECT_EQ(movecondition::ROT_Z, 12);
    EXPECT_EQ(movecondition::RobotResumed, 3);
    EXPECT_EQ(movecondition::WorldCoordinate, 2);

    // An enum field is a plain varint on the wire: moveMode (1) = MODEL,
    // subMoveMode (2) = ARC_CIR, teachMode (3) = MOV_X.
    common::RobotMoveProfile profile;
    ASSERT_TRUE(profile.ParsePartialFromString(hex("08 02 10 02 18 07")));
    EXPECT_EQ(profile.movemode(), movecondition::MODEL);
    EXPECT_EQ(profile.submovemode(), movecondition::ARC_CIR);
    EXPECT_EQ(profile.teachmode(), movecondition::MOV_X);
    EXPECT_FALSE(profile.IsInitialized());  // the rest is required
}

TEST(WireSchema, SensorMessagesDecode)
{
    // wrench { force [1.0], torque [-2.0] }, errorInfo { 0, "" }
    const Bytes bytes = hex("0a 12 09 00 00 00 00 00 00 f0 3f 11 00 00 00 00 00 00 00 c0"
                            "12 04 08 00 12 00");
    const auto response = zarn_test::parseAs<peripheral::ProtoResponseWrench>(bytes);
    ASSERT_EQ(response.wrench_size(), 1);
    ASSERT_EQ(response.wrench(0).force_size(), 1);
    EXPECT_DOUBLE_EQ(response.wrench(0).force(0), 1.0);
    EXPECT_DOUBLE_EQ(response.wrench(0).torque(0), -2.0);
    EXPECT_EQ(response.errorinfo().errorcode(), 0);
}

TEST(WireSchema, LoginAnswerCarriesTypeDhAndResult)
{
    const Bytes bytes = zarn_test::loginAnswer(3, {0.4, 0.3, 0.1, 0.12, 0.1, 0.09}, 0);
    const auto answer = zarn_test::parseAs<common::ProtoResponseRobotDhParam>(bytes);
    EXPECT_EQ(answer.robottype(), 3);
    EXPECT_DOUBLE_EQ(answer.dhparam().a3(), 0.4);
    EXPECT_DOUBLE_EQ(answer.dhparam().d6(), 0.09);
    EXPECT_EQ(answer.errorinfo().errorcode(), 0);
    EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0x08);  // robotType = 1, varint
}

// Requests and responses that travel in the general-data envelope.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
using zarn::robot::communication::ProtoCommunicationGeneralData;
using namespace zarn_robot_namespace;

namespace {

// Parses an envelope and returns its lists; errorCode untouched without errorInfo.
bool readEnvelope(const char* data, int len, std::vector<int>& ints, std::vector<bool>& bools, int& errorCode)
{
    ProtoCommunicationGeneralData message;
    if (!ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageParse(data, len, message)) return false;
    ProtoEncodeDecode::resolveProtoCommunicationGeneralData(message, ints, bools, errorCode);
    return true;
}

bool firstInt(const char* data, int len, int& value, int& errorCode)
{
    std::vector<int> ints;
    std::vector<bool> bools;
    if (!readEnvelope(data, len, ints, bools, errorCode) || ints.empty()) return false;
    value = ints.front();
    return true;
}

bool buildEnvelope(char** out, int* outLen, const std::vector<int>& ints, const std::vector<bool>& bools,
                   const char* failLine)
{
    ProtoCommunicationGeneralData message;
    ProtoEncodeDecode::makeProtoCommunicationGeneralData(message, ints, bools);
    if (ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageSerialize(message, out, outLen)) return true;
    reportFailure(Channel::StdErr, failLine);
    return false;
}

bool buildIntEnvelope(char** out, int* outLen, int value, const char* failLine)
{
    return buildEnvelope(out, outLen, {value}, {}, failLine);
}

}  // namespace

/* ---- readers ---- */

bool ProtoEncodeDecode::resolveResponse_robotWorkMode(const char* data, int len, RobotWorkMode& mode, int& errorCode)
{
    int value = 0;
    if (!firstInt(data, len, value, errorCode)) return false;
    mode = static_cast<RobotWorkMode>(value);
    return true;
}

bool ProtoEncodeDecode::resolveResponse_robotState(const char* data, int len, RobotState& state, int& errorCode)
{
    int value = 0;
    if (!firstInt(data, len, value, errorCode)) return false;
    state = static_cast<RobotState>(value);
    return true;
}

bool ProtoEncodeDecode::resolveResponse_isRealRobotExist(const char* data, int len, bool& value, int& errorCode)
{
    std::vector<int> ints;
    std::vector<bool> bools;
    if (!readEnvelope(data, len, ints, bools, errorCode) || bools.empty()) return false;
    value = bools.front();
    return true;
}

bool ProtoEncodeDecode::resolveResponse_robotEndSpeed(const char* data, int len, double& speed)
{
    int ignoredCode = 0;
    int value = 0;
    if (!firstInt(data, len, value, ignoredCode)) return false;
    speed = value / 1000.0;
    return true;
}

bool ProtoEncodeDecode::resolveResponse_movepProgressNotify(const char* data, int len, int& step)
{
    int ignoredCode = 0;
    return firstInt(data, len, step, ignoredCode);
}

/* ---- builders ---- */

bool ProtoEncodeDecode::getRequest_robotControl(char** out, int* outLen, RobotControlCommand command)
{
    return buildIntEnvelope(out, outLen, static_cast<int>(command), "ERROR:getRequest_robotControl Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setRobotPowerStatus(char** out, int* outLen, bool on)
{
    return buildEnvelope(out, outLen, {}, {on}, "ERROR:getRequest_setRobotPowerStatus Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setRobotWorkMode(char** out, int* outLen, RobotWorkMode mode)
{
    return buildIntEnvelope(out, outLen, static_cast<int>(mode), "ERROR:setRobotWorkMode Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_robotMoveControl(char** out, int* outLen, RobotMoveControlCommand command)
{
    return buildIntEnvelope(out, outLen, static_cast<int>(command), "ERROR:robotMoveControl Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setRobotBoardMaxAcc(char** out, int* outLen, int maxAcc)
{
    return buildIntEnvelope(out, outLen, maxAcc, "ERROR:setRobotBoardMaxAcc Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_setRobotCollision(char** out, int* outLen, int collisionClass)
{
    return buildIntEnvelope(out, outLen, collisionClass, "ERROR: setRobotCollision Serialize fail.");
}

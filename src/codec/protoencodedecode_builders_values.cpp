// Requests of IO points and value lists, the sensor calibration request and
// the two response builders.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "sensor.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
using namespace zarn_robot_namespace;

bool ProtoEncodeDecode::getRequest_robotDiagnosisIOData(char** out, int* outLen,
                                                        const std::vector<RobotDiagnosisIODesc>& points)
{
    comm::ProtoCommunicationRobotDiagnosisIOData message;
    message.set_type(0);
    for (const RobotDiagnosisIODesc& point : points) RobotDiagnosisIODescTypeConversion(point, *message.add_iodesc());
    return buildPayload(message, out, outLen, Channel::StdErr, "ERROR:getResponse_robotDiagnosisIOData Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_robotAnalogIOData(char** out, int* outLen,
                                                     const std::vector<RobotAnalogIODesc>& points)
{
    comm::ProtoCommunicationRobotAnalogIOData message;
    message.set_type(0);
    for (const RobotAnalogIODesc& point : points) RobotAnalogIODescTypeConversion(point, *message.add_iodesc());
    return buildPayload(message, out, outLen, Channel::StdErr, "ERROR:getResponse_robotAnalogIOData Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_intTypeValueVector(char** out, int* outLen, const std::vector<int>& values)
{
    comm::ProtoCommunicationIntVector message;
    message.set_num(static_cast<int>(values.size()));
    for (int v : values) message.add_value(v);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_intTypeValueVector Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_doubleTypeValueVector(char** out, int* outLen, const std::vector<double>& values)
{
    comm::ProtoCommunicationDoubleVector message;
    message.set_num(static_cast<int>(values.size()));
    for (double v : values) message.add_value(v);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_doubleValueVector Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_FtSensorCalibParam(char** out, int* outLen, const JointParam* postures,
                                                      const WrenchParam* wrenches)
{
    peripheral::ProtoFtSensorCalibParam message;
    if (!FtSensorCalibParamToProtoType(postures, wrenches, message))
        return refuseBuild(out, outLen, Channel::Sink, " Serialize fail.");
    return ProtobufDataSerializeToArray(&message, out, outLen);
}

bool ProtoEncodeDecode::getResponse_FtSensorCalibResult(char** out, int* outLen, const FtSensorCalResult& result,
                                                        int errorCode, const std::string& errorMsg)
{
    peripheral::ProtoResponseFtSensorCalibResult message;
    FtSensorCalResultToProtoType(result, *message.add_ftsensorcalibresult());
    ProtoRobotCommonResponseInit(message.mutable_errorinfo(), errorCode, errorMsg);
    return ProtobufDataSerializeToArray(&message, out, outLen);
}

bool ProtoEncodeDecode::getResponse_Wrench(char** out, int* outLen, const WrenchParam& wrench, int errorCode,
                                           const std::string& errorMsg)
{
    peripheral::ProtoResponseWrench message;
    WrenchToProtoWrench(wrench, *message.add_wrench());
    ProtoRobotCommonResponseInit(message.mutable_errorinfo(), errorCode, errorMsg);
    return ProtobufDataSerializeToArray(&message, out, outLen);
}

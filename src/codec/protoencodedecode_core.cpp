#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

bool ProtoEncodeDecode::ProtobufDataSerializeToArray(const google::protobuf::Message* message, char** out,
                                                     int* outLen)
{
    if (message != nullptr && serializeToNewArray(*message, out, outLen)) return true;
    return refuseBuild(out, outLen, Channel::Sink, " Serialize fail.");
}

bool ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageSerialize(const comm::ProtoCommunicationGeneralData& data,
                                                                      char** out, int* outLen)
{
    return buildPayload(data, out, outLen, Channel::StdErr,
                        "ERROR:ProtoCommunicationGeneralDataMessageSerialize Serialize fail.");
}

bool ProtoEncodeDecode::ProtoCommunicationGeneralDataMessageParse(const char* data, int len,
                                                                  comm::ProtoCommunicationGeneralData& message)
{
    return parseOrReport(message, data, len, "ERROR: ProtoCommunicationGeneralDataMessageParse fail.");
}

void ProtoEncodeDecode::makeProtoCommunicationGeneralData(comm::ProtoCommunicationGeneralData& message,
                                                          const std::vector<int>& ints,
                                                          const std::vector<bool>& bools)
{
    message.set_type(1);
    for (int v : ints) message.add_property1(v);
    for (bool v : bools) message.add_property2(v);
}

void ProtoEncodeDecode::resolveProtoCommunicationGeneralData(const comm::ProtoCommunicationGeneralData& message,
                                                             std::vector<int>& ints, std::vector<bool>& bools,
                                                             int& errorCode)
{
    ints.assign(message.property1().begin(), message.property1().end());
    bools.assign(message.property2().begin(), message.property2().end());
    if (message.errorinfo_size() > 0) errorCode = message.errorinfo(0).errorcode();
}

void ProtoEncodeDecode::ProtoRobotCommonResponseInit(common::RobotCommonResponse* response, int errorCode,
                                                     const std::string& errorMsg)
{
    if (response == nullptr) return;
    response->set_errorcode(errorCode);
    response->set_errormsg(errorMsg);
}

bool ProtoEncodeDecode::resolveResponse_commonFormat(const char* data, int len,
                                                     CommunicationCommonResultResponse& result)
{
    comm::ProtoRobotCommonResponse message;
    if (!parseOrReport(message, data, len, "ERROR: resolveResponse_commonFormat Parse fail.")) return false;
    result.errorCode = message.errorcode();
    result.errorMsg = message.errormsg();
    return true;
}

bool ProtoEncodeDecode::getRequest_login(char** out, int* outLen, const std::string& userName,
                                         const std::string& password)
{
    comm::ProtoRequestLogin message;
    message.set_username(userName);
    message.set_passwd(password);
    return buildPayload(message, out, outLen, Channel::StdErr, "ERROR: getRequest_login Serialize fail.");
}

bool ProtoEncodeDecode::resolveResponse_DhParam(const char* data, int len, zarn_robot_namespace::RobotType& robotType,
                                                zarn_robot_namespace::RobotDhPara& dhPara, int& errorCode)
{
    common::ProtoResponseRobotDhParam message;
    if (!parseOrReport(message, data, len, "resolveResponse_DhParam Parse fail.")) return false;
    errorCode = message.errorinfo().errorcode();
    if (errorCode != 0) return true;
    robotType = static_cast<zarn_robot_namespace::RobotType>(message.robottype());
    const common::DhParam& dh = message.dhparam();
    dhPara = {dh.a3(), dh.a4(), dh.d1(), dh.d2(), dh.d5(), dh.d6()};
    return true;
}

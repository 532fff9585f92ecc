#include "wiremessages.h"

#include <gtest/gtest.h>

#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

namespace zarn_test {

Bytes serialize(const google::protobuf::MessageLite& message)
{
    if (!message.IsInitialized()) {
        ADD_FAILURE() << "message " << message.GetTypeName() << " lacks required fields";
    }
    return message.SerializePartialAsString();
}

Bytes serializePartial(const google::protobuf::MessageLite& message)
{
    return message.SerializePartialAsString();
}

void reportParseFailure(const std::string& typeName)
{
    ADD_FAILURE() << "bytes do not parse as " << typeName;
}

Bytes commonResult(int errorCode, const std::string& errorMsg)
{
    zarn::robot::communication::ProtoRobotCommonResponse message;
    message.set_errorcode(errorCode);
    message.set_errormsg(errorMsg);
    return serialize(message);
}

Bytes robotEvent(int eventType, int eventCode, const std::string& content)
{
    zarn::robot::communication::ProtoCommunicationRobotEvent message;
    message.set_eventtype(eventType);
    message.set_eventcode(eventCode);
    message.set_eventcontent(content);
    return serialize(message);
}

Bytes generalData(const std::vector<int>& ints, const std::vector<bool>& bools, std::optional<int> errorCode)
{
    zarn::robot::communication::ProtoCommunicationGeneralData message;
    message.set_type(1);
    for (int v : ints) message.add_property1(v);
    for (bool v : bools) message.add_property2(v);
    if (errorCode) {
        auto* info = message.add_errorinfo();
        info->set_errorcode(*errorCode);
        info->set_errormsg("");
    }
    return serialize(message);
}

Bytes loginAnswer(int robotType, const std::array<double, 6>& dh, int errorCode)
{
    zarn::robot::common::ProtoResponseRobotDhParam message;
    message.set_robottype(robotType);
    auto* p = message.mutable_dhparam();
    p->set_a3(dh[0]);
    p->set_a4(dh[1]);
    p->set_d1(dh[2]);
    p->set_d2(dh[3]);
    p->set_d5(dh[4]);
    p->set_d6(dh[5]);
    message.mutable_errorinfo()->set_errorcode(errorCode);
    message.mutable_errorinfo()->set_errormsg("");
    return serialize(message);
}

}  // namespace zarn_test

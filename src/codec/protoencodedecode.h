#ifndef ZARN_PROTOENCODEDECODE_H
#define ZARN_PROTOENCODEDECODE_H

#include <string>
#include <vector>

#include "zarnrobottypes.h"

// Generated message classes stay behind the codec: callers see them only as
// forward declarations.
namespace google {
namespace protobuf {
class Message;
}
}  // namespace google
namespace zarn {
namespace robot {
namespace communication {
class ProtoCommunicationGeneralData;
}
namespace common {
class RobotCommonResponse;
}
}  // namespace robot
}  // namespace zarn

// The controller's result of a plain request.
struct CommunicationCommonResultResponse {
    int errorCode;
    std::string errorMsg;
};

// Stateless codec between API records and wire messages. Builders hand out a
// buffer of exactly the encoded size (array new, owned by the caller); readers
// never keep a pointer into the payload they are given.
class ProtoEncodeDecode {
public:
    ProtoEncodeDecode() {}

    /* ---- core ---- */
    static bool ProtobufDataSerializeToArray(const google::protobuf::Message* message, char** out, int* outLen);

    static bool ProtoCommunicationGeneralDataMessageSerialize(
        const zarn::robot::communication::ProtoCommunicationGeneralData& data, char** out, int* outLen);
    static bool ProtoCommunicationGeneralDataMessageParse(
        const char* data, int len, zarn::robot::communication::ProtoCommunicationGeneralData& message);
    static void makeProtoCommunicationGeneralData(
        zarn::robot::communication::ProtoCommunicationGeneralData& message, const std::vector<int>& ints,
        const std::vector<bool>& bools);
    static void resolveProtoCommunicationGeneralData(
        const zarn::robot::communication::ProtoCommunicationGeneralData& message, std::vector<int>& ints,
        std::vector<bool>& bools, int& errorCode);

    static void ProtoRobotCommonResponseInit(zarn::robot::common::RobotCommonResponse* response, int errorCode,
                                             const std::string& errorMsg);
    static bool resolveResponse_commonFormat(const char* data, int len, CommunicationCommonResultResponse& result);

    static bool getRequest_login(char** out, int* outLen, const std::string& userName, const std::string& password);
    static bool resolveResponse_DhParam(const char* data, int len, zarn_robot_namespace::RobotType& robotType,
                                        zarn_robot_namespace::RobotDhPara& dhPara, int& errorCode);

    /* ---- general-data readers ---- */
    static bool resolveResponse_robotWorkMode(const char* data, int len, zarn_robot_namespace::RobotWorkMode& mode,
                                              int& errorCode);
    static bool resolveResponse_robotState(const char* data, int len, zarn_robot_namespace::RobotState& state,
                                           int& errorCode);
    static bool resolveResponse_isRealRobotExist(const char* data, int len, bool& value, int& errorCode);
    static bool resolveResponse_robotEndSpeed(const char* data, int len, double& speed);
    static bool resolveResponse_movepProgressNotify(const char* data, int len, int& step);

    /* ---- event into a caller's buffer ---- */
    // *length carries the capacity on entry and the encoded size on success.
    static bool getResponse_Event(char* buffer, int* length, const zarn_robot_namespace::RobotEventInfo& event);
};

#endif  // ZARN_PROTOENCODEDECODE_H

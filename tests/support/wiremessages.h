#ifndef ZARN_TEST_WIREMESSAGES_H
#define ZARN_TEST_WIREMESSAGES_H

// Payloads a controller sends, built from the generated message classes.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <google/protobuf/message_lite.h>

#include "wireframe.h"

namespace zarn_test {

// Serialises a message; required fields that are missing are a test bug, so
// this fails the current test (and still returns the partial bytes).
Bytes serialize(const google::protobuf::MessageLite& message);
// For deliberately incomplete messages.
Bytes serializePartial(const google::protobuf::MessageLite& message);

void reportParseFailure(const std::string& typeName);

// Parses bytes into M; the test fails when they do not parse.
template <class M>
M parseAs(const Bytes& bytes)
{
    M message;
    if (!message.ParseFromString(bytes)) reportParseFailure(message.GetTypeName());
    return message;
}

// ProtoRobotCommonResponse {errorCode, errorMsg}: the answer of every plain request.
Bytes commonResult(int errorCode, const std::string& errorMsg = "");

// ProtoCommunicationRobotEvent: payload of a type-2 push.
Bytes robotEvent(int eventType, int eventCode, const std::string& content = "");

// ProtoCommunicationGeneralData with type 1; errorInfo only when given.
Bytes generalData(const std::vector<int>& ints, const std::vector<bool>& bools = {},
                  std::optional<int> errorCode = std::nullopt);

// ProtoResponseRobotDhParam: the answer to login (command 0).
// dh in field order A3, A4, D1, D2, D5, D6.
Bytes loginAnswer(int robotType, const std::array<double, 6>& dh, int errorCode = 0);

}  // namespace zarn_test

#endif  // ZARN_TEST_WIREMESSAGES_H

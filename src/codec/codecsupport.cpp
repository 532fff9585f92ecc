#include "codec/codecsupport.h"

#include <google/protobuf/message.h>

#include <climits>
#include <iostream>
#include <new>

#include "interface/robotlogprint.h"

namespace codec_detail {

void reportFailure(Channel channel, const char* line)
{
    switch (channel) {
    case Channel::StdErr:
        std::cerr << line << std::endl;
        break;
    case Channel::StdOut:
        std::cout << line << std::endl;
        break;
    case Channel::Sink:
        ZARN_LOG(3, "%s", line);
        break;
    }
}

bool serializeToNewArray(const google::protobuf::Message& message, char** out, int* outLen)
{
    if (out == nullptr || outLen == nullptr) return false;
    *out = nullptr;
    *outLen = 0;
    if (!message.IsInitialized()) return false;
    const size_t size = message.ByteSizeLong();
    if (size > static_cast<size_t>(INT_MAX)) return false;
    char* buffer = new (std::nothrow) char[size];
    if (buffer == nullptr) return false;
    if (!message.SerializeToArray(buffer, static_cast<int>(size))) {
        delete[] buffer;
        return false;
    }
    *out = buffer;
    *outLen = static_cast<int>(size);
    return true;
}

bool buildPayload(const google::protobuf::Message& message, char** out, int* outLen, Channel channel,
                  const char* failLine)
{
    if (serializeToNewArray(message, out, outLen)) return true;
    reportFailure(channel, failLine);
    return false;
}

bool refuseBuild(char** out, int* outLen, Channel channel, const char* failLine)
{
    if (out != nullptr) *out = nullptr;
    if (outLen != nullptr) *outLen = 0;
    reportFailure(channel, failLine);
    return false;
}

bool parsePayload(google::protobuf::Message& message, const char* data, int len)
{
    if (data == nullptr || len < 0) return false;
    // The partial parse plus our own check keeps the runtime from logging the
    // missing fields: a reader's failure line is the only line written.
    return message.ParsePartialFromArray(data, len) && message.IsInitialized();
}

bool parseOrReport(google::protobuf::Message& message, const char* data, int len, const char* failLine)
{
    if (parsePayload(message, data, len)) return true;
    reportFailure(Channel::StdErr, failLine);
    return false;
}

}  // namespace codec_detail

#ifndef ZARN_CODECSUPPORT_H
#define ZARN_CODECSUPPORT_H

// Shared plumbing of the codec's builders and readers; not part of its interface.

namespace google {
namespace protobuf {
class Message;
}
}  // namespace google

namespace codec_detail {

// Where an operation writes its failure line; fixed per operation.
enum class Channel { StdErr, StdOut, Sink };

void reportFailure(Channel channel, const char* line);

// Encodes into a fresh array-new buffer of exactly the encoded size. Refuses
// incomplete messages (the runtime would abort on them) and sizes beyond int.
// On failure *out is null and *outLen 0 (when the pointers are usable).
bool serializeToNewArray(const google::protobuf::Message& message, char** out, int* outLen);

// serializeToNewArray plus the builder's failure line.
bool buildPayload(const google::protobuf::Message& message, char** out, int* outLen, Channel channel,
                  const char* failLine);

// The failure path of a builder that refuses its arguments before encoding.
bool refuseBuild(char** out, int* outLen, Channel channel, const char* failLine);

// Parses the whole payload; a null pointer or a negative length is unreadable.
bool parsePayload(google::protobuf::Message& message, const char* data, int len);

// parsePayload plus the reader's failure line on standard error.
bool parseOrReport(google::protobuf::Message& message, const char* data, int len, const char* failLine);

// Takes the code of the first errorInfo entry; false (code untouched) without one.
template <class List>
bool firstErrorCode(const List& errorInfo, int& errorCode)
{
    if (errorInfo.empty()) return false;
    errorCode = errorInfo.Get(0).errorcode();
    return true;
}

}  // namespace codec_detail

#endif  // ZARN_CODECSUPPORT_H

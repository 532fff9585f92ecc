#include "codec/protoencodedecode.h"

#include "codec/codecsupport.h"
#include "robotcommunication.pb.h"

using zarn::robot::communication::ProtoCommunicationRobotEvent;

// Serializes into the caller's buffer (no payload buffer is allocated): the
// receive thread builds the connection-lost event this way.
bool ProtoEncodeDecode::getResponse_Event(char* buffer, int* length,
                                          const zarn_robot_namespace::RobotEventInfo& event)
{
    if (buffer == nullptr || length == nullptr) return false;
    ProtoCommunicationRobotEvent message;
    robotEventTypeConversion(event, message);
    const size_t size = message.ByteSizeLong();
    if (*length < 0 || static_cast<size_t>(*length) < size) return false;
    if (!message.SerializeToArray(buffer, static_cast<int>(size))) {
        *length = 0;
        codec_detail::reportFailure(codec_detail::Channel::Sink, "getResponse_Event Serialize fail.");
        return false;
    }
    *length = static_cast<int>(size);
    return true;
}

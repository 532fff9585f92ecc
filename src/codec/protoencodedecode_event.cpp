#include "codec/protoencodedecode.h"

#include "interface/robotlogprint.h"
#include "robotcommunication.pb.h"

using zarn::robot::communication::ProtoCommunicationRobotEvent;

bool ProtoEncodeDecode::getResponse_Event(char* buffer, int* length,
                                          const zarn_robot_namespace::RobotEventInfo& event)
{
    if (buffer == nullptr || length == nullptr) return false;
    ProtoCommunicationRobotEvent message;
    message.set_eventtype(event.eventType);
    message.set_eventcode(event.eventCode);
    message.set_eventcontent(event.eventContent);
    const int size = static_cast<int>(message.ByteSizeLong());
    if (*length < size) return false;
    if (!message.SerializeToArray(buffer, size)) {
        *length = 0;
        ZARN_LOG(3, "getResponse_Event Serialize fail.");
        return false;
    }
    *length = size;
    return true;
}

#ifndef ZARN_SERVICEPATTERN_H
#define ZARN_SERVICEPATTERN_H

#include "communication/robotcontrolservices.h"
#include "interface/robotlogprint.h"

// The send-result half of the service pattern: build the payload (the builder
// allocates it, the request core releases it), report a failed build as a
// failed request creation, otherwise send and reduce the answer to a code.
template <typename Build>
int buildAndSendForResult(RobotControlServices& link, RobotControlServices::CommandType type, const char* failLine,
                          Build build)
{
    char* payload = nullptr;
    int length = 0;
    if (!build(&payload, &length)) {
        ZARN_LOG(3, "%s", failLine);
        return zarn_robot_namespace::ErrCode_CreateRequestFailed;
    }
    return link.requestServiceOnlyCheckSendResultMode(type, payload, length);
}

#endif  // ZARN_SERVICEPATTERN_H

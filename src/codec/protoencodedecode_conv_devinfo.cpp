// Device information: fixed-size texts filled from the controller's strings.
#include <algorithm>
#include <cstring>
#include <string>

#include "codec/protoencodedecode.h"
#include "robotcommunication.pb.h"

namespace {

// Copies at most limit bytes; the record was zeroed, so the terminator is there.
template <size_t N>
void copyText(char (&target)[N], const std::string& text, size_t limit)
{
    static_assert(N > 0, "text field");
    std::memcpy(target, text.data(), std::min({text.size(), limit, N - 1}));
}

}  // namespace

void ProtoEncodeDecode::RobotDevInfoTypeConversion(const zarn::robot::communication::OurRobotDevInfo& message,
                                                   zarn_robot_namespace::RobotDevInfo& info)
{
    std::memset(&info, 0, sizeof(info));
    info.type = static_cast<uint8_t>(message.type());
    copyText(info.revision, message.revision(), 15);
    copyText(info.manuID, message.manuid(), 15);
    copyText(info.jointType, message.jointtype(), 15);
    const int versions = std::min(message.jointver_size(), 8);
    for (int i = 0; i < versions; ++i) {
        copyText(info.jointVer[i].hwVersion, message.jointver(i).hwversion(), 7);
        copyText(info.jointVer[i].swVersion, message.jointver(i).swversion(), 15);
    }
    copyText(info.desc, message.desc(), 11);
    const int products = std::min(message.jointproductid_size(), 8);
    for (int i = 0; i < products; ++i) copyText(info.jointProductID[i], message.jointproductid(i), 15);
    copyText(info.slaveDevVersion, message.slavedevversion(), 15);
    copyText(info.extendIoBoardVersion, message.extendioboardversion(), 11);
}

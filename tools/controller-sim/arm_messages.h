#pragma once

#include "arm.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

namespace zarnsim {

// Builds the runtime's lazily made type tables of all four schema files while
// only one thread exists.
void prepareMessageClasses();

// Both common-result types have the same two required fields.
template <class Result>
void setOk(Result* result)
{
    result->set_errorcode(0);
    result->set_errormsg("");
}

// General-data envelope with a success result and the given values.
zarn::robot::communication::ProtoCommunicationGeneralData generalInts(std::initializer_list<int> values);
zarn::robot::communication::ProtoCommunicationGeneralData generalBools(std::initializer_list<bool> values);

// Answers of the joint queries, also the payloads of pushes 3, 7 and 11.
zarn::robot::common::ProtoRobotAllJointStatusResponse jointStatusMessage(const ArmState& state);
zarn::robot::common::ProtoJointAngleResponse jointAngleMessage(const ArmState& state);
zarn::robot::communication::ProtoCommunicationGeneralData endSpeedMessage(const ArmState& state);

}  // namespace zarnsim

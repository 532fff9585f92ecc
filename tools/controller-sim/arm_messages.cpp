#include "arm_messages.h"

#include <cmath>

#include "robotmovecondition.pb.h"
#include "sensor.pb.h"

namespace zarnsim {

namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;

void prepareMessageClasses()
{
    comm::ProtoRobotCommonResponse::descriptor();
    common::RobotCommonResponse::descriptor();
    zarn::robot::movecondition::move_mode_descriptor();
    peripheral::ProtoWrench::descriptor();
}

comm::ProtoCommunicationGeneralData generalInts(std::initializer_list<int> values)
{
    comm::ProtoCommunicationGeneralData data;
    data.set_type(1);
    for (int v : values)
        data.add_property1(v);
    setOk(data.add_errorinfo());
    return data;
}

comm::ProtoCommunicationGeneralData generalBools(std::initializer_list<bool> values)
{
    comm::ProtoCommunicationGeneralData data;
    data.set_type(1);
    for (bool v : values)
        data.add_property2(v);
    setOk(data.add_errorinfo());
    return data;
}

common::ProtoRobotAllJointStatusResponse jointStatusMessage(const ArmState& state)
{
    const bool holding = state.powered && state.brakesReleased;
    const bool moving = state.motion == MotionState::Moving;
    common::ProtoRobotAllJointStatusResponse out;
    out.set_jointcount(kJointCount);
    for (int j = 0; j < kJointCount; ++j) {
        common::ProtoJointStatus* s = out.add_jointstatus();
        // Holding current grows towards the base, where the lever is longest.
        const int current = holding ? 900 - 120 * j : 0;
        const float position = static_cast<float>(state.joints[j]);
        s->set_jointcurrenti(current);
        s->set_jointspeedmoto(moving ? 150 : 0);
        s->set_jointposj(position);
        s->set_jointcurvol(state.powered ? 48.0f : 0.0f);
        s->set_jointcurtemp(31.5f + static_cast<float>(j) * 0.5f + (state.powered ? 4.0f : 0.0f));
        s->set_jointtagcurrenti(current);
        s->set_jointtagspeedmoto(moving ? 150.0f : 0.0f);
        s->set_jointtagposj(position);
        s->set_jointerrornum(0);
    }
    setOk(out.add_errorinfo());
    return out;
}

common::ProtoJointAngleResponse jointAngleMessage(const ArmState& state)
{
    common::ProtoJointAngleResponse out;
    common::ProtoJointAngle* a = out.mutable_jointangle();
    a->set_joint1(state.joints[0]);
    a->set_joint2(state.joints[1]);
    a->set_joint3(state.joints[2]);
    a->set_joint4(state.joints[3]);
    a->set_joint5(state.joints[4]);
    a->set_joint6(state.joints[5]);
    setOk(out.add_errorinfo());
    return out;
}

comm::ProtoCommunicationGeneralData endSpeedMessage(const ArmState& state)
{
    // The wire carries the end speed in mm/s as an integer.
    return generalInts({static_cast<int>(std::lround(state.endSpeed * 1000.0))});
}

}  // namespace zarnsim

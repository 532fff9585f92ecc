// Conversions of the motion profile, waypoints and seam tracking.
#include <algorithm>

#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotmovecondition.pb.h"

namespace common = zarn::robot::common;
namespace movecondition = zarn::robot::movecondition;
using namespace zarn_robot_namespace;

namespace {

void setPos(common::Pos& target, const Pos& pos)
{
    target.set_x(pos.x);
    target.set_y(pos.y);
    target.set_z(pos.z);
}

void setOri(common::Ori& target, const Ori& ori)
{
    target.set_w(ori.w);
    target.set_x(ori.x);
    target.set_y(ori.y);
    target.set_z(ori.z);
}

Pos readPos(const common::Pos& pos) { return Pos{pos.x(), pos.y(), pos.z()}; }

Ori readOri(const common::Ori& ori) { return Ori{ori.w(), ori.x(), ori.y(), ori.z()}; }

}  // namespace

/* ---- profile ---- */

bool ProtoEncodeDecode::moveProfileEncodable(const RobotMoveProfile& profile)
{
    return movecondition::move_mode_IsValid(profile.moveMode) &&
           movecondition::move_track_IsValid(profile.subMoveMode) &&
           movecondition::teach_mode_IsValid(profile.teachMode);
}

void ProtoEncodeDecode::ZarnRobotMoveProfileType2ProtoType(const RobotMoveProfile& profile,
                                                           common::RobotMoveProfile& message)
{
    // The generated setters must never see a value outside the enumeration.
    if (movecondition::move_mode_IsValid(profile.moveMode))
        message.set_movemode(static_cast<movecondition::move_mode>(profile.moveMode));
    if (movecondition::move_track_IsValid(profile.subMoveMode))
        message.set_submovemode(static_cast<movecondition::move_track>(profile.subMoveMode));
    if (movecondition::teach_mode_IsValid(profile.teachMode))
        message.set_teachmode(static_cast<movecondition::teach_mode>(profile.teachMode));
    message.set_enableiterik(profile.enableIterIk);
    message.set_tooltrack(profile.toolTrack);
    setPos(*message.mutable_toolinendposition(), profile.toolInEndPosition);
    setOri(*message.mutable_toolinendorientation(), profile.toolInEndOrientation);

    common::relativeMove_t* relative = message.mutable_relativemove();
    relative->set_ena(profile.relativeMove.ena);
    for (float v : profile.relativeMove.relativePosition) relative->add_relativeposition(v);
    cartesianOriUTypeConversion(profile.relativeMove.relativeOrientation, *relative->mutable_relativeorientation());

    jointCartUTypeConversion(profile.maxVelc, *message.mutable_maxvelc());
    jointCartUTypeConversion(profile.maxAcc, *message.mutable_maxacc());
    message.set_blendradius(profile.blendRadius);
    message.set_circularlooptimes(profile.circularLoopTimes);
    message.mutable_arrivalahead()->set_arrivalaheadstat(profile.arrivalAhead.arrivalAheadStat);
    message.mutable_arrivalahead()->set_arrivalaheadthr(profile.arrivalAhead.arrivalAheadThr);
}

void ProtoEncodeDecode::ProtoRobotMoveProfileType2ZarnType(const common::RobotMoveProfile& message,
                                                           RobotMoveProfile& profile)
{
    profile.moveMode = static_cast<move_mode>(message.movemode());
    profile.subMoveMode = static_cast<move_track>(message.submovemode());
    profile.teachMode = static_cast<teach_mode>(message.teachmode());
    profile.enableIterIk = message.enableiterik();
    profile.toolTrack = message.tooltrack();
    profile.toolInEndPosition = readPos(message.toolinendposition());
    profile.toolInEndOrientation = readOri(message.toolinendorientation());

    const common::relativeMove_t& relative = message.relativemove();
    profile.relativeMove.ena = relative.ena();
    if (relative.relativeposition_size() == 3) {
        for (int i = 0; i < 3; ++i) profile.relativeMove.relativePosition[i] = relative.relativeposition(i);
    }
    cartesianOriUTypeConversion(relative.relativeorientation(), profile.relativeMove.relativeOrientation);

    jointCartUTypeConversion(message.maxvelc(), profile.maxVelc);
    jointCartUTypeConversion(message.maxacc(), profile.maxAcc);
    profile.blendRadius = message.blendradius();
    profile.circularLoopTimes = message.circularlooptimes();
    profile.arrivalAhead.arrivalAheadStat = message.arrivalahead().arrivalaheadstat();
    profile.arrivalAhead.arrivalAheadThr = message.arrivalahead().arrivalaheadthr();
}

bool ProtoEncodeDecode::jointCartUTypeConversion(const joint_cart_U& value, common::joint_cart_U& message)
{
    for (double v : value.jointPara) message.add_jointpara(v);
    return true;
}

bool ProtoEncodeDecode::jointCartUTypeConversion(const common::joint_cart_U& message, joint_cart_U& value)
{
    const int count = std::min(message.jointpara_size(), 6);
    for (int i = 0; i < 6; ++i) value.jointPara[i] = i < count ? message.jointpara(i) : 0.0;
    return true;
}

bool ProtoEncodeDecode::cartesianOriUTypeConversion(const cartesian_Ori_U& value, common::cartesianOri_U& message)
{
    setOri(*message.add_orientation(), Ori{value.w, value.x, value.y, value.z});
    for (double v : {value.w, value.x, value.y, value.z}) message.add_quaternionvector(v);
    return true;
}

bool ProtoEncodeDecode::cartesianOriUTypeConversion(const common::cartesianOri_U& message, cartesian_Ori_U& value)
{
    if (message.orientation_size() > 0) {
        const Ori ori = readOri(message.orientation(0));
        value = cartesian_Ori_U{ori.w, ori.x, ori.y, ori.z};
    }
    double* const slots[4] = {&value.w, &value.x, &value.y, &value.z};
    const int count = std::min(message.quaternionvector_size(), 4);
    for (int i = 0; i < count; ++i) *slots[i] = message.quaternionvector(i);
    return true;
}

/* ---- waypoints ---- */

bool ProtoEncodeDecode::roadPointTypeConversion(const wayPoint_S& waypoint, common::ProtoRoadPoint& message)
{
    common::cartesianPos_U* cart = message.mutable_cartpos();
    setPos(*cart->add_position(), waypoint.cartPos);
    cart->add_positionvector(waypoint.cartPos.x);
    cart->add_positionvector(waypoint.cartPos.y);
    cart->add_positionvector(waypoint.cartPos.z);
    setOri(*message.mutable_orientation(), waypoint.orientation);
    for (double v : waypoint.jointpos) message.add_jointpos(v);
    return true;
}

bool ProtoEncodeDecode::roadPointTypeConversion(const common::ProtoRoadPoint& message, wayPoint_S& waypoint)
{
    bool positionFound = true;
    const common::cartesianPos_U& cart = message.cartpos();
    if (cart.position_size() > 0) {
        waypoint.cartPos = readPos(cart.position(0));
    } else if (cart.positionvector_size() >= 3) {
        waypoint.cartPos = Pos{cart.positionvector(0), cart.positionvector(1), cart.positionvector(2)};
    } else {
        positionFound = false;
    }
    waypoint.orientation = readOri(message.orientation());
    if (message.jointpos_size() != 6) return false;
    for (int i = 0; i < 6; ++i) waypoint.jointpos[i] = message.jointpos(i);
    return positionFound;
}

bool ProtoEncodeDecode::RobotMovePatamTypeConversion(const RobotMoveProfile& profile,
                                                     const std::vector<wayPoint_S>& waypoints,
                                                     common::RobotMove& message)
{
    ZarnRobotMoveProfileType2ProtoType(profile, *message.mutable_move_profile());
    for (const wayPoint_S& waypoint : waypoints) roadPointTypeConversion(waypoint, *message.add_roadpointvector());
    return moveProfileEncodable(profile);
}

bool ProtoEncodeDecode::RobotMovePatamTypeConversion(const common::RobotMove& message, RobotMoveProfile& profile,
                                                     std::vector<wayPoint_S>& waypoints)
{
    ProtoRobotMoveProfileType2ZarnType(message.move_profile(), profile);
    waypoints.clear();
    for (const common::ProtoRoadPoint& point : message.roadpointvector()) {
        wayPoint_S waypoint{};
        roadPointTypeConversion(point, waypoint);
        waypoints.push_back(waypoint);
    }
    return true;
}

/* ---- seam tracking ---- */

bool ProtoEncodeDecode::SeamTrackToProtoSeamTrack(const SeamTracking& params, common::ProtoSeamTrack_t& message)
{
    message.set_trackenable(params.trackEnable ? 1 : 0);
    roadPointTypeConversion(params.currentRoadPoint, *message.mutable_currentroadpoint());
    roadPointTypeConversion(params.nextRoadPoint, *message.mutable_nextroadpoint());
    message.set_timeinterval(params.timeInterval);
    for (double v : params.currentPosError) message.add_currentposerror(v);
    message.set_maxvel(params.maxVel);
    message.set_maxacc(params.maxAcc);
    message.set_parachanged(params.paraChanged ? 1 : 0);
    return true;
}

bool ProtoEncodeDecode::ProtoSeamTrackToSeamTrack(const common::ProtoSeamTrack_t& message, SeamTracking& params)
{
    params.trackEnable = message.trackenable() > 0;
    roadPointTypeConversion(message.currentroadpoint(), params.currentRoadPoint);
    roadPointTypeConversion(message.nextroadpoint(), params.nextRoadPoint);
    params.timeInterval = message.timeinterval();
    const int count = std::min(message.currentposerror_size(), 3);
    for (int i = 0; i < count; ++i) params.currentPosError[i] = message.currentposerror(i);
    params.maxVel = message.maxvel();
    params.maxAcc = message.maxacc();
    params.paraChanged = message.parachanged() > 0;
    return true;
}

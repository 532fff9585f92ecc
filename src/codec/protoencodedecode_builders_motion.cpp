// Requests of motion, waypoints, tracking and offline trajectories.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

bool ProtoEncodeDecode::getRequest_roadpoint(char** out, int* outLen, const wayPoint_S& waypoint)
{
    common::ProtoRoadPoint message;
    roadPointTypeConversion(waypoint, message);
    return buildPayload(message, out, outLen, Channel::StdOut, "getResponse_roadpoint Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_robotMove(char** out, int* outLen, const RobotMoveProfile& profile,
                                             const std::vector<wayPoint_S>& waypoints)
{
    static const char* const failLine = "getRequest_robotMove Serialize fail.";
    common::RobotMove message;
    if (!RobotMovePatamTypeConversion(profile, waypoints, message))
        return refuseBuild(out, outLen, Channel::StdOut, failLine);
    return buildPayload(message, out, outLen, Channel::StdOut, failLine);
}

bool ProtoEncodeDecode::getRequest_SeamTracking(char** out, int* outLen, const SeamTracking& params)
{
    common::ProtoSeamTrack_t message;
    SeamTrackToProtoSeamTrack(params, message);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_SeamTracking Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_ConveyorTrackValuePoint(char** out, int* outLen, const Pos& position,
                                                           const Ori& ori, int timestamp)
{
    common::ProtoConveyorTrackValuePoint message;
    common::Pos* pos = message.mutable_position();
    pos->set_x(position.x);
    pos->set_y(position.y);
    pos->set_z(position.z);
    common::Ori* o = message.mutable_ori();
    o->set_w(ori.w);
    o->set_x(ori.x);
    o->set_y(ori.y);
    o->set_z(ori.z);
    message.set_timestamp(timestamp);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_ConveyorTrackValuePoint Serialize fail.");
}

bool ProtoEncodeDecode::getRequest_startupOfflineExcitTraj(char** out, int* outLen, std::string trackFile, int type,
                                                           int subtype)
{
    comm::ProtoCommunicationOfflineExcitTraj message;
    message.set_trackfile(std::move(trackFile));
    message.set_type(type);
    message.set_subtype(subtype);
    return buildPayload(message, out, outLen, Channel::Sink, "getRequest_startupOfflineExcitTraj Serialize fail.");
}

#ifndef ZARN_CODECRECORDS_H
#define ZARN_CODECRECORDS_H

// Records exchanged between the codec and the services; not part of the
// public interface.
#include <cstddef>
#include <cstdint>

#include "zarnrobottypes.h"

// Move kind of a motion profile; numbers as on the wire.
enum move_mode : int { NO_MOVEMODE = 0, MODEJ = 1, MODEL = 2, MODEP = 3 };

// Six limits: joint limits for joint-type moves, else end linear/angular
// limits in the first two entries. All six travel as the wire's joint list.
struct joint_cart_U {
    double jointPara[6];
};

// An orientation quaternion, scalar first.
struct cartesian_Ori_U {
    double w;
    double x;
    double y;
    double z;
};

struct relativeMove_t {
    bool ena;
    float relativePosition[3];
    cartesian_Ori_U relativeOrientation;
};

struct arrivalAhead_t {
    int arrivalAheadStat;
    double arrivalAheadThr;
};

// The profile sent with every motion request; mirrors the wire message of the
// same name except jerkAccRatio, which has no wire field.
struct RobotMoveProfile {
    move_mode moveMode;
    zarn_robot_namespace::move_track subMoveMode;
    zarn_robot_namespace::teach_mode teachMode;
    bool enableIterIk;
    bool toolTrack;
    zarn_robot_namespace::Pos toolInEndPosition;
    zarn_robot_namespace::Ori toolInEndOrientation;
    relativeMove_t relativeMove;
    joint_cart_U maxVelc;
    joint_cart_U maxAcc;
    arrivalAhead_t arrivalAhead;
    float blendRadius;
    int circularLoopTimes;
    double jerkAccRatio;
};

struct TcpParam {
    float positionX;
    float positionY;
    float positionZ;
    float payload;
};

// Tool centre point and payload for automatic and for manual operation.
struct RobotTcpParam {
    TcpParam paramAutorun;
    TcpParam paramManual;
};

struct RobotCollisionCurrent {
    uint8_t collisionClass;
};

#pragma pack(push, 1)
// One tool digital pin; packed to five bytes.
struct RobotToolDigitalIOStatus {
    uint32_t ioType;
    uint8_t ioData;
};
#pragma pack(pop)
static_assert(sizeof(RobotToolDigitalIOStatus) == 5, "tool digital IO entry is five bytes");

struct RobotToolAllIOStatus {
    uint32_t powerType;
    float systemVoltage;
    RobotToolDigitalIOStatus digitalIoStatus[4];
    float aiData[2];
    float systemTemperature;
    uint8_t errorCode;
};

struct WrenchParam {
    double force[3];
    double torque[3];
};

struct FtSensorCalResult {
    WrenchParam wrench;
    double mass;
    double centroid[3];
    double angle[2];
};

// Answer of the controller to a motion control request (the wire's ret).
enum call_robot_motion_func_result : int {
    motion_func_refused = 0,
    motion_func_accepted_event_follows = 1,
    motion_func_accepted_done = 2,
    motion_func_accepted_event_follows_alt = 3
};

#endif  // ZARN_CODECRECORDS_H

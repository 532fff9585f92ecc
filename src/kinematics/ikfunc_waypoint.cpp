#include "kinematics/ikfunc.h"

void ikFunRoadPintToZarnWayPoint(const wayPoint_S& from, zarn_robot_namespace::wayPoint_S& to) {
    to = zarn_robot_namespace::wayPoint_S{};
    to.cartPos.x = from.cartPos.x;
    to.cartPos.y = from.cartPos.y;
    to.cartPos.z = from.cartPos.z;
    to.orientation = from.orientation;
    for (int k = 0; k < 6; ++k) to.jointpos[k] = from.jointpos[k];
}

void ZarnWayPointToikFunRoadPint(const zarn_robot_namespace::wayPoint_S& from, wayPoint_S& to) {
    to = wayPoint_S{};
    to.cartPos.x = from.cartPos.x;
    to.cartPos.y = from.cartPos.y;
    to.cartPos.z = from.cartPos.z;
    to.orientation = from.orientation;
    for (int k = 0; k < 6; ++k) to.jointpos[k] = from.jointpos[k];
}

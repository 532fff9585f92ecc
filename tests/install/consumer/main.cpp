#include <cstdio>
#include "serviceinterface.h"
int main() {
    ServiceInterface robot;
    double q[6] = {0, 0, 0, 0, 0, 0};
    zarn_robot_namespace::wayPoint_S wp;
    int rc = robot.robotServiceRobotFk(q, 6, wp);
    std::printf("installed library: fk %d, flange z %.4f, %s\n", rc, wp.cartPos.z, robot.getErrDescByCode(zarn_robot_namespace::ErrCode_Success).c_str());
    return rc;
}

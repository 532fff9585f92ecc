// Kinematics on one thread while another installs models and flips the
// full-turn flags: every result must come from one complete model.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "kinematics_fixture.h"

using WayPoint = zarn_robot_namespace::wayPoint_S;
using ModelThreadsTest = kintest::KinematicsTest;

TEST_F(ModelThreadsTest, ReadersNeverSeeAMixOfTwoModels) {
    const double q[6] = {0.4, -0.7, 1.1, 0.3, 0.9, -0.2};
    Ikfunc::SetDhParaLen(0);
    const WayPoint small = kintest::fk(q);
    Ikfunc::SetDhParaLen(9);
    const WayPoint large = kintest::fk(q);
    Ikfunc::SetDhParaLen(0);

    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i) {
            if (i % 2)
                Ikfunc::setDhParameters(9, 0.753, 0.72, 0.1955, 0.1935, 0.127, 0.1063);
            else
                Ikfunc::SetDhParaLen(0);
            RobotUtilService::setJoint6Rot360(i % 3 == 0);
        }
        done = true;
    });

    int mixed = 0, reads = 0, outOfRange = 0;
    while (!done || reads < 1000) {
        WayPoint wp{};
        RobotUtilService::robotFk(q, 6, wp);
        const bool isSmall = wp.cartPos.x == small.cartPos.x && wp.cartPos.y == small.cartPos.y &&
                             wp.cartPos.z == small.cartPos.z;
        const bool isLarge = wp.cartPos.x == large.cartPos.x && wp.cartPos.y == large.cartPos.y &&
                             wp.cartPos.z == large.cartPos.z;
        if (!isSmall && !isLarge) ++mixed;
        WayPoint back{};
        if (RobotUtilService::robotIk(q, wp.cartPos, wp.orientation, back) == 0)
            for (int k = 0; k < 6; ++k)
                if (!(std::fabs(back.jointpos[k]) < 2 * kintest::kPi)) ++outOfRange;
        ++reads;
    }
    writer.join();
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(outOfRange, 0);
}

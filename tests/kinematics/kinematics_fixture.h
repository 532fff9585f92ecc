// Shared by the kinematics suites: every test starts and ends on the model the
// library loads with, and can capture the log sink's lines.
#ifndef ZARN_TESTS_KINEMATICS_FIXTURE_H
#define ZARN_TESTS_KINEMATICS_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "interface/robotlogprint.h"
#include "kinematics/ikfunc.h"
#include "kinematics/our_alg.h"
#include "kinematics/robotutilservice.h"

namespace kintest {

const double kPi = 3.14159265358979323846;
const double kJointLimit = 3.0508355324860883;

inline RobotLogPrint* logSink() {
    static RobotLogPrint* sink = new RobotLogPrint();  // process-wide and never destroyed, as in the library
    return sink;
}

class KinematicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetModel();
        logSink()->registerRobotLogPrintCallback(&KinematicsTest::capture, &lines_);
    }
    void TearDown() override {
        logSink()->registerRobotLogPrintCallback(static_cast<RobotLogPrint::LogCallback>(nullptr), nullptr);
        resetModel();
    }
    static void resetModel() {
        Ikfunc::SetDhParaLen(0);
        Ikfunc::joint1Rot360 = false;
        Ikfunc::joint6Rot360 = false;
    }
    bool logged(int level, const std::string& text) const {
        for (const auto& l : lines_)
            if (l.first == level && l.second == text) return true;
        return false;
    }
    std::vector<std::pair<int, std::string>> lines_;

private:
    static void capture(int level, const char* text, void* arg) {
        static_cast<std::vector<std::pair<int, std::string>>*>(arg)->emplace_back(level, text);
    }
};

inline zarn_robot_namespace::wayPoint_S fk(const double* q) {
    zarn_robot_namespace::wayPoint_S wp{};
    EXPECT_EQ(RobotUtilService::robotFk(q, 6, wp), 0);
    return wp;
}

// Largest entry difference of the two orientations' rotation matrices; immune
// to the sign ambiguity of quaternions.
inline double rotationGap(const Ori& a, const Ori& b) {
    double ra[9], rb[9];
    Ikfunc::QuaternionToOriMatrix(a, ra);
    Ikfunc::QuaternionToOriMatrix(b, rb);
    double gap = 0;
    for (int i = 0; i < 9; ++i) gap = std::fmax(gap, std::fabs(ra[i] - rb[i]));
    return gap;
}

inline double positionGap(const Pos& a, const Pos& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

}  // namespace kintest

#endif  // ZARN_TESTS_KINEMATICS_FIXTURE_H

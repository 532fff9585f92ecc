#include <gtest/gtest.h>

#include "kinematics_fixture.h"

using kintest::KinematicsTest;

namespace {

struct Lengths {
    double a2, a3, d1, d2, d5, d6;
};

Lengths readModel() {
    Lengths l;
    getDhPara(l.a2, l.a3, l.d1, l.d2, l.d5, l.d6);
    return l;
}

// What the model must hold: the nominal value plus the single-precision difference.
double corrected(double nominal, double given) {
    return nominal + static_cast<double>(static_cast<float>(given - nominal));
}

}  // namespace

using DhModelTest = KinematicsTest;

TEST_F(DhModelTest, LoadedModelIsTheDefaultSet) {
    const Lengths l = readModel();
    EXPECT_EQ(getRobotType(), 0);
    EXPECT_EQ(l.a2, 0.408);
    EXPECT_EQ(l.a3, 0.376);
    EXPECT_EQ(l.d1, 0.0985);
    EXPECT_EQ(l.d2, 0.1215);
    EXPECT_EQ(l.d5, 0.1025);
    EXPECT_EQ(l.d6, 0.094);
    EXPECT_FALSE(Ikfunc::joint1Rot360);
    EXPECT_FALSE(Ikfunc::joint6Rot360);
}

TEST_F(DhModelTest, SetDhParaLenAcceptsBuiltInTypesOnly) {
    struct Case {
        int type;
        bool result;
        int storedType;
        double a2;
    } cases[] = {{0, true, 0, 0.408}, {9, true, 9, 0.753}, {2, true, 2, 0.647}, {7, true, 7, 0.632},
                 {12, false, 0, 0.408}, {-1, false, 0, 0.408}, {10, false, 0, 0.408}};
    for (const auto& c : cases) {
        Ikfunc::SetDhParaLen(9);  // start away from the expected set
        EXPECT_EQ(Ikfunc::SetDhParaLen(c.type), c.result) << c.type;
        EXPECT_EQ(getRobotType(), c.storedType) << c.type;
        EXPECT_EQ(readModel().a2, c.a2) << c.type;
    }
}

TEST_F(DhModelTest, SetDhParametersAppliesSinglePrecisionCorrections) {
    struct Case {
        int type;
        Lengths given;
        int storedType;
        double d4;
    } cases[] = {
        {5, {0.245, 0.215, 0.1215, 0.1215, 0.1025, 0.094}, 5, -0.019},  // nominal: reproduced exactly
        {12, {0.5, 0.4, 0.1, 0.12, 0.1, 0.09}, 0, -0.019},              // unknown type: default base
        {8, {0.4812345, 0.3698765, 0.1631, 0.1909, 0.11751, 0.10349}, 8, 0.0},
        {9, {0.753, 0.72, 0.1955, 0.1935, 0.127, 0.1063}, 9, 0.0},
    };
    for (const auto& c : cases) {
        Ikfunc::setDhParameters(c.type, c.given.a2, c.given.a3, c.given.d1, c.given.d2, c.given.d5,
                                c.given.d6);
        DhModel nominal;
        nominalDhModel(c.type, nominal);
        const Lengths l = readModel();
        EXPECT_EQ(getRobotType(), c.storedType) << c.type;
        EXPECT_EQ(l.a2, corrected(nominal.a2, c.given.a2)) << c.type;
        EXPECT_EQ(l.a3, corrected(nominal.a3, c.given.a3)) << c.type;
        EXPECT_EQ(l.d1, corrected(nominal.d1, c.given.d1)) << c.type;
        EXPECT_EQ(l.d2, corrected(nominal.d2, c.given.d2)) << c.type;
        EXPECT_EQ(l.d5, corrected(nominal.d5, c.given.d5)) << c.type;
        EXPECT_EQ(l.d6, corrected(nominal.d6, c.given.d6)) << c.type;
        EXPECT_NEAR(l.a2, c.given.a2, 1e-8) << c.type;
        EXPECT_NEAR(l.d6, c.given.d6, 1e-8) << c.type;
        double d4 = 1;
        getDhPara(nominal.a2, nominal.a3, nominal.d1, nominal.d2, nominal.d5, nominal.d6, &d4);
        EXPECT_EQ(d4, c.d4) << c.type;
    }
    // A length equal to its nominal value must come back bit for bit.
    Ikfunc::setDhParameters(5, 0.245, 0.215, 0.1215, 0.1215, 0.1025, 0.094);
    const Lengths l = readModel();
    EXPECT_EQ(l.a2, 0.245);
    EXPECT_EQ(l.a3, 0.215);
    EXPECT_EQ(l.d1, 0.1215);
    EXPECT_EQ(l.d2, 0.1215);
    EXPECT_EQ(l.d5, 0.1025);
    EXPECT_EQ(l.d6, 0.094);
}

TEST_F(DhModelTest, GetDhParaSplitsTheSidewaysOffsetOnlyWithD4Pointer) {
    double a2, a3, d1, d2, d5, d6, d4 = 0;
    getDhPara(a2, a3, d1, d2, d5, d6, nullptr);
    EXPECT_EQ(d2, 0.1215);
    getDhPara(a2, a3, d1, d2, d5, d6, &d4);
    EXPECT_DOUBLE_EQ(d2, 0.1405);
    EXPECT_EQ(d4, -0.019);
}

TEST_F(DhModelTest, ModifyDhParaLenMovesD2AndD4TogetherAndIgnoresOtherEntries) {
    const float a[6] = {1.0f, 1.0f, 0.001f, 0.002f, 1.0f, 1.0f};
    const float d[6] = {0.003f, 0.004f, 1.0f, 0.005f, 0.006f, 0.007f};
    modifyDhParaLen(a, d);
    const Lengths l = readModel();
    EXPECT_EQ(l.a2, 0.408 + static_cast<double>(0.001f));
    EXPECT_EQ(l.a3, 0.376 + static_cast<double>(0.002f));
    EXPECT_EQ(l.d1, 0.0985 + static_cast<double>(0.003f));
    EXPECT_EQ(l.d2, 0.1215 + static_cast<double>(0.004f + 0.005f));
    EXPECT_EQ(l.d5, 0.1025 + static_cast<double>(0.006f));
    EXPECT_EQ(l.d6, 0.094 + static_cast<double>(0.007f));
    double d4 = 0, d2 = 0, x;
    getDhPara(x, x, x, d2, x, x, &d4);
    EXPECT_EQ(d4, -0.019 + static_cast<double>(0.005f));

    modifyDhParaLen(nullptr, d);  // refused, not dereferenced
    modifyDhParaLen(a, nullptr);
    EXPECT_EQ(readModel().a2, l.a2);
}

TEST_F(DhModelTest, SetRobotDhParamMapsRecordFieldsOntoLengths) {
    const zarn_robot_namespace::RobotDhPara dh{0.61, 0.64, 0.12, 0.125, 0.1, 0.095};
    RobotUtilService::setRobotDhParam(6, dh);
    const Lengths l = readModel();
    EXPECT_EQ(getRobotType(), 6);
    EXPECT_NEAR(l.a2, 0.61, 1e-8);
    EXPECT_NEAR(l.a3, 0.64, 1e-8);
    EXPECT_NEAR(l.d1, 0.12, 1e-8);
    EXPECT_NEAR(l.d2, 0.125, 1e-8);
    EXPECT_NEAR(l.d5, 0.1, 1e-8);
    EXPECT_NEAR(l.d6, 0.095, 1e-8);
}

TEST_F(DhModelTest, FullTurnFlagsAreStoredAndLogged) {
    EXPECT_EQ(RobotUtilService::setJoint1Rot360(true), 0);
    EXPECT_TRUE(Ikfunc::joint1Rot360);
    EXPECT_FALSE(Ikfunc::joint6Rot360);
    EXPECT_EQ(RobotUtilService::setJoint6Rot360(true), 0);
    EXPECT_TRUE(Ikfunc::joint6Rot360);
    EXPECT_EQ(RobotUtilService::setJoint1Rot360(false), 0);
    EXPECT_FALSE(Ikfunc::joint1Rot360);
    EXPECT_EQ(RobotUtilService::setJoint6Rot360(false), 0);
    EXPECT_FALSE(Ikfunc::joint6Rot360);
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "sdk log: enable joint1 360."},
        {0, "sdk log: enable joint6 360."},
        {0, "sdk log: disenable joint1 360."},
        {0, "sdk log: disenable joint6 360."},
    };
    EXPECT_EQ(lines_, expected);
}

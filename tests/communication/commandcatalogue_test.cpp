#include <gtest/gtest.h>

#include "communication/communicationmatetype.h"

namespace {
typedef CommunicationMateType CMT;

std::string desc(int type)
{
    return CMT::getCommandDescByType(static_cast<CMT::CommunicationCommandType>(type));
}
}  // namespace

TEST(CommandCatalogue, NumbersHaveNoGaps)
{
    EXPECT_EQ(CMT::CommunicationType_Login, 0);
    EXPECT_EQ(CMT::CommunicationType_communicationHeart, 115);
    EXPECT_EQ(CMT::CommunicationType_RealTimeMovepProgressNotify, 133);
    EXPECT_EQ(CMT::CommunicationType_enableRegulateSpeedMode, 137);
    EXPECT_EQ(CMT::COMMAND_TYPE_COUNT, 138);
}

TEST(CommandCatalogue, Descriptions)
{
    struct Case {
        int type;
        const char* text;
    } cases[] = {
        {0, "CommunicationType_Login"},
        {17, "CommunicationType_RobotShutdown "},
        {39, "CommunicationType_SetMaxAcc "},
        {55, "CommunicationType_SetToolDigitalIOType     "},
        {64, "CommunicationType_SafetyIoAbout_setRobotOrpePause      "},
        {65, "CommunicationType_SafetyIoAbout_setRobotOrpeStop        "},
        {66, "CommunicationType_SafetyIoAbout_setRobotOrpeError      "},
        {68, "CommunicationType_SafetyIoAbout_clearReducedModeError "},
        {115, "CommunicationType_communicationHeart"},
        {118, "unknow"},
        {133, "unknow"},
        {137, "unknow"},
        {-1, "unknow"},
        {138, "unknow"},
    };
    for (const auto& c : cases) EXPECT_EQ(desc(c.type), c.text) << "type " << c.type;
    EXPECT_NE(desc(117), "unknow");
    EXPECT_EQ(CMT::instance()->descriptionCount(), 118u);
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interface/errorinfoservice.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

namespace {

struct Captured {
    std::vector<std::pair<int, std::string>> lines;
};

void capture(int level, const char* text, void* arg)
{
    static_cast<Captured*>(arg)->lines.emplace_back(level, text);
}

// A format whose argument would crash if it were ever formatted.
const char* const kPoisonFormat = "%s";

}  // namespace

TEST(ErrorInfoService, TextsAndUnknownCodes)
{
    struct Case {
        int code;
        const char* text;
    } cases[] = {
        {0, "Success."},
        {10000, "Error number base value."},
        {10011, "forward kin failed."},
        {10012, "inverse kin failed."},
        {10024, "Real robotic arm does not exist."},
        {11025, "call slowStop return error."},
        {11028, "call continue return error."},
        {10025, ""},
        {11024, ""},
        {-1, ""},
        {21301, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorInfoService::getErrDescByCode(static_cast<RobotErrorCode>(c.code)), c.text)
            << "code " << c.code;
    }
    EXPECT_EQ(ErrorInfoService::mapSize(), 30u);
    ErrorInfoService::initErrInfoDescMaping();
    EXPECT_EQ(ErrorInfoService::mapSize(), 30u);
}

class LogSinkTest : public ::testing::Test {
protected:
    static RobotLogPrint* sink()
    {
        static RobotLogPrint* instance = new RobotLogPrint();  // never destroyed, like the library's
        return instance;
    }
    void TearDown() override { sink()->registerRobotLogPrintCallback(nullptr, nullptr); }
};

TEST_F(LogSinkTest, FormatsAndPassesLevelAndArgument)
{
    Captured got;
    sink()->registerRobotLogPrintCallback(capture, &got);
    EXPECT_EQ(RobotLogPrint::getRobotLogPrintPtr(), sink());
    ZARN_LOG(3, "sdk log: code %d, %s", 42, "x");
    ASSERT_EQ(got.lines.size(), 1u);
    EXPECT_EQ(got.lines[0].first, 3);
    EXPECT_EQ(got.lines[0].second, "sdk log: code 42, x");
}

TEST_F(LogSinkTest, LongLineIsCutTo2047Characters)
{
    Captured got;
    sink()->registerRobotLogPrintCallback(capture, &got);
    std::string longText(3000, 'a');
    sink()->printTrace(0, "%s", longText.c_str());
    ASSERT_EQ(got.lines.size(), 1u);
    EXPECT_EQ(got.lines[0].second, std::string(2047, 'a'));
}

TEST_F(LogSinkTest, NoCallbackFormatsNothingAndReplacementWins)
{
    Captured first, second;
    sink()->registerRobotLogPrintCallback(nullptr, nullptr);
    // Would dereference a bogus pointer if formatted.
    sink()->printTrace(3, kPoisonFormat, reinterpret_cast<const char*>(0x1));

    sink()->registerRobotLogPrintCallback(capture, &first);
    sink()->registerRobotLogPrintCallback(capture, &second);
    sink()->printTrace(0, "one");
    sink()->registerRobotLogPrintCallback(nullptr, nullptr);
    sink()->printTrace(0, "two");
    EXPECT_TRUE(first.lines.empty());
    ASSERT_EQ(second.lines.size(), 1u);
    EXPECT_EQ(second.lines[0].second, "one");
}

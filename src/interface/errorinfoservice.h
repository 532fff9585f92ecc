#ifndef ZARN_ERRORINFOSERVICE_H
#define ZARN_ERRORINFOSERVICE_H

#include <map>
#include <string>

#include "zarnrobottypes.h"

// Turns a library result code into its one-line English text.
class ErrorInfoService {
public:
    ErrorInfoService();

    static void initErrInfoDescMaping();
    static std::string getErrDescByCode(zarn_robot_namespace::RobotErrorCode code);
    static std::size_t mapSize();

private:
    static std::map<zarn_robot_namespace::RobotErrorCode, std::string> S_errInfoDescMaping;
    static bool S_isInitInfoDescMaping;
};

#endif  // ZARN_ERRORINFOSERVICE_H

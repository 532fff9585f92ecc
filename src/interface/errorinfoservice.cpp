#include "interface/errorinfoservice.h"

#include <mutex>

using namespace zarn_robot_namespace;

std::map<RobotErrorCode, std::string> ErrorInfoService::S_errInfoDescMaping;
bool ErrorInfoService::S_isInitInfoDescMaping = false;

namespace {
// Callers on several threads may trigger the first fill at once; rebuilding
// the map under their feet would be a data race, so fills are serialised.
std::mutex g_mapMutex;
}  // namespace

ErrorInfoService::ErrorInfoService()
{
    initErrInfoDescMaping();
}

void ErrorInfoService::initErrInfoDescMaping()
{
    static const std::pair<RobotErrorCode, const char*> table[] = {
        {ErrCode_Success, "Success."},
        {ErrCode_Base, "Error number base value."},
        {ErrCode_Failed, "Failed."},
        {ErrCode_ParamError, "Parameter error."},
        {ErrCode_SocketConnectFailed, "Socket connect failed."},
        {ErrCode_SocketDisconnect, "Socket disconnect."},
        {ErrCode_CreateRequestFailed, "Create request failed."},
        {ErrCode_InternalVariableError, "Internal variable error."},
        {ErrCode_RequestTimeout, "Request timeout."},
        {ErrCode_SendRequestError, "Send request error."},
        {ErrCode_ResponseIsNull, "Response is NULL."},
        {ErrCode_ResolveResponseFailed, "Resolve response failed."},
        {ErrCode_ForwardKinFailed, "forward kin failed."},
        {ErrCode_InverseKinFailed, "inverse kin failed."},
        {ErrCode_ToolCalibrationError, "Tool calibration error."},
        {ErrCode_ToolCalibrationParamError, "Tool calibration parameter error."},
        {ErrCode_CoordinateSystemCalibrationError, "Coordinate system calibration error."},
        {ErrCode_BaseToUserCoordinateError, "Base coordinate to user coordinate error."},
        {ErrCode_UserToBaseCoordinateError, "User coordinate to base coordinate error."},
        {ErrCode_MotionVariableError, "Motion-related variable error."},
        {ErrCode_MotionRequestError, "Motion-related request error."},
        {ErrCode_MotionCreateRequestError, "Motion-related create request error."},
        {ErrCode_MoveInterruptedByEvent, "The movement was interrupted by the event."},
        {ErrCode_WaypointVectorLengthError, "Waypoint vector length issue."},
        {ErrCode_ResponseHasError, "There is an error message in the response."},
        {ErrCode_RealRobotNotExist, "Real robotic arm does not exist."},
        {ErrCode_SlowStopFailed, "call slowStop return error."},
        {ErrCode_FastStopFailed, "call fastStop return error."},
        {ErrCode_PauseFailed, "call pause return error."},
        {ErrCode_ContinueFailed, "call continue return error."},
    };
    std::lock_guard<std::mutex> lock(g_mapMutex);
    S_errInfoDescMaping.clear();
    for (const auto& entry : table) S_errInfoDescMaping.emplace(entry.first, entry.second);
    S_isInitInfoDescMaping = true;
}

std::string ErrorInfoService::getErrDescByCode(RobotErrorCode code)
{
    {
        std::lock_guard<std::mutex> lock(g_mapMutex);
        if (S_isInitInfoDescMaping) {
            auto it = S_errInfoDescMaping.find(code);
            return it == S_errInfoDescMaping.end() ? std::string() : it->second;
        }
    }
    initErrInfoDescMaping();
    return getErrDescByCode(code);
}

std::size_t ErrorInfoService::mapSize()
{
    std::lock_guard<std::mutex> lock(g_mapMutex);
    return S_errInfoDescMaping.size();
}

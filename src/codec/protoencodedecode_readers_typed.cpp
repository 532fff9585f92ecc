// Typed responses: a list of result records plus a required result.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"
#include "sensor.pb.h"

using namespace codec_detail;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

namespace {

// Parses, reports errorInfo's code and runs convert only when it is 0.
template <class Msg, class Convert>
bool readTyped(const char* data, int len, const char* failLine, int& errorCode, Convert convert)
{
    Msg message;
    if (!parseOrReport(message, data, len, failLine)) return false;
    errorCode = message.errorinfo().errorcode();
    if (errorCode != 0) return true;
    return convert(message);
}

// Converts the first entry of a list; an empty list leaves the record.
template <class List, class Convert>
bool firstEntry(const List& list, Convert convert)
{
    if (list.empty()) return false;
    convert(list.Get(0));
    return true;
}

}  // namespace

bool ProtoEncodeDecode::resolveResponse_tcpParam(const char* data, int len, RobotTcpParam& param, int& errorCode)
{
    return readTyped<common::ProtoResponseRobotTcpParam>(
        data, len, "resolveResponse_tcpParam Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.tcpparam(), [&](const auto& e) { robotTcpParamTypeConversion(e, param); });
        });
}

bool ProtoEncodeDecode::resolveResponse_gravityComponent(const char* data, int len, RobotGravityComponent& value,
                                                         int& errorCode)
{
    return readTyped<common::ProtoResponseRobotGravityComponent>(
        data, len, "resolveResponse_gravityComponent Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.gravitycomponent(),
                              [&](const auto& e) { robotGravityComponentTypeConversion(e, value); });
        });
}

bool ProtoEncodeDecode::resolveResponse_collisionCurrent(const char* data, int len, RobotCollisionCurrent& value,
                                                         int& errorCode)
{
    return readTyped<common::ProtoResponseRobotCollisionCurrent>(
        data, len, "resolveResponse_collisionCurrent Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.collisioncurrent(),
                              [&](const auto& e) { robotCollisionCurrentTypeConversion(e, value); });
        });
}

bool ProtoEncodeDecode::resolveResponse_safetyStatus(const char* data, int len, OrpeSafetyStatus& status,
                                                     int& errorCode)
{
    return readTyped<common::ProtoResponseOrpeSafetyStatus>(
        data, len, "resolveResponse_safetyStatus Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.safetystatus(), [&](const auto& e) { OrpeSafetyStatusTypeConversion(e, status); });
        });
}

bool ProtoEncodeDecode::resolveResponse_safetyConfig(const char* data, int len, RobotSafetyConfig& config,
                                                     int& errorCode)
{
    return readTyped<common::ProtoResponseRobotSafetyConfig>(
        data, len, "resolveResponse_safetyConfig Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.safetyconfig(), [&](const auto& e) { RobotSafetyConfigTypeConversion(e, config); });
        });
}

bool ProtoEncodeDecode::resolveResponse_devInfo(const char* data, int len, RobotDevInfo& info, int& errorCode)
{
    return readTyped<common::ProtoResponseRobotDevInfo>(
        data, len, "resolveResponse_devInfo Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.devinfo(), [&](const auto& e) { RobotDevInfoTypeConversion(e, info); });
        });
}

bool ProtoEncodeDecode::resolveResponse_FtSensorCalibResult(const char* data, int len, FtSensorCalResult& result,
                                                            int& errorCode)
{
    return readTyped<peripheral::ProtoResponseFtSensorCalibResult>(
        data, len, "ERROR:resolveResponse_FtSensorCalibResult Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.ftsensorcalibresult(),
                              [&](const auto& e) { ProtoFtSensorCalResultToRobotType(e, result); });
        });
}

bool ProtoEncodeDecode::resolveResponse_Wrench(const char* data, int len, WrenchParam& wrench, int& errorCode)
{
    return readTyped<peripheral::ProtoResponseWrench>(
        data, len, "ERROR:resolveResponse_Wrench Parse fail.", errorCode, [&](const auto& m) {
            return firstEntry(m.wrench(), [&](const auto& e) { ProtoWrenchToWrench(e, wrench); });
        });
}

bool ProtoEncodeDecode::resolveResponse_moveControlResule(const char* data, int len,
                                                          call_robot_motion_func_result& result, int& errorCode)
{
    return readTyped<common::ProtoRobotMoveFuncResult>(
        data, len, "resolveResponse_moveControlResule Parse fail.", errorCode, [&](const auto& m) {
            result = static_cast<call_robot_motion_func_result>(m.ret());
            return true;
        });
}

bool ProtoEncodeDecode::resolveResponse_getToolDynamicsParam(const char* data, int len, ToolDynamicsParam& param,
                                                             int& errorCode)
{
    return readTyped<common::ToolParam>(data, len, "resolveResponse_getToolDynamicsParam Parse fail.", errorCode,
                                        [&](const auto& m) { return toolParamTypeConversion(m, param); });
}

bool ProtoEncodeDecode::resolveResponse_getToolKinematicsParam(const char* data, int len, ToolInEndDesc& tool,
                                                               int& errorCode)
{
    return readTyped<common::ToolParam>(data, len, "resolveResponse_getToolKinematicsParam Parse fail.", errorCode,
                                        [&](const auto& m) { return toolParamTypeConversion(m, tool); });
}

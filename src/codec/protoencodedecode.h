#ifndef ZARN_PROTOENCODEDECODE_H
#define ZARN_PROTOENCODEDECODE_H

#include <string>
#include <vector>

#include "codec/codecrecords.h"
#include "zarnrobottypes.h"

// Generated message classes stay behind the codec: callers see them only as
// forward declarations.
namespace google {
namespace protobuf {
class Message;
}
}  // namespace google
namespace zarn {
namespace robot {
namespace communication {
class ProtoCommunicationGeneralData;
class RobotTcpParam;
class RobotDiagnosis;
class RobotGravityComponent;
class RobotCollisionCurrent;
class ProtoCommunicationRobotEvent;
class ProtoRobotDiagnosisIODesc;
class ProtoRobotAnalogIODesc;
class ProtoJointCommonData;
class OurRobotDevInfo;
}  // namespace communication
namespace common {
class RobotCommonResponse;
class RobotMoveProfile;
class joint_cart_U;
class cartesianOri_U;
class ProtoRoadPoint;
class RobotMove;
class ProtoJointStatus;
class ProtoRobotSafetyConfig;
class ProtoOrpeSafetyStatus;
class ToolParam;
class ProtoSeamTrack_t;
}  // namespace common
}  // namespace robot
}  // namespace zarn
namespace peripheral {
class ProtoWrench;
class ProtoFtSensorCalibResult;
class ProtoFtSensorCalibParam;
}  // namespace peripheral

// The controller's result of a plain request.
struct CommunicationCommonResultResponse {
    int errorCode;
    std::string errorMsg;
};

// Stateless codec between API records and wire messages. Builders hand out a
// buffer of exactly the encoded size (array new, owned by the caller); readers
// never keep a pointer into the payload they are given.
class ProtoEncodeDecode {
public:
    ProtoEncodeDecode() {}

    /* ---- core ---- */
    static bool ProtobufDataSerializeToArray(const google::protobuf::Message* message, char** out, int* outLen);

    static bool ProtoCommunicationGeneralDataMessageSerialize(
        const zarn::robot::communication::ProtoCommunicationGeneralData& data, char** out, int* outLen);
    static bool ProtoCommunicationGeneralDataMessageParse(
        const char* data, int len, zarn::robot::communication::ProtoCommunicationGeneralData& message);
    static void makeProtoCommunicationGeneralData(
        zarn::robot::communication::ProtoCommunicationGeneralData& message, const std::vector<int>& ints,
        const std::vector<bool>& bools);
    static void resolveProtoCommunicationGeneralData(
        const zarn::robot::communication::ProtoCommunicationGeneralData& message, std::vector<int>& ints,
        std::vector<bool>& bools, int& errorCode);

    static void ProtoRobotCommonResponseInit(zarn::robot::common::RobotCommonResponse* response, int errorCode,
                                             const std::string& errorMsg);
    static bool resolveResponse_commonFormat(const char* data, int len, CommunicationCommonResultResponse& result);

    static bool getRequest_login(char** out, int* outLen, const std::string& userName, const std::string& password);
    static bool resolveResponse_DhParam(const char* data, int len, zarn_robot_namespace::RobotType& robotType,
                                        zarn_robot_namespace::RobotDhPara& dhPara, int& errorCode);

    /* ---- general-data readers ---- */
    static bool resolveResponse_robotWorkMode(const char* data, int len, zarn_robot_namespace::RobotWorkMode& mode,
                                              int& errorCode);
    static bool resolveResponse_robotState(const char* data, int len, zarn_robot_namespace::RobotState& state,
                                           int& errorCode);
    static bool resolveResponse_isRealRobotExist(const char* data, int len, bool& value, int& errorCode);
    static bool resolveResponse_robotEndSpeed(const char* data, int len, double& speed);
    static bool resolveResponse_movepProgressNotify(const char* data, int len, int& step);

    /* ---- general-data requests ---- */
    static bool getRequest_robotControl(char** out, int* outLen, zarn_robot_namespace::RobotControlCommand command);
    static bool getRequest_setRobotPowerStatus(char** out, int* outLen, bool on);
    static bool getRequest_setRobotWorkMode(char** out, int* outLen, zarn_robot_namespace::RobotWorkMode mode);
    static bool getRequest_robotMoveControl(char** out, int* outLen,
                                            zarn_robot_namespace::RobotMoveControlCommand command);
    static bool getRequest_setRobotBoardMaxAcc(char** out, int* outLen, int maxAcc);
    static bool getRequest_setRobotCollision(char** out, int* outLen, int collisionClass);

    /* ---- typed requests ---- */
    static bool getRequest_roadpoint(char** out, int* outLen, const zarn_robot_namespace::wayPoint_S& waypoint);
    static bool getRequest_tcpParam(char** out, int* outLen, const RobotTcpParam& param);
    static bool getRequest_setToolDynamicsParam(char** out, int* outLen,
                                                const zarn_robot_namespace::ToolDynamicsParam& param);
    static bool getRequest_setToolKinematicsParam(char** out, int* outLen, const zarn_robot_namespace::ToolInEndDesc& tool);
    static bool getRequest_startupOfflineExcitTraj(char** out, int* outLen, std::string trackFile, int type,
                                                   int subtype);
    static bool getRequest_robotStartup(char** out, int* outLen, const RobotTcpParam& tcp, unsigned char collisionClass,
                                        bool readPose, bool staticCollisionDetect, int maxAcc);
    static bool getRequest_setSafetyConfig(char** out, int* outLen, const zarn_robot_namespace::RobotSafetyConfig& config);
    static bool getRequest_safeIoParamAbout(char** out, int* outLen, const std::vector<int>& params);
    // Both motion builders refuse a profile that is not encodable.
    static bool getRequest_robotMove(char** out, int* outLen, const RobotMoveProfile& profile,
                                     const std::vector<zarn_robot_namespace::wayPoint_S>& waypoints);
    static bool getRequest_robotTeachMove(char** out, int* outLen, const RobotMoveProfile& profile,
                                          const zarn_robot_namespace::CoordCalibrateByJointAngleAndTool& frame);
    // A null content with a positive size, or a negative size, is refused.
    static bool getRequest_firmwareUpgrade(char** out, int* outLen, int command, const void* content, int size);
    static bool getRequest_robotDiagnosisIOData(char** out, int* outLen,
                                                const std::vector<zarn_robot_namespace::RobotDiagnosisIODesc>& points);
    static bool getRequest_robotAnalogIOData(char** out, int* outLen,
                                             const std::vector<zarn_robot_namespace::RobotAnalogIODesc>& points);
    static bool getRequest_robotRobotJointOffsetData(char** out, int* outLen,
                                                     const zarn_robot_namespace::RobotJointOffset& offset);
    static bool getRequest_intTypeValueVector(char** out, int* outLen, const std::vector<int>& values);
    static bool getRequest_doubleTypeValueVector(char** out, int* outLen, const std::vector<double>& values);
    static bool getRequest_ConveyorTrackValuePoint(char** out, int* outLen, const zarn_robot_namespace::Pos& position,
                                                   const zarn_robot_namespace::Ori& ori, int timestamp);
    static bool getRequest_SeamTracking(char** out, int* outLen, const zarn_robot_namespace::SeamTracking& params);
    // Three postures and three wrenches; null arrays are refused.
    static bool getRequest_FtSensorCalibParam(char** out, int* outLen, const zarn_robot_namespace::JointParam* postures,
                                              const WrenchParam* wrenches);

    /* ---- response builders ---- */
    static bool getResponse_FtSensorCalibResult(char** out, int* outLen, const FtSensorCalResult& result,
                                                int errorCode, const std::string& errorMsg);
    static bool getResponse_Wrench(char** out, int* outLen, const WrenchParam& wrench, int errorCode,
                                   const std::string& errorMsg);

    /* ---- record conversions ---- */
    // Values of moveMode, subMoveMode or teachMode outside their wire
    // enumeration are left unset, so the message stays incomplete and cannot
    // be serialized; moveProfileEncodable tells beforehand.
    static bool moveProfileEncodable(const RobotMoveProfile& profile);
    static void ZarnRobotMoveProfileType2ProtoType(const RobotMoveProfile& profile,
                                                   zarn::robot::common::RobotMoveProfile& message);
    static void ProtoRobotMoveProfileType2ZarnType(const zarn::robot::common::RobotMoveProfile& message,
                                                   RobotMoveProfile& profile);
    static bool jointCartUTypeConversion(const joint_cart_U& value, zarn::robot::common::joint_cart_U& message);
    static bool jointCartUTypeConversion(const zarn::robot::common::joint_cart_U& message, joint_cart_U& value);
    static bool cartesianOriUTypeConversion(const cartesian_Ori_U& value,
                                            zarn::robot::common::cartesianOri_U& message);
    static bool cartesianOriUTypeConversion(const zarn::robot::common::cartesianOri_U& message,
                                            cartesian_Ori_U& value);
    static bool roadPointTypeConversion(const zarn_robot_namespace::wayPoint_S& waypoint,
                                        zarn::robot::common::ProtoRoadPoint& message);
    static bool roadPointTypeConversion(const zarn::robot::common::ProtoRoadPoint& message,
                                        zarn_robot_namespace::wayPoint_S& waypoint);
    // Building returns false when the profile is not encodable.
    static bool RobotMovePatamTypeConversion(const RobotMoveProfile& profile,
                                             const std::vector<zarn_robot_namespace::wayPoint_S>& waypoints,
                                             zarn::robot::common::RobotMove& message);
    static bool RobotMovePatamTypeConversion(const zarn::robot::common::RobotMove& message,
                                             RobotMoveProfile& profile,
                                             std::vector<zarn_robot_namespace::wayPoint_S>& waypoints);
    static bool robotTcpParamTypeConversion(const RobotTcpParam& param,
                                            zarn::robot::communication::RobotTcpParam& message);
    static bool robotTcpParamTypeConversion(const zarn::robot::communication::RobotTcpParam& message,
                                            RobotTcpParam& param);
    static bool jointStatusTypeConversion(const zarn_robot_namespace::JointStatus& status,
                                          zarn::robot::common::ProtoJointStatus& message);
    static bool jointStatusTypeConversion(const zarn::robot::common::ProtoJointStatus& message,
                                          zarn_robot_namespace::JointStatus& status);
    static bool robotDiagnosisTypeConversionToProto(const zarn_robot_namespace::RobotDiagnosis& diagnosis,
                                                    zarn::robot::communication::RobotDiagnosis& message);
    static bool robotDiagnosisTypeConversionToStruct(const zarn::robot::communication::RobotDiagnosis& message,
                                                     zarn_robot_namespace::RobotDiagnosis& diagnosis);
    static bool robotGravityComponentTypeConversion(const zarn_robot_namespace::RobotGravityComponent& value,
                                                    zarn::robot::communication::RobotGravityComponent& message);
    static bool robotGravityComponentTypeConversion(const zarn::robot::communication::RobotGravityComponent& message,
                                                    zarn_robot_namespace::RobotGravityComponent& value);
    static bool robotCollisionCurrentTypeConversion(const RobotCollisionCurrent& value,
                                                    zarn::robot::communication::RobotCollisionCurrent& message);
    static bool robotCollisionCurrentTypeConversion(const zarn::robot::communication::RobotCollisionCurrent& message,
                                                    RobotCollisionCurrent& value);
    static bool RobotSafetyConfigTypeConversion(const zarn_robot_namespace::RobotSafetyConfig& config,
                                                zarn::robot::common::ProtoRobotSafetyConfig& message);
    static bool RobotSafetyConfigTypeConversion(const zarn::robot::common::ProtoRobotSafetyConfig& message,
                                                zarn_robot_namespace::RobotSafetyConfig& config);
    static bool OrpeSafetyStatusTypeConversion(const zarn_robot_namespace::OrpeSafetyStatus& status,
                                               zarn::robot::common::ProtoOrpeSafetyStatus& message);
    static bool OrpeSafetyStatusTypeConversion(const zarn::robot::common::ProtoOrpeSafetyStatus& message,
                                               zarn_robot_namespace::OrpeSafetyStatus& status);
    static bool toolParamTypeConversion(const zarn_robot_namespace::ToolDynamicsParam& param,
                                        zarn::robot::common::ToolParam& message);
    static bool toolParamTypeConversion(const zarn::robot::common::ToolParam& message,
                                        zarn_robot_namespace::ToolDynamicsParam& param);
    static bool toolParamTypeConversion(const zarn_robot_namespace::ToolInEndDesc& tool,
                                        zarn::robot::common::ToolParam& message);
    static bool toolParamTypeConversion(const zarn::robot::common::ToolParam& message,
                                        zarn_robot_namespace::ToolInEndDesc& tool);
    static void robotEventTypeConversion(const zarn_robot_namespace::RobotEventInfo& event,
                                         zarn::robot::communication::ProtoCommunicationRobotEvent& message);
    static void robotEventTypeConversion(const zarn::robot::communication::ProtoCommunicationRobotEvent& message,
                                         zarn_robot_namespace::RobotEventInfo& event);
    static void RobotDiagnosisIODescTypeConversion(const zarn_robot_namespace::RobotDiagnosisIODesc& point,
                                                   zarn::robot::communication::ProtoRobotDiagnosisIODesc& message);
    static void RobotDiagnosisIODescTypeConversion(const zarn::robot::communication::ProtoRobotDiagnosisIODesc& message,
                                                   zarn_robot_namespace::RobotDiagnosisIODesc& point);
    static void RobotAnalogIODescTypeConversion(const zarn_robot_namespace::RobotAnalogIODesc& point,
                                                zarn::robot::communication::ProtoRobotAnalogIODesc& message);
    static void RobotAnalogIODescTypeConversion(const zarn::robot::communication::ProtoRobotAnalogIODesc& message,
                                                zarn_robot_namespace::RobotAnalogIODesc& point);
    static bool ProtoJointCommonDataToRobotStruct(const zarn::robot::communication::ProtoJointCommonData& message,
                                                  zarn_robot_namespace::JointCommonData& joint);
    // Reading: fewer than three values per list leaves the missing ones zero
    // and returns false.
    static bool WrenchToProtoWrench(const WrenchParam& wrench, peripheral::ProtoWrench& message);
    static bool ProtoWrenchToWrench(const peripheral::ProtoWrench& message, WrenchParam& wrench);
    static bool FtSensorCalResultToProtoType(const FtSensorCalResult& result,
                                             peripheral::ProtoFtSensorCalibResult& message);
    static bool ProtoFtSensorCalResultToRobotType(const peripheral::ProtoFtSensorCalibResult& message,
                                                  FtSensorCalResult& result);
    // Three postures and three wrenches; null arrays give false.
    static bool FtSensorCalibParamToProtoType(const zarn_robot_namespace::JointParam* postures,
                                              const WrenchParam* wrenches,
                                              peripheral::ProtoFtSensorCalibParam& message);
    static bool SeamTrackToProtoSeamTrack(const zarn_robot_namespace::SeamTracking& params,
                                          zarn::robot::common::ProtoSeamTrack_t& message);
    static bool ProtoSeamTrackToSeamTrack(const zarn::robot::common::ProtoSeamTrack_t& message,
                                          zarn_robot_namespace::SeamTracking& params);
    static void RobotDevInfoTypeConversion(const zarn::robot::communication::OurRobotDevInfo& message,
                                           zarn_robot_namespace::RobotDevInfo& info);

    /* ---- typed response readers: the record is written only for code 0 ---- */
    // Code 0 with an empty entry list leaves the record and returns false.
    static bool resolveResponse_tcpParam(const char* data, int len, RobotTcpParam& param, int& errorCode);
    static bool resolveResponse_gravityComponent(const char* data, int len,
                                                 zarn_robot_namespace::RobotGravityComponent& value, int& errorCode);
    static bool resolveResponse_collisionCurrent(const char* data, int len, RobotCollisionCurrent& value,
                                                 int& errorCode);
    static bool resolveResponse_safetyStatus(const char* data, int len, zarn_robot_namespace::OrpeSafetyStatus& status,
                                             int& errorCode);
    static bool resolveResponse_safetyConfig(const char* data, int len,
                                             zarn_robot_namespace::RobotSafetyConfig& config, int& errorCode);
    static bool resolveResponse_devInfo(const char* data, int len, zarn_robot_namespace::RobotDevInfo& info,
                                        int& errorCode);
    static bool resolveResponse_FtSensorCalibResult(const char* data, int len, FtSensorCalResult& result,
                                                    int& errorCode);
    static bool resolveResponse_Wrench(const char* data, int len, WrenchParam& wrench, int& errorCode);
    static bool resolveResponse_moveControlResule(const char* data, int len, call_robot_motion_func_result& result,
                                                  int& errorCode);
    static bool resolveResponse_getToolDynamicsParam(const char* data, int len,
                                                     zarn_robot_namespace::ToolDynamicsParam& param, int& errorCode);
    static bool resolveResponse_getToolKinematicsParam(const char* data, int len,
                                                       zarn_robot_namespace::ToolInEndDesc& tool, int& errorCode);

    /* ---- other readers ---- */
    static bool resolveResponse_robotEvent(const char* data, int len, zarn_robot_namespace::RobotEventInfo& event);
    // Joints are written even when the result is false (no errorInfo entry).
    static bool resolveResponse_jointAngle(const char* data, int len, zarn_robot_namespace::JointParam& joints,
                                           int& errorCode);
    static bool resolveResponse_waypoint(const char* data, int len, zarn_robot_namespace::wayPoint_S& waypoint,
                                         int& errorCode);
    // Fills at most capacity records; a null array or negative capacity gives false.
    static bool resolveResponse_jointStatus(const char* data, int len, zarn_robot_namespace::JointStatus* statuses,
                                            int capacity, int& errorCode);
    static bool resolveResponse_robotDiagnosis(const char* data, int len,
                                               zarn_robot_namespace::RobotDiagnosis& diagnosis);
    static bool resolveResponse_robotDiagnosisInfo(const char* data, int len,
                                                   zarn_robot_namespace::RobotDiagnosis& diagnosis, int& errorCode);
    // The two IO readers empty the vector before parsing.
    static bool resolveResponse_robotDiagnosisIOData(const char* data, int len,
                                                     std::vector<zarn_robot_namespace::RobotDiagnosisIODesc>& points,
                                                     int& errorCode);
    static bool resolveResponse_robotAnalogIOData(const char* data, int len,
                                                  std::vector<zarn_robot_namespace::RobotAnalogIODesc>& points,
                                                  int& errorCode);
    static bool resolveResponse_getDynIdentifyResults(const char* data, int len, std::vector<int>& params,
                                                      int& errorCode);
    static bool resolveResponse_robotToolIoStatus(const char* data, int len, RobotToolAllIOStatus& status,
                                                  int& errorCode);
    static bool resolveResponse_ethernetDeviceName(const char* data, int len, std::string& name, int& errorCode);
    // Appends; the vector is not emptied first.
    static bool resolveResponse_jointCommonData(const char* data, int len,
                                                std::vector<zarn_robot_namespace::JointCommonData>& joints,
                                                int& errorCode);
    static bool resolveResponse_intTypeValueVector(const char* data, int len, std::vector<int>& values,
                                                   int& errorCode);
    static bool resolveResponse_doubleTypeValueVector(const char* data, int len, std::vector<double>& values,
                                                      int& errorCode);
    static bool resolveResponse_SeamTracking(const char* data, int len, zarn_robot_namespace::SeamTracking& params,
                                             int& errorCode);

    /* ---- event into a caller's buffer ---- */
    // *length carries the capacity on entry and the encoded size on success.
    static bool getResponse_Event(char* buffer, int* length, const zarn_robot_namespace::RobotEventInfo& event);
};

#endif  // ZARN_PROTOENCODEDECODE_H

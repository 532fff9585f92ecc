// Readers of IO points, value lists, tool IO, joint driver data and seam tracking.
#include "codec/codecsupport.h"
#include "codec/protoencodedecode.h"
#include "robotcommon.pb.h"
#include "robotcommunication.pb.h"

using namespace codec_detail;
namespace comm = zarn::robot::communication;
namespace common = zarn::robot::common;
using namespace zarn_robot_namespace;

/* ---- IO points: the vector is emptied even when the payload is unreadable ---- */

bool ProtoEncodeDecode::resolveResponse_robotDiagnosisIOData(const char* data, int len,
                                                             std::vector<RobotDiagnosisIODesc>& points, int& errorCode)
{
    points.clear();
    comm::ProtoCommunicationRobotDiagnosisIOData message;
    if (!parseOrReport(message, data, len, "ERROR:resolveRequest_robotDiagnosisIOData Parse fail.")) return false;
    points.reserve(message.iodesc_size());
    for (const comm::ProtoRobotDiagnosisIODesc& desc : message.iodesc()) {
        RobotDiagnosisIODesc point{0, 0, 0};
        RobotDiagnosisIODescTypeConversion(desc, point);
        points.push_back(point);
    }
    firstErrorCode(message.errorinfo(), errorCode);
    return true;
}

bool ProtoEncodeDecode::resolveResponse_robotAnalogIOData(const char* data, int len,
                                                          std::vector<RobotAnalogIODesc>& points, int& errorCode)
{
    points.clear();
    comm::ProtoCommunicationRobotAnalogIOData message;
    if (!parseOrReport(message, data, len, "ERROR:resolveRequest_robotAnalogIOData Parse fail.")) return false;
    points.reserve(message.iodesc_size());
    for (const comm::ProtoRobotAnalogIODesc& desc : message.iodesc()) {
        RobotAnalogIODesc point{0, 0.0f, 0};
        RobotAnalogIODescTypeConversion(desc, point);
        points.push_back(point);
    }
    firstErrorCode(message.errorinfo(), errorCode);
    return true;
}

/* ---- value lists ---- */

bool ProtoEncodeDecode::resolveResponse_getDynIdentifyResults(const char* data, int len, std::vector<int>& params,
                                                              int& errorCode)
{
    comm::ProtoCommunicationDynIdentifyResults message;
    if (!parseOrReport(message, data, len, "resolveResponse_getDynIdentifyResults Parse fail.")) return false;
    firstErrorCode(message.errorinfo(), errorCode);
    if (errorCode == 0) params.assign(message.param().begin(), message.param().end());
    return true;
}

bool ProtoEncodeDecode::resolveResponse_intTypeValueVector(const char* data, int len, std::vector<int>& values,
                                                           int& errorCode)
{
    comm::ProtoCommunicationIntVectorResponse message;
    if (!parseOrReport(message, data, len, "resolveRequest_intTypeValueVector Parse fail.")) return false;
    values.assign(message.value().begin(), message.value().end());
    errorCode = message.errorinfo().errorcode();
    return true;
}

bool ProtoEncodeDecode::resolveResponse_doubleTypeValueVector(const char* data, int len, std::vector<double>& values,
                                                              int& errorCode)
{
    comm::ProtoCommunicationDoubleVectorResponse message;
    if (!parseOrReport(message, data, len, "resolveRequest_doubleTypeValueVector Parse fail.")) return false;
    values.assign(message.value().begin(), message.value().end());
    errorCode = message.errorinfo().errorcode();
    return true;
}

/* ---- tool IO, names, joint driver data, seam tracking ---- */

bool ProtoEncodeDecode::resolveResponse_robotToolIoStatus(const char* data, int len, RobotToolAllIOStatus& status,
                                                          int& errorCode)
{
    comm::ProtoCommunicationToolAllIOStatusInfoResponse message;
    if (!parseOrReport(message, data, len, "ERROR:resolveResponse_robotToolIoStatus Parse fail.")) return false;
    const comm::toolAllIOStatus& tool = message.tooliostatus();
    status.powerType = tool.powertype();
    status.systemVoltage = static_cast<float>(tool.systemvoltage());
    status.systemTemperature = static_cast<float>(tool.systemtemperature());
    status.errorCode = static_cast<uint8_t>(message.errorinfo().errorcode());
    for (int i = 0; i < 4 && i < tool.digitaliostatus_size(); ++i) {
        status.digitalIoStatus[i].ioType = tool.digitaliostatus(i).iotype();
        status.digitalIoStatus[i].ioData = static_cast<uint8_t>(tool.digitaliostatus(i).iodata());
    }
    for (int j = 0; j < 2 && j < tool.aidata_size(); ++j) status.aiData[j] = static_cast<float>(tool.aidata(j));
    errorCode = message.errorinfo().errorcode();
    return true;
}

bool ProtoEncodeDecode::resolveResponse_ethernetDeviceName(const char* data, int len, std::string& name,
                                                           int& errorCode)
{
    comm::ProtoCommunicationEthernetDeviceNameResponse message;
    if (!parseOrReport(message, data, len, "ERROR:resolveResponse_ethernetDeviceName Parse fail.")) return false;
    name = message.name();
    errorCode = message.errorinfo().errorcode();
    return true;
}

bool ProtoEncodeDecode::resolveResponse_jointCommonData(const char* data, int len,
                                                        std::vector<JointCommonData>& joints, int& errorCode)
{
    comm::ProtoJointCommonDataResponse message;
    if (!parseOrReport(message, data, len, "ERROR:resolveRequest_jointCommonData Parse fail.")) return false;
    for (const comm::ProtoJointCommonData& entry : message.jointcommondata()) {
        JointCommonData joint{};
        ProtoJointCommonDataToRobotStruct(entry, joint);
        joints.push_back(joint);
    }
    errorCode = message.errorinfo().errorcode();
    return true;
}

bool ProtoEncodeDecode::resolveResponse_SeamTracking(const char* data, int len, SeamTracking& params, int& errorCode)
{
    common::ProtoSeamTrackResponse_t message;
    if (!parseOrReport(message, data, len, "ERROR:resolveResponse_SeamTracking Parse fail.")) return false;
    ProtoSeamTrackToSeamTrack(message.seamtrack(), params);
    errorCode = message.errorinfo().errorcode();
    return true;
}

#include "serviceinterface.h"

#include <string>

#include "communication/robotcontrolservices.h"
#include "interface/errorinfoservice.h"
#include "interface/robotlogprint.h"

using namespace zarn_robot_namespace;

RobotLogPrint* ServiceInterface::S_RobotLogPrintPtr = nullptr;

namespace {
std::mutex g_logSinkCreation;

RobotLogPrint* createLogSinkOnce()
{
    std::lock_guard<std::mutex> lock(g_logSinkCreation);
    if (ServiceInterface::S_RobotLogPrintPtr == nullptr) ServiceInterface::S_RobotLogPrintPtr = new RobotLogPrint();
    return ServiceInterface::S_RobotLogPrintPtr;
}
}  // namespace

ServiceInterface::ServiceInterface()
    : m_robotControlServices(nullptr),
      m_robotIoService(nullptr),
      m_robotMoveService(nullptr),
      m_robotConveyorTrack(nullptr),
      m_robotOtherService(nullptr),
      m_forceControl(nullptr)
{
    createLogSinkOnce();
    m_robotControlServices = new RobotControlServices();
    registerTrampolines();
}

ServiceInterface::~ServiceInterface()
{
    // Deleting the controller link stops its receive and event threads first,
    // so no trampoline can run against a facade being destroyed.
    delete m_robotControlServices;
    m_robotControlServices = nullptr;
}

int ServiceInterface::robotServiceLogin(const char* host, int port, const char* userName, const char* password)
{
    RobotType robotType = RobotType_0;
    RobotDhPara dhPara = {};
    return robotServiceLogin(host, port, userName, password, robotType, dhPara);
}

int ServiceInterface::robotServiceLogin(const char* host, int port, const char* userName, const char* password,
                                        RobotType& robotType, RobotDhPara& dhPara)
{
    // Null texts cannot be copied; refuse them before touching the link.
    if (host == nullptr || userName == nullptr || password == nullptr) return ErrCode_ParamError;
    return m_robotControlServices->loginService(host, port, std::string(userName), std::string(password), robotType,
                                                dhPara);
}

int ServiceInterface::robotServiceLogout()
{
    return m_robotControlServices->logoutService();
}

int ServiceInterface::robotServiceGetConnectStatus(bool& status)
{
    status = m_robotControlServices->getCurrentConnectStatus();
    return status ? 1 : 0;
}

int ServiceInterface::robotServiceGetJoint6Rotate360EnableFlag(bool& enable)
{
    return m_robotControlServices->getJoint6Rotate360EnableFlag(enable);
}

std::string ServiceInterface::getErrDescByCode(RobotErrorCode code)
{
    return ErrorInfoService::getErrDescByCode(code);
}

int ServiceInterface::robotServiceRegisterLogPrintCallback(RobotLogPrintCallback cb, void* arg)
{
    if (S_RobotLogPrintPtr != nullptr)
        S_RobotLogPrintPtr->registerRobotLogPrintCallback(cb, arg);
    return ErrCode_Success;
}

#include "communication/robotcontrolservices.h"

using namespace zarn_robot_namespace;

RobotControlServices::RobotControlServices()
    : m_responseSlots(new CommunicationResponse[CommunicationMateType::COMMAND_TYPE_COUNT]),
      m_sendLocks(new std::mutex[CommunicationMateType::COMMAND_TYPE_COUNT])
{
    m_eventThread = std::thread(&RobotControlServices::eventThreadBody, this);
}

RobotControlServices::~RobotControlServices()
{
    // The receive thread calls into this object: it must be gone before the
    // members are, and the event thread likewise before the queue is.
    disconnectRobotServer();
    {
        std::lock_guard<std::mutex> lock(m_appEvents.mutex);
        m_appEvents.stopping = true;
    }
    m_appEvents.condition.notify_all();
    if (m_eventThread.joinable()) m_eventThread.join();
}

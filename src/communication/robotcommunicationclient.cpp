#include "communication/robotcommunicationclient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "codec/protoencodedecode.h"
#include "communication/globalutil.h"
#include "interface/robotlogprint.h"
#include "zarnrobottypes.h"

using zarn_robot_namespace::ErrCode_Failed;
using zarn_robot_namespace::ErrCode_Success;

namespace {

// The client whose receive loop runs on this thread, if any: lets connect,
// disconnect and the destructor notice they were called from a callback.
thread_local const RobotCommunicationClient* t_receiveOwner = nullptr;

const int RECV_TIMEOUT_S = 2;
const int SEND_TIMEOUT_S = 3;
const int POLL_INTERVAL_MS = 100;
const long RESULT_CAP = 8;  // failed reads report at most this, below a whole text block
const int MIN_TEXT_BLOCK = 12;
const int COMMAND_EVENT = 2;

void putLe32(char* p, uint32_t v)
{
    p[0] = static_cast<char>(v & 0xff);
    p[1] = static_cast<char>((v >> 8) & 0xff);
    p[2] = static_cast<char>((v >> 16) & 0xff);
    p[3] = static_cast<char>((v >> 24) & 0xff);
}

uint32_t getLe32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

void setSocketTimeouts(int fd)
{
    struct timeval recvTimeout = {RECV_TIMEOUT_S, 0};
    struct timeval sendTimeout = {SEND_TIMEOUT_S, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &recvTimeout, sizeof(recvTimeout));
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &sendTimeout, sizeof(sendTimeout));
    // Frames go out in 1024-byte chunks and every request waits for its answer:
    // holding a chunk back for an acknowledgement only adds latency.
    int noDelay = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof(noDelay));
}

long capResult(long r)
{
    return r > RESULT_CAP ? RESULT_CAP : r;
}

}  // namespace

RobotCommunicationClient::RobotCommunicationClient()
    : m_serverPort(8899),
      m_socketFd(-1),
      m_connectStatus(false),
      m_stopRequested(false),
      m_alive(std::make_shared<std::atomic<bool>>(true))
{
    initClassProfile();
}

void RobotCommunicationClient::initClassProfile()
{
    m_serverIP = "127.0.0.1";
    m_serverPort = 8899;
    m_socketFd.store(-1);
    m_recvBuffer.reset(new char[RECV_BUFFER_SIZE]());
    m_sendBuffer.reset(new char[MAX_FRAME_SIZE]());
    m_connectStatus.store(false);
}

RobotCommunicationClient::~RobotCommunicationClient()
{
    if (onReceiveThread()) {
        // Destroyed from inside one of its own callbacks: the thread cannot
        // join itself; it leaves its loop without touching this object again.
        m_alive->store(false);
        stopFromReceiveThread();
        if (m_receiveThread.joinable()) m_receiveThread.detach();
        ZARN_LOG(4, "sdk communication log: Client destroyed on its receive thread, thread detached.");
        return;
    }
    disconnectCommunicationServer();
    if (m_receiveThread.joinable()) {
        // Only reachable if the join above failed; never leave a joinable
        // std::thread behind (that would terminate the process).
        m_alive->store(false);
        m_receiveThread.detach();
    }
}

bool RobotCommunicationClient::onReceiveThread() const
{
    return t_receiveOwner == this;
}

void RobotCommunicationClient::setServerIP(std::string address)
{
    std::lock_guard<std::mutex> lock(m_addressMutex);
    m_serverIP = std::move(address);
}

void RobotCommunicationClient::setServerPort(int port)
{
    std::lock_guard<std::mutex> lock(m_addressMutex);
    m_serverPort = port;
}

/* ---------------- connect and disconnect ---------------- */

int RobotCommunicationClient::connectRobotServer()
{
    // A callback cannot start the thread it runs on anew.
    if (onReceiveThread()) return ErrCode_Failed;

    std::lock_guard<std::mutex> lifecycle(m_lifecycleMutex);
    if (m_connectStatus.load()) return ErrCode_Failed;

    // A thread that ended after the peer closed has not been joined yet.
    joinReceiveThread(false);

    const int rc = connectCommunicationServer();
    if (rc != ErrCode_Success) return rc;

    m_stopRequested.store(false);
    m_connectStatus.store(true);
    try {
        m_receiveThread = std::thread(&RobotCommunicationClient::eventLoopThread, this);
    } catch (const std::system_error&) {
        m_connectStatus.store(false);
        closeSocket();
        return ErrCode_Failed;
    }
    commonUtil::delay(0, 300);
    return ErrCode_Success;
}

int RobotCommunicationClient::connectCommunicationServer()
{
    // An open socket is never replaced (that would leak it under the reader).
    if (m_socketFd.load() != -1) return ErrCode_Failed;

    std::string address;
    int port;
    {
        std::lock_guard<std::mutex> lock(m_addressMutex);
        address = m_serverIP;
        port = m_serverPort;
    }

    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return ErrCode_Failed;
    {
        std::lock_guard<std::mutex> lock(m_fdMutex);
        m_socketFd.store(fd);
    }

    struct sockaddr_in server;
    std::memset(&server, 0, sizeof(server));
    server.sin_family = AF_INET;
    server.sin_port = htons(static_cast<uint16_t>(port));
    // An unparsable address would otherwise leave 0.0.0.0, which Linux
    // connects to the local host: refuse it instead.
    const bool addressOk = inet_pton(AF_INET, address.c_str(), &server.sin_addr) == 1;
    const bool portOk = port > 0 && port <= 65535;

    setSocketTimeouts(fd);
    if (!addressOk || !portOk || connect(fd, reinterpret_cast<struct sockaddr*>(&server), sizeof(server)) != 0) {
        closeSocket();
        return ErrCode_Failed;
    }
    setSocketTimeouts(fd);
    return ErrCode_Success;
}

void RobotCommunicationClient::disconnectCommunicationServer()
{
    if (onReceiveThread()) {
        stopFromReceiveThread();
        return;
    }
    std::lock_guard<std::mutex> lifecycle(m_lifecycleMutex);
    m_stopRequested.store(true);
    m_connectStatus.store(false);
    shutdownSocket();  // wakes the receive thread at once
    joinReceiveThread(true);
    closeSocket();
}

void RobotCommunicationClient::stopFromReceiveThread()
{
    // The loop sees the flag when the callback returns; the handle stays set
    // until a later disconnect, connect or the destructor joins it.
    m_stopRequested.store(true);
    m_connectStatus.store(false);
    closeSocket();
}

void RobotCommunicationClient::joinReceiveThread(bool logResult)
{
    if (!m_receiveThread.joinable()) return;
    try {
        m_receiveThread.join();
        if (logResult) ZARN_LOG(0, "pthread_join:Receive data thread exited successfully.");
    } catch (const std::system_error&) {
        if (logResult) ZARN_LOG(3, "pthread_join:Receive data thread exit failed.");
    }
}

void RobotCommunicationClient::shutdownSocket()
{
    std::lock_guard<std::mutex> lock(m_fdMutex);
    const int fd = m_socketFd.load();
    if (fd != -1) shutdown(fd, SHUT_RDWR);
}

void RobotCommunicationClient::closeSocket()
{
    shutdownSocket();  // a writer blocked on a full buffer gives up the send mutex
    std::lock_guard<std::mutex> send(m_sendMutex);
    std::lock_guard<std::mutex> lock(m_fdMutex);
    const int fd = m_socketFd.exchange(-1);
    if (fd != -1) close(fd);
}

/* ---------------- sending ---------------- */

bool RobotCommunicationClient::encodeAndSendCommunicationPackage(const CommunicationRequest& request)
{
    std::lock_guard<std::mutex> lock(m_sendMutex);
    return sendFrameLocked(m_socketFd.load(), request);
}

bool RobotCommunicationClient::encodeAndSendCommunicationPackage(int socketFd, const CommunicationRequest& request)
{
    std::lock_guard<std::mutex> lock(m_sendMutex);
    return sendFrameLocked(socketFd, request);
}

bool RobotCommunicationClient::sendFrameLocked(int socketFd, const CommunicationRequest& request)
{
    const int n = request.textLength;
    if (n < 0 || (n > 0 && request.text == nullptr)) {
        ZARN_LOG(3, "sdk communication log: The message payload is invalid. length:%d", n);
        return false;
    }
    const long long length = static_cast<long long>(n) + 12;
    if (length > MAX_LENGTH_FIELD) {
        ZARN_LOG(3, "sdk communication log: The message size is larger than the specified size. length:%lld", length);
        return false;
    }

    // Every byte of the frame is written below, so the buffer needs no clearing.
    char* frame = m_sendBuffer.get();
    std::memcpy(frame, ROBOT_COMMAND_SOF, 4);
    putLe32(frame + 4, static_cast<uint32_t>(length));
    putLe32(frame + 8, static_cast<uint32_t>(request.commandType));
    if (n > 0) std::memcpy(frame + 12, request.text, static_cast<size_t>(n));
    std::memcpy(frame + 12 + n, ROBOT_COMMAND_CRC, 4);
    std::memcpy(frame + 16 + n, ROBOT_COMMAND_END, 4);

    const int total = n + 20;
    const long sent = sendCommunicationData(socketFd, frame, total);
    if (sent == total) return true;
    ZARN_LOG(3, "sdk communication log: Socket send messages error. errorcode=%d", static_cast<int>(sent));
    return false;
}

long RobotCommunicationClient::sendCommunicationData(int fd, const char* data, int len)
{
    if (len < 0 || (len > 0 && data == nullptr)) return -1;
    int done = 0;
    while (done < len) {
        const int chunk = (len - done < IO_CHUNK_SIZE) ? len - done : IO_CHUNK_SIZE;
        // MSG_NOSIGNAL: a peer that went away must fail the send, not raise
        // SIGPIPE in the application.
        const ssize_t n = send(fd, data + done, static_cast<size_t>(chunk), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n;
        done += static_cast<int>(n);
    }
    return len;
}

/* ---------------- receiving ---------------- */

long RobotCommunicationClient::recvMessageBaseMethed(int fd, void* buf, unsigned long len, int flags)
{
    if (flags & MSG_PEEK) return m_stage.peek(fd, buf, len);
    return m_stage.read(fd, buf, len, IO_CHUNK_SIZE);
}

long RobotCommunicationClient::recvPeek(int fd, void* buf, unsigned long len)
{
    return recvMessageBaseMethed(fd, buf, len, MSG_PEEK);
}

long RobotCommunicationClient::recvCommunicationData(int fd, void* buf, unsigned long len)
{
    return recvMessageBaseMethed(fd, buf, len, 0);
}

long RobotCommunicationClient::recvRobotMessageHead(int fd)
{
    unsigned char head[4];
    const long peeked = recvPeek(fd, head, sizeof(head));
    if (peeked <= 0) return peeked;
    if (peeked < 4 || std::memcmp(head, ROBOT_COMMAND_SOF, 4) != 0) {
        // Also for a head cut short by the peer's close or the time-out:
        // consuming one byte keeps the stream moving towards its end.
        const long skipped = recvCommunicationData(fd, head, 1);
        return skipped == 1 ? 1 : skipped;
    }
    const long consumed = recvCommunicationData(fd, head, 4);
    return consumed == 4 ? 4 : consumed;
}

long RobotCommunicationClient::recvRobotCommunicationPackage(int fd, char* buf, int capacity)
{
    if (buf == nullptr || capacity <= 0) return -1;

    const long head = recvRobotMessageHead(fd);
    if (head != 4) {
        ZARN_LOG(3, "sdk communication log: Recv Header error.");
        ZARN_LOG(3, "sdk communication log: Recv lengthBlock error.");
        ZARN_LOG(3, "sdk communication log:  Recv text block error.");
        return capResult(head);
    }

    unsigned char lengthField[4];
    const long lengthRead = recvCommunicationData(fd, lengthField, sizeof(lengthField));
    if (lengthRead != 4) {
        ZARN_LOG(3, "sdk communication log: Recv lengthBlock error.");
        ZARN_LOG(3, "sdk communication log:  Recv text block error.");
        return capResult(lengthRead);
    }

    const uint32_t length = getLe32(lengthField);
    if (length == 0 || length > static_cast<uint32_t>(capacity)) {
        // Cannot be a frame this buffer holds: drop the length and let the
        // next passes resynchronise on a start marker.
        ZARN_LOG(3, "sdk communication log: Invalid frame length:%u, frame dropped.", length);
        return RESULT_CAP;
    }

    // Read, not peeked first: a peek can only wait for what fits into the
    // socket's receive buffer, so larger blocks would never complete.
    const long read = recvCommunicationData(fd, buf, length);
    if (read != static_cast<long>(length)) {
        ZARN_LOG(3, "sdk communication log:  Recv text block error.");
        return capResult(read);
    }
    return read;
}

bool RobotCommunicationClient::makeDisconnectEventCommunicationPackage(char* buffer, int capacity, int* length)
{
    if (buffer == nullptr || length == nullptr || capacity < 4) return false;
    std::memset(buffer, 0, static_cast<size_t>(capacity));
    putLe32(buffer, COMMAND_EVENT);

    zarn_robot_namespace::RobotEventInfo event;
    event.eventType = zarn_robot_namespace::RobotEvent_socketDisconnected;
    event.eventCode = 0;
    event.eventContent = "Server disconnected.";
    int size = capacity - 4;
    if (!ProtoEncodeDecode::getResponse_Event(buffer + 4, &size, event)) return false;
    *length = size + 4;
    return true;
}

void RobotCommunicationClient::deliverDisconnectEvent(int socketFd)
{
    int length = 0;
    if (makeDisconnectEventCommunicationPackage(m_recvBuffer.get(), RECV_BUFFER_SIZE, &length)) {
        responseProcess(socketFd, m_recvBuffer.get(), length);
    }
}

void* RobotCommunicationClient::eventLoopThread(void* self)
{
    RobotCommunicationClient* client = static_cast<RobotCommunicationClient*>(self);
    t_receiveOwner = client;
    ZARN_LOG(0, "sdk log: Receive data thread startup ...");
    client->recvCommunicationPackageLoop();
    t_receiveOwner = nullptr;
    ZARN_LOG(0, "sdk log: Receive data thread exit.");
    return nullptr;
}

void RobotCommunicationClient::recvCommunicationPackageLoop()
{
    // Our own reference: a callback may destroy the object (see destructor).
    const std::shared_ptr<std::atomic<bool>> alive = m_alive;
    char* const buffer = m_recvBuffer.get();
    m_stage.reset();

    while (m_connectStatus.load() && m_socketFd.load() != -1 && !m_stopRequested.load()) {
        const int fd = m_socketFd.load();
        // poll rather than select: a descriptor above FD_SETSIZE must not
        // overrun an fd_set. Bytes already staged are ready without asking.
        struct pollfd watch = {fd, POLLIN | POLLPRI, 0};
        int ret = 1;
        if (m_stage.buffered() > 0)
            watch.revents = POLLIN;
        else
            ret = poll(&watch, 1, POLL_INTERVAL_MS);
        if (m_stopRequested.load()) break;

        if (ret < 0) {
            ZARN_LOG(3, "sdk communication log:  select error, ret=%d.", ret);
            continue;
        }
        if (ret == 0) continue;

        if (watch.revents & (POLLIN | POLLHUP | POLLERR)) {
            const long r = recvRobotCommunicationPackage(fd, buffer, RECV_BUFFER_SIZE);
            if (m_stopRequested.load()) break;
            if (r == 0) {
                m_connectStatus.store(false);
                closeSocket();
                ZARN_LOG(3, "sdk communication log: recv return 0, Server disconnenct.");
                deliverDisconnectEvent(-1);
                break;
            }
            if (r >= MIN_TEXT_BLOCK) {
                responseProcess(fd, buffer, static_cast<int>(r - 8));
                if (!alive->load()) return;
                if (m_stopRequested.load()) break;
            }
        }
        if (watch.revents & POLLPRI) {
            deliverDisconnectEvent(fd);
            if (!alive->load()) return;
        }
    }
}

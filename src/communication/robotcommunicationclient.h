#ifndef ZARN_ROBOTCOMMUNICATIONCLIENT_H
#define ZARN_ROBOTCOMMUNICATIONCLIENT_H

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "communication/receivestage.h"

// One request as the transport sends it. The payload belongs to whoever built
// it (the request core releases it); the transport only reads it.
struct CommunicationRequest {
    int socketFd = -1;
    char* text = nullptr;
    int textLength = 0;
    int commandType = 139;  // 139: empty record, no command type
};

// The library's one TCP link to the controller.
//
// Wire frame (little-endian):
//   ee cc ff ff | length (u32 = payload + 12) | command type (i32) | payload |
//   00 00 00 00 (check, not computed) | ff ff ff ff (end)
// The receiver ignores check field and end marker.
//
// Threads. Any thread may send; the send mutex makes each frame atomic. One
// receive thread per connection reads frames and hands each to
// responseProcess(); it is stopped by a flag plus shutdown() of the socket and
// joined, so it never dies inside a callback or while holding a lock. The
// descriptor is closed only once nobody can be sending on it (send mutex) and
// only after the receive thread is gone (or by the receive thread itself), so a
// closed descriptor number is never reused under a reader or writer.
//
// The text block is read as it arrives (each read bounded by the 2 s receive
// time-out) rather than peeked whole first, which the socket's own buffer
// limits to far less than the largest frame. A block that stops short is
// dropped with what had arrived of it.
//
// Framing errors. A length field of 0 or larger than the receive buffer cannot
// describe a frame the buffer can hold: the length is dropped and the stream
// resynchronises on the next start marker (one byte per pass), so a corrupt
// length never costs the connection. Lengths 1..11 are consumed and dropped as
// too short to hold a command type, check field and end marker.
//
// A derived class must call disconnectRobotServer() in its own destructor: the
// receive thread calls its overrides, which must not outlive it.
class RobotCommunicationClient {
public:
    static constexpr unsigned char ROBOT_COMMAND_SOF[4] = {0xee, 0xcc, 0xff, 0xff};
    static constexpr unsigned char ROBOT_COMMAND_END[4] = {0xff, 0xff, 0xff, 0xff};
    static constexpr unsigned char ROBOT_COMMAND_CRC[4] = {0x00, 0x00, 0x00, 0x00};

    static constexpr int RECV_BUFFER_SIZE = 4194304;
    static constexpr int MAX_LENGTH_FIELD = 4194039;  // payload + 12
    static constexpr int MAX_FRAME_SIZE = MAX_LENGTH_FIELD + 8;
    static constexpr int IO_CHUNK_SIZE = 1024;
    static constexpr int RECV_STAGE_SIZE = 65536;

    RobotCommunicationClient();
    virtual ~RobotCommunicationClient();
    RobotCommunicationClient(const RobotCommunicationClient&) = delete;
    RobotCommunicationClient& operator=(const RobotCommunicationClient&) = delete;

    void setServerIP(std::string address);
    void setServerPort(int port);
    bool getCurrentConnectStatus() const { return m_connectStatus.load(); }

    int connectRobotServer();
    int connectCommunicationServer();
    void disconnectRobotServer() { disconnectCommunicationServer(); }
    void disconnectCommunicationServer();

    bool encodeAndSendCommunicationPackage(const CommunicationRequest& request);
    bool encodeAndSendCommunicationPackage(int socketFd, const CommunicationRequest& request);

    bool makeDisconnectEventCommunicationPackage(char* buffer, int capacity, int* length);

    /* ---- low-level I/O: bytes moved, or the failing recv/send result (0 or -1) ---- */
    long recvMessageBaseMethed(int fd, void* buf, unsigned long len, int flags);
    long recvPeek(int fd, void* buf, unsigned long len);
    long recvCommunicationData(int fd, void* buf, unsigned long len);
    long sendCommunicationData(int fd, const char* data, int len);
    long recvRobotMessageHead(int fd);
    long recvRobotCommunicationPackage(int fd, char* buf, int capacity);

    static void* eventLoopThread(void* self);
    void recvCommunicationPackageLoop();

    /* ---- implemented by the request core ---- */
    // Runs on the receive thread; data = command type (4 bytes) + payload and
    // is only valid during the call.
    virtual void responseProcess(int socketFd, const char* data, int length) = 0;
    virtual void disconnectProcess() = 0;
    virtual int heartbeatService() = 0;

protected:
    int currentSocketFd() const { return m_socketFd.load(); }
    bool onReceiveThread() const;

private:
    void initClassProfile();
    bool sendFrameLocked(int socketFd, const CommunicationRequest& request);
    void deliverDisconnectEvent(int socketFd);
    void shutdownSocket();
    void closeSocket();
    void joinReceiveThread(bool logResult);
    void stopFromReceiveThread();

    std::thread m_receiveThread;
    std::string m_serverIP;
    int m_serverPort;
    std::atomic<int> m_socketFd;
    std::unique_ptr<char[]> m_recvBuffer;
    ReceiveStage m_stage{RECV_STAGE_SIZE};  // receive thread only
    std::unique_ptr<char[]> m_sendBuffer;
    std::atomic<bool> m_connectStatus;
    std::mutex m_sendMutex;

    std::mutex m_addressMutex;    // server address and port
    std::mutex m_lifecycleMutex;  // connect, disconnect and the thread handle
    std::mutex m_fdMutex;         // shutdown and close of the descriptor
    std::atomic<bool> m_stopRequested;
    // Cleared when the object is destroyed from inside its own receive thread,
    // so the loop leaves without touching the object again.
    std::shared_ptr<std::atomic<bool>> m_alive;
};

#endif  // ZARN_ROBOTCOMMUNICATIONCLIENT_H

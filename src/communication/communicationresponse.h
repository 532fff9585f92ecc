#ifndef ZARN_COMMUNICATIONRESPONSE_H
#define ZARN_COMMUNICATIONRESPONSE_H

#include <condition_variable>
#include <mutex>

// One received message: a response slot of the request core, or a caller's copy.
struct CommunicationResponse {
    // No command type has this value; it marks an empty record.
    static const int EMPTY_COMMAND_TYPE = 139;

    int socketFd;
    char* text;  // payload owned by the record (array new)
    int textLength;
    std::mutex mutex;  // used only while the record serves as a slot
    std::condition_variable condition;
    int commandType;

    CommunicationResponse();
    ~CommunicationResponse();
    CommunicationResponse(const CommunicationResponse&) = delete;
    CommunicationResponse& operator=(const CommunicationResponse&) = delete;

    void clear();
    bool isEmpty() const { return commandType == EMPTY_COMMAND_TYPE; }
    // Takes ownership of text.
    void store(int fd, char* payload, int length, int type);
};

#endif  // ZARN_COMMUNICATIONRESPONSE_H

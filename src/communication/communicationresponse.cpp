#include "communication/communicationresponse.h"

CommunicationResponse::CommunicationResponse()
    : socketFd(-1), text(nullptr), textLength(0), commandType(EMPTY_COMMAND_TYPE)
{
}

CommunicationResponse::~CommunicationResponse()
{
    clear();
}

void CommunicationResponse::clear()
{
    delete[] text;
    socketFd = -1;
    text = nullptr;
    textLength = 0;
    commandType = EMPTY_COMMAND_TYPE;
}

void CommunicationResponse::store(int fd, char* payload, int length, int type)
{
    delete[] text;
    socketFd = fd;
    text = payload;
    textLength = length;
    commandType = type;
}

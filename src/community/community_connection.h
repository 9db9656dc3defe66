// A connection to the community server through ftplib, with every wait
// bounded (communityTimeLimits): the server must accept the connection within
// a few seconds, each of its replies must come within its limit, and a
// transfer that moves nothing for a while is given up. The watchdog ends any
// of these waits at once when the exchange is cancelled. Only the name lookup
// of the server is left to the system's resolver and its own time limits.
#pragma once

#include <ftplib.h>
#include <netinet/in.h>

#include <string>

#include "community/community_watchdog.h"

struct CommunityConnection {
    explicit CommunityConnection(CommunityWatchdog* watchdog) : watchdog(watchdog) {}
    CommunityWatchdog* watchdog;
    netbuf* control = nullptr;
    // The server's address, as the connection was made to it.
    sockaddr_in server = {};
};

// Connects to communityServerAddress(); false when the server cannot be
// reached (nothing to close then).
bool openCommunityConnection(CommunityConnection* connection);
// Logs in as the shared account. The password is never written anywhere.
bool loginCommunityConnection(CommunityConnection* connection);
// Sends QUIT and closes; the watchdog's sockets are given up.
void closeCommunityConnection(CommunityConnection* connection);

// A data connection for the path, in ASCII mode (FtpAccess's type); null when
// the server would not open it.
netbuf* openCommunityData(CommunityConnection* connection, const char* path, int type);
// FtpRead and FtpWrite; data moving keeps the transfer's limit from running out.
int readCommunityData(CommunityConnection* connection, netbuf* data, char* buffer, int size);
bool writeCommunityData(CommunityConnection* connection, netbuf* data, const char* buffer,
                        int length);
// Closes the data connection and reads the server's verdict on the transfer:
// true only on a completion reply (2xx).
bool closeCommunityData(CommunityConnection* connection, netbuf* data);
// FtpDelete; true when the server removed the file.
bool deleteCommunityFile(CommunityConnection* connection, const std::string& path);

// Why the last step failed, on one line (no CR or LF) and with the password
// masked, fit for the log and for a message shown to the user: the server's
// last reply, or the limit that ran out.
std::string communityServerReply(const CommunityConnection& connection);

// A connection to the community server through ftplib, with the bounds ftplib
// lacks: the server must accept the connection within a few seconds, and a
// transfer that moves nothing for a while is given up. What ftplib cannot
// bound: name lookup, and the wait for the server's replies on the control
// connection (a server that accepts and then stays silent holds the caller).
#pragma once

#include <ftplib.h>

#include <string>

struct CommunityConnection {
    netbuf* control = nullptr;
    // The idle watch of the transfer under way (ftplib calls back while the
    // data connection is quiet).
    fsz_t lastBytes = 0;
    int quietSeconds = 0;
};

const int kConnectSeconds = 5;
const int kTransferQuietSeconds = 10;

// Connects to communityServerAddress(); false when the server cannot be
// reached (nothing to close then).
bool openCommunityConnection(CommunityConnection* connection);
// Logs in as the shared account. The password is never written anywhere.
bool loginCommunityConnection(CommunityConnection* connection);
void closeCommunityConnection(CommunityConnection* connection);
// The server's last reply, on one line (no CR or LF) and with the password
// masked, fit for the log and for a message shown to the user.
std::string communityServerReply(const CommunityConnection& connection);
// True when the last reply was a completion (2xx).
bool communityServerCompleted(const CommunityConnection& connection);

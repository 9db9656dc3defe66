// The community server every exchange talks to: host (with port) and the
// shared account's password are fixed when the plug-in is built
// (OVILUX_COMMUNITY_SERVER, OVILUX_COMMUNITY_PASSWORD); the account and the
// folders on the server are the same for every build.
#pragma once

#include <string>

const char* const kCommunityUser = "QFNUpdates";
const char* const kCommunityFolder = "Ovilux/CommunityFiles/";

// "host" or "host:port" (21 when none is given). Safe from any thread.
std::string communityServerAddress();
std::string communityServerPassword();

// Points this process at another server (tests start their own); an empty
// address goes back to the built-in values.
void setCommunityServer(const std::string& address, const std::string& password);

// How long an exchange with the server waits, in seconds: for the server to
// accept the connection, greet and log in (and to accept a data
// connection), for each later reply, and for a transfer that moves less than
// a byte a second. A cancel ends every wait (community_cancel.h).
struct CommunityTimeLimits {
    int connectSeconds = 5;
    int replySeconds = 15;
    int quietSeconds = 10;
};
CommunityTimeLimits communityTimeLimits();
// Tests make the waits short; the defaults come back with the built-in server.
void setCommunityTimeLimits(const CommunityTimeLimits& limits);

// The values the build fixed (community_server_values.cpp).
const char* builtCommunityServerAddress();
const char* builtCommunityServerPassword();

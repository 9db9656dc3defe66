// Compiled once per module: the plug-in for X-Plane gets the configured
// server, the one the scenarios load gets the local test server.
#include "community/community_server.h"
#include "community_server_build.h"

const char* builtCommunityServerAddress() { return OVILUX_COMMUNITY_SERVER; }

const char* builtCommunityServerPassword() { return OVILUX_COMMUNITY_PASSWORD; }

// Sending a file to the community server.
#pragma once

#include <string>

#include "community/community_connection.h"

// Sends the local file in ASCII mode to remotePath. Done only when the whole
// file was read and sent and the server confirmed the transfer with a
// completion reply. A local file that cannot be opened fails before the
// server is asked, with *localError set. Call with SIGPIPE blocked
// (BrokenPipeGuard).
CommunityConnection::Outcome uploadCommunityFile(CommunityConnection* connection,
                                                 const std::string& localPath,
                                                 const std::string& remotePath,
                                                 std::string* localError);

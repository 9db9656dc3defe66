// Sending a file to the community server.
#pragma once

#include <string>

#include "community/community_connection.h"

// Sends the local file in ASCII mode to remotePath. True only when the whole
// file was read and written and the server confirmed the transfer with a
// completion reply (ftplib alone reports success on "426 Transfer aborted"
// and on a short write). Call with SIGPIPE blocked (BrokenPipeGuard).
bool uploadCommunityFile(CommunityConnection* connection, const std::string& localPath,
                         const std::string& remotePath);

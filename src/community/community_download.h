// Fetching a file from the community server into the library folder. The
// file arrives in a temporary file beside it and takes its name only once the
// server confirmed the whole transfer: a good file is never replaced by part
// of one (ftplib alone reports success on "426 Transfer aborted", and removes
// the local file when the server refuses to send it).
#pragma once

#include <string>

#include "community/community_connection.h"

// remotePath on the server, in ASCII mode, to folder + "/" + name. False
// when anything failed; the folder then holds what it held before.
bool downloadCommunityFile(CommunityConnection* connection, const std::string& remotePath,
                           const std::string& folder, const std::string& name);

// Fetching a file from the community server into the library folder. The
// file arrives in a temporary file beside it and takes its name only once the
// server confirmed the whole transfer: a good file is never replaced by part
// of one, and no part of one stays. The file gets the permissions every file
// the plug-in makes gets (0666 less the umask).
#pragma once

#include <string>

#include "community/community_connection.h"

// The largest file the library takes, 8 MB: a full camera set (its header
// and 20 x 150 rows at the longest line the reader takes) stays below it, so
// anything larger is no camera file, and a server that sends without end
// does not fill the disk.
const size_t kMaxCommunityFileBytes = 8 * 1024 * 1024;

enum class DownloadOutcome {
    kStored,
    // Cut off by the server, a step of the exchange refused, or a limit
    // ran out: the connection's failure() says why.
    kServerFailed,
    // The server refused this file (its reply is the connection's
    // failure()); the exchange can go on with the next.
    kRefused,
    // Cut off by the cancel.
    kCancelled,
    // The library folder could not take it: *localError says why (strerror).
    kNotStored,
    // Larger than kMaxCommunityFileBytes: stopped there.
    kTooLarge,
};

// remotePath on the server, in ASCII mode, to folder + "/" + name. Unless
// stored, the folder then holds what it held before.
DownloadOutcome downloadCommunityFile(CommunityConnection* connection,
                                      const std::string& remotePath, const std::string& folder,
                                      const std::string& name, std::string* localError);

// The exchange of a share, run on a worker thread: connect, log in, upload,
// then the sharing record and the removal of the previous upload. It calls
// no X-Plane function: what it found out waits in ShareOutcome for the main
// thread, which logs it and shows the box.
#pragma once

#include <string>
#include <vector>

#include "community/community_cancel.h"
#include "community/community_curl.h"

// Everything the exchange needs, taken on the main thread when it starts.
struct ShareRequest {
    std::string localPath;
    std::string remoteName;
    std::string version;
    std::string recordPath;
    std::string recordDate;
    // The sharing record as it is: the previous upload ("" when none), its
    // three lines as they stand in the file (recordReadable false when they
    // could not be read), and the uploads earlier shares left on the server.
    bool hadRecord = false;
    std::string previousName;
    std::string recordHead;
    bool recordReadable = true;
    std::vector<std::string> leftovers;
};

struct ShareOutcome {
    enum Step { kNotConnected, kNotLoggedIn, kNotSent, kShared };
    Step step = kNotConnected;
    // What happened when a step failed; the server's reply when reasonIsReply.
    std::string reason;
    bool reasonIsReply = false;
    // Shared: the record names the new upload.
    bool recordWritten = false;
    // Log lines of what else happened: removals the server refused, an
    // upload left on the server for the next share to remove.
    std::vector<std::string> notes;
};

ShareOutcome runShareExchange(const ShareRequest& request, const CurlCalls* curl,
                              CommunityCancel* cancel);

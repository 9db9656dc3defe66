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
    // The previous upload, as the sharing record names it ("" when none).
    bool hadRecord = false;
    std::string previousName;
};

struct ShareOutcome {
    enum Step { kNotConnected, kNotLoggedIn, kNotSent, kShared };
    Step step = kNotConnected;
    // What happened when a step failed; the server's reply when reasonIsReply.
    std::string reason;
    bool reasonIsReply = false;
    bool recordWritten = false;
};

ShareOutcome runShareExchange(const ShareRequest& request, const CurlCalls* curl,
                              CommunityCancel* cancel);

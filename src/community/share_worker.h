// The exchange of a share, run on a worker thread: connect, log in, upload,
// then the sharing record and the removal of the previous upload. It calls
// no X-Plane function: what it found out waits in ShareOutcome for the main
// thread, which logs it and shows the box.
#pragma once

#include <string>
#include <vector>

#include "community/community_watchdog.h"

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
    // The server's reply, or the limit that ran out, when a step failed.
    std::string reason;
    bool recordWritten = false;
};

ShareOutcome runShareExchange(const ShareRequest& request, CommunityWatchdog* watchdog);

// The community server for in-process tests: tests/ftp/ftp_server.py started
// on a free port of 127.0.0.1 with a fresh root, the plug-in pointed at it for
// the server's lifetime, stopped (and the plug-in pointed back) at the end.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

const char* const kTestServerPassword = "Tst#1234567890";

class CommunityTestServer {
public:
    // mode: normal, refuse-writes, abort-transfer, die-listing, hostile-names,
    // silent, drip, stall-downloads, drip-downloads, trickle-downloads,
    // full-queue, pasv-elsewhere, refuse-first-download, withhold-completion,
    // drip-pwd, one-connection, too-many-users, blank-lines. The server lives
    // until the test ends it (its destructor); lifetimeSeconds is only a
    // safety net far beyond any test's own waits, against a server left
    // behind by a test that crashed.
    explicit CommunityTestServer(const std::string& mode = "normal", int lifetimeSeconds = 900);
    ~CommunityTestServer();
    CommunityTestServer(const CommunityTestServer&) = delete;
    CommunityTestServer& operator=(const CommunityTestServer&) = delete;

    bool running() const { return port_ > 0; }
    // Still serving (or misbehaving): nothing the plug-in did brought it
    // down.
    bool alive() const;
    int port() const { return port_; }
    // The server's folder of shared files, ending in "/".
    std::string communityFolder() const { return root_ + "/Ovilux/CommunityFiles/"; }
    const std::string& root() const { return root_; }
    // The names in the shared-files folder, sorted.
    std::vector<std::string> sharedFiles() const;

private:
    std::string root_;
    mutable int pid_ = -1;
    int port_ = 0;
};

// Frames, as X-Plane runs them (a disabled plug-in sees none), one at least,
// until done() holds, for a minute at most: a test waits for what the pilot is shown or
// for a worker's own flag, never for a count of frames. The seconds since
// `since`.
double framesUntil(const std::function<bool()>& done,
                   std::chrono::steady_clock::time_point since = std::chrono::steady_clock::now());
// The same until no community worker runs.
double framesUntilCommunityWorkersFinish(std::chrono::steady_clock::time_point since);

// A port on 127.0.0.1 where nothing listens (a server that is down).
int closedLocalPort();
// The threads of this process now: a worker left behind shows as one more.
int processThreadCount();
// The same once a thread that has finished its work is gone from the
// process (its exit takes a moment, longer under the sanitizers), waiting
// up to 10 seconds for the count to fall to most.
int settledThreadCount(int most);

#include "support/community_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "community/community_server.h"
#include "community/community_worker.h"
#include "xpsim.h"

extern char** environ;

namespace {
// The first line the server prints, "port N"; 0 when none came in time.
int readPort(int output) {
    std::string line;
    char c = 0;
    while (line.size() < 64) {
        struct pollfd wait = {output, POLLIN, 0};
        if (poll(&wait, 1, 15000) != 1 || read(output, &c, 1) != 1) {
            return 0;
        }
        if (c == '\n') {
            break;
        }
        line += c;
    }
    int port = 0;
    return sscanf(line.c_str(), "port %d", &port) == 1 ? port : 0;
}
}  // namespace

CommunityTestServer::CommunityTestServer(const std::string& mode, int lifetimeSeconds) {
    char folder[] = "/tmp/ovilux-community-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return;
    }
    root_ = folder;
    int ends[2];
    if (pipe(ends) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    std::string script = OVILUX_FTP_SERVER;
    std::string lifetime = std::to_string(lifetimeSeconds);
    const char* arguments[] = {"/usr/bin/python3", script.c_str(), "--password", kTestServerPassword,
                               "--root", root_.c_str(), "--lifetime", lifetime.c_str(),
                               "--mode", mode.c_str(), nullptr};
    pid_t pid = 0;
    int failed = posix_spawn(&pid, "/usr/bin/python3", &actions, nullptr,
                             const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    if (failed == 0) {
        pid_ = pid;
        port_ = readPort(ends[0]);
    }
    close(ends[0]);
    if (port_ > 0) {
        setCommunityServer("127.0.0.1:" + std::to_string(port_), kTestServerPassword);
    }
}

CommunityTestServer::~CommunityTestServer() {
    setCommunityServer("", "");
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (!root_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
}

bool CommunityTestServer::alive() const {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) {
        pid_ = -1;
    }
    return pid_ > 0;
}

std::vector<std::string> CommunityTestServer::sharedFiles() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(communityFolder(), error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int processThreadCount() {
    FILE* status = fopen("/proc/self/status", "r");
    int threads = -1;
    char line[256];
    while (status != nullptr && fgets(line, sizeof(line), status) != nullptr) {
        if (sscanf(line, "Threads: %d", &threads) == 1) {
            break;
        }
    }
    if (status != nullptr) {
        fclose(status);
    }
    return threads;
}

int settledThreadCount(int most) {
    int threads = processThreadCount();
    for (int i = 0; i < 1000 && threads > most; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        threads = processThreadCount();
    }
    return threads;
}

double framesUntil(const std::function<bool()>& done,
                   std::chrono::steady_clock::time_point since) {
    auto bound = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    // At least one: what a window shows is what its last frame drew.
    do {
        xpsim::runFrames(1);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (!done() && std::chrono::steady_clock::now() < bound);
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - since;
    return took.count();
}

double framesUntilCommunityWorkersFinish(std::chrono::steady_clock::time_point since) {
    return framesUntil([] { return runningCommunityWorkers() == 0; }, since);
}

int closedLocalPort() {
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    struct sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);  // bound, never listened: connecting is refused
    return ntohs(address.sin_port);
}

#include "community/community_connection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "community/community_server.h"
#include "community/community_sockets.h"

namespace {
const char* const kNoReply = "the server did not answer within %d seconds";
const char* const kNoProgress = "the transfer made no progress for %d seconds";
// How often a wait that ftplib does not bound looks at the watchdog.
const int kPollMilliseconds = 50;

// True when a TCP connection to the address is accepted within the limit;
// a cancel ends the wait at once.
bool serverAnswers(const sockaddr_in& address, int seconds, const CommunityWatchdog& watchdog) {
    int probe = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        return false;
    }
    markOwnSocket(probe);
    bool answered = connect(probe, reinterpret_cast<const sockaddr*>(&address),
                            sizeof(address)) == 0;
    if (!answered && errno == EINPROGRESS) {
        auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        struct pollfd wait = {probe, POLLOUT, 0};
        int ready = 0;
        while (ready == 0 && !watchdog.expired() && std::chrono::steady_clock::now() < end) {
            ready = poll(&wait, 1, kPollMilliseconds);
        }
        int error = 0;
        socklen_t length = sizeof(error);
        answered = ready == 1 &&
                   getsockopt(probe, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    closeOwnSocket(probe);
    return answered;
}

// The first IPv4 address of "host" or "host:port" that accepts a connection
// (ftplib connects over IPv4 only). The name lookup is the system resolver's.
bool findServer(const std::string& address, int seconds, const CommunityWatchdog& watchdog,
                sockaddr_in* server) {
    std::string host = address;
    std::string port = "21";
    size_t colon = address.find(':');
    if (colon != std::string::npos) {
        host = address.substr(0, colon);
        port = address.substr(colon + 1);
    }
    struct addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    struct addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
        return false;
    }
    bool answered = false;
    for (struct addrinfo* at = found; at != nullptr && !answered && !watchdog.expired();
         at = at->ai_next) {
        if (at->ai_addrlen == sizeof(sockaddr_in)) {
            memcpy(server, at->ai_addr, sizeof(sockaddr_in));
            answered = serverAnswers(*server, seconds, watchdog);
        }
    }
    freeaddrinfo(found);
    return answered;
}

// ftplib calls this while a data connection stays quiet (and, with the
// interval below, often enough to end within the watchdog's cancel grace).
int stopWhenExpired(netbuf*, fsz_t, void* arg) {
    return static_cast<CommunityWatchdog*>(arg)->expired() ? 0 : 1;
}
const unsigned int kIdleCallbackMilliseconds = 200;

void quietDebugOutput() {
    // ftplib prints every command it sends (the password too) when its
    // debug level is raised; it stays off.
    // A function-local static rather than std::call_once, whose inline
    // pthread_once needs a newer C library of the system.
    static const bool initialised = [] {
        ftplib_debug = 0;
        FtpInit();
        return true;
    }();
    (void)initialised;
}
}  // namespace

bool openCommunityConnection(CommunityConnection* connection) {
    connection->control = nullptr;
    CommunityWatchdog& watchdog = *connection->watchdog;
    CommunityTimeLimits limits = communityTimeLimits();
    if (watchdog.expired() ||
        !findServer(communityServerAddress(), limits.connectSeconds, watchdog,
                    &connection->server)) {
        return false;
    }
    // ftplib is given the address found, so it looks nothing up again.
    char address[INET_ADDRSTRLEN + 8];
    char host[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &connection->server.sin_addr, host, sizeof(host));
    snprintf(address, sizeof(address), "%s:%u", host, ntohs(connection->server.sin_port));
    quietDebugOutput();
    if (!watchdog.beginOpening(CommunityWatchdog::kControl, connection->server, true)) {
        return false;
    }
    watchdog.limit(limits.replySeconds, kNoReply);
    int connected = FtpConnect(address, &connection->control);
    watchdog.endOpening();
    watchdog.limit(0, "");
    if (!connected || watchdog.expired()) {
        if (connected) {
            FtpQuit(connection->control);
        }
        connection->control = nullptr;
        watchdog.releaseAll();
        return false;
    }
    // Data connections are opened by us: PORT would need the server to reach back.
    FtpOptions(FTPLIB_CONNMODE, FTPLIB_PASSIVE, connection->control);
    FtpCallbackOptions idle = {};
    idle.cbFunc = stopWhenExpired;
    idle.cbArg = &watchdog;
    idle.idleTime = kIdleCallbackMilliseconds;
    FtpSetCallback(&idle, connection->control);
    return true;
}

bool loginCommunityConnection(CommunityConnection* connection) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    std::string password = communityServerPassword();
    watchdog.limit(communityTimeLimits().replySeconds, kNoReply);
    bool loggedIn = !watchdog.expired() &&
                    FtpLogin(kCommunityUser, password.c_str(), connection->control) == 1;
    watchdog.limit(0, "");
    return loggedIn && !watchdog.expired();
}

void closeCommunityConnection(CommunityConnection* connection) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    if (connection->control != nullptr) {
        // FtpClose only closes data connections; on the control connection
        // it does nothing and the socket and its buffer would stay behind.
        // Once the watchdog expired, QUIT fails at once on the shut socket.
        watchdog.limit(communityTimeLimits().replySeconds, kNoReply);
        FtpQuit(connection->control);
        connection->control = nullptr;
        watchdog.limit(0, "");
    }
    watchdog.releaseAll();
}

netbuf* openCommunityData(CommunityConnection* connection, const char* path, int type) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    CommunityTimeLimits limits = communityTimeLimits();
    // The server may name another address for the data; then the socket is
    // not found, and the idle callback alone ends a quiet transfer.
    if (watchdog.expired() ||
        !watchdog.beginOpening(CommunityWatchdog::kData, connection->server, false)) {
        return nullptr;
    }
    watchdog.limit(limits.replySeconds, kNoReply);
    netbuf* data = nullptr;
    int opened = FtpAccess(path, type, FTPLIB_ASCII, connection->control, &data);
    watchdog.endOpening();
    if (!opened) {
        watchdog.releaseData();
        watchdog.limit(0, "");
        return nullptr;
    }
    watchdog.limit(limits.quietSeconds, kNoProgress);
    return data;
}

int readCommunityData(CommunityConnection* connection, netbuf* data, char* buffer, int size) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    int length = watchdog.expired() ? -1 : FtpRead(buffer, size, data);
    if (length > 0) {
        watchdog.limit(communityTimeLimits().quietSeconds, kNoProgress);
    }
    return watchdog.expired() ? -1 : length;
}

bool writeCommunityData(CommunityConnection* connection, netbuf* data, const char* buffer,
                        int length) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    bool written = !watchdog.expired() && FtpWrite(buffer, length, data) == length;
    if (written) {
        watchdog.limit(communityTimeLimits().quietSeconds, kNoProgress);
    }
    return written && !watchdog.expired();
}

bool closeCommunityData(CommunityConnection* connection, netbuf* data) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    // Let go of the data socket first: the server waits for its end before
    // it confirms an upload.
    watchdog.releaseData();
    watchdog.limit(communityTimeLimits().replySeconds, kNoReply);
    bool closed = FtpClose(data) == 1;
    watchdog.limit(0, "");
    return closed && !watchdog.expired() && FtpLastResponse(connection->control)[0] == '2';
}

bool deleteCommunityFile(CommunityConnection* connection, const std::string& path) {
    CommunityWatchdog& watchdog = *connection->watchdog;
    watchdog.limit(communityTimeLimits().replySeconds, kNoReply);
    bool deleted = !watchdog.expired() && FtpDelete(path.c_str(), connection->control) == 1;
    watchdog.limit(0, "");
    return deleted && !watchdog.expired();
}

std::string communityServerReply(const CommunityConnection& connection) {
    std::string reason = connection.watchdog->timedOutReason();
    if (!reason.empty() || connection.control == nullptr) {
        return reason;
    }
    std::string reply = FtpLastResponse(connection.control);
    std::string oneLine;
    for (char c : reply) {
        if (c != '\r' && c != '\n') {
            oneLine += c;
        }
    }
    std::string password = communityServerPassword();
    if (!password.empty()) {
        for (size_t at = oneLine.find(password); at != std::string::npos;
             at = oneLine.find(password, at)) {
            oneLine.replace(at, password.size(), "***");
        }
    }
    return oneLine;
}

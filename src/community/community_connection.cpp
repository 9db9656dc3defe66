#include "community/community_connection.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "community/community_server.h"

namespace {
// True when a TCP connection to host:port is accepted within the bound.
bool serverAnswers(const std::string& address) {
    std::string host = address;
    std::string port = "21";
    size_t colon = address.find(':');
    if (colon != std::string::npos) {
        host = address.substr(0, colon);
        port = address.substr(colon + 1);
    }
    // ftplib itself connects over IPv4.
    struct addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    struct addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) {
        return false;
    }
    bool answered = false;
    for (struct addrinfo* at = found; at != nullptr && !answered; at = at->ai_next) {
        int probe = socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (probe < 0) {
            continue;
        }
        int result = connect(probe, at->ai_addr, at->ai_addrlen);
        if (result != 0 && errno == EINPROGRESS) {
            struct pollfd wait = {probe, POLLOUT, 0};
            int error = 0;
            socklen_t length = sizeof(error);
            if (poll(&wait, 1, kConnectSeconds * 1000) == 1 &&
                getsockopt(probe, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
                result = 0;
            }
        }
        answered = result == 0;
        close(probe);
    }
    freeaddrinfo(found);
    return answered;
}

// Called by ftplib each second the data connection stays quiet; 0 gives up.
int transferIdle(netbuf*, fsz_t transferred, void* arg) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(arg);
    if (transferred != connection->lastBytes) {
        connection->lastBytes = transferred;
        connection->quietSeconds = 0;
    }
    return ++connection->quietSeconds < kTransferQuietSeconds ? 1 : 0;
}
}  // namespace

bool openCommunityConnection(CommunityConnection* connection) {
    connection->control = nullptr;
    std::string address = communityServerAddress();
    if (!serverAnswers(address)) {
        return false;
    }
    // ftplib prints every command it sends (the password too) when its
    // debug level is raised; it stays off.
    ftplib_debug = 0;
    FtpInit();
    if (!FtpConnect(address.c_str(), &connection->control)) {
        connection->control = nullptr;
        return false;
    }
    FtpCallbackOptions idle = {};
    idle.cbFunc = transferIdle;
    idle.cbArg = connection;
    idle.idleTime = 1000;
    FtpSetCallback(&idle, connection->control);
    return true;
}

bool loginCommunityConnection(CommunityConnection* connection) {
    std::string password = communityServerPassword();
    return FtpLogin(kCommunityUser, password.c_str(), connection->control) == 1;
}

void closeCommunityConnection(CommunityConnection* connection) {
    if (connection->control != nullptr) {
        // FtpClose only closes data connections; on the control connection
        // it does nothing and the socket and its buffer would stay behind.
        FtpQuit(connection->control);
        connection->control = nullptr;
    }
}

std::string communityServerReply(const CommunityConnection& connection) {
    if (connection.control == nullptr) {
        return std::string();
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

bool communityServerCompleted(const CommunityConnection& connection) {
    return connection.control != nullptr && FtpLastResponse(connection.control)[0] == '2';
}

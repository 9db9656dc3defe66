// One exchange with the community server, through libcurl: the control
// connection is made, logged in as the shared account and kept from one
// transfer to the next. libcurl keeps every limit of communityTimeLimits
// itself: the connection, the greeting, the login and a transfer's data
// connection within the connect limit of the transfer's start, each other
// reply within the reply limit, and a transfer that moves less than a byte a
// second for the quiet limit is given up. The data connection goes to the
// address the control connection reached, whatever address the server names
// for it (a server behind a NAT names its private one), and every wait is a
// poll(), whatever the numbers of the descriptors. A cancel ends a transfer
// once its grace has gone by, or at once when the exchange is cut off. A
// transfer that ended without the server's answer (cancelled, cut off, a
// limit run out) leaves nothing to wait for: its connections are shut, so
// neither libcurl's goodbye nor its connection cache waits on the server. The
// name lookup itself is left to the system's resolver, bounded by the connect
// limit. One worker thread uses it.
#pragma once

#include <curl/curl.h>

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

#include "community/community_cancel.h"
#include "community/community_curl.h"
#include "community/community_server.h"

class CommunityConnection {
public:
    enum Outcome {
        kDone,
        // The sink asked to stop.
        kStopped,
        kFailed,
        // Cut off by the cancel.
        kCancelled,
    };
    // How far the exchange had got when a transfer failed.
    enum Step { kConnecting, kLoggingIn, kTransferring };
    // Takes a transfer's text as it arrives, its line ends made "\n";
    // false stops the transfer.
    using Sink = std::function<bool(const char* text, size_t length)>;

    // curl: loaded (loadCommunityCurl). Talks to communityServerAddress().
    // The cancel also holds the exchange's sockets.
    CommunityConnection(const CurlCalls* curl, CommunityCancel* cancel);
    // After an answered transfer, sends QUIT and waits a second at most for
    // the goodbye; otherwise, or once cancelled, closes without one.
    ~CommunityConnection();
    CommunityConnection(const CommunityConnection&) = delete;
    CommunityConnection& operator=(const CommunityConnection&) = delete;

    // Paths from the account's folder, as "Ovilux/Versions.txt".
    // The file, in ASCII mode.
    Outcome readFile(const std::string& remotePath, const Sink& sink);
    // The folder's name listing (NLST), its bytes as the server sent them.
    Outcome listFolder(const std::string& folder, const Sink& sink);
    // The local file, in ASCII mode; done only once the server confirmed the
    // whole transfer with a completion reply.
    Outcome sendFile(FILE* local, const std::string& remotePath);
    // DELE; done when the server removed the file.
    Outcome deleteFile(const std::string& remotePath);

    // Of the last transfer that did not succeed: how far the exchange had got
    // (a later connection of the same exchange counts as its first did).
    Step failedStep() const;
    // Why it failed, on one line with the password masked: the server's
    // reply when it refused, otherwise the limit that ran out or what
    // happened. Told from libcurl's result code, the server's last reply and
    // what the exchange was waiting for, never from libcurl's words.
    std::string failure() const;
    bool failureIsReply() const;
    // The server refused the file itself: a 4xx or 5xx reply to its RETR.
    bool fileRefused() const;
    // The server had begun the transfer (a preliminary reply) before it failed.
    bool transferStarted() const { return transfer.started; }
    // A transfer of this exchange was cut off by the cancel.
    bool cutByCancel() const { return cut; }
    // The server answered the last transfer, so its control connection is
    // still in use: a next command goes on it without a new connection.
    bool keepsConnection() const { return connectionKept; }

private:
    using Clock = std::chrono::steady_clock;

    // One transfer: what it sends or takes, and what the server and libcurl
    // did in it. Made afresh for each, so none inherits another's.
    struct Transfer {
        // What it takes or sends.
        Sink sink;
        FILE* upload = nullptr;
        // A listing: its bytes go to the sink as they came (onDebug), or as
        // converted from a libcurl that does not show them.
        bool rawListing = false;
        bool rawBytesSeen = false;
        bool convertedBytesSeen = false;
        bool sinkStopped = false;
        // ASCII mode: a carriage return waiting to see what follows it.
        bool pendingReturn = false;
        std::string received;

        CURLcode result = CURLE_OK;
        // The code of the server's last reply, as libcurl read it, and the
        // reply as the exchange read it.
        long responseCode = 0;
        std::string pendingLine;
        std::string lastReply;
        bool replied = false;
        // A command went out and its final reply has not come.
        bool awaitingReply = false;
        // The server began the transfer (a preliminary reply).
        bool started = false;
        bool controlConnected = false;
        bool openedSocket = false;
        std::string lastAddress;
        long socketError = 0;
        std::string localError;
        // The data connection: its socket while open, and when it was closed.
        int dataSocket = -1;
        bool dataOpen = false;
        bool dataClosed = false;
        Clock::time_point dataClosedAt;
        std::string dataAddress;
        // Bytes moved, and when they last did.
        curl_off_t moved = 0;
        bool movedAny = false;
        Clock::time_point lastMove = Clock::now();
        Clock::time_point ended;
    };

    // What the next request is: every request sets all four, so none
    // inherits another's.
    void setRequest(long upload, long noBody, long nameListOnly, curl_slist* quote);
    // The transfer of the request set, under the given record.
    Outcome perform(const std::string& path, bool directory, Transfer fresh);
    // Runs the handle until libcurl is done with it or the cancel is due;
    // the result libcurl gave, or finalResult when it gave none.
    CURLcode runHandle(CURLcode finalResult);
    std::string url(const std::string& path) const;
    std::string failureText() const;
    // The limit that ran out, from what the exchange waited for.
    std::string limitText() const;
    void close();

    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    static int onDebug(CURL* handle, curl_infotype type, char* data, size_t size, void* self);
    static size_t onReceive(char* data, size_t size, size_t count, void* self);
    static size_t onSend(char* buffer, size_t size, size_t count, void* self);
    static int onProgress(void* self, curl_off_t downloadTotal, curl_off_t downloaded,
                          curl_off_t uploadTotal, curl_off_t uploaded);
    static curl_socket_t onOpenSocket(void* self, curlsocktype purpose, curl_sockaddr* address);
    static int onCloseSocket(void* self, curl_socket_t socket);

    const CurlCalls* curl;
    CommunityCancel* cancel;
    CommunityTimeLimits limits;
    std::string server;
    std::string password;
    CURL* easy = nullptr;
    CURLM* multi = nullptr;

    // The exchange's and the current control connection's state, from the
    // server's replies.
    bool exchangeGreeted = false;
    bool exchangeLoggedIn = false;
    bool greeted = false;
    bool loggedIn = false;
    // The reply after the login's (to PWD) came: the session is set up, and
    // the connect limit no longer runs.
    bool sessionReady = false;
    bool connectionKept = false;
    // A transfer of this exchange was cut off by the cancel.
    bool cut = false;
    Transfer transfer;
};

#include "community/community_connection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {
// How long a wait for the server lasts before the cancel is looked at again.
const int kPollMilliseconds = 100;
// "Service not available, closing control connection": libcurl ends the
// transfer as if a limit had run out.
const int kClosingReply = 421;

std::string formatted(const char* format, int number) {
    char text[160];
    snprintf(text, sizeof(text), format, number);
    return text;
}

std::string formatted(const char* format, const std::string& text, int number) {
    char out[320];
    snprintf(out, sizeof(out), format, text.c_str(), number);
    return out;
}

// A path as a URL's: every byte but the unreserved ones and "/" escaped.
std::string escapedPath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (char c : path) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            escaped += c;
        } else {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 15];
        }
    }
    return escaped;
}

int replyCode(const std::string& reply) {
    return reply.size() >= 3 && isdigit(static_cast<unsigned char>(reply[0])) &&
                   isdigit(static_cast<unsigned char>(reply[1])) &&
                   isdigit(static_cast<unsigned char>(reply[2]))
               ? atoi(reply.substr(0, 3).c_str())
               : 0;
}
}  // namespace

CommunityConnection::CommunityConnection(const CurlCalls* curl, CommunityCancel* cancel)
    : curl(curl), cancel(cancel), limits(communityTimeLimits()),
      server(communityServerAddress()), password(communityServerPassword()) {
    easy = curl->easyInit();
    multi = curl->multiInit();
    if (easy == nullptr) {
        return;
    }
    CURL* h = easy;
    // A worker thread: no signals, and no proxy or other setting from the
    // environment between the plug-in and its server.
    curl->easySetopt(h, CURLOPT_NOSIGNAL, 1L);
    curl->easySetopt(h, CURLOPT_PROXY, "");
    curl->easySetopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
    curl->easySetopt(h, CURLOPT_USERNAME, kCommunityUser);
    curl->easySetopt(h, CURLOPT_PASSWORD, password.c_str());
    curl->easySetopt(h, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connectSeconds));
    curl->easySetopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(limits.replySeconds));
    curl->easySetopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl->easySetopt(h, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.quietSeconds));
    curl->easySetopt(h, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    // Every command names the path from the account's folder, as the
    // server's listing does.
    curl->easySetopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl->easySetopt(h, CURLOPT_TRANSFERTEXT, 1L);
    curl->easySetopt(h, CURLOPT_NOPROGRESS, 0L);
    curl->easySetopt(h, CURLOPT_XFERINFOFUNCTION, &CommunityConnection::onProgress);
    curl->easySetopt(h, CURLOPT_XFERINFODATA, this);
    curl->easySetopt(h, CURLOPT_HEADERFUNCTION, &CommunityConnection::onHeader);
    curl->easySetopt(h, CURLOPT_HEADERDATA, this);
    curl->easySetopt(h, CURLOPT_WRITEFUNCTION, &CommunityConnection::onReceive);
    curl->easySetopt(h, CURLOPT_WRITEDATA, this);
    curl->easySetopt(h, CURLOPT_READFUNCTION, &CommunityConnection::onSend);
    curl->easySetopt(h, CURLOPT_READDATA, this);
    // The debug callback shows each command sent (what the exchange then
    // waits for) and a listing's bytes as they came.
    curl->easySetopt(h, CURLOPT_VERBOSE, 1L);
    curl->easySetopt(h, CURLOPT_DEBUGFUNCTION, &CommunityConnection::onDebug);
    curl->easySetopt(h, CURLOPT_DEBUGDATA, this);
    curl->easySetopt(h, CURLOPT_OPENSOCKETFUNCTION, &CommunityConnection::onOpenSocket);
    curl->easySetopt(h, CURLOPT_OPENSOCKETDATA, this);
    curl->easySetopt(h, CURLOPT_CLOSESOCKETFUNCTION, &CommunityConnection::onCloseSocket);
    curl->easySetopt(h, CURLOPT_CLOSESOCKETDATA, this);
    // A cancelled name lookup is left to finish on its own (libcurl 7.87 on;
    // earlier ones wait for it).
    curl->easySetopt(h, CURLOPT_QUICK_EXIT, 1L);
}

CommunityConnection::~CommunityConnection() {
    close();
    // Whatever is left open (a goodbye given up, a connection libcurl still
    // keeps after a transfer that ended badly) goes without one: libcurl's
    // cleanup would otherwise say goodbye and wait the reply limit for it.
    cancel->abandonSockets();
    if (multi != nullptr) {
        curl->multiCleanup(multi);
    }
    if (easy != nullptr) {
        curl->easyCleanup(easy);
    }
}

void CommunityConnection::close() {
    // The control connection kept after the last answered transfer is
    // closed here, not later by libcurl on its own: its QUIT waits a second
    // at most for the server's goodbye, which changes nothing of what was
    // done.
    if (!connectionKept || easy == nullptr || multi == nullptr) {
        return;
    }
    connectionKept = false;
    // Should the server have dropped the connection meanwhile, libcurl makes
    // a new one to say goodbye on; that gets a second too.
    curl->easySetopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, 1L);
    curl->easySetopt(easy, CURLOPT_CONNECTTIMEOUT, 1L);
    curl->easySetopt(easy, CURLOPT_FORBID_REUSE, 1L);
    setRequest(0L, 1L, 0L, nullptr);
    curl->easySetopt(easy, CURLOPT_URL, url("").c_str());
    transfer = Transfer();
    runHandle(CURLE_OK);
}

void CommunityConnection::setRequest(long upload, long noBody, long nameListOnly,
                                     curl_slist* quote) {
    curl->easySetopt(easy, CURLOPT_UPLOAD, upload);
    curl->easySetopt(easy, CURLOPT_NOBODY, noBody);
    curl->easySetopt(easy, CURLOPT_DIRLISTONLY, nameListOnly);
    curl->easySetopt(easy, CURLOPT_QUOTE, quote);
}

std::string CommunityConnection::url(const std::string& path) const {
    return "ftp://" + server + "/" + escapedPath(path);
}

CURLcode CommunityConnection::runHandle(CURLcode finalResult) {
    if (curl->multiAddHandle(multi, easy) != CURLM_OK) {
        return CURLE_FAILED_INIT;
    }
    CURLcode result = finalResult;
    for (bool finished = false; !finished;) {
        int running = 0;
        if (curl->multiPerform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        // A socket libcurl dropped without a word closes now, not when the
        // transfer ends (an upload's end is the server seeing it close).
        cancel->releaseClosedSockets();
        int queued = 0;
        while (CURLMsg* message = curl->multiInfoRead(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                finished = true;
            }
        }
        if (finished) {
            break;
        }
        if (running == 0) {
            // Ended without saying how.
            break;
        }
        if (cancel->due()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        curl->multiPoll(multi, nullptr, 0, kPollMilliseconds, nullptr);
    }
    transfer.ended = Clock::now();
    double connectTime = 0.0;
    curl->easyGetinfo(easy, CURLINFO_CONNECT_TIME, &connectTime);
    transfer.controlConnected = connectTime > 0.0 || transfer.replied;
    curl->easyGetinfo(easy, CURLINFO_OS_ERRNO, &transfer.socketError);
    curl->easyGetinfo(easy, CURLINFO_RESPONSE_CODE, &transfer.responseCode);
    // Taken off before it can be used again; a transfer cut off here closes
    // its connections without waiting for the server.
    curl->multiRemoveHandle(multi, easy);
    cancel->releaseClosedSockets();
    return result;
}

CommunityConnection::Outcome CommunityConnection::perform(const std::string& path,
                                                          bool directory, Transfer fresh) {
    transfer = std::move(fresh);
    if (easy == nullptr || multi == nullptr) {
        transfer.result = CURLE_FAILED_INIT;
        return kFailed;
    }
    if (cancel->due()) {
        cut = true;
        return kCancelled;
    }
    std::string target = url(path);
    if (directory && !target.empty() && target.back() != '/') {
        target += '/';
    }
    curl->easySetopt(easy, CURLOPT_URL, target.c_str());
    // Ended without saying how: taken as failed.
    transfer.result = runHandle(CURLE_FAILED_INIT);
    // Only a connection whose server answered is used again. libcurl keeps
    // one whose verdict it gave up waiting for (on the cancel) as if it were
    // good, and would say goodbye on it and wait; it is shut instead, as is
    // one the server said it closes.
    connectionKept = transfer.result == CURLE_OK ||
                     (failureIsReply() && replyCode(transfer.lastReply) != kClosingReply);
    if (!connectionKept) {
        cancel->abandonSockets();
    }
    bool cancelled = transfer.result == CURLE_ABORTED_BY_CALLBACK ? cancel->requested()
                                                                  : cancel->due();
    if (transfer.result != CURLE_OK && cancelled) {
        cut = true;
        return kCancelled;
    }
    if (transfer.result == CURLE_WRITE_ERROR && transfer.sinkStopped) {
        return kStopped;
    }
    if (transfer.result != CURLE_OK) {
        return kFailed;
    }
    if (transfer.pendingReturn && transfer.sink && !transfer.sink("\r", 1)) {
        return kStopped;
    }
    return kDone;
}

CommunityConnection::Outcome CommunityConnection::readFile(const std::string& remotePath,
                                                           const Sink& take) {
    Transfer fresh;
    fresh.sink = take;
    setRequest(0L, 0L, 0L, nullptr);
    return perform(remotePath, false, std::move(fresh));
}

CommunityConnection::Outcome CommunityConnection::listFolder(const std::string& folder,
                                                             const Sink& take) {
    Transfer fresh;
    fresh.sink = take;
    fresh.rawListing = true;
    setRequest(0L, 0L, 1L, nullptr);
    return perform(folder, true, std::move(fresh));
}

CommunityConnection::Outcome CommunityConnection::sendFile(FILE* local,
                                                           const std::string& remotePath) {
    Transfer fresh;
    fresh.upload = local;
    setRequest(1L, 0L, 0L, nullptr);
    return perform(remotePath, false, std::move(fresh));
}

CommunityConnection::Outcome CommunityConnection::deleteFile(const std::string& remotePath) {
    if (remotePath.find_first_of("\r\n") != std::string::npos) {
        transfer = Transfer();
        transfer.result = CURLE_BAD_FUNCTION_ARGUMENT;
        transfer.localError = "the name cannot be sent to the server";
        return kFailed;
    }
    std::string command = "DELE " + remotePath;
    curl_slist* commands = curl->slistAppend(nullptr, command.c_str());
    if (commands == nullptr) {
        transfer = Transfer();
        transfer.result = CURLE_OUT_OF_MEMORY;
        return kFailed;
    }
    // Only the command: the folder's URL with no transfer.
    size_t slash = remotePath.rfind('/');
    std::string folder = slash == std::string::npos ? "" : remotePath.substr(0, slash + 1);
    setRequest(0L, 1L, 0L, commands);
    Outcome outcome = perform(folder, true, Transfer());
    // The handle must not keep the list that is freed here.
    setRequest(0L, 0L, 0L, nullptr);
    curl->slistFreeAll(commands);
    return outcome;
}

size_t CommunityConnection::onHeader(char* data, size_t size, size_t count, void* self) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    size_t length = size * count;
    for (size_t i = 0; i < length; ++i) {
        char c = data[i];
        if (c != '\n') {
            if (c != '\r' && transfer.pendingLine.size() < 1000) {
                transfer.pendingLine += c;
            }
            continue;
        }
        std::string line;
        line.swap(transfer.pendingLine);
        int code = replyCode(line);
        // A reply's last line: its code and a blank (earlier ones have "-").
        if (code == 0 || (line.size() > 3 && line[3] != ' ')) {
            continue;
        }
        transfer.lastReply = line;
        transfer.replied = true;
        // A preliminary reply (1xx) leaves the command's verdict to come.
        transfer.awaitingReply = code / 100 == 1;
        if (!connection->greeted && code / 100 == 2) {
            connection->greeted = true;
            connection->exchangeGreeted = true;
        }
        if (code == 230) {
            connection->loggedIn = true;
            connection->exchangeLoggedIn = true;
        } else if (connection->loggedIn) {
            connection->sessionReady = true;
        }
        if (code / 100 == 1) {
            transfer.started = true;
        }
    }
    return length;
}

int CommunityConnection::onDebug(CURL*, curl_infotype type, char* data, size_t size,
                                 void* self) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    if (type == CURLINFO_HEADER_OUT) {
        // A command went out: its reply is now awaited.
        transfer.awaitingReply = true;
        return 0;
    }
    // The listing's bytes as they came, before libcurl made every carriage
    // return a line end (a listing always goes in ASCII type).
    if (type != CURLINFO_DATA_IN || !transfer.rawListing ||
        transfer.convertedBytesSeen || transfer.sinkStopped || size == 0) {
        return 0;
    }
    transfer.rawBytesSeen = true;
    if (transfer.sink && !transfer.sink(data, size)) {
        transfer.sinkStopped = true;
    }
    return 0;
}

size_t CommunityConnection::onReceive(char* data, size_t size, size_t count, void* self) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    size_t length = size * count;
    if (transfer.rawListing) {
        // The bytes went to the sink from onDebug; a libcurl that hands its
        // debug callback none gives the converted ones.
        if (transfer.rawBytesSeen) {
            return transfer.sinkStopped ? 0 : length;
        }
        transfer.convertedBytesSeen = true;
        if (transfer.sink && !transfer.sink(data, length)) {
            transfer.sinkStopped = true;
            return 0;
        }
        return length;
    }
    // ASCII mode: a line end arrives as CR LF (libcurl may have made it LF).
    std::string& text = transfer.received;
    text.clear();
    for (size_t i = 0; i < length; ++i) {
        char c = data[i];
        if (transfer.pendingReturn) {
            transfer.pendingReturn = false;
            if (c != '\n') {
                text += '\r';
            }
        }
        if (c == '\r') {
            transfer.pendingReturn = true;
        } else {
            text += c;
        }
    }
    if (!text.empty() && transfer.sink && !transfer.sink(text.data(), text.size())) {
        transfer.sinkStopped = true;
        return 0;
    }
    return length;
}

size_t CommunityConnection::onSend(char* buffer, size_t size, size_t count, void* self) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    FILE* file = transfer.upload;
    if (file == nullptr) {
        return 0;
    }
    // ASCII mode: libcurl sends each line end as CR LF.
    size_t length = fread(buffer, 1, size * count, file);
    if (length == 0 && ferror(file)) {
        transfer.localError = "the camera file could not be read";
        return CURL_READFUNC_ABORT;
    }
    return length;
}

int CommunityConnection::onProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t,
                                    curl_off_t uploaded) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    curl_off_t now = downloaded + uploaded;
    if (now != transfer.moved) {
        transfer.moved = now;
        transfer.movedAny = true;
        transfer.lastMove = Clock::now();
    }
    return connection->cancel->due() ? 1 : 0;
}

curl_socket_t CommunityConnection::onOpenSocket(void* self, curlsocktype,
                                                curl_sockaddr* address) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    transfer.openedSocket = true;
    // Before a reply in this transfer, the socket is a new control connection.
    if (!transfer.replied) {
        connection->greeted = false;
        connection->loggedIn = false;
        connection->sessionReady = false;
    }
    char host[INET6_ADDRSTRLEN] = "?";
    unsigned port = 0;
    if (address->family == AF_INET) {
        const sockaddr_in* in = reinterpret_cast<const sockaddr_in*>(&address->addr);
        inet_ntop(AF_INET, &in->sin_addr, host, sizeof(host));
        port = ntohs(in->sin_port);
    } else if (address->family == AF_INET6) {
        const sockaddr_in6* in = reinterpret_cast<const sockaddr_in6*>(&address->addr);
        inet_ntop(AF_INET6, &in->sin6_addr, host, sizeof(host));
        port = ntohs(in->sin6_port);
    }
    std::string where = std::string(host) + " port " + std::to_string(port);
    transfer.lastAddress = where;
    int type = address->socktype;
#ifdef SOCK_CLOEXEC
    // Not handed on to programs X-Plane starts.
    type |= SOCK_CLOEXEC;
#endif
    // None once the exchange is cut off.
    int descriptor = connection->cancel->openSocket(address->family, type, address->protocol);
    // Once the server has answered on this transfer's control connection, a
    // new socket is the data connection.
    if (descriptor >= 0 && transfer.replied && connection->greeted) {
        transfer.dataSocket = descriptor;
        transfer.dataOpen = true;
        transfer.dataAddress = where;
    }
    return descriptor >= 0 ? descriptor : CURL_SOCKET_BAD;
}

int CommunityConnection::onCloseSocket(void* self, curl_socket_t socket) {
    CommunityConnection* connection = static_cast<CommunityConnection*>(self);
    Transfer& transfer = connection->transfer;
    if (transfer.dataOpen && socket == transfer.dataSocket) {
        transfer.dataOpen = false;
        transfer.dataClosed = true;
        transfer.dataClosedAt = Clock::now();
    }
    return connection->cancel->closeSocket(socket);
}

CommunityConnection::Step CommunityConnection::failedStep() const {
    if (!exchangeGreeted) {
        return kConnecting;
    }
    return exchangeLoggedIn ? kTransferring : kLoggingIn;
}

bool CommunityConnection::failureIsReply() const {
    if (!transfer.localError.empty() || transfer.result == CURLE_OK) {
        return false;
    }
    switch (transfer.result) {
        // Ended here: by the cancel, by the sink, or for want of memory.
        case CURLE_ABORTED_BY_CALLBACK:
        case CURLE_WRITE_ERROR:
        case CURLE_READ_ERROR:
        case CURLE_OUT_OF_MEMORY:
        case CURLE_FAILED_INIT:
            return false;
        default:
            break;
    }
    // The server's last reply said no, and it answered the last command (or
    // was the greeting): nothing else was awaited when the transfer ended.
    // libcurl ends a transfer on a 421 as if a limit had run out.
    int code = replyCode(transfer.lastReply);
    return code >= 400 && code == transfer.responseCode && !transfer.awaitingReply;
}

bool CommunityConnection::fileRefused() const {
    return (transfer.result == CURLE_REMOTE_FILE_NOT_FOUND || transfer.result == CURLE_FTP_COULDNT_RETR_FILE) &&
           !transfer.started && failureIsReply() && replyCode(transfer.lastReply) != kClosingReply;
}

std::string CommunityConnection::limitText() const {
    int shorter = std::min(limits.connectSeconds, limits.replySeconds);
    if (!transfer.openedSocket && !greeted) {
        return formatted("the server's name could not be looked up within %d seconds",
                         limits.connectSeconds) +
               " (" + server + ")";
    }
    if (!greeted) {
        return transfer.controlConnected
                   ? formatted("the server did not answer within %d seconds", shorter)
                   : formatted("the server did not accept the connection within %d seconds",
                               limits.connectSeconds);
    }
    // libcurl closes the data connection as the transfer ends, whichever
    // way: one closed long before the end had taken the data whole, and the
    // server's verdict on it was awaited.
    bool verdictAwaited =
        transfer.dataClosed && transfer.ended - transfer.dataClosedAt >= std::chrono::milliseconds(limits.replySeconds * 500);
    if (transfer.started && verdictAwaited) {
        return formatted("the server did not confirm the transfer within %d seconds",
                         limits.replySeconds);
    }
    if (transfer.started && (transfer.dataOpen || transfer.dataClosed)) {
        // The transfer's data was under way: the low-speed limit.
        bool movedLately =
            transfer.movedAny && transfer.ended - transfer.lastMove < std::chrono::seconds(limits.quietSeconds);
        return formatted(movedLately ? "the transfer moved less than a byte a second for %d seconds"
                                     : "the transfer made no progress for %d seconds",
                         limits.quietSeconds);
    }
    int code = replyCode(transfer.lastReply);
    if (!transfer.awaitingReply && (code == 227 || code == 229)) {
        return formatted("the data connection to %s was not accepted within %d seconds",
                         transfer.dataAddress.empty() ? transfer.lastAddress : transfer.dataAddress, limits.connectSeconds);
    }
    // Until the session is set up, the connect limit runs too.
    return formatted("the server did not answer within %d seconds",
                     sessionReady ? limits.replySeconds : shorter);
}

std::string CommunityConnection::failureText() const {
    if (!transfer.localError.empty()) {
        return transfer.localError;
    }
    if (failureIsReply()) {
        return transfer.lastReply;
    }
    switch (transfer.result) {
        case CURLE_OPERATION_TIMEDOUT:
            return limitText();
        case CURLE_COULDNT_CONNECT:
            return std::string(greeted ? "the data connection to " : "the connection to ") +
                   transfer.lastAddress + " failed" +
                   (transfer.socketError != 0 ? std::string(": ") + strerror(static_cast<int>(transfer.socketError))
                                     : std::string());
        case CURLE_COULDNT_RESOLVE_HOST:
            return "the server's name could not be looked up (" + server + ")";
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
        case CURLE_WEIRD_SERVER_REPLY:
            return "the server cut the connection off";
        default:
            return std::string("the exchange failed: ") + curl->easyStrerror(transfer.result);
    }
}

std::string CommunityConnection::failure() const {
    std::string oneLine;
    for (char c : failureText()) {
        if (c != '\r' && c != '\n') {
            oneLine += c;
        }
    }
    if (!password.empty()) {
        for (size_t at = oneLine.find(password); at != std::string::npos;
             at = oneLine.find(password, at)) {
            oneLine.replace(at, password.size(), "***");
        }
    }
    return oneLine;
}

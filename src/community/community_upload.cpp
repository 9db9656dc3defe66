#include "community/community_upload.h"

#include <cstdio>

#include "shell/regular_file.h"

bool uploadCommunityFile(CommunityConnection* connection, const std::string& localPath,
                         const std::string& remotePath) {
    FILE* local = openRegularFileStream(localPath);
    if (local == nullptr) {
        return false;
    }
    netbuf* data = nullptr;
    if (!FtpAccess(remotePath.c_str(), FTPLIB_FILE_WRITE, FTPLIB_ASCII, connection->control,
                   &data)) {
        fclose(local);
        return false;
    }
    connection->lastBytes = 0;
    connection->quietSeconds = 0;
    bool sent = true;
    char chunk[8192];
    size_t length = 0;
    while (sent && (length = fread(chunk, 1, sizeof(chunk), local)) > 0) {
        sent = FtpWrite(chunk, static_cast<int>(length), data) == static_cast<int>(length);
    }
    sent = sent && !ferror(local);
    fclose(local);
    // Closing the data connection reads the server's verdict on the transfer.
    bool closed = FtpClose(data) == 1;
    return sent && closed && communityServerCompleted(*connection);
}

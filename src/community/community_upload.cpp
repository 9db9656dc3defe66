#include "community/community_upload.h"

#include <cstdio>

#include "shell/regular_file.h"

bool uploadCommunityFile(CommunityConnection* connection, const std::string& localPath,
                         const std::string& remotePath) {
    FILE* local = openRegularFileStream(localPath);
    if (local == nullptr) {
        return false;
    }
    netbuf* data = openCommunityData(connection, remotePath.c_str(), FTPLIB_FILE_WRITE);
    if (data == nullptr) {
        fclose(local);
        return false;
    }
    bool sent = true;
    char chunk[8192];
    size_t length = 0;
    while (sent && (length = fread(chunk, 1, sizeof(chunk), local)) > 0) {
        sent = writeCommunityData(connection, data, chunk, static_cast<int>(length));
    }
    sent = sent && !ferror(local);
    fclose(local);
    // Closing the data connection reads the server's verdict on the transfer.
    bool confirmed = closeCommunityData(connection, data);
    return sent && confirmed;
}

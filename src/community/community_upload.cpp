#include "community/community_upload.h"

#include <cstdio>

#include "shell/regular_file.h"

CommunityConnection::Outcome uploadCommunityFile(CommunityConnection* connection,
                                                 const std::string& localPath,
                                                 const std::string& remotePath,
                                                 std::string* localError) {
    FILE* local = openRegularFileStream(localPath);
    if (local == nullptr) {
        *localError = "the camera file could not be opened";
        return CommunityConnection::kFailed;
    }
    CommunityConnection::Outcome outcome = connection->sendFile(local, remotePath);
    fclose(local);
    return outcome;
}

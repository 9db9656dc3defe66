#include "community/share_worker.h"

#include "community/community_connection.h"
#include "community/community_file_names.h"
#include "community/community_server.h"
#include "community/community_upload.h"
#include "community/share_record.h"
#include "shell/broken_pipe_guard.h"

ShareOutcome runShareExchange(const ShareRequest& request, CommunityWatchdog* watchdog) {
    BrokenPipeGuard brokenPipeGuard;
    ShareOutcome outcome;
    CommunityConnection connection(watchdog);
    std::string remotePath = std::string(kCommunityFolder) + request.remoteName;
    if (!openCommunityConnection(&connection)) {
        outcome.reason = communityServerReply(connection);
        return outcome;
    }
    if (!loginCommunityConnection(&connection)) {
        outcome.step = ShareOutcome::kNotLoggedIn;
        outcome.reason = communityServerReply(connection);
        closeCommunityConnection(&connection);
        return outcome;
    }
    if (!uploadCommunityFile(&connection, request.localPath, remotePath)) {
        outcome.step = ShareOutcome::kNotSent;
        outcome.reason = communityServerReply(connection);
        // Whatever part of the file arrived must not be offered to others.
        deleteCommunityFile(&connection, remotePath);
        closeCommunityConnection(&connection);
        return outcome;
    }
    outcome.step = ShareOutcome::kShared;
    // The previous upload is removed only once the record names the new
    // one: otherwise the next share still finds and removes the old file.
    // Only a name that stays inside the community folder is ever deleted:
    // the record is a file anyone can edit.
    outcome.recordWritten = writeSharedCameraRecord(request.recordPath, request.recordDate,
                                                    request.version, request.remoteName);
    if (outcome.recordWritten && request.hadRecord &&
        isPlainCommunityFileName(request.previousName.c_str()) &&
        request.remoteName != request.previousName) {
        deleteCommunityFile(&connection, std::string(kCommunityFolder) + request.previousName);
    }
    closeCommunityConnection(&connection);
    return outcome;
}

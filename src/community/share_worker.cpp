#include "community/share_worker.h"

#include "community/community_connection.h"
#include "community/community_file_names.h"
#include "community/community_server.h"
#include "community/community_upload.h"
#include "community/share_record.h"
#include "shell/broken_pipe_guard.h"

ShareOutcome runShareExchange(const ShareRequest& request, const CurlCalls* curl,
                              CommunityCancel* cancel) {
    BrokenPipeGuard brokenPipeGuard;
    ShareOutcome outcome;
    CommunityConnection connection(curl, cancel);
    std::string remotePath = std::string(kCommunityFolder) + request.remoteName;
    std::string localError;
    // Connecting and logging in are the upload's first steps.
    CommunityConnection::Outcome sent =
        uploadCommunityFile(&connection, request.localPath, remotePath, &localError);
    if (sent != CommunityConnection::kDone) {
        if (!localError.empty()) {
            outcome.step = ShareOutcome::kNotSent;
            outcome.reason = localError;
            return outcome;
        }
        switch (connection.failedStep()) {
            case CommunityConnection::kConnecting:
                outcome.step = ShareOutcome::kNotConnected;
                break;
            case CommunityConnection::kLoggingIn:
                outcome.step = ShareOutcome::kNotLoggedIn;
                break;
            case CommunityConnection::kTransferring:
                outcome.step = ShareOutcome::kNotSent;
                break;
        }
        outcome.reason = connection.failure();
        outcome.reasonIsReply = connection.failureIsReply();
        if (outcome.step == ShareOutcome::kNotSent) {
            // Whatever part of the file arrived must not be offered to others.
            connection.deleteFile(remotePath);
        }
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
        connection.deleteFile(std::string(kCommunityFolder) + request.previousName);
    }
    return outcome;
}

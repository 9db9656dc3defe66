#include "community/share_worker.h"

#include "community/community_connection.h"
#include "community/community_file_names.h"
#include "community/community_server.h"
#include "community/community_upload.h"
#include "community/share_record.h"
#include "shell/broken_pipe_guard.h"

namespace {
enum class Removal {
    // Gone, or the server said why not: nothing more to do about it.
    kAnswered,
    // Not asked, or no answer: it may still be there.
    kUnknown,
};

// DELE of an upload; a refusal goes to the notes with the server's reply.
Removal removeUpload(CommunityConnection* connection, const std::string& name,
                     std::vector<std::string>* notes) {
    CommunityConnection::Outcome outcome =
        connection->deleteFile(std::string(kCommunityFolder) + name);
    if (outcome == CommunityConnection::kDone) {
        return Removal::kAnswered;
    }
    if (outcome == CommunityConnection::kFailed && connection->failureIsReply()) {
        notes->push_back("Unable to delete " + name +
                         " from the community server, error: " + connection->failure());
        return Removal::kAnswered;
    }
    return Removal::kUnknown;
}

// An upload that failed or was cancelled once the server had begun to take
// it: whatever part of it arrived must not be offered to others. Removed at
// once while the server still answers on its connection; otherwise named in
// the record, and the next share removes it. No new connection is made for
// it, and nothing waits on a server that went quiet.
void keepUploadAway(const ShareRequest& request, CommunityConnection* connection,
                    const CommunityCancel* cancel, ShareOutcome* outcome) {
    if (!cancel->requested() && connection->keepsConnection() &&
        removeUpload(connection, request.remoteName, &outcome->notes) == Removal::kAnswered) {
        return;
    }
    std::vector<std::string> leftovers = request.leftovers;
    leftovers.push_back(request.remoteName);
    // The record's lines stay as they are; only the names after them change.
    if (request.recordReadable &&
        writeSharedCameraRecordAfterHead(request.recordPath, request.recordHead, leftovers)) {
        outcome->notes.push_back("The upload " + request.remoteName +
                                 " may be on the community server; the next share removes it");
    } else {
        outcome->notes.push_back("Unable to create shared data file " + request.recordPath);
        outcome->notes.push_back("The upload " + request.remoteName +
                                 " may stay on the community server");
    }
}
}  // namespace

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
        } else {
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
        }
        // Only an upload the server began to take can be there.
        if (connection.transferStarted()) {
            keepUploadAway(request, &connection, cancel, &outcome);
        }
        return outcome;
    }
    outcome.step = ShareOutcome::kShared;
    // What earlier shares left on the server goes first: it was never meant
    // to be offered. What cannot be removed now stays named in the record.
    std::vector<std::string> leftovers;
    for (const std::string& name : request.leftovers) {
        if (name != request.remoteName &&
            removeUpload(&connection, name, &outcome.notes) == Removal::kUnknown) {
            leftovers.push_back(name);
        }
    }
    // The previous upload is removed only once the record names the new
    // one: otherwise the next share still finds and removes the old file.
    // Only a name that stays inside the community folder is ever deleted:
    // the record is a file anyone can edit.
    outcome.recordWritten = writeSharedCameraRecord(request.recordPath, request.recordDate,
                                                    request.version, request.remoteName,
                                                    leftovers);
    if (outcome.recordWritten && request.hadRecord &&
        isPlainCommunityFileName(request.previousName.c_str()) &&
        request.remoteName != request.previousName &&
        removeUpload(&connection, request.previousName, &outcome.notes) == Removal::kUnknown) {
        // Still offered; the next share asks again.
        leftovers.push_back(request.previousName);
        writeSharedCameraRecord(request.recordPath, request.recordDate, request.version,
                                request.remoteName, leftovers);
    }
    return outcome;
}

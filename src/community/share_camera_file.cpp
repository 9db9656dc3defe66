#include "community/share_camera_file.h"

#include <cinttypes>
#include <cstdio>
#include <memory>

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "community/community_curl.h"
#include "community/community_server.h"
#include "community/community_worker.h"
#include "community/share_record.h"
#include "community/share_worker.h"
#include "libwinkit/message_box.h"
#include "shell/log.h"
#include "shell/strings.h"

namespace {
const char* const kConnectError = "Unable to connect to the community file server";
const char* const kLoginError = "Unable to authenticate on the community file server";
const char* const kSendError = "Unable to send aircraft file to the community server";
const char* const kThanks =
    "Your camera file has been successfully submitted to the community server.\n\n"
    "\t\tThank you for your contribution.";

// A share from its start until it is reported. Its worker writes the
// outcome; the main thread reads it once the worker has been joined.
struct ShareJob {
    const CurlCalls* curl = nullptr;
    ShareRequest request;
    ShareOutcome outcome;
};

std::shared_ptr<ShareJob> job;
std::shared_ptr<CommunityWorker> jobWorker;

// The box, and the log lines saying why: the server's refusal with its
// reply, otherwise what happened.
void reportFailure(const char* message, const ShareOutcome& outcome) {
    msgBox("Error", message);
    logMsg(message);
    if (!outcome.reason.empty()) {
        sLogMsg(outcome.reasonIsReply ? "The community server replied: %s"
                                      : "The community server: %s",
                outcome.reason.c_str());
    }
}

// The log lines and the box of a share that was not cancelled.
void reportEnd(const ShareJob& ended) {
    const ShareOutcome& outcome = ended.outcome;
    switch (outcome.step) {
        case ShareOutcome::kNotConnected:
            reportFailure(kConnectError, outcome);
            break;
        case ShareOutcome::kNotLoggedIn:
            msgBox("Error", kLoginError);
            sLogMsg("%s, error: %s", kLoginError, outcome.reason.c_str());
            break;
        case ShareOutcome::kNotSent:
            reportFailure(kSendError, outcome);
            break;
        case ShareOutcome::kShared:
            if (!outcome.recordWritten) {
                sLogMsg("Unable to create shared data file %s", ended.request.recordPath.c_str());
            }
            msgBox("Thank You", kThanks);
            break;
    }
}

// How an ended share went, then what else its exchange did, on the main
// thread.
void report(const ShareJob& ended, bool cancelled) {
    const ShareOutcome& outcome = ended.outcome;
    if (outcome.step != ShareOutcome::kShared && cancelled) {
        logMsg("Sharing the camera file was canceled");
    } else {
        reportEnd(ended);
    }
    for (const std::string& note : outcome.notes) {
        logMsg(note.c_str());
    }
}
}  // namespace

std::string communityRemoteName(time_t now, const std::string& localPath, const char* version,
                                const std::string& cameraFileName) {
    char numbers[96];
    snprintf(numbers, sizeof(numbers), "%" PRIu64 "%" PRIu64 "%" PRIu64,
             static_cast<uint64_t>(now), static_cast<uint64_t>(hashString(localPath.c_str())),
             static_cast<uint64_t>(hashString(version)));
    return std::string(numbers) + "_" + cameraFileName;
}

void shareCameraFile() {
    // A share that has just ended is reported first.
    if (jobWorker != nullptr && jobWorker->finished()) {
        serviceCommunityWorkers();
    }
    if (job != nullptr) {
        return;
    }
    // What is uploaded is what the user sees; a file that could not be saved
    // would carry something else.
    if (saveCameras(false, false) != 1) {
        msgBox("Error", kSendError);
        sLogMsg("%s: the camera file could not be saved", kSendError);
        return;
    }
    std::string why;
    const CurlCalls* curl = loadCommunityCurl(&why);
    if (curl == nullptr) {
        msgBox("Error", kNoCurlMessage);
        logMsg(kNoCurlMessage);
        sLogMsg("libcurl: %s", why.c_str());
        return;
    }
    std::shared_ptr<ShareJob> starting = std::make_shared<ShareJob>();
    starting->curl = curl;
    ShareRequest& request = starting->request;
    request.localPath = getAircraftCameraFilePath();
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    request.version = active != nullptr ? active->properties.fileVersion : "";
    request.remoteName = communityRemoteName(time(nullptr), request.localPath,
                                             request.version.c_str(), getAircraftCameraFileName());
    char recordPath[2000];
    request.recordPath = getSharedCameraFilePath(recordPath);
    request.recordDate = getDateTime();
    SharedCameraInfo* previous = getSharedCameraInfo();
    request.hadRecord = previous->valid != 0;
    request.previousName = previous->fileName;
    request.recordReadable = readSharedCameraRecordHead(request.recordPath, &request.recordHead);
    request.leftovers = readSharedCameraLeftovers(request.recordPath);
    std::string error;
    // The box comes when it ends, whatever window is open.
    serviceCommunityWorkersEachFrame();
    std::shared_ptr<CommunityWorker> worker = CommunityWorker::start(
        [starting](CommunityWorker& self) {
            starting->outcome =
                runShareExchange(starting->request, starting->curl, self.exchange());
        },
        [starting](CommunityWorker& self) {
            if (job == starting) {
                job = nullptr;
                jobWorker = nullptr;
            }
            report(*starting, self.cancelRequested());
        },
        &error);
    if (worker == nullptr) {
        msgBox("Error", kSendError);
        sLogMsg("%s: %s", kSendError, error.c_str());
        return;
    }
    job = starting;
    jobWorker = worker;
}

bool isSharingCameraFile() { return job != nullptr; }

void cancelSharingCameraFile() {
    if (jobWorker != nullptr) {
        jobWorker->requestCancel();
    }
}

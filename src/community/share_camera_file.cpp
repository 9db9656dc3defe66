#include "community/share_camera_file.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "community/community_connection.h"
#include "community/community_server.h"
#include "community/community_upload.h"
#include "community/share_record.h"
#include "libwinkit/message_box.h"
#include "shell/broken_pipe_guard.h"
#include "shell/log.h"
#include "shell/strings.h"

namespace {
const char* const kConnectError = "Unable to connect to the community file server";
const char* const kLoginError = "Unable to authenticate on the community file server";
const char* const kSendError = "Unable to send aircraft file to the community server";
const char* const kThanks =
    "Your camera file has been successfully submitted to the community server.\n\n"
    "\t\tThank you for your contribution.";

// Only a name that stays inside the community folder is ever deleted: the
// record is a file anyone can edit.
bool isPlainFileName(const char* name) {
    if (name[0] == 0 || strcmp(name, ".") == 0 || strcmp(name, "..") == 0) {
        return false;
    }
    for (const char* c = name; *c != 0; ++c) {
        if (*c == '/' || *c == '\\' || static_cast<unsigned char>(*c) < 0x20 || *c == 0x7f) {
            return false;
        }
    }
    return true;
}

void failUpload(CommunityConnection* connection, const std::string& remotePath) {
    std::string reply = communityServerReply(*connection);
    msgBox("Error", kSendError);
    logMsg(kSendError);
    if (!reply.empty()) {
        sLogMsg("The community server replied: %s", reply.c_str());
    }
    // Whatever part of the file arrived must not be offered to others.
    FtpDelete(remotePath.c_str(), connection->control);
    closeCommunityConnection(connection);
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
    // What is uploaded is what the user sees; a file that could not be saved
    // would carry something else.
    if (saveCameras(false, false) != 1) {
        msgBox("Error", kSendError);
        sLogMsg("%s: the camera file could not be saved", kSendError);
        return;
    }
    std::string localPath = getAircraftCameraFilePath();
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    std::string version = active != nullptr ? active->properties.fileVersion : "";
    std::string remoteName =
        communityRemoteName(time(nullptr), localPath, version.c_str(), getAircraftCameraFileName());
    std::string remotePath = std::string(kCommunityFolder) + remoteName;

    BrokenPipeGuard brokenPipeGuard;
    CommunityConnection connection;
    if (!openCommunityConnection(&connection)) {
        msgBox("Error", kConnectError);
        logMsg(kConnectError);
        return;
    }
    if (!loginCommunityConnection(&connection)) {
        msgBox("Error", kLoginError);
        sLogMsg("%s, error: %s", kLoginError, communityServerReply(connection).c_str());
        closeCommunityConnection(&connection);
        return;
    }
    if (!uploadCommunityFile(&connection, localPath, remotePath)) {
        failUpload(&connection, remotePath);
        return;
    }
    // The previous upload is removed only once the record names the new
    // one: otherwise the next share still finds and removes the old file.
    SharedCameraInfo previous = *getSharedCameraInfo();
    if (saveSharedCameraInfo(version.c_str(), remoteName.c_str()) && previous.valid &&
        isPlainFileName(previous.fileName) && remoteName != previous.fileName) {
        std::string previousPath = std::string(kCommunityFolder) + previous.fileName;
        FtpDelete(previousPath.c_str(), connection.control);
    }
    closeCommunityConnection(&connection);
    msgBox("Thank You", kThanks);
}

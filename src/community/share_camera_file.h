// Giving the aircraft's camera file to the community: saved, uploaded under a
// name of its own, the same user's previous upload of it removed, and the
// upload remembered in the sharing record. The file is saved on the main
// thread; the exchange with the server runs on a worker (share_worker.h,
// community_worker.h), so no frame waits for the server, and the user learns
// the outcome from a message box once the worker has been joined.
#pragma once

#include <ctime>
#include <string>

// Starts a share unless one runs.
void shareCameraFile();
// A share runs, or ends and is not reported yet (the share dialog says it is
// sharing).
bool isSharingCameraFile();
// Asks a running share to end and returns at once (the dialog's Cancel,
// disable, stop): the frames cut it off once its grace has gone by, and join
// it. What it already did stays done.
void cancelSharingCameraFile();

// The name an upload gets on the server: the time in seconds, the hashes of
// the local path and of the version, then "_" and the camera file's name.
std::string communityRemoteName(time_t now, const std::string& localPath, const char* version,
                                const std::string& cameraFileName);

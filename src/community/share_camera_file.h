// Giving the aircraft's camera file to the community: saved, uploaded under a
// name of its own, the same user's previous upload of it removed, and the
// upload remembered in the sharing record. Runs on the main thread and holds
// the frame until the exchange ends (the connect is bounded, see
// community_connection.h). The user learns the outcome from a message box.
#pragma once

#include <ctime>
#include <string>

void shareCameraFile();

// The name an upload gets on the server: the time in seconds, the hashes of
// the local path and of the version, then "_" and the camera file's name.
std::string communityRemoteName(time_t now, const std::string& localPath, const char* version,
                                const std::string& cameraFileName);

// The sharing record beside the aircraft's camera file ("Ovilux_NAME.shr"):
// when the file was last shared, the version it was shared as and the name
// it has on the community server, one line each.
#pragma once

#include <string>

struct SharedCameraInfo {
    int valid;  // 1 when the record could be opened
    char date[2000];
    char version[2000];
    char fileName[2000];
};

// The record's path into out (room for 2000); empty when there is no user
// aircraft. Returns out.
char* getSharedCameraFilePath(char* out);
// Replaces the record through a temporary file and a rename; false (and a log
// line) when it could not be written, the old record then stays as it was.
bool saveSharedCameraInfo(const char* version, const char* remoteName);
// The same from any thread, with the path and the date given and no log line.
bool writeSharedCameraRecord(const std::string& path, const std::string& date,
                             const std::string& version, const std::string& remoteName);
// Reads the record into the one static instance and returns it.
SharedCameraInfo* getSharedCameraInfo();

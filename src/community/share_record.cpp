#include "community/share_record.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cameras/files/camera_file.h"
#include "community/community_file_names.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/regular_file.h"

namespace {
const size_t kRecordPathRoom = 2000;
SharedCameraInfo sharedCameraInfo;

// One line without its line end (a record edited on Windows keeps none of
// its CR either), cut to fit the field; false at the end of the file.
bool readRecordLine(FILE* file, char* field) {
    std::string line;
    int c = 0;
    while ((c = fgetc(file)) != EOF && c != '\n') {
        line += static_cast<char>(c);
    }
    if (line.empty() && c == EOF) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    snprintf(field, sizeof(SharedCameraInfo::date), "%s", line.c_str());
    return true;
}
}  // namespace

char* getSharedCameraFilePath(char* out) {
    out[0] = 0;
    std::string cameraFile = getAircraftCameraFilePath();
    const std::string csv = ".csv";
    if (cameraFile.size() <= csv.size() || cameraFile.size() >= kRecordPathRoom) {
        return out;
    }
    std::string record = cameraFile.substr(0, cameraFile.size() - csv.size()) + ".shr";
    snprintf(out, kRecordPathRoom, "%s", record.c_str());
    return out;
}

bool writeSharedCameraRecord(const std::string& path, const std::string& date,
                             const std::string& version, const std::string& remoteName,
                             const std::vector<std::string>& leftovers) {
    std::string contents = date + "\n" + version + "\n" + remoteName + "\n";
    size_t first = leftovers.size() > kMaxSharedLeftovers ? leftovers.size() - kMaxSharedLeftovers : 0;
    for (size_t i = first; i < leftovers.size(); ++i) {
        contents += leftovers[i] + "\n";
    }
    return !path.empty() && replaceFileContents(path, contents);
}

std::vector<std::string> readSharedCameraLeftovers(const std::string& path) {
    std::vector<std::string> leftovers;
    FILE* file = path.empty() ? nullptr : openRegularFileStream(path);
    if (file == nullptr) {
        return leftovers;
    }
    char line[sizeof(SharedCameraInfo::fileName)];
    for (int skipped = 0; skipped < 3 && readRecordLine(file, line); ++skipped) {
    }
    while (leftovers.size() < kMaxSharedLeftovers && readRecordLine(file, line)) {
        // Only a name that stays inside the community folder is ever deleted:
        // the record is a file anyone can edit.
        if (isPlainCommunityFileName(line)) {
            leftovers.push_back(line);
        }
    }
    fclose(file);
    return leftovers;
}

bool saveSharedCameraInfo(const char* version, const char* remoteName) {
    char path[kRecordPathRoom];
    getSharedCameraFilePath(path);
    if (!writeSharedCameraRecord(path, getDateTime(), version, remoteName)) {
        sLogMsg("Unable to create shared data file %s", path);
        return false;
    }
    return true;
}

SharedCameraInfo* getSharedCameraInfo() {
    SharedCameraInfo* info = &sharedCameraInfo;
    info->valid = 0;
    info->date[0] = info->version[0] = info->fileName[0] = 0;
    char path[kRecordPathRoom];
    getSharedCameraFilePath(path);
    FILE* file = path[0] != 0 ? openRegularFileStream(path) : nullptr;
    if (file == nullptr) {
        return info;
    }
    if (!readRecordLine(file, info->date)) {
        sLogMsg("Unable to read shared date from %s", path);
    }
    if (!readRecordLine(file, info->version)) {
        sLogMsg("Unable to read shared version number from %s", path);
    }
    if (!readRecordLine(file, info->fileName)) {
        sLogMsg("Unable to read shared file name from %s", path);
    }
    fclose(file);
    info->valid = 1;
    return info;
}

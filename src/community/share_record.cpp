#include "community/share_record.h"

#include <algorithm>
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
// Far more than three lines and the uploads' names ever take.
const size_t kMaxRecordBytes = 4 * 1024 * 1024;
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

namespace {
// The names after the three lines, the last kMaxSharedLeftovers of them.
std::string leftoverLines(const std::vector<std::string>& leftovers) {
    std::string lines;
    size_t first = leftovers.size() > kMaxSharedLeftovers ? leftovers.size() - kMaxSharedLeftovers : 0;
    for (size_t i = first; i < leftovers.size(); ++i) {
        lines += leftovers[i] + "\n";
    }
    return lines;
}

// Where the record's fourth line begins (its size when it has fewer lines).
size_t afterThirdLine(const std::string& bytes) {
    size_t end = 0;
    for (int line = 0; line < 3 && end < bytes.size(); ++line) {
        size_t at = bytes.find('\n', end);
        end = at == std::string::npos ? bytes.size() : at + 1;
    }
    return end;
}

// The record's bytes ("" when there is none); false when one is there but
// cannot be read.
bool readRecordBytes(const std::string& path, std::string* bytes) {
    bytes->clear();
    if (path.empty()) {
        return true;
    }
    return readRegularFile(path, kMaxRecordBytes, bytes) || errno == ENOENT;
}
}  // namespace

bool writeSharedCameraRecord(const std::string& path, const std::string& date,
                             const std::string& version, const std::string& remoteName,
                             const std::vector<std::string>& leftovers) {
    std::string contents = date + "\n" + version + "\n" + remoteName + "\n";
    return !path.empty() && replaceFileContents(path, contents + leftoverLines(leftovers));
}

bool readSharedCameraRecordHead(const std::string& path, std::string* head) {
    if (!readRecordBytes(path, head)) {
        return false;
    }
    head->resize(afterThirdLine(*head));
    return true;
}

bool writeSharedCameraRecordAfterHead(const std::string& path, const std::string& head,
                                      const std::vector<std::string>& leftovers) {
    std::string contents = head.substr(0, afterThirdLine(head));
    if (!contents.empty() && contents.back() != '\n') {
        contents += '\n';
    }
    for (size_t lines = std::count(contents.begin(), contents.end(), '\n'); lines < 3; ++lines) {
        contents += '\n';
    }
    return !path.empty() && replaceFileContents(path, contents + leftoverLines(leftovers));
}

std::vector<std::string> readSharedCameraLeftovers(const std::string& path) {
    std::vector<std::string> leftovers;
    std::string bytes;
    if (!readRecordBytes(path, &bytes)) {
        return leftovers;
    }
    size_t start = afterThirdLine(bytes);
    while (start < bytes.size() && leftovers.size() < kMaxSharedLeftovers) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string name = bytes.substr(start, end - start);
        if (!name.empty() && name.back() == '\r') {
            name.pop_back();
        }
        // Only a name that stays inside the community folder is ever deleted:
        // the record is a file anyone can edit, and a zero byte would cut the
        // name to another's.
        if (name.find('\0') == std::string::npos && isPlainCommunityFileName(name.c_str())) {
            leftovers.push_back(name);
        }
        start = end + 1;
    }
    return leftovers;
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

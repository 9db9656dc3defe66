#include "cameras/targets/targets.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "cameras/files/camera_file_lines.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "libwinkit/message_box.h"
#include "shell/c_locale.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/plugin_path.h"
#include "shell/regular_file.h"
#include "shell/strings.h"
#include "shell/value_ranges.h"

namespace {
const int kTargetFields = 5;
const char* kHeader = "Name, Date, Latitude, Longitude, Elevation in Meters\n";

// Why the file on disk may not be replaced: empty after a read that took in
// every line. Replacing it otherwise would drop what was not read.
std::string keptBecause;

int splitFields(char* line, char** fields, int room) {
    int count = 0;
    char* save = nullptr;
    for (char* field = strtok_r(line, ",", &save); field != nullptr && count < room;
         field = strtok_r(nullptr, ",", &save)) {
        fields[count++] = field;
    }
    return count;
}

bool isHeader(char** fields) {
    return strcasecmp(trimWhiteSpace(fields[0]), "Name") == 0 &&
           strcasecmp(trimWhiteSpace(fields[1]), "Date") == 0;
}

bool parseNumber(const char* text, double* out) {
    char* end = nullptr;
    double value = strtod(text, &end);
    if (end == text) {
        return false;
    }
    *out = value;
    return true;
}

std::string unreadLine(int number, const char* reason) {
    char text[128];
    snprintf(text, sizeof(text), ", line %d cannot be read (%s)", number, reason);
    return text;
}

// Reads every line it can; the result names the first line that gave no
// target, or is empty.
std::string readLines(FILE* file, const std::string& path) {
    CLocaleScope numbers;
    CameraFileLines lines(file);
    char* fields[kTargetFields + 1];
    std::string firstUnread;
    char reason[64];
    for (int number = 1;; ++number) {
        char* line = nullptr;
        CameraFileLine status = lines.next(&line);
        if (status == CameraFileLine::End) {
            return firstUnread;
        }
        if (status == CameraFileLine::TooLong) {
            snprintf(reason, sizeof(reason), "longer than %d characters", kMaxCameraFileLine);
            sLogMsg("Skipped line %d of target file %s: %s", number, path.c_str(), reason);
            if (firstUnread.empty()) {
                firstUnread = unreadLine(number, reason);
            }
            continue;
        }
        // A line of blanks is as empty as one without any.
        int count = isBlankText(line) ? 0 : splitFields(line, fields, kTargetFields + 1);
        if (count == 0) {
            continue;
        }
        if (count < kTargetFields) {
            logMsg("The target file does not have the minimum number of target parameters");
            // Nothing after it is read either.
            snprintf(reason, sizeof(reason), "fewer than %d fields", kTargetFields);
            return firstUnread.empty() ? unreadLine(number, reason) : firstUnread;
        }
        if (isHeader(fields)) {
            continue;
        }
        if (!addTarget(fields, kTargetFields)) {
            logMsg("Unexpected error reading target parameters");
            if (firstUnread.empty()) {
                firstUnread = unreadLine(number, "not a valid target");
            }
        }
    }
}

// Empty when a target's position is not finite: the file keeps what it holds.
std::string targetFileText() {
    CLocaleScope numbers;
    std::string text = kHeader;
    char line[kCameraFileLineBuffer];
    for (int row = 0; row < kTargetGridRows; ++row) {
        for (int column = 0; column < kTargetGridColumns; ++column) {
            for (Target* t = getTargetBucket(row, column); t != nullptr; t = t->next) {
                if (!std::isfinite(t->latitude) || !std::isfinite(t->longitude) ||
                    !std::isfinite(t->elevation)) {
                    sLogMsg("Target %s has a position that is not a finite number", t->name);
                    return std::string();
                }
                snprintf(line, sizeof(line), "%s,%s,%lf,%lf,%lf\n", t->name, t->date, t->latitude,
                         t->longitude, t->elevation);
                text += line;
            }
        }
    }
    return text;
}

// The reason follows the path: ", line N cannot be read (...)" or " (...)".
void reportUnwritable(const std::string& path, const std::string& reason) {
    sLogMsg("Unable to write target file: %s%s", path.c_str(), reason.c_str());
    sMsgBox("Error", "Unable to write target file: %s%s", path.c_str(), reason.c_str());
}
}  // namespace

std::string getTargetFilePath() { return getPluginPathString() + "MyTargets/MyTargets.csv"; }

void readTargets() {
    freeTargets();
    resetNearTargets();
    if (!hasPluginFolder()) {
        return;
    }
    std::string path = getTargetFilePath();
    FILE* file = openRegularFileStream(path);
    if (file == nullptr) {
        int error = errno;
        if (error == ENOENT) {
            sLogMsg("Unable to read target file: %s, a new one will be created", path.c_str());
            // A fresh installation has no "MyTargets" folder yet.
            makePluginSubfolder("MyTargets");
            keptBecause.clear();
            saveTargets();
        } else {
            sLogMsg("Unable to read target file: %s (%s); it is left as it is", path.c_str(),
                    describeReadError(error));
            keptBecause = std::string(", it cannot be read (") + describeReadError(error) + ")";
        }
        return;
    }
    keptBecause = readLines(file, path);
    if (ferror(file) != 0) {
        int error = errno;
        sLogMsg("Unable to read target file: %s (%s); it is left as it is", path.c_str(),
                describeReadError(error));
        keptBecause = std::string(", it cannot be read (") + describeReadError(error) + ")";
    }
    fclose(file);
}

int addTarget(char** fields, int count) {
    if (count < kTargetFields) {
        return 0;
    }
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    if (!parseNumber(fields[2], &latitude) || !parseNumber(fields[3], &longitude)) {
        return 0;
    }
    const char* name = fields[0];
    NumberRead elevationRead = readDoubleInRange(fields[4], ValueKind::Elevation, &elevation);
    if (elevationRead == NumberRead::NotANumber) {
        return 0;
    }
    if (elevationRead == NumberRead::Refused) {
        const ValueRange& range = valueRange(ValueKind::Elevation);
        sLogMsg("Target %s was not stored, its elevation %.40s lies outside %g to %g", name,
                fields[4], range.min, range.max);
        return 0;
    }
    if (!isValidLatitude(latitude)) {
        sLogMsg("Invalid Latitude detected while reading Target %s, Latitude: %lf Longitude: %lf "
                "Elevation: %lf",
                name, latitude, longitude, elevation);
        return 0;
    }
    if (!isValidLongitude(longitude)) {
        sLogMsg("Invalid Longitude detected while reading Target %s, Latitude: %lf Longitude: %lf "
                "Elevation: %lf",
                name, latitude, longitude, elevation);
        return 0;
    }
    return insertTarget(name, fields[1], latitude, longitude, elevation, TargetFixedPoint);
}

int saveTargets() {
    if (!hasPluginFolder()) {
        return 0;
    }
    std::string path = getTargetFilePath();
    if (!keptBecause.empty()) {
        reportUnwritable(path, keptBecause);
        return 0;
    }
    std::string text = targetFileText();
    if (text.empty()) {
        reportUnwritable(path, " (a target holds a number that is not finite)");
        return 0;
    }
    if (!replaceFileContents(path, text)) {
        reportUnwritable(path, std::string(" (") + strerror(errno) + ")");
        return 0;
    }
    return 1;
}

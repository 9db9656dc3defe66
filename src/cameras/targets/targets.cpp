#include "cameras/targets/targets.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>

#include "cameras/files/camera_file_lines.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "libwinkit/message_box.h"
#include "shell/c_locale.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/plugin_path.h"
#include "shell/strings.h"
#include "shell/value_ranges.h"

namespace {
const int kTargetFields = 5;
const char* kHeader = "Name, Date, Latitude, Longitude, Elevation in Meters\n";

// False after a read that did not take in the whole file: replacing the file
// then would drop the targets it could not read.
bool fileReadWhole = true;

int splitFields(char* line, char** fields, int room) {
    int count = 0;
    char* save = nullptr;
    for (char* field = strtok_r(line, ",", &save); field != nullptr && count < room;
         field = strtok_r(nullptr, ",", &save)) {
        fields[count++] = field;
    }
    return count;
}

bool isBlankLine(const char* line) {
    for (; *line != 0; ++line) {
        if (!isspace(static_cast<unsigned char>(*line))) {
            return false;
        }
    }
    return true;
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

enum class ReadOutcome { Whole, Stopped };

ReadOutcome readLines(FILE* file) {
    CLocaleScope numbers;
    char line[kCameraFileLineBuffer];
    char* fields[kTargetFields + 1];
    for (;;) {
        CameraFileLine status = readCameraFileLine(file, line);
        if (status == CameraFileLine::End) {
            return ReadOutcome::Whole;
        }
        if (status == CameraFileLine::TooLong) {
            sLogMsg("Skipped a target file line longer than %d characters", kMaxCameraFileLine);
            continue;
        }
        // A line of blanks is as empty as one without any.
        int count = isBlankLine(line) ? 0 : splitFields(line, fields, kTargetFields + 1);
        if (count == 0) {
            continue;
        }
        if (count < kTargetFields) {
            logMsg("The target file does not have the minimum number of target parameters");
            return ReadOutcome::Stopped;
        }
        if (isHeader(fields)) {
            continue;
        }
        if (!addTarget(fields, kTargetFields)) {
            logMsg("Unexpected error reading target parameters");
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

void reportUnwritable(const std::string& path) {
    sLogMsg("Unable to write target file: %s", path.c_str());
    sMsgBox("Error", "Unable to write target file: %s", path.c_str());
}
}  // namespace

std::string getTargetFilePath() { return getPluginPathString() + "MyTargets/MyTargets.csv"; }

void readTargets() {
    freeTargets();
    resetNearTargets();
    std::string path = getTargetFilePath();
    FILE* file = fopen(path.c_str(), "r");
    if (file == nullptr) {
        int error = errno;
        if (error == ENOENT) {
            sLogMsg("Unable to read target file: %s, a new one will be created", path.c_str());
            // A fresh installation has no "MyTargets" folder yet.
            mkdir((getPluginPathString() + "MyTargets").c_str(), 0755);
            fileReadWhole = true;
            saveTargets();
        } else {
            sLogMsg("Unable to read target file: %s (%s); it is left as it is", path.c_str(),
                    strerror(error));
            fileReadWhole = false;
        }
        return;
    }
    fileReadWhole = readLines(file) == ReadOutcome::Whole;
    if (ferror(file) != 0) {
        sLogMsg("Unable to read target file: %s; it is left as it is", path.c_str());
        fileReadWhole = false;
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
    std::string path = getTargetFilePath();
    if (!fileReadWhole) {
        sLogMsg("The target file %s was not read whole, so it is not replaced", path.c_str());
        reportUnwritable(path);
        return 0;
    }
    std::string text = targetFileText();
    if (text.empty() || !replaceFileContents(path, text)) {
        reportUnwritable(path);
        return 0;
    }
    return 1;
}

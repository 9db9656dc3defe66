#include "community/community_file_properties.h"

#include <climits>
#include <cstdio>
#include <strings.h>

#include "cameras/files/camera_file_lines.h"
#include "cameras/files/camera_file_rows.h"
#include "shell/c_locale.h"
#include "shell/log.h"
#include "shell/regular_file.h"

namespace {
// A row holds 70 columns; more are never looked at.
const int kMaxFieldsLooked = 200;

// The file-level columns a camera row carries (see camera_columns.cpp).
const int kVersionColumn = 41;
const int kDefaultFovColumn = 42;
const int kAircraftColumn = 43;
const int kAuthorColumn = 44;
const int kFileVersionColumn = 45;
const int kCategoryIndexColumn = 46;

const int kMaxPropertyText = 39;
const int kMaxAircraftText = 40;

// As the row has it, blanks included, cut to limit characters.
void copyField(char* property, size_t size, const char* field, int limit) {
    snprintf(property, size, "%.*s", limit, field);
}
}  // namespace

void parseCameraFileProperties(GlobalCameraFileNameEntry* entry, char** fields, int count) {
    CameraFileProperty& properties = entry->properties;
    ++properties.numberOfCameras;
    if (count > kVersionColumn) {
        copyField(properties.oviluxVersion, sizeof(properties.oviluxVersion),
                  fields[kVersionColumn], kMaxPropertyText);
    }
    if (count > kDefaultFovColumn) {
        // A value that is no finite number leaves the one before.
        parseFloatC(fields[kDefaultFovColumn], &properties.defaultFov);
    }
    if (count > kAircraftColumn) {
        copyField(properties.aircraft, sizeof(properties.aircraft), fields[kAircraftColumn],
                  kMaxAircraftText);
    }
    if (count > kAuthorColumn) {
        copyField(properties.author, sizeof(properties.author), fields[kAuthorColumn],
                  kMaxPropertyText);
    }
    if (count > kFileVersionColumn) {
        copyField(properties.fileVersion, sizeof(properties.fileVersion),
                  fields[kFileVersionColumn], kMaxPropertyText);
    }
    int index = 0;
    // Negative or overflowing indices say nothing about the number of
    // categories; the count must not wrap.
    if (count > kCategoryIndexColumn && parseIntC(fields[kCategoryIndexColumn], &index) &&
        index >= 0 && index < INT_MAX && index + 1 > properties.numberOfCategories) {
        properties.numberOfCategories = index + 1;
    }
}

void readAircraftFileProperties(GlobalCameraFileNameEntry* entry) {
    FILE* file = openRegularFileStream(entry->path);
    if (file == nullptr) {
        sLogMsg("Unable to read %s", entry->path);
        return;
    }
    // A file without camera rows still has its one category.
    entry->properties.numberOfCategories = 1;
    entry->properties.numberOfCameras = 0;
    CameraFileLines lines(file);
    char* fields[kMaxFieldsLooked];
    for (;;) {
        char* line = nullptr;
        CameraFileLine status = lines.next(&line);
        if (status == CameraFileLine::End) {
            break;
        }
        if (status == CameraFileLine::TooLong) {
            continue;
        }
        int count = 0;
        CameraFileRow row = splitCameraFileRow(line, fields, kMaxFieldsLooked, &count);
        if (row == CameraFileRow::TooShort) {
            // The camera-file reader refuses the whole file at this row: an
            // import brings no camera of it.
            entry->properties.numberOfCategories = 1;
            entry->properties.numberOfCameras = 0;
            break;
        }
        if (row != CameraFileRow::Camera) {
            continue;
        }
        parseCameraFileProperties(entry, fields,
                                  count < kMaxFieldsLooked ? count : kMaxFieldsLooked);
    }
    fclose(file);
}

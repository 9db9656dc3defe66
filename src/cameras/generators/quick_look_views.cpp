#include "cameras/generators/quick_look_views.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_lines.h"
#include "shell/c_locale.h"
#include "shell/log.h"
#include "shell/regular_file.h"
#include "shell/value_ranges.h"

namespace {
QuickLookView quickLookViews[kMaxQuickLookViews];

const char* const kKeptTypes[] = {"v_3dc", "v_cir", "v_cha", "v_rid"};

struct NumberKey {
    const char* key;
    float QuickLookView::*field;
    ValueKind range;
};

// In the order they are tested, after the view type.
const NumberKey kNumberKeys[] = {
    {"_iql_pe_x_", &QuickLookView::pe_x, ValueKind::Offset},
    {"_iql_pe_y_", &QuickLookView::pe_y, ValueKind::Offset},
    {"_iql_pe_z_", &QuickLookView::pe_z, ValueKind::Offset},
    {"_iql_look_os_psi_", &QuickLookView::look_os_psi, ValueKind::Angle},
    {"_iql_look_os_the_", &QuickLookView::look_os_the, ValueKind::Angle},
    {"_iql_circ_psi_", &QuickLookView::circ_psi, ValueKind::Angle},
    {"_iql_circ_the_", &QuickLookView::circ_the, ValueKind::Angle},
    {"_iql_circ_dis_", &QuickLookView::circ_dis, ValueKind::Offset},
};

const char* kViewTypeKey = "_iql_view_type_";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isKeptType(const std::string& type) {
    for (const char* kept : kKeptTypes) {
        if (type == kept) {
            return true;
        }
    }
    return false;
}

// The whole digit run after the key, then the word after the blank.
bool splitIndexAndWord(const char* line, const char* key, int* number, std::string* word) {
    const char* at = strstr(line, key);
    if (at == nullptr) {
        return false;
    }
    const char* digits = at + strlen(key);
    const char* c = digits;
    int value = 0;
    while (isdigit(static_cast<unsigned char>(*c))) {
        value = value * 10 + (*c - '0');
        if (value >= kMaxQuickLookViews) {
            return false;
        }
        ++c;
    }
    if (c == digits || !isBlank(*c)) {
        return false;
    }
    while (isBlank(*c)) {
        ++c;
    }
    const char* end = c;
    while (*end != 0 && !isspace(static_cast<unsigned char>(*end))) {
        ++end;
    }
    if (end == c) {
        return false;
    }
    *number = value;
    word->assign(c, end);
    return true;
}
}  // namespace

std::string getAircraftPrefsFilePath() {
    std::string cameraFile = getAircraftCameraFilePath();
    size_t slash = cameraFile.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return cameraFile.substr(0, slash + 1) + getAircraftName() + "_prefs.txt";
}

bool parseQuickLookIndexValue(const char* line, const char* key, int* number, std::string* text) {
    return splitIndexAndWord(line, key, number, text);
}

bool parseQuickLookIndexValue(const char* line, const char* key, int* number, float* value) {
    std::string word;
    int index = 0;
    if (!splitIndexAndWord(line, key, &index, &word) || !parseFloatC(word.c_str(), value)) {
        return false;
    }
    *number = index;
    return true;
}

void parseQuickLookView(const char* line) {
    int number = 0;
    if (strstr(line, kViewTypeKey) != nullptr) {
        std::string type;
        if (parseQuickLookIndexValue(line, kViewTypeKey, &number, &type) && isKeptType(type)) {
            quickLookViews[number].viewType = type;
        }
        return;
    }
    for (const NumberKey& entry : kNumberKeys) {
        if (strstr(line, entry.key) != nullptr) {
            float value = 0;
            if (!parseQuickLookIndexValue(line, entry.key, &number, &value)) {
                return;
            }
            if (!isInRange(entry.range, value)) {
                const ValueRange& range = valueRange(entry.range);
                sLogMsg("Quick look %d: %s%d %g refused, outside %g to %g", number, entry.key,
                        number, value, range.min, range.max);
                return;
            }
            quickLookViews[number].*entry.field = value;
            return;
        }
    }
}

int readQuickLookViewsFrom(const std::string& path) {
    for (QuickLookView& view : quickLookViews) {
        view = QuickLookView();
    }
    FILE* file = openRegularFileStream(path);
    if (file == nullptr) {
        sLogMsg("Unable to read %s (%s)", path.c_str(), describeReadError(errno));
        return 0;
    }
    CameraFileLines lines(file);
    for (;;) {
        char* line = nullptr;
        CameraFileLine status = lines.next(&line);
        if (status == CameraFileLine::End) {
            break;
        }
        if (status == CameraFileLine::Read) {
            parseQuickLookView(line);
        }
    }
    fclose(file);
    int inUse = 0;
    for (const QuickLookView& view : quickLookViews) {
        if (!view.viewType.empty()) {
            ++inUse;
        }
    }
    return inUse;
}

const QuickLookView* getQuickLookView(int number) {
    return number >= 0 && number < kMaxQuickLookViews ? &quickLookViews[number] : nullptr;
}

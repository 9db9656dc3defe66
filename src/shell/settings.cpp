#include "shell/regular_file.h"
#include "shell/settings.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/c_locale.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/number_text.h"
#include "shell/plugin_path.h"
#include "shell/strings.h"
#include "shell/value_ranges.h"

namespace {

const char* const settingsFileName = "Ovilux.ini";

Settings settings;
Settings defaultSettings;
// The file exists but the last read could not take it in: it holds what the
// user set, so no save may replace it until a read succeeds.
bool fileUnreadable = false;
// What the last read refused, each line with the file's path: the read at
// disable meets again what the read at enable told of, and the pilot needs
// telling once. A save leaves nothing refused in the file.
std::vector<std::string> refusedLastRead;

enum class Kind { Float, Int, Bool, Position };

// One row per key, in the order the file is written. The reader dispatches on
// the same rows, so the two can never disagree on a key.
// Numbers outside their row's range are refused; bools, the version and the
// positions (checked field by field) have none. The settings panel bounds its
// fields by the same ranges.
struct SettingsKey {
    const char* key;
    Kind kind;
    float Settings::*floatField;
    int Settings::*intField;
    bool Settings::*boolField;
    WindowPosition Settings::*positionField;
    bool bounded;
    ValueKind range;
};

#define FLOAT_KEY(name, range) \
    {#name, Kind::Float, &Settings::name, nullptr, nullptr, nullptr, true, ValueKind::range}
#define INT_KEY(name, range) \
    {#name, Kind::Int, nullptr, &Settings::name, nullptr, nullptr, true, ValueKind::range}
#define UNBOUNDED_INT_KEY(name) \
    {#name, Kind::Int, nullptr, &Settings::name, nullptr, nullptr, false, ValueKind::Count}
#define BOOL_KEY(name) \
    {#name, Kind::Bool, nullptr, nullptr, &Settings::name, nullptr, false, ValueKind::Count}
#define POSITION_KEY(name) \
    {#name, Kind::Position, nullptr, nullptr, nullptr, &Settings::name, false, ValueKind::Count}

const SettingsKey settingsKeys[] = {
    UNBOUNDED_INT_KEY(INI_FILE_VERSION),
    FLOAT_KEY(SMALL_ROTATION_SPEED, RotationSpeed),
    FLOAT_KEY(MEDIUM_ROTATION_SPEED, RotationSpeed),
    FLOAT_KEY(LARGE_ROTATION_SPEED, RotationSpeed),
    FLOAT_KEY(VERY_LARGE_ROTATION_SPEED, RotationSpeed),
    FLOAT_KEY(SMALL_MOVEMENT_SPEED, MovementSpeed),
    FLOAT_KEY(MEDIUM_MOVEMENT_SPEED, MovementSpeed),
    FLOAT_KEY(LARGE_MOVEMENT_SPEED, MovementSpeed),
    FLOAT_KEY(VERY_LARGE_MOVEMENT_SPEED, MovementSpeed),
    FLOAT_KEY(SMALL_HEADTRACK_RANGE, RangeFactor),
    FLOAT_KEY(MEDIUM_HEADTRACK_RANGE, RangeFactor),
    FLOAT_KEY(LARGE_HEADTRACK_RANGE, RangeFactor),
    FLOAT_KEY(VERY_LARGE_HEADTRACK_RANGE, RangeFactor),
    BOOL_KEY(ENABLE_PANSPEED_TOGGLE),
    BOOL_KEY(ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL),
    INT_KEY(MOUSE_SMOOTHING_FACTOR, MouseSmoothing),
    FLOAT_KEY(MOUSE_SPEED_FACTOR, SpeedFactor),
    INT_KEY(MOVEMENT_SMOOTHING_FACTOR, Smoothing),
    INT_KEY(MINI_CONTROL_PANEL_MONITOR_INDEX, PanelMonitor),
    BOOL_KEY(ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START),
    BOOL_KEY(ENABLE_TRANSPARENT_MINI_CONTROL_PANEL),
    BOOL_KEY(ENABLE_SOLID_CONTROL_PANEL),
    BOOL_KEY(ENABLE_SHOW_TARGET_INFORMATION),
    BOOL_KEY(LOCK_KEYBOARD_CONTROL),
    BOOL_KEY(PAUSE_ON_FREE_TARGET_AIM),
    BOOL_KEY(HIDE_FAVORITES),
    INT_KEY(SMOOTH_WINDOW, SmoothWindow),
    BOOL_KEY(DISABLE_QUICK_LOOK_EMULATION),
    BOOL_KEY(ENABLE_FORCE_FOV),
    BOOL_KEY(ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS),
    INT_KEY(HEAD_TRACK_SMOOTHING_FACTOR, Smoothing),
    INT_KEY(VIEW_AXIS_SMOOTHING_FACTOR, ViewAxisSmoothing),
    BOOL_KEY(DISABLE_VOICE_PROMPTS),
    BOOL_KEY(POPPED_OUT_MINI_PANEL_ALWAYS_ON_TOP),
    BOOL_KEY(REVERSE_CIRCLE_VIEW_MOUSE_Y),
    BOOL_KEY(CIRCLE_VIEW_WHEEL_ZOOM),
    BOOL_KEY(USE_SMALL_FONT),
    INT_KEY(MIDDLE_MOUSE_BEHAVIOR, MiddleMouseBehavior),
    FLOAT_KEY(VIEW_AXIS_NULL_ZONE, NullZone),
    FLOAT_KEY(VIEW_AXIS_HEADING_CENTER, AxisCentre),
    FLOAT_KEY(VIEW_AXIS_PITCH_CENTER, AxisCentre),
    FLOAT_KEY(VIEW_AXIS_ZOOM_CENTER, AxisCentre),
    FLOAT_KEY(VIEW_AXIS_CAMERA_LR_CENTER, AxisCentre),
    FLOAT_KEY(VIEW_AXIS_CAMERA_UD_CENTER, AxisCentre),
    FLOAT_KEY(VIEW_AXIS_CAMERA_FB_CENTER, AxisCentre),
    POSITION_KEY(LAST_CONTROL_PANEL_POSITION),
    POSITION_KEY(LAST_MINI_CONTROL_PANEL_POSITION),
};

// Fields without a default here keep what they hold across a read.
void applyResetValues(Settings& s) {
    s.SMALL_ROTATION_SPEED = 0.5f;
    s.MEDIUM_ROTATION_SPEED = 1.0f;
    s.LARGE_ROTATION_SPEED = 1.0f;
    s.VERY_LARGE_ROTATION_SPEED = 2.0f;
    s.SMALL_MOVEMENT_SPEED = 0.0005f;
    s.MEDIUM_MOVEMENT_SPEED = 0.005f;
    s.LARGE_MOVEMENT_SPEED = 0.1f;
    s.VERY_LARGE_MOVEMENT_SPEED = 1.0f;
    s.SMALL_HEADTRACK_RANGE = 1.0f;
    s.MEDIUM_HEADTRACK_RANGE = 1.0f;
    s.LARGE_HEADTRACK_RANGE = 1.0f;
    s.VERY_LARGE_HEADTRACK_RANGE = 1.0f;
    s.panSpeedFactor = 3.0f;
    s.movementSpeedFactor = 3.0f;
    s.ENABLE_PANSPEED_TOGGLE = false;
    s.ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL = true;
    s.ENABLE_TRANSPARENT_MINI_CONTROL_PANEL = false;
    s.ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START = false;
    s.MOUSE_SMOOTHING_FACTOR = 10;
    s.MOUSE_SPEED_FACTOR = 1.0f;
    s.MOVEMENT_SMOOTHING_FACTOR = 0;
    s.SMOOTH_WINDOW = 60;
    s.VIEW_AXIS_HEADING_CENTER = 0;
    s.VIEW_AXIS_PITCH_CENTER = 0;
    s.VIEW_AXIS_ZOOM_CENTER = 0;
    s.VIEW_AXIS_CAMERA_LR_CENTER = 0;
    s.VIEW_AXIS_CAMERA_UD_CENTER = 0;
    s.VIEW_AXIS_CAMERA_FB_CENTER = 0;
    s.VIEW_AXIS_NULL_ZONE = 0.025f;
    s.ENABLE_FORCE_FOV = false;
    s.ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS = false;
    s.DISABLE_VOICE_PROMPTS = false;
    s.USE_SMALL_FONT = false;
    s.MIDDLE_MOUSE_BEHAVIOR = 2;
    s.MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    s.REVERSE_CIRCLE_VIEW_MOUSE_Y = false;
    s.LAST_CONTROL_PANEL_POSITION = WindowPosition();
    s.LAST_MINI_CONTROL_PANEL_POSITION = WindowPosition();
    s.POPPED_OUT_MINI_PANEL_ALWAYS_ON_TOP = false;
}

const SettingsKey* findKey(const char* key) {
    for (const SettingsKey& entry : settingsKeys) {
        if (strcmp(entry.key, key) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

// Why a value was not taken.
enum class Refusal { None, TooLong, NotANumber, OutOfRange, NotAPosition };

Refusal parsePosition(char* value, WindowPosition* position) {
    replaceChar(value, ':', ' ');
    int fields[5];
    // Only a complete position replaces the one held.
    if (sscanf(value, "%d%d%d%d%d", &fields[0], &fields[1], &fields[2], &fields[3], &fields[4]) !=
        5) {
        return Refusal::NotAPosition;
    }
    bool sane = isInRange(ValueKind::WindowMode, fields[0]);
    for (int i = 1; i < 5; ++i) {
        sane = sane && isInRange(ValueKind::ScreenCoordinate, fields[i]);
    }
    if (!sane) {
        return Refusal::OutOfRange;
    }
    *position = WindowPosition{fields[0], fields[1], fields[2], fields[3], fields[4]};
    return Refusal::None;
}

Refusal refusalOf(NumberRead read) {
    switch (read) {
        case NumberRead::Read:
            return Refusal::None;
        case NumberRead::NotANumber:
            return Refusal::NotANumber;
        case NumberRead::Refused:
            return Refusal::OutOfRange;
    }
    return Refusal::NotANumber;
}

Refusal applyValue(const SettingsKey& entry, char* value) {
    if (*value == 0) {
        return Refusal::TooLong;  // the reader hands a token too long back empty
    }
    switch (entry.kind) {
        case Kind::Float:
            if (!entry.bounded) {
                return parseFloatC(value, &(settings.*entry.floatField)) ? Refusal::None
                                                                         : Refusal::NotANumber;
            }
            return refusalOf(readFloatInRange(value, entry.range, &(settings.*entry.floatField)));
        case Kind::Int:
            if (!entry.bounded) {
                return parseIntC(value, &(settings.*entry.intField)) ? Refusal::None
                                                                     : Refusal::NotANumber;
            }
            return refusalOf(readIntInRange(value, entry.range, &(settings.*entry.intField)));
        case Kind::Bool: {
            int number = 0;
            if (!parseIntC(value, &number)) {
                return Refusal::NotANumber;
            }
            settings.*entry.boolField = number != 0;
            return Refusal::None;
        }
        case Kind::Position:
            return parsePosition(value, &(settings.*entry.positionField));
    }
    return Refusal::None;
}

std::string formatValue(const SettingsKey& entry) {
    char text[128];
    switch (entry.kind) {
        case Kind::Float:
            snprintf(text, sizeof(text), "%f", settings.*entry.floatField);
            break;
        case Kind::Int:
            snprintf(text, sizeof(text), "%d", settings.*entry.intField);
            break;
        case Kind::Bool:
            snprintf(text, sizeof(text), "%d", settings.*entry.boolField ? 1 : 0);
            break;
        case Kind::Position: {
            const WindowPosition& p = settings.*entry.positionField;
            snprintf(text, sizeof(text), "%d:%d:%d:%d:%d", p.mode, p.left, p.top, p.right,
                     p.bottom);
            break;
        }
    }
    return text;
}

// A number as a person writes it: no exponent, no trailing zeros.
std::string shortNumber(double value) {
    std::string text;
    appendFixedDecimal(text, value, 6);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

// One log line for a value refused: the key, the value as the file has it and
// what the setting holds instead.
std::string describeRefusal(const SettingsKey& entry, const std::string& value, Refusal why) {
    const std::string key = entry.key;
    const std::string shown = value.substr(0, 64);
    std::string text = std::string(settingsFileName) + ": ";
    switch (why) {
        case Refusal::None:
        case Refusal::TooLong:
            text += "the value of " + key + " is too long to read";
            break;
        case Refusal::NotANumber:
            text += key + " " + shown + " is not a number";
            break;
        case Refusal::NotAPosition:
            text += key + " " + shown + " refused, not five numbers";
            break;
        case Refusal::OutOfRange:
            if (entry.kind == Kind::Position) {
                text += key + " " + shown + " refused, mode outside " +
                        shortNumber(valueRange(ValueKind::WindowMode).min) + " to " +
                        shortNumber(valueRange(ValueKind::WindowMode).max) +
                        " or a side beyond " +
                        shortNumber(valueRange(ValueKind::ScreenCoordinate).max);
            } else {
                const ValueRange& range = valueRange(entry.range);
                text += key + " " + shown + " refused, outside " + shortNumber(range.min) +
                        " to " + shortNumber(range.max);
            }
            break;
    }
    const std::string held =
        entry.kind == Kind::Float ? shortNumber(settings.*entry.floatField) : formatValue(entry);
    return text + "; " + held + " is used instead";
}

// Reads one white-space separated token. A token too long for the buffer is
// consumed whole and handed back empty, so it matches no key and parses as no
// value, and the key/value pairing after it stays intact. line counts the
// line feeds passed, so it is the token's own line on return.
bool readToken(FILE* file, char* token, size_t size, int* line) {
    int c;
    do {
        c = fgetc(file);
        *line += c == '\n' ? 1 : 0;
    } while (c != EOF && isspace(c));
    if (c == EOF) {
        return false;
    }
    size_t length = 0;
    bool tooLong = false;
    for (; c != EOF && !isspace(c); c = fgetc(file)) {
        if (length + 1 < size) {
            token[length++] = static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    // The blank that ended it is left for the next token to count.
    if (c != EOF) {
        ungetc(c, file);
    }
    token[tooLong ? 0 : length] = 0;
    return true;
}

// What the reader could not take: dropped silently, it would vanish from the
// file at the next save without a word.
struct NotSettings {
    int count = 0;
    int firstLine = 0;

    void note(int line) {
        if (count++ == 0) {
            firstLine = line;
        }
    }
};

std::string settingsPath() { return getPluginPathString() + settingsFileName; }

}  // namespace

Settings* getSettings() { return &settings; }

Settings* getDefaultSettings() { return &defaultSettings; }

const ValueRange* getSettingsValueRange(const char* key) {
    const SettingsKey* entry = findKey(key);
    return entry != nullptr && entry->bounded ? &valueRange(entry->range) : nullptr;
}

bool saveSettings(std::string* whyNot) {
    settings.INI_FILE_VERSION = 2413;
    // The log names the whole path, the panel's line only the file; both
    // say why.
    std::string path;
    auto fail = [&](const std::string& reason) {
        if (!path.empty()) {
            sLogMsg("Unable to create %s: %s", path.c_str(), reason.c_str());
        }
        if (whyNot != nullptr) {
            *whyNot = std::string("Unable to save ") + settingsFileName + ": " + reason;
        }
        return false;
    };
    if (!hasPluginFolder()) {
        // Not loaded from a plug-in folder (a test host): nothing to write to.
        return fail("the plug-in's folder is unknown");
    }
    path = settingsPath();
    if (fileUnreadable) {
        return fail("the file could not be read at start");
    }
    // A value that could not be read back must never reach the file.
    for (const SettingsKey& entry : settingsKeys) {
        if (entry.kind == Kind::Float && !std::isfinite(settings.*entry.floatField)) {
            return fail(std::string(entry.key) + " is not a finite number");
        }
    }
    std::string text;
    {
        CLocaleScope numbers;
        for (const SettingsKey& entry : settingsKeys) {
            text += entry.key;
            text += ' ';
            text += formatValue(entry);
            text += '\n';
        }
    }
    if (!replaceFileContents(path, text)) {
        return fail(std::strerror(errno));
    }
    refusedLastRead.clear();
    return true;
}

void readSettings() {
    applyResetValues(settings);
    defaultSettings = settings;
    std::vector<std::string> toldBefore;
    toldBefore.swap(refusedLastRead);

    if (!hasPluginFolder()) {
        return;
    }
    std::string path = settingsPath();
    FILE* file = openRegularFileStream(path);
    fileUnreadable = file == nullptr && errno != ENOENT;
    if (file == nullptr) {
        // Only a missing file is created; one that exists but cannot be read
        // is the user's and stays as it is.
        int error = errno;
        if (error == ENOENT) {
            saveSettings();
        } else {
            sLogMsg("Unable to read %s (%s)", path.c_str(), describeReadError(error));
        }
        return;
    }
    char key[5000];
    char value[5000];
    int line = 1;
    NotSettings notSettings;
    for (;;) {
        if (!readToken(file, key, sizeof(key), &line)) {
            break;
        }
        int keyLine = line;
        if (!readToken(file, value, sizeof(value), &line)) {
            notSettings.note(keyLine);
            break;
        }
        strupr(key);
        if (const SettingsKey* entry = findKey(key)) {
            // A position is taken apart in place; the log shows it as written.
            const std::string written = value;
            Refusal why = applyValue(*entry, value);
            if (why != Refusal::None) {
                std::string line = describeRefusal(*entry, written, why);
                if (std::find(toldBefore.begin(), toldBefore.end(), path + line) ==
                    toldBefore.end()) {
                    logMsg(line.c_str());
                }
                refusedLastRead.push_back(path + line);
            }
        } else {
            notSettings.note(keyLine);
        }
    }
    fileUnreadable = ferror(file) != 0;
    fclose(file);
    if (notSettings.count > 0) {
        sLogMsg("%s holds %d entries that are not settings, the first on line %d; they are not "
                "kept when the settings are saved",
                path.c_str(), notSettings.count, notSettings.firstLine);
    }
}

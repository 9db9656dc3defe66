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

enum class OnRead { Reset, Kept };
enum class PanelEdit { Drag, None };

// One overload per kind: the row holds the field in its kind's member.
constexpr SettingsField tableRow(const char* key, float Settings::*field, ValueKind range,
                                 OnRead onRead, PanelEdit panel) {
    return {key, SettingKind::Float, field, nullptr, nullptr, nullptr,
            range, onRead == OnRead::Reset, panel == PanelEdit::Drag};
}
constexpr SettingsField tableRow(const char* key, int Settings::*field, ValueKind range,
                                 OnRead onRead, PanelEdit panel) {
    return {key, SettingKind::Int, nullptr, field, nullptr, nullptr,
            range, onRead == OnRead::Reset, panel == PanelEdit::Drag};
}
constexpr SettingsField tableRow(const char* key, bool Settings::*field, ValueKind range,
                                 OnRead onRead, PanelEdit panel) {
    return {key, SettingKind::Bool, nullptr, nullptr, field, nullptr,
            range, onRead == OnRead::Reset, panel == PanelEdit::Drag};
}
constexpr SettingsField tableRow(const char* key, WindowPosition Settings::*field,
                                 ValueKind range, OnRead onRead, PanelEdit panel) {
    return {key, SettingKind::Position, nullptr, nullptr, nullptr, field,
            range, onRead == OnRead::Reset, panel == PanelEdit::Drag};
}

// The reader dispatches on the rows the writer writes, so the two can never
// disagree on a key. Numbers outside their row's range are refused; bools,
// the version and the positions (checked field by field) have none.
const SettingsField settingsFields[] = {
#define SETTING(name, type, value, range, onRead, panel) \
    tableRow(#name, &Settings::name, range, OnRead::onRead, PanelEdit::panel),
#define UNSTORED_SETTING(name, type, value, range, onRead, panel) \
    tableRow(nullptr, &Settings::name, range, OnRead::onRead, PanelEdit::panel),
#include "shell/settings_table.def"
#undef SETTING
#undef UNSTORED_SETTING
};

// What a new record holds: the table's defaults.
const Settings newRecord;

// Before a read: the fields the table resets take their defaults, the others
// keep what they hold.
void applyResetValues(Settings& s) {
    const Settings& defaults = newRecord;
    for (const SettingsField& field : settingsFields) {
        if (!field.resetOnRead) {
            continue;
        }
        switch (field.kind) {
            case SettingKind::Float:
                s.*field.floatField = defaults.*field.floatField;
                break;
            case SettingKind::Int:
                s.*field.intField = defaults.*field.intField;
                break;
            case SettingKind::Bool:
                s.*field.boolField = defaults.*field.boolField;
                break;
            case SettingKind::Position:
                s.*field.positionField = defaults.*field.positionField;
                break;
        }
    }
}

const SettingsField* findKey(const char* key) {
    for (const SettingsField& entry : settingsFields) {
        if (entry.key != nullptr && strcmp(entry.key, key) == 0) {
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

Refusal applyValue(const SettingsField& entry, char* value) {
    if (*value == 0) {
        return Refusal::TooLong;  // the reader hands a token too long back empty
    }
    switch (entry.kind) {
        case SettingKind::Float:
            if (!entry.bounded()) {
                return parseFloatC(value, &(settings.*entry.floatField)) ? Refusal::None
                                                                         : Refusal::NotANumber;
            }
            return refusalOf(readFloatInRange(value, entry.range, &(settings.*entry.floatField)));
        case SettingKind::Int:
            if (!entry.bounded()) {
                return parseIntC(value, &(settings.*entry.intField)) ? Refusal::None
                                                                     : Refusal::NotANumber;
            }
            return refusalOf(readIntInRange(value, entry.range, &(settings.*entry.intField)));
        case SettingKind::Bool: {
            int number = 0;
            if (!parseIntC(value, &number)) {
                return Refusal::NotANumber;
            }
            settings.*entry.boolField = number != 0;
            return Refusal::None;
        }
        case SettingKind::Position:
            return parsePosition(value, &(settings.*entry.positionField));
    }
    return Refusal::None;
}

std::string formatValue(const SettingsField& entry) {
    char text[128];
    switch (entry.kind) {
        case SettingKind::Float:
            snprintf(text, sizeof(text), "%f", settings.*entry.floatField);
            break;
        case SettingKind::Int:
            snprintf(text, sizeof(text), "%d", settings.*entry.intField);
            break;
        case SettingKind::Bool:
            snprintf(text, sizeof(text), "%d", settings.*entry.boolField ? 1 : 0);
            break;
        case SettingKind::Position: {
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
std::string describeRefusal(const SettingsField& entry, const std::string& value, Refusal why) {
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
            if (entry.kind == SettingKind::Position) {
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
    const std::string held = entry.kind == SettingKind::Float
                                 ? shortNumber(settings.*entry.floatField)
                                 : formatValue(entry);
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

const SettingsField* SettingsTable::begin() const { return settingsFields; }

const SettingsField* SettingsTable::end() const {
    return settingsFields + sizeof(settingsFields) / sizeof(settingsFields[0]);
}

SettingsTable settingsTable() { return SettingsTable(); }

Settings* getDefaultSettings() { return &defaultSettings; }

const ValueRange* getSettingsValueRange(const char* key) {
    const SettingsField* entry = findKey(key);
    return entry != nullptr && entry->bounded() ? &valueRange(entry->range) : nullptr;
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
    for (const SettingsField& entry : settingsFields) {
        if (entry.key != nullptr && entry.kind == SettingKind::Float &&
            !std::isfinite(settings.*entry.floatField)) {
            return fail(std::string(entry.key) + " is not a finite number");
        }
    }
    std::string text;
    {
        CLocaleScope numbers;
        for (const SettingsField& entry : settingsFields) {
            if (entry.key == nullptr) {
                continue;
            }
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
        if (const SettingsField* entry = findKey(key)) {
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

// Any bytes as the aircraft's camera file, read by the camera file reader as
// it was before it read in blocks and parsed numbers itself, and by today's:
// both must leave the same camera set, file properties, log and result. The
// same bytes as one camera, with every number any bits, written as a row by
// the writer as it was and as it is: the rows must be the same byte for byte.
#include <cctype>
#include <fuzzer/FuzzedDataProvider.h>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "cameras/engine_hooks.h"
#include "cameras/files/camera_columns.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_lines.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/files/camera_file_rows.h"
#include "cameras/files/default_camera_sets.h"
#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "positioning/commands/movement.h"
#include "shell/c_locale.h"
#include "shell/host_info.h"
#include "shell/log.h"
#include "shell/regular_file.h"
#include "shell/speech.h"
#include "shell/value_ranges.h"
#include "host_setup.h"
#include "libwinkit/message_box.h"
#include "xpsim.h"

namespace before {
namespace {
bool oldParseFloatC(const char* token, float* out) {
    CLocaleScope numbers;
    char* end = nullptr;
    float value = strtof(token, &end);
    if (end == token || !std::isfinite(value)) {
        return false;
    }
    *out = value;
    return true;
}

NumberRead oldReadDoubleInRange(const char* token, ValueKind kind, double* out) {
    CLocaleScope numbers;
    char* end = nullptr;
    double value = strtod(token, &end);
    if (end == token) {
        return NumberRead::NotANumber;
    }
    if (!isInRange(kind, value)) {
        return NumberRead::Refused;
    }
    *out = value;
    return NumberRead::Read;
}

NumberRead oldReadFloatInRange(const char* token, ValueKind kind, float* out) {
    CLocaleScope numbers;
    char* end = nullptr;
    float value = strtof(token, &end);
    if (end == token) {
        return NumberRead::NotANumber;
    }
    if (!isInRange(kind, value)) {
        return NumberRead::Refused;
    }
    *out = value;
    return NumberRead::Read;
}

NumberRead oldReadIntInRange(const char* token, ValueKind kind, int* out) {
    char* end = nullptr;
    errno = 0;
    long value = strtol(token, &end, 10);
    if (end == token) {
        return NumberRead::NotANumber;
    }
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX ||
        !isInRange(kind, static_cast<double>(value))) {
        return NumberRead::Refused;
    }
    *out = static_cast<int>(value);
    return NumberRead::Read;
}
}  // namespace

namespace {
const int kMaxAircraftNameWritten = 255;
// A hostile file may hold thousands of refused numbers: the first few are
// logged in full, the rest counted.
const int kRefusalsLogged = 5;

struct ValueChecks {
    std::string path;
    const char* label = "";  // of the column being read
    int refused = 0;
    bool nonFiniteWritten = false;
};
ValueChecks checks;
const int kMaxPropertyText = 39;

// ---------------------------------------------------------------- writing

void appendNumber(std::string& out, const char* format, double value) {
    if (!std::isfinite(value)) {
        checks.nonFiniteWritten = true;
    }
    char text[512];
    snprintf(text, sizeof(text), format, value);
    out += text;
}

void appendInteger(std::string& out, int value) {
    char text[16];
    snprintf(text, sizeof(text), "%d", value);
    out += text;
}

// The reader splits at ',' and drops empty fields, and a line ends at a line
// feed: such characters become blanks.
void appendCleanText(std::string& out, const char* text, size_t limit = std::string::npos) {
    for (size_t i = 0; text[i] != 0 && i < limit; ++i) {
        char c = text[i];
        out += (c == ',' || c == '\r' || c == '\n') ? ' ' : c;
    }
}

// An empty text is written as a blank, so that the columns after it keep
// their places.
void appendText(std::string& out, const char* text, size_t limit = std::string::npos) {
    size_t start = out.size();
    appendCleanText(out, text, limit);
    if (out.size() == start) {
        out += ' ';
    }
}

void appendFlag(std::string& out, bool value) { out += value ? "TRUE" : "FALSE"; }

// ---------------------------------------------------------------- reading

bool isTrue(const char* field) {
    while (isspace(static_cast<unsigned char>(*field))) {
        ++field;
    }
    return strncasecmp(field, "TRUE", 4) == 0 &&
           (field[4] == 0 || isspace(static_cast<unsigned char>(field[4])));
}

bool isWord(const char* field, const char* word) {
    while (isspace(static_cast<unsigned char>(*field))) {
        ++field;
    }
    size_t length = strlen(word);
    return strncasecmp(field, word, length) == 0 &&
           (field[length] == 0 || isspace(static_cast<unsigned char>(field[length])));
}

bool isBlank(const char* text) {
    for (; *text != 0; ++text) {
        if (!isspace(static_cast<unsigned char>(*text))) {
            return false;
        }
    }
    return true;
}

// A number out of its column's range leaves the field at its reset value.
void refuse(const char* field, ValueKind kind) {
    if (++checks.refused > kRefusalsLogged) {
        return;
    }
    const ValueRange& range = valueRange(kind);
    while (isspace(static_cast<unsigned char>(*field))) {
        ++field;
    }
    sLogMsg("%s%s: %s %.40s refused, outside %g to %g; the camera keeps its default",
            checks.path.empty() ? "Camera row" : "Camera file ", checks.path.c_str(), checks.label,
            field, range.min, range.max);
}

template <typename Number>
bool readNumber(const char* field, ValueKind kind, Number* out);

template <>
bool readNumber<float>(const char* field, ValueKind kind, float* out) {
    NumberRead result = oldReadFloatInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

template <>
bool readNumber<double>(const char* field, ValueKind kind, double* out) {
    NumberRead result = oldReadDoubleInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

template <>
bool readNumber<int>(const char* field, ValueKind kind, int* out) {
    NumberRead result = oldReadIntInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

// A text read into a fixed field: cut to fit; white space alone reads as the
// empty text the writer stood a blank in for.
void readText(char* field, size_t size, const char* text, size_t limit) {
    if (isBlank(text)) {
        field[0] = 0;
        return;
    }
    snprintf(field, size, "%.*s", static_cast<int>(limit), text);
}

void readTrimmedText(char* field, size_t size, const char* text) {
    while (isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    size_t length = strlen(text);
    while (length > 0 && isspace(static_cast<unsigned char>(text[length - 1]))) {
        --length;
    }
    if (length > kMaxPropertyText) {
        length = kMaxPropertyText;
    }
    snprintf(field, size, "%.*s", static_cast<int>(length), text);
}

// ---------------------------------------------------------------- columns by kind

template <bool Camera::*Field>
void writeFlag(std::string& out, const CameraRow& row) {
    appendFlag(out, row.camera->*Field);
}

template <bool Camera::*Field>
void readFlag(const char* field, CameraRow& row) {
    row.camera->*Field = isTrue(field);
}

template <int Camera::*Field>
void writeInteger(std::string& out, const CameraRow& row) {
    appendInteger(out, row.camera->*Field);
}

template <int Camera::*Field, ValueKind Kind>
void readInteger(const char* field, CameraRow& row) {
    readNumber(field, Kind, &(row.camera->*Field));
}

template <float Camera::*Field>
void writeDecimal(std::string& out, const CameraRow& row) {
    appendNumber(out, "%f", row.camera->*Field);
}

template <float Camera::*Field>
void writeOneDecimal(std::string& out, const CameraRow& row) {
    appendNumber(out, "%.1f", row.camera->*Field);
}

template <float Camera::*Field, ValueKind Kind>
void readDecimal(const char* field, CameraRow& row) {
    readNumber(field, Kind, &(row.camera->*Field));
}

template <CameraPosition Camera::*Limit, float CameraPosition::*Axis>
void writeLimit(std::string& out, const CameraRow& row) {
    appendNumber(out, "%f", row.camera->*Limit.*Axis);
}

template <CameraPosition Camera::*Limit, float CameraPosition::*Axis>
void readLimit(const char* field, CameraRow& row) {
    readNumber(field, ValueKind::Offset, &(row.camera->*Limit.*Axis));
}

template <double Camera::*Field>
void writeWorld(std::string& out, const CameraRow& row) {
    if (row.camera->freeCamera) {
        appendNumber(out, "%lf", row.camera->*Field);
    } else {
        out += '0';
    }
}

template <double Camera::*Field, ValueKind Kind>
void readWorld(const char* field, CameraRow& row) {
    readNumber(field, Kind, &(row.camera->*Field));
}

void readNothing(const char*, CameraRow&) {}

// ---------------------------------------------------------------- columns of their own

void writeCategoryName(std::string& out, const CameraRow& row) {
    appendText(out, row.category->name);
}

void writeCameraName(std::string& out, const CameraRow& row) { appendText(out, row.camera->name); }

void readCameraName(const char* field, CameraRow& row) {
    readText(row.camera->name, sizeof(row.camera->name), field, kMaxNameLength);
}

void readZoom(const char* field, CameraRow& row) {
    readNumber(field, ValueKind::Zoom, &row.camera->zoom);
    if (row.camera->zoom < 1.0f) {
        row.camera->zoom = 1.0f;
    }
}

void readFov(const char* field, CameraRow& row) {
    float fov = 0;
    if (oldParseFloatC(field, &fov)) {
        row.camera->fov = isInRange(ValueKind::FieldOfView, fov) ? fov : getDefaultFOV();
    }
}

void readCineflex(const char* field, CameraRow& row) {
    if (isTrue(field)) {
        row.camera->external = true;
        row.camera->cineflex = true;
        row.camera->targetFollowing = false;
    } else {
        row.camera->cineflex = false;
    }
}

void readFreeCamera(const char* field, CameraRow& row) {
    if (isTrue(field)) {
        row.camera->external = true;
        row.camera->freeCamera = true;
    } else {
        row.camera->freeCamera = false;
    }
}

void readChaseView(const char* field, CameraRow& row) {
    if (isTrue(field)) {
        row.camera->external = true;
        row.camera->xp9ChaseView = true;
    } else {
        row.camera->xp9ChaseView = false;
    }
}

void readTargetFollowing(const char* field, CameraRow& row) {
    if (isTrue(field)) {
        row.camera->external = true;
        row.camera->targetFollowing = true;
        row.camera->cineflex = false;
    } else {
        row.camera->targetFollowing = false;
    }
}

void writeUnused(std::string& out, const CameraRow&) { out += '0'; }

void writeVersion(std::string& out, const CameraRow&) { out += getVersionString(); }

void readVersion(const char* field, CameraRow& row) {
    readText(row.properties->oviluxVersion, sizeof(row.properties->oviluxVersion), field,
             kMaxPropertyText);
}

void writeDefaultFov(std::string& out, const CameraRow&) { appendNumber(out, "%f", getDefaultFOV()); }

void readDefaultFov(const char* field, CameraRow& row) {
    readNumber(field, ValueKind::FieldOfView, &row.properties->defaultFov);
}

void writeAircraft(std::string& out, const CameraRow& row) {
    if (row.airportFile) {
        out += "N/A";
    } else {
        appendText(out, row.aircraftName.c_str(), kMaxAircraftNameWritten);
    }
}

void readAircraft(const char* field, CameraRow& row) {
    readText(row.properties->aircraft, sizeof(row.properties->aircraft), field, kMaxPropertyText);
}

void writeAuthor(std::string& out, const CameraRow& row) {
    appendCleanText(out, row.properties->author);
    out += ' ';
}

void readAuthor(const char* field, CameraRow& row) {
    readTrimmedText(row.properties->author, sizeof(row.properties->author), field);
}

void writeFileVersion(std::string& out, const CameraRow& row) {
    appendCleanText(out, row.properties->fileVersion);
    out += ' ';
}

void readFileVersion(const char* field, CameraRow& row) {
    readTrimmedText(row.properties->fileVersion, sizeof(row.properties->fileVersion), field);
}

void writeCategoryIndex(std::string& out, const CameraRow& row) {
    appendInteger(out, row.categoryIndex);
}

void writeManualEnable(std::string& out, const CameraRow& row) {
    appendFlag(out, row.properties->manualEnable);
}

void readManualEnable(const char* field, CameraRow& row) {
    row.properties->manualEnable = isTrue(field);
}

void readElevation(const char* field, CameraRow& row) {
    readNumber(field, ValueKind::Elevation, &row.camera->elevation);
    row.reachedElevation = true;
}

void readHideYoke(const char* field, CameraRow& row) {
    if (isWord(field, "TRUE")) {
        row.camera->hideYoke = 1;
    } else if (isWord(field, "FALSE")) {
        row.camera->hideYoke = 0;
    } else {
        readNumber(field, ValueKind::HideYoke, &row.camera->hideYoke);
    }
}

// ---------------------------------------------------------------- the table

template <bool Camera::*Field>
constexpr CameraColumn flag(const char* label, bool leadingBlank = false) {
    return {label, leadingBlank, writeFlag<Field>, readFlag<Field>};
}

template <int Camera::*Field, ValueKind Kind>
constexpr CameraColumn integer(const char* label, bool leadingBlank = false) {
    return {label, leadingBlank, writeInteger<Field>, readInteger<Field, Kind>};
}

template <float Camera::*Field, ValueKind Kind>
constexpr CameraColumn decimal(const char* label, bool leadingBlank = false) {
    return {label, leadingBlank, writeDecimal<Field>, readDecimal<Field, Kind>};
}

template <float Camera::*Field, ValueKind Kind>
constexpr CameraColumn oneDecimal(const char* label, bool leadingBlank = false) {
    return {label, leadingBlank, writeOneDecimal<Field>, readDecimal<Field, Kind>};
}

template <CameraPosition Camera::*Limit, float CameraPosition::*Axis>
constexpr CameraColumn limit(const char* label, bool leadingBlank = false) {
    return {label, leadingBlank, writeLimit<Limit, Axis>, readLimit<Limit, Axis>};
}

const bool kBlank = true;  // the label is written with one leading blank

const CameraColumn kColumns[] = {
    {"Category Name", false, writeCategoryName, readNothing},
    {"Camera Name", false, writeCameraName, readCameraName},
    integer<&Camera::viewId, ValueKind::ViewId>("View ID"),
    decimal<&Camera::x, ValueKind::Offset>("X"),
    decimal<&Camera::y, ValueKind::Offset>("Y"),
    decimal<&Camera::z, ValueKind::Offset>("Z"),
    decimal<&Camera::heading, ValueKind::Angle>("heading"),
    decimal<&Camera::pitch, ValueKind::Angle>("pitch"),
    flag<&Camera::trackIR>("TrackIR Enabled"),
    flag<&Camera::smoothTransition>("Smooth Transition"),
    flag<&Camera::headShake>("HeadShake"),
    flag<&Camera::retainMouseLookPosition>("RetainMouseLookPosition"),
    flag<&Camera::temporaryPositioning>("Enable Temporary Positioning", kBlank),
    flag<&Camera::linearTransition>("Enable Linear Transition"),
    integer<&Camera::linearTransitionFrames, ValueKind::Frames>("Linear Transition Frames"),
    flag<&Camera::autoAdvance>("Enable Auto Advance"),
    flag<&Camera::limitTrackIR>("Limit TrackIR"),
    limit<&Camera::maxTrackIR, &CameraPosition::x>("Max TrackIR X", kBlank),
    limit<&Camera::maxTrackIR, &CameraPosition::y>("Max TrackIR Y"),
    limit<&Camera::maxTrackIR, &CameraPosition::z>("Max TrackIR Z"),
    limit<&Camera::minTrackIR, &CameraPosition::x>("Min TrackIR X"),
    limit<&Camera::minTrackIR, &CameraPosition::y>("Min TrackIR Y"),
    limit<&Camera::minTrackIR, &CameraPosition::z>("Min TrackIR Z"),
    {"Zoom", false, writeDecimal<&Camera::zoom>, readZoom},
    {"FOV", false, writeDecimal<&Camera::fov>, readFov},
    flag<&Camera::enableFov>("Enable FOV"),
    flag<&Camera::smoothCameraJoins>("Smooth Camera Joins"),
    flag<&Camera::trackHeading>("Enable Track Heading", kBlank),
    flag<&Camera::trackPitch>("Enable Track Pitch", kBlank),
    decimal<&Camera::cgY, ValueKind::Offset>("CGY Offset", kBlank),
    decimal<&Camera::cgZ, ValueKind::Offset>("CGZ Offset", kBlank),
    flag<&Camera::levelCamera>("Enable Level Camera", kBlank),
    flag<&Camera::enableViewAxis>("Enable View Axis", kBlank),
    flag<&Camera::external>("Enable External Camera", kBlank),
    {"Enable Cineflex Camera", kBlank, writeFlag<&Camera::cineflex>, readCineflex},
    {"Enable Free Camera", kBlank, writeFlag<&Camera::freeCamera>, readFreeCamera},
    integer<&Camera::initialMovementRange, ValueKind::MovementRange>("Initial Movement Range", kBlank),
    flag<&Camera::bezierTransition>("Enable Bezier Transition", kBlank),
    {"Reserved", kBlank, writeUnused, readNothing},
    oneDecimal<&Camera::transitionSeconds, ValueKind::Seconds>("Transition Seconds"),
    flag<&Camera::hidden>("Hidden Camera"),
    {"Ovilux Version", false, writeVersion, readVersion},
    {"Default FOV", false, writeDefaultFov, readDefaultFov},
    {"Aircraft", false, writeAircraft, readAircraft},
    {"Author", false, writeAuthor, readAuthor},
    {"Camera File Version", false, writeFileVersion, readFileVersion},
    {"Category Index", false, writeCategoryIndex, readNothing},
    {"Manual Enable", false, writeManualEnable, readManualEnable},
    {"Latitude", kBlank, writeWorld<&Camera::latitude>,
     readWorld<&Camera::latitude, ValueKind::Latitude>},
    {"Longitude", false, writeWorld<&Camera::longitude>,
     readWorld<&Camera::longitude, ValueKind::Longitude>},
    {"Elevation", kBlank, writeWorld<&Camera::elevation>, readElevation},
    {"X-Plane 9 Chase View", kBlank, writeFlag<&Camera::xp9ChaseView>, readChaseView},
    decimal<&Camera::roll, ValueKind::Angle>("roll", kBlank),
    {"Target Following Camera", kBlank, writeFlag<&Camera::targetFollowing>, readTargetFollowing},
    flag<&Camera::scenicFlyerGA>("Scenic Flyer GA Panel", kBlank),
    flag<&Camera::scenicFlyerGlass>("Scenic Flyer Glass Panel", kBlank),
    flag<&Camera::cinemaVerite>("Cinema Verite", kBlank),
    decimal<&Camera::cgX, ValueKind::Offset>("CGX Offset", kBlank),
    {"Hide Yoke", kBlank, writeInteger<&Camera::hideYoke>, readHideYoke},
    flag<&Camera::enableCameraAxis>("Enable Camera Axis", kBlank),
    flag<&Camera::xpRealistic>("Enable XPRealistic", kBlank),
    flag<&Camera::realView>("Enable RealView", kBlank),
    flag<&Camera::disable3DCockpitZoom>("Disable 3D Cockpit Zoom", kBlank),
    flag<&Camera::aglCamera>("AGL Camera", kBlank),
    decimal<&Camera::heightAboveAgl, ValueKind::Offset>("Height ABove AGL (Meters)", kBlank),
    flag<&Camera::circleView>("Circle View"),
    oneDecimal<&Camera::transitionDelay, ValueKind::Seconds>("Transition Delay", kBlank),
    integer<&Camera::scriptId, ValueKind::ScriptId>("Script ID", kBlank),
    integer<&Camera::cameraOrigin, ValueKind::CameraOrigin>("Camera Origin", kBlank),
    flag<&Camera::targetReciprocal>("Target Reciprocal"),
};
static_assert(sizeof(kColumns) / sizeof(kColumns[0]) == kCameraFileColumns,
              "a camera-file row has 70 columns");
}  // namespace

const CameraColumn& cameraColumn(int index) { return kColumns[index]; }

std::string cameraFileHeader() {
    std::string header;
    for (int i = 0; i < kCameraFileColumns; ++i) {
        if (i > 0) {
            header += ',';
        }
        if (kColumns[i].leadingBlank) {
            header += ' ';
        }
        header += kColumns[i].label;
    }
    header += " \n";
    return header;
}

bool oldAppendCameraRow(std::string& out, const CameraRow& row) {
    checks.nonFiniteWritten = false;
    for (int i = 0; i < kCameraFileColumns; ++i) {
        if (i > 0) {
            out += ',';
        }
        kColumns[i].write(out, row);
    }
    out += '\n';
    return !checks.nonFiniteWritten;
}

void oldReadCameraRow(char** fields, int count, CameraRow& row) {
    if (count > kCameraFileColumns) {
        count = kCameraFileColumns;
    }
    for (int i = 1; i < count; ++i) {
        checks.label = kColumns[i].label;
        kColumns[i].read(fields[i], row);
    }
}

void beginCameraValueChecks(const std::string& path) {
    checks = ValueChecks();
    checks.path = path;
}

void endCameraValueChecks() {
    if (checks.refused > kRefusalsLogged) {
        sLogMsg("Camera file %s: %d more numbers refused, outside their ranges",
                checks.path.c_str(), checks.refused - kRefusalsLogged);
    }
    checks = ValueChecks();
}

CameraFileLine readCameraFileLine(FILE* file, char* line) {
    int length = 0;
    bool tooLong = false;
    int c = getc_unlocked(file);
    if (c == EOF) {
        line[0] = 0;
        return CameraFileLine::End;
    }
    for (; c != EOF && c != '\n'; c = getc_unlocked(file)) {
        if (length < kCameraFileLineBuffer - 1) {
            line[length++] = static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    if (!tooLong && length > 0 && line[length - 1] == '\r') {
        --length;
    }
    line[length] = 0;
    if (tooLong || length > kMaxCameraFileLine) {
        line[0] = 0;
        return CameraFileLine::TooLong;
    }
    return CameraFileLine::Read;
}

namespace {
void applyExclusiveOptions(Camera* camera) {
    if (camera->initialMovementRange < 0 || camera->initialMovementRange > 3) {
        camera->initialMovementRange = 1;
    }
    if (camera->bezierTransition) {
        camera->smoothCameraJoins = false;
        camera->linearTransition = false;
        camera->smoothTransition = false;
    } else if (camera->linearTransition) {
        camera->bezierTransition = false;
        camera->smoothTransition = false;
    } else if (camera->smoothTransition) {
        camera->bezierTransition = false;
        camera->linearTransition = false;
    }
}
}  // namespace

int placeCameraRow(char** fields, int count) {
    const char* categoryName = isBlank(fields[0]) ? "" : fields[0];
    int index = findCategoryIndex(categoryName, true);
    if (index < 0) {
        logMsg("Maximum allowed camera categories");
        return 0;
    }
    Category* category = getCategorySlot(index);
    if (category->numberOfCameras >= kMaxCamerasPerCategory) {
        logMsg("Maximum allowed cameras in a category");
        return 0;
    }
    Camera* camera = &category->cameras[category->numberOfCameras];
    initCamera(camera);

    CameraFileProperty unused;
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    CameraRow row;
    row.camera = camera;
    row.properties = active != nullptr ? &active->properties : &unused;
    oldReadCameraRow(fields, count, row);
    applyExclusiveOptions(camera);

    if (camera->freeCamera) {
        if (row.reachedElevation) {
            refreshFreeCamera(camera);
        } else {
            updateFreeCameraLatLon(camera);
        }
    }
    camera->categoryIndex = index;
    camera->indexInCategory = category->numberOfCameras;
    rememberCameraPosition(camera);
    category->numberOfCameras++;
    return 1;
}

bool cameraRowHasRoom(char** fields) {
    int index = findCategoryIndex(isBlank(fields[0]) ? "" : fields[0], false);
    if (index < 0) {
        return getNumberOfCategories() < kMaxCategories;
    }
    return getCategorySlot(index)->numberOfCameras < kMaxCamerasPerCategory;
}

int splitCameraFileFields(char* line, char** fields, int capacity) {
    int count = 0;
    char* field = line;
    for (char* c = line;; ++c) {
        bool end = *c == 0;
        if (end || *c == ',') {
            *c = 0;
            if (*field != 0) {
                if (count < capacity) {
                    fields[count] = field;
                }
                ++count;
            }
            field = c + 1;
        }
        if (end) {
            return count;
        }
    }
}

bool isCameraFileHeader(char** fields) {
    return strcasecmp(fields[0], "Category Name") == 0 && strcasecmp(fields[1], "Camera Name") == 0;
}


namespace {
const int kMinimumFields = 10;

struct OpenedFile {
    FILE* file = nullptr;
    std::string path;
    int error = 0;  // errno of the failed open
};

OpenedFile openForReading(const std::string& path) {
    OpenedFile opened;
    opened.path = path;
    opened.file = openRegularFileStream(path);
    opened.error = opened.file != nullptr ? 0 : errno;
    return opened;
}

// The file named, else the aircraft's older "Ovilux.csv". When neither opens,
// the failure that matters is an existing file that cannot be read.
OpenedFile openWithOlderFallback(const std::string& path) {
    OpenedFile first = openForReading(path);
    if (first.file != nullptr) {
        return first;
    }
    OpenedFile older = openForReading(getCameraFilePath());
    if (older.file != nullptr) {
        return older;
    }
    return first.error != ENOENT ? first : older;
}

bool isBlankLine(const char* line) {
    for (; *line != 0; ++line) {
        if (!isspace(static_cast<unsigned char>(*line))) {
            return false;
        }
    }
    return true;
}

enum class ReadOutcome { Complete, ShortRow };

// Rows that could not be placed. A hostile file may hold thousands past the
// limits: the first is logged in full, the rest only counted.
struct RefusedRows {
    int count = 0;
    int firstLine = 0;
};

void logRefusedRows(const RefusedRows& refused, const std::string& path) {
    if (refused.count > 1) {
        sLogMsg("Skipped %d more rows of camera file %s after line %d: they could not be placed "
                "either",
                refused.count - 1, path.c_str(), refused.firstLine);
    }
}

ReadOutcome readRows(FILE* file, const std::string& path) {
    char line[kCameraFileLineBuffer];
    char* fields[kCameraFileColumns];
    RefusedRows refused;
    for (int number = 1;; ++number) {
        CameraFileLine status = readCameraFileLine(file, line);
        if (status == CameraFileLine::End) {
            logRefusedRows(refused, path);
            return ReadOutcome::Complete;
        }
        if (status == CameraFileLine::TooLong) {
            sLogMsg("Skipped line %d of camera file %s: longer than %d characters", number,
                    path.c_str(), kMaxCameraFileLine);
            continue;
        }
        if (isBlankLine(line)) {
            continue;
        }
        int count = splitCameraFileFields(line, fields, kCameraFileColumns);
        if (count == 0) {
            continue;
        }
        if (count < kMinimumFields) {
            sLogMsg("The camera file does not have the minimum number of camera parameters: %s, "
                    "line %d has %d fields",
                    path.c_str(), number, count);
            logRefusedRows(refused, path);
            return ReadOutcome::ShortRow;
        }
        if (isCameraFileHeader(fields)) {
            continue;
        }
        if (refused.count > 0 && !cameraRowHasRoom(fields)) {
            ++refused.count;
            continue;
        }
        if (!placeCameraRow(fields, count < kCameraFileColumns ? count : kCameraFileColumns)) {
            if (refused.count++ == 0) {
                refused.firstLine = number;
                logMsg("Unexpected error reading camera parameters");
            }
        }
    }
}

void rememberCursorOf(GlobalCameraFileNameEntry* entry) {
    entry->savedCategory = getCurrentCategoryIndex();
    Category* category = getCurrentCategory();
    entry->savedCameraIndex = category != nullptr ? category->currentCameraIndex : 0;
}

void restoreCursorOf(GlobalCameraFileNameEntry* entry) {
    Category* category = getCategory(entry->savedCategory);
    if (category != nullptr) {
        setCurrentCategoryIndex(entry->savedCategory);
        bool valid = entry->savedCameraIndex >= 0 &&
                     entry->savedCameraIndex < category->numberOfCameras;
        category->currentCameraIndex = valid ? entry->savedCameraIndex : 0;
    } else {
        setCurrentCategoryIndex(0);
        if (Category* first = getCategory(0)) {
            first->currentCameraIndex = 0;
        }
    }
}

void finishCameras(bool airport) {
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            Camera& camera = category->cameras[i];
            camera.isAirportCamera = airport ? 1 : 0;
            if (camera.xpRealistic) {
                camera.realView = false;
                camera.headShake = false;
            } else if (camera.realView) {
                camera.headShake = false;
            }
        }
    }
}

void countIntoProperties(GlobalCameraFileNameEntry* entry) {
    entry->properties.numberOfCategories = getNumberOfCategories();
    int cameras = 0;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        cameras += getCategory(c)->numberOfCameras;
    }
    entry->properties.numberOfCameras = cameras;
}
// Keeps the outgoing set and its cursor, then makes target the active file
// with an empty set.
void switchActiveFile(GlobalCameraFileNameEntry* target, const std::string& activePath) {
    if (GlobalCameraFileNameEntry* previous = getCurrentActiveCameraFile()) {
        rememberCursorOf(previous);
        fillCategoryCache(getCategoryCache(previous->fileType));
    }
    initCategories();
    GlobalCameraFileNameEntry* head = getGlobalCameraFileNameList();
    copyText(head->fileName, sizeof(head->fileName), getAircraftCameraFileName().c_str());
    setCurrentActiveCameraFile(target);
    copyText(target->path, sizeof(target->path), activePath.c_str());
    // A file read after another must not inherit its author, version or aircraft.
    resetCameraFileProperties(&target->properties);
}

// A file that does not exist yet gets the default set, written at once. One
// that exists but gave no cameras is the user's and is never overwritten: the
// default set then lives in memory only, and the result is false when the
// file could not be read at all.
bool fillEmptySet(bool airport, bool opened, const OpenedFile& source) {
    if (airport) {
        makeDefaultAirportSet();
    } else {
        makeDefaultAircraftSet();
    }
    if (!opened && source.error == ENOENT) {
        if (saveCameras(false, false) && !airport) {
            announceNewAircraftCameraFile();
        }
        return true;
    }
    if (!opened) {
        sLogMsg("Unable to read camera file %s (%s); using a default camera set without saving it",
                source.path.c_str(), describeReadError(source.error));
        return false;
    }
    sLogMsg("The camera file %s holds no cameras; using a default camera set without saving it",
            source.path.c_str());
    return true;
}
}  // namespace

int readCameras(GlobalCameraFileNameEntry* entry) {
    bool airport = entry != nullptr && entry->fileType == kAirportCameraFile;
    bool community = !airport && entry != nullptr && entry->isCommunityFile;
    GlobalCameraFileNameEntry* target = airport ? entry : getGlobalCameraFileNameList();
    std::string activePath = airport ? getGlobalCameraPath(entry) : getAircraftCameraFilePath();

    OpenedFile source;
    if (airport) {
        source = openForReading(activePath);
    } else if (community) {
        // An imported file is the one named or none: the aircraft's older
        // "Ovilux.csv" is never read in its place.
        source = openForReading(entry->path);
        if (source.file == nullptr) {
            // Nothing to import: the set and the aircraft's own file stay as they are.
            sLogMsg("Unable to open camera file %s (%s)", entry->path,
                    describeReadError(source.error));
            return 0;
        }
    } else {
        source = openWithOlderFallback(activePath);
    }

    // Transition frames point at camera records by slot, and the slots are
    // about to hold this file's cameras.
    stopAnimationRequest();
    switchActiveFile(target, activePath);
    bool complete = true;
    bool opened = source.file != nullptr;
    if (opened) {
        beginCameraValueChecks(source.path);
        complete = readRows(source.file, source.path) == ReadOutcome::Complete;
        endCameraValueChecks();
        if (ferror(source.file) != 0) {
            sLogMsg("Unable to read camera file %s (%s)", source.path.c_str(),
                    describeReadError(errno));
            complete = false;
        }
        fclose(source.file);
        source.file = nullptr;
    }
    if (getNumberOfCategories() == 0 && !fillEmptySet(airport, opened, source)) {
        complete = false;
    }

    finishCameras(airport);
    updateCameraReferences(true);
    restoreCursorOf(target);
    countIntoProperties(target);
    clearScriptEffectOffsets();
    return complete ? 1 : 0;
}

}  // namespace before

namespace {

// Everything a read leaves behind, compared byte for byte: every category slot
// is zeroed before each read, so bytes the reader never writes match too.
struct Outcome {
    int result = 0;
    int numberOfCategories = 0;
    int currentCategory = 0;
    std::vector<unsigned char> slots;
    std::vector<unsigned char> properties;
    std::string log;
};

Outcome readWith(int (*reader)(GlobalCameraFileNameEntry*)) {
    for (int i = 0; i < kMaxCategories; ++i) {
        memset(static_cast<void*>(getCategorySlot(i)), 0, sizeof(Category));
    }
    initCategories();
    GlobalCameraFileNameEntry* head = getGlobalCameraFileNameList();
    head->savedCategory = 0;
    head->savedCameraIndex = 0;
    memset(static_cast<void*>(&head->properties), 0, sizeof(head->properties));
    resetCameraFileProperties(&head->properties);
    setCurrentActiveCameraFile(head);
    size_t logStart = xpsim::logText().size();

    Outcome outcome;
    outcome.result = reader(nullptr);
    outcome.numberOfCategories = getNumberOfCategories();
    outcome.currentCategory = getCurrentCategoryIndex();
    for (int i = 0; i < kMaxCategories; ++i) {
        const unsigned char* bytes = reinterpret_cast<const unsigned char*>(getCategorySlot(i));
        outcome.slots.insert(outcome.slots.end(), bytes, bytes + sizeof(Category));
    }
    outcome.log = xpsim::logText().substr(logStart);
    // The default set is dated with the time of the read.
    if (outcome.log.find("using a default camera set") != std::string::npos) {
        memset(head->properties.fileVersion, 0, sizeof(head->properties.fileVersion));
    }
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&head->properties);
    outcome.properties.assign(bytes, bytes + sizeof(head->properties));
    return outcome;
}

std::string aircraftCameraFile() {
    static std::string path = [] {
        const FuzzHost& host = fuzzHost();
        std::filesystem::create_directories(host.root + "/Aircraft/Fuzz");
        writeWholeFile(host.root + "/Aircraft/Fuzz/Fuzz.acf", nullptr, 0);
        xpsim::setUserAircraft("Aircraft/Fuzz/Fuzz.acf");
        return host.root + "/Aircraft/Fuzz/Ovilux_Fuzz.csv";
    }();
    return path;
}

template <typename Number>
void fill(FuzzedDataProvider& bytes, Number* field) {
    std::vector<uint8_t> raw = bytes.ConsumeBytes<uint8_t>(sizeof(Number));
    raw.resize(sizeof(Number));
    memcpy(field, raw.data(), sizeof(Number));
}

void fillText(FuzzedDataProvider& bytes, char* field, size_t size) {
    std::string text = bytes.ConsumeRandomLengthString(size - 1);
    memcpy(field, text.c_str(), text.size() + 1);
}

// Every field any bits; flags any truth value.
void compareRows(const uint8_t* data, size_t size) {
    FuzzedDataProvider bytes(data, size);
    static Category category;
    static Camera camera;
    static CameraFileProperty properties;
    fillText(bytes, category.name, sizeof(category.name));
    fillText(bytes, camera.name, sizeof(camera.name));
    fillText(bytes, properties.author, sizeof(properties.author));
    fillText(bytes, properties.fileVersion, sizeof(properties.fileVersion));
    properties.manualEnable = bytes.ConsumeBool();
    for (int* field : {&camera.viewId, &camera.linearTransitionFrames, &camera.initialMovementRange,
                       &camera.hideYoke, &camera.scriptId, &camera.cameraOrigin}) {
        fill(bytes, field);
    }
    for (float* field :
         {&camera.x, &camera.y, &camera.z, &camera.heading, &camera.pitch, &camera.roll,
          &camera.zoom, &camera.fov, &camera.maxTrackIR.x, &camera.maxTrackIR.y,
          &camera.maxTrackIR.z, &camera.minTrackIR.x, &camera.minTrackIR.y, &camera.minTrackIR.z,
          &camera.cgX, &camera.cgY, &camera.cgZ, &camera.transitionSeconds,
          &camera.transitionDelay, &camera.heightAboveAgl}) {
        fill(bytes, field);
    }
    for (double* field : {&camera.latitude, &camera.longitude, &camera.elevation}) {
        fill(bytes, field);
    }
    for (bool* flag :
         {&camera.trackIR, &camera.smoothTransition, &camera.headShake,
          &camera.retainMouseLookPosition, &camera.temporaryPositioning, &camera.linearTransition,
          &camera.autoAdvance, &camera.limitTrackIR, &camera.enableFov, &camera.smoothCameraJoins,
          &camera.trackHeading, &camera.trackPitch, &camera.levelCamera, &camera.enableViewAxis,
          &camera.external, &camera.cineflex, &camera.freeCamera, &camera.bezierTransition,
          &camera.hidden, &camera.xp9ChaseView, &camera.targetFollowing, &camera.scenicFlyerGA,
          &camera.scenicFlyerGlass, &camera.cinemaVerite, &camera.enableCameraAxis,
          &camera.xpRealistic, &camera.realView, &camera.disable3DCockpitZoom, &camera.aglCamera,
          &camera.circleView, &camera.targetReciprocal}) {
        *flag = bytes.ConsumeBool();
    }
    CameraRow row;
    row.category = &category;
    row.categoryIndex = bytes.ConsumeIntegral<int>();
    row.camera = &camera;
    row.properties = &properties;
    row.airportFile = bytes.ConsumeBool();
    row.aircraftName = bytes.ConsumeRandomLengthString(400);

    std::string old;
    bool oldFinite = false;
    {
        CLocaleScope numbers;
        oldFinite = before::oldAppendCameraRow(old, row);
    }
    std::string now;
    bool nowFinite = appendCameraRow(now, row);
    if (old != now || oldFinite != nowFinite) {
        fprintf(stderr, "the rows differ (finite %d/%d):\n%s\n%s\n", oldFinite, nowFinite,
                old.c_str(), now.c_str());
        abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    compareRows(data, size);
    // An empty file would be replaced by the default set, and each reader
    // would then read a different file.
    if (size == 0) {
        return 0;
    }
    std::string path = aircraftCameraFile();
    writeWholeFile(path, data, size);
    Outcome old = readWith(before::readCameras);
    Outcome now = readWith(readCameras);
    if (old.result != now.result || old.numberOfCategories != now.numberOfCategories ||
        old.currentCategory != now.currentCategory || old.slots != now.slots ||
        old.properties != now.properties || old.log != now.log) {
        fprintf(stderr, "the readers differ: result %d/%d, categories %d/%d, current %d/%d, "
                        "slots %s, properties %s\nlog before:\n%s\nlog now:\n%s\n",
                old.result, now.result, old.numberOfCategories, now.numberOfCategories,
                old.currentCategory, now.currentCategory,
                old.slots == now.slots ? "same" : "differ",
                old.properties == now.properties ? "same" : "differ", old.log.c_str(),
                now.log.c_str());
        abort();
    }
    SpeechManager::clear();
    removeMsgBoxManager();
    return 0;
}

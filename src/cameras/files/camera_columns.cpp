#include "cameras/files/camera_columns.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "scene/fov.h"
#include "cameras/files/camera_file_lines.h"
#include "shell/c_locale.h"
#include "shell/host_info.h"
#include "shell/log.h"
#include "shell/number_text.h"
#include "shell/value_ranges.h"

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

const int kSixDecimals = 6;  // "%f"
const int kOneDecimal = 1;   // "%.1f"

// Most of a row's text: a full set holds some 60,000 decimals.
void appendDecimal(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        checks.nonFiniteWritten = true;
    }
    appendFixedDecimal(out, value, decimals);
}

void appendInteger(std::string& out, int value) {
    char text[16];
    std::to_chars_result result = std::to_chars(text, text + sizeof(text), value);
    out.append(text, static_cast<size_t>(result.ptr - text));
}

// The reader splits at ',' and drops empty fields, and a line ends at a line
// feed: such characters become blanks.
void appendCleanText(std::string& out, const char* text, size_t limit = std::string::npos) {
    size_t start = out.size();
    out.append(text, strnlen(text, limit));
    for (size_t i = start; i < out.size(); ++i) {
        char c = out[i];
        if (c == ',' || c == '\r' || c == '\n') {
            out[i] = ' ';
        }
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

void appendFlag(std::string& out, bool value) {
    if (value) {
        out.append("TRUE", 4);
    } else {
        out.append("FALSE", 5);
    }
}

// ---------------------------------------------------------------- reading

// The word in any case after white space, ending the field or followed by
// white space. word is in lower case; ASCII letters fold alike in every locale.
bool isWord(const char* field, const char* word) {
    while (isSpaceInLine(*field)) {
        ++field;
    }
    for (; *word != 0; ++field, ++word) {
        if ((*field | 0x20) != *word) {
            return false;
        }
    }
    return *field == 0 || isSpaceInLine(*field);
}

bool isTrue(const char* field) { return isWord(field, "true"); }

// A number out of its column's range leaves the field at its reset value.
void refuse(const char* field, ValueKind kind) {
    if (++checks.refused > kRefusalsLogged) {
        return;
    }
    const ValueRange& range = valueRange(kind);
    while (isSpaceInLine(*field)) {
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
    NumberRead result = readFloatInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

template <>
bool readNumber<double>(const char* field, ValueKind kind, double* out) {
    NumberRead result = readDoubleInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

template <>
bool readNumber<int>(const char* field, ValueKind kind, int* out) {
    NumberRead result = readIntInRange(field, kind, out);
    if (result == NumberRead::Refused) {
        refuse(field, kind);
    }
    return result == NumberRead::Read;
}

// A text read into a fixed field: cut to fit; white space alone reads as the
// empty text the writer stood a blank in for.
void copyCut(char* field, size_t size, const char* text, size_t length) {
    if (length > size - 1) {
        length = size - 1;
    }
    memcpy(field, text, length);
    field[length] = 0;
}

// A text read into a fixed field: cut to fit; white space alone reads as the
// empty text the writer stood a blank in for.
void readText(char* field, size_t size, const char* text, size_t limit) {
    if (isBlankText(text)) {
        field[0] = 0;
        return;
    }
    copyCut(field, size, text, strnlen(text, limit));
}

void readTrimmedText(char* field, size_t size, const char* text) {
    while (isSpaceInLine(*text)) {
        ++text;
    }
    size_t length = strlen(text);
    while (length > 0 && isSpaceInLine(text[length - 1])) {
        --length;
    }
    copyCut(field, size, text, length < kMaxPropertyText ? length : kMaxPropertyText);
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
    appendDecimal(out, row.camera->*Field, kSixDecimals);
}

template <float Camera::*Field>
void writeOneDecimal(std::string& out, const CameraRow& row) {
    appendDecimal(out, row.camera->*Field, kOneDecimal);
}

template <float Camera::*Field, ValueKind Kind>
void readDecimal(const char* field, CameraRow& row) {
    readNumber(field, Kind, &(row.camera->*Field));
}

template <CameraPosition Camera::*Limit, float CameraPosition::*Axis>
void writeLimit(std::string& out, const CameraRow& row) {
    appendDecimal(out, row.camera->*Limit.*Axis, kSixDecimals);
}

template <CameraPosition Camera::*Limit, float CameraPosition::*Axis>
void readLimit(const char* field, CameraRow& row) {
    readNumber(field, ValueKind::Offset, &(row.camera->*Limit.*Axis));
}

template <double Camera::*Field>
void writeWorld(std::string& out, const CameraRow& row) {
    if (row.camera->freeCamera) {
        appendDecimal(out, row.camera->*Field, kSixDecimals);
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
    if (parseFloatC(field, &fov)) {
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

void writeDefaultFov(std::string& out, const CameraRow&) {
    appendDecimal(out, getDefaultFOV(), kSixDecimals);
}

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
    if (isWord(field, "true")) {
        row.camera->hideYoke = 1;
    } else if (isWord(field, "false")) {
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

bool appendCameraRow(std::string& out, const CameraRow& row) {
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

void readCameraRow(char** fields, int count, CameraRow& row) {
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

#include "shell/value_ranges.h"

#include <climits>
#include <cmath>

#include "shell/number_text.h"

namespace {
// Wide enough for every value a user or a generator means; tight enough that
// no sum, rotation or "%f" of a value read ever leaves the finite numbers or
// the camera file's line limit.
const ValueRange kRanges[] = {
    {-90.0, 90.0},          // Latitude
    {-180.0, 180.0},        // Longitude
    {-1e4, 1e6},            // Elevation
    {-1e6, 1e6},            // Offset
    {-360.0, 360.0},        // Angle
    {0.0, 100.0},           // Zoom
    {15.0, 170.0},          // FieldOfView
    {0.0, 86400.0},         // Seconds
    {0.0, 1e7},             // Frames
    {0.0, 3.0},             // MovementRange
    {0.0, 2.0},             // HideYoke
    {0.0, 2.0},             // CameraOrigin
    {0.0, 65.0},            // ViewId
    {0.0, 2147483647.0},    // ScriptId
    {0.000005, 45.0},       // RotationSpeed: from the settings drags' smallest
    {0.000005, 100.0},      // MovementSpeed
    {0.000005, 100.0},      // RangeFactor
    {0.1, 100.0},           // SpeedFactor
    {1.0, 10000.0},         // SpeedStepFactor
    {1.0, 50.0},            // MouseSmoothing
    {0.0, 50.0},            // Smoothing
    {1.0, 100.0},           // ViewAxisSmoothing
    {60.0, 36000.0},        // SmoothWindow
    {-1.0, 1.0},            // AxisCentre
    {0.0, 1.0},             // NullZone
    {0.0, 2.0},             // MiddleMouseBehavior
    {0.0, 63.0},            // MonitorIndex
    {0.0, 14.0},            // PanelMonitor: as many as the monitor list holds
    {0.0, 3.0},             // WindowMode
    {-1e6, 1e6},            // ScreenCoordinate
};
static_assert(sizeof(kRanges) / sizeof(kRanges[0]) == static_cast<size_t>(ValueKind::Count),
              "one range for every kind of value");
}  // namespace

const ValueRange& valueRange(ValueKind kind) { return kRanges[static_cast<int>(kind)]; }

bool isInRange(ValueKind kind, double value) {
    const ValueRange& range = valueRange(kind);
    return std::isfinite(value) && value >= range.min && value <= range.max;
}

bool isFloatInRange(const ValueRange& range, float value) {
    return std::isfinite(value) && value >= static_cast<float>(range.min) &&
           value <= static_cast<float>(range.max);
}

NumberRead readDoubleInRange(const char* token, ValueKind kind, double* out) {
    double value = 0;
    if (!scanDoubleC(token, &value)) {
        return NumberRead::NotANumber;
    }
    if (!isInRange(kind, value)) {
        return NumberRead::Refused;
    }
    *out = value;
    return NumberRead::Read;
}

// Read as a float, as strtof and parseFloatC read: a double narrowed to a float
// can round some texts differently.
NumberRead readFloatInRange(const char* token, ValueKind kind, float* out) {
    float value = 0;
    if (!scanFloatC(token, &value)) {
        return NumberRead::NotANumber;
    }
    if (!isFloatInRange(valueRange(kind), value)) {
        return NumberRead::Refused;
    }
    *out = value;
    return NumberRead::Read;
}

NumberRead readIntInRange(const char* token, ValueKind kind, int* out) {
    long value = 0;
    bool tooLarge = false;
    if (!scanLongC(token, &value, &tooLarge)) {
        return NumberRead::NotANumber;
    }
    if (tooLarge || value < INT_MIN || value > INT_MAX ||
        !isInRange(kind, static_cast<double>(value))) {
        return NumberRead::Refused;
    }
    *out = static_cast<int>(value);
    return NumberRead::Read;
}

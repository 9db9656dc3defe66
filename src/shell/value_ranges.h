// What each kind of number read from a file may hold. Every reader of the
// plug-in's files (camera files, "Ovilux.ini", the targets file, the aircraft's
// quick-look views) checks its numbers against this one table, so a value that
// is finite but absurd never becomes a pose, a speed or a setting. The settings
// panel's drags and its repair of typed values take their bounds from here as
// well, so a value the file gives is one the panel keeps, and the other way round.
#pragma once

enum class ValueKind {
    Latitude,          // degrees
    Longitude,         // degrees
    Elevation,         // metres above sea level
    Offset,            // metres: positions relative to an origin, local positions, CG offsets
    Angle,             // degrees: heading, pitch, roll
    Zoom,              // X-Plane zoom factor
    FieldOfView,       // degrees
    Seconds,           // transition time and delay
    Frames,            // transition frames
    MovementRange,     // 0 small .. 3 very large
    HideYoke,          // 0 leave, 1 show, 2 hide
    CameraOrigin,      // 0 the user's aircraft, 1 the carrier, 2 the frigate
    ViewId,            // 0 none, 1..65
    ScriptId,          // 0 none
    RotationSpeed,     // degrees per frame
    MovementSpeed,     // metres per frame
    RangeFactor,       // scale of head-tracking offsets
    SpeedFactor,       // mouse speed
    SpeedStepFactor,   // pan and move speed steps of X-Plane's fast and slow commands
    MouseSmoothing,    // values in the mouse's moving average
    Smoothing,         // values in the movement and head-tracking moving averages, 0 none
    ViewAxisSmoothing, // values in the joystick view axes' moving average
    SmoothWindow,      // frames of the smooth transitions
    AxisCentre,        // calibrated joystick axis value
    NullZone,          // joystick axis dead zone
    MiddleMouseBehavior,
    MonitorIndex,      // in X-Plane's window positions
    PanelMonitor,      // the monitors a settings combo offers
    WindowMode,        // 0 none .. 3 docked
    ScreenCoordinate,  // boxels
    Count
};

struct ValueRange {
    double min;
    double max;
};

const ValueRange& valueRange(ValueKind kind);
// Finite and within the kind's range, both ends included.
bool isInRange(ValueKind kind, double value);
// The same for a float, against the bounds as floats: a bound such as 0.000005
// is a little more as a double than the float nearest it, which a float field
// set to its bound (a drag at its stop, a file read back) holds.
bool isFloatInRange(const ValueRange& range, float value);

enum class NumberRead { Read, NotANumber, Refused };

// Like parseFloatC and parseIntC: *out is set only when the token starts with a
// number within the kind's range; Refused for a non-finite number, one out of
// range or one too large for the type.
NumberRead readFloatInRange(const char* token, ValueKind kind, float* out);
NumberRead readDoubleInRange(const char* token, ValueKind kind, double* out);
NumberRead readIntInRange(const char* token, ValueKind kind, int* out);

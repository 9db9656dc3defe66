// The user's preferences: one global record and the file "Ovilux.ini".
#pragma once

#include <string>

#include "shell/value_ranges.h"

struct WindowPosition {
    int mode = 0;  // 0 none, 1 floating, 2 popped out, 3 docked
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Settings {
    float SMALL_ROTATION_SPEED = 0;
    float MEDIUM_ROTATION_SPEED = 0;
    float LARGE_ROTATION_SPEED = 0;
    float VERY_LARGE_ROTATION_SPEED = 0;
    float SMALL_MOVEMENT_SPEED = 0;
    float MEDIUM_MOVEMENT_SPEED = 0;
    float LARGE_MOVEMENT_SPEED = 0;
    float VERY_LARGE_MOVEMENT_SPEED = 0;
    float SMALL_HEADTRACK_RANGE = 0;
    float MEDIUM_HEADTRACK_RANGE = 0;
    float LARGE_HEADTRACK_RANGE = 0;
    float VERY_LARGE_HEADTRACK_RANGE = 0;
    float panSpeedFactor = 0;       // never stored in the file
    float movementSpeedFactor = 0;  // never stored in the file
    bool ENABLE_PANSPEED_TOGGLE = false;
    bool ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL = true;
    bool ENABLE_TRANSPARENT_MINI_CONTROL_PANEL = true;
    bool ENABLE_SOLID_CONTROL_PANEL = false;
    bool ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START = false;
    int MOUSE_SMOOTHING_FACTOR = 10;
    float MOUSE_SPEED_FACTOR = 1.0f;
    int HEAD_TRACK_SMOOTHING_FACTOR = 0;
    int VIEW_AXIS_SMOOTHING_FACTOR = 5;
    int MOVEMENT_SMOOTHING_FACTOR = 0;
    bool ENABLE_SHOW_TARGET_INFORMATION = true;
    bool LOCK_KEYBOARD_CONTROL = false;
    bool PAUSE_ON_FREE_TARGET_AIM = false;
    int SMOOTH_WINDOW = 60;
    bool HIDE_FAVORITES = false;
    bool DISABLE_QUICK_LOOK_EMULATION = false;
    float VIEW_AXIS_HEADING_CENTER = 0;
    float VIEW_AXIS_PITCH_CENTER = 0;
    float VIEW_AXIS_ZOOM_CENTER = 0;
    float VIEW_AXIS_CAMERA_LR_CENTER = 0;
    float VIEW_AXIS_CAMERA_UD_CENTER = 0;
    float VIEW_AXIS_CAMERA_FB_CENTER = 0;
    float VIEW_AXIS_NULL_ZONE = 0.025f;
    bool ENABLE_FORCE_FOV = false;
    bool ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS = false;
    bool DISABLE_VOICE_PROMPTS = false;
    bool USE_SMALL_FONT = false;
    int MIDDLE_MOUSE_BEHAVIOR = 0;  // 0 mouse look, 1 toggle zoom lock, 2 none
    int MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    int INI_FILE_VERSION = 0;
    bool REVERSE_CIRCLE_VIEW_MOUSE_Y = false;
    bool CIRCLE_VIEW_WHEEL_ZOOM = false;
    WindowPosition LAST_CONTROL_PANEL_POSITION;
    WindowPosition LAST_MINI_CONTROL_PANEL_POSITION;
    bool POPPED_OUT_MINI_PANEL_ALWAYS_ON_TOP = false;
};

Settings* getSettings();
// The values the last read started from (the "Default Settings" button).
Settings* getDefaultSettings();
// Resets the fields that have a default, keeps a copy of them, then reads the
// file; a missing file is created.
void readSettings();
// The range a numeric key's value is read within, which the settings panel's
// drags and repair keep as well; null for the bools, the version and the panel
// positions.
const ValueRange* getSettingsValueRange(const char* key);
// Writes "Ovilux.ini"; false, with a log line and the reason in *whyNot when
// given, when the file was left as it was.
bool saveSettings(std::string* whyNot = nullptr);

// The pieces the control panel and its dialogs are drawn with: framed child
// regions, drag fields that never take a value the camera, a generator or the
// camera file cannot hold (what is typed is clamped into the field's range),
// and the dialogs' colours and button width.
#pragma once

#include <imgui.h>

#include "shell/value_ranges.h"

const ImVec4 kDialogRed(1.0f, 0.0f, 0.0f, 1.0f);
const ImVec4 kDialogYellow(1.0f, 1.0f, 0.0f, 1.0f);
const float kDialogButtonWidth = 120.0f;

// A child region with a border, a menu bar, corner radius 5 and a black
// background at alpha 50. Always pair with endPanelBox.
void beginPanelBox(const char* id, float width, float height);
void endPanelBox();

// Drags whose typed values are clamped into [min, max].
bool dragClamped(const char* label, float* value, float speed, float min, float max,
                 const char* format);
bool dragClampedInt(const char* label, int* value, float speed, int min, int max);
// A drag clamped into the range the camera file's reader takes for that kind
// of value, so whatever is typed survives a save and a read.
bool dragInRange(const char* label, float* value, float speed, ValueKind kind,
                 const char* format);
// A heading field: a drag runs from -1 to 361, the degree of slack each side
// letting it cross north; a drag or a typed value is wrapped into [0, 360)
// (-90 is 270, 450 is 90). A value that is not finite is refused.
bool dragHeading(const char* label, float* heading, float speed);


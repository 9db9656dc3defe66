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
// A heading field (-1 to 361): the degree of slack each side lets a drag
// cross north, and the value wraps back into 0..360.
bool dragHeading(const char* label, float* heading, float speed);


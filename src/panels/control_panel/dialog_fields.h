// The controls the dialogs share: number fields that never take a value that
// cannot be used, and the colours of their messages.
#pragma once

#include <imgui.h>

const ImVec4 kDialogRed(1.0f, 0.0f, 0.0f, 1.0f);
const ImVec4 kDialogYellow(1.0f, 1.0f, 0.0f, 1.0f);
const float kDialogButtonWidth = 120.0f;

// A drag field without limits; a typed value that is not finite (inf, nan)
// is refused and the field keeps what it held.
bool dragUnlimited(const char* label, float* value, float speed, const char* format);
// A drag field held within [min, max], typed values included.
bool dragWithin(const char* label, float* value, float speed, float min, float max,
                const char* format);
// A heading field (-1 to 361) that wraps past north into [0, 360].
bool dragHeading(const char* label, float* heading);
// True when the name holds no character but blanks.
bool isBlankName(const char* name);

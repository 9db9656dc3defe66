// The pieces the option editor's three boxes are drawn with: their framed
// child regions and drag fields that never take a value the camera cannot
// hold (ranged fields clamp what is typed; unbounded ones refuse what is not
// finite).
#pragma once

// A child region with a border, a menu bar, corner radius 5 and a black
// background at alpha 50. Always pair with endOptionBox.
void beginOptionBox(const char* id, float width, float height);
void endOptionBox();

// An unbounded float drag; the value changes only to a finite number.
bool dragFinite(const char* label, float* value, float speed, const char* format);
// Drags whose typed values are clamped into [min, max].
bool dragClamped(const char* label, float* value, float speed, float min, float max,
                 const char* format);
bool dragClampedInt(const char* label, int* value, float speed, int min, int max);

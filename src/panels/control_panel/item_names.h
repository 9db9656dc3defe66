// The names the control panel gives categories and cameras. A name is refused
// when the camera file would not read it back as the same set: blank, merged
// with another category's (cameras/set/category_names.h), or, for a category
// "Category Name" holding a camera "Camera Name", a row the reader takes for
// the file's header.
#pragma once

// Why the text cannot name the category at categoryIndex; null when it can.
const char* categoryNameRefusal(const char* text, int categoryIndex);
// Why the text cannot name a camera of the category at categoryIndex; null
// when it can.
const char* cameraNameRefusal(const char* text, int categoryIndex);
// Why "Create" of a fly-by or orbit makes nothing; null when it can: a name of
// blanks only (noName, the dialog's own text), a name a rename would refuse,
// or cameras that do not fit the camera file. The generator replaces the
// category of that very name (case ignored) with all its cameras, or makes a
// new one.
const char* generatedCategoryRefusal(const char* name, const char* noName, bool camerasFit);

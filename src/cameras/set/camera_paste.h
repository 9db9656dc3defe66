// Pasting copied cameras and categories, and whole-set copies.
#pragma once

#include "cameras/set/camera.h"

// The target must be a camera of the current category. Replace copies the
// whole record, name and view ID included; the insert modes keep the cursor
// index, so inserting before the current camera makes the pasted one current.
int pasteCamera(Camera* source, Camera* target, PasteMode mode);
int pasteCategory(Category* source, Category* target, PasteMode mode);
void fillCategoryCache(CategoryCache* cache);
// The cursor is brought into the restored set.
void restoreCategoriesFromCache(CategoryCache* cache);

#include "panels/control_panel/item_names.h"

#include <cctype>
#include <cstdio>

#include "cameras/set/camera.h"
#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/category_names.h"
#include "shell/value_ranges.h"

namespace {

const char* const kBlank = "A name cannot be blank";
const char* const kTaken = "Another category has this name";
const char* const kHeaderPair = "\"Category Name\" cannot hold \"Camera Name\"";

// The file's header begins "Category Name,Camera Name", in any case.
bool isHeaderCategoryName(const char* name) { return sameNameInFile(name, "Category Name"); }
bool isHeaderCameraName(const char* name) { return sameNameInFile(name, "Camera Name"); }

// Blanks only; as the file writes it, a comma is a blank too.
bool isBlank(const char* text, bool commasAsBlanks) {
    for (; *text != '\0'; ++text) {
        bool blank = std::isspace(static_cast<unsigned char>(*text)) ||
                     (commasAsBlanks && *text == ',');
        if (!blank) {
            return false;
        }
    }
    return true;
}

bool isBlankInFile(const char* text) { return isBlank(text, true); }

const char* categoryNameClash(const char* text, int categoryIndex) {
    if (isBlankInFile(text)) {
        return kBlank;
    }
    return categoryNameTaken(text, categoryIndex) ? kTaken : nullptr;
}

const char* cameraOutOfRangeText() {
    static char text[100] = "";
    if (text[0] == '\0') {
        snprintf(text, sizeof(text), "These values put a camera more than %.0f m from the aircraft",
                 valueRange(ValueKind::Offset).max);
    }
    return text;
}

}  // namespace

const char* categoryNameRefusal(const char* text, int categoryIndex) {
    if (const char* clash = categoryNameClash(text, categoryIndex)) {
        return clash;
    }
    Category* category = getCategory(categoryIndex);
    if (category != nullptr && isHeaderCategoryName(text)) {
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (isHeaderCameraName(category->cameras[i].name)) {
                return kHeaderPair;
            }
        }
    }
    return nullptr;
}

const char* cameraNameRefusal(const char* text, int categoryIndex) {
    if (isBlankInFile(text)) {
        return kBlank;
    }
    Category* category = getCategory(categoryIndex);
    if (category != nullptr && isHeaderCategoryName(category->name) && isHeaderCameraName(text)) {
        return kHeaderPair;
    }
    return nullptr;
}

const char* generatedCategoryRefusal(const char* name, const char* noName, bool camerasFit) {
    if (isBlank(name, false)) {
        return noName;
    }
    int replaced = findCategoryIndex(name, false);
    if (const char* clash =
            categoryNameClash(name, replaced >= 0 ? replaced : getNumberOfCategories())) {
        return clash;
    }
    return camerasFit ? nullptr : cameraOutOfRangeText();
}

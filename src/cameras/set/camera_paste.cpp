#include "cameras/set/camera_paste.h"

#include "cameras/set/camera_set.h"
#include "libwinkit/message_box.h"

namespace {
// Whole categories are too large for the stack.
Category pastedCategory;

int indexInCurrentCategory(const Camera* camera) {
    Category* category = getCurrentCategory();
    if (category == nullptr || camera < category->cameras ||
        camera >= category->cameras + category->numberOfCameras) {
        return -1;
    }
    return static_cast<int>(camera - category->cameras);
}

int indexOfCategory(const Category* category) {
    const Category* first = getCategorySlot(0);
    if (category < first || category >= first + getNumberOfCategories()) {
        return -1;
    }
    return static_cast<int>(category - first);
}

bool isInsert(PasteMode mode) { return mode == PasteInsertBefore || mode == PasteInsertAfter; }
}  // namespace

int pasteCamera(Camera* source, Camera* target, PasteMode mode) {
    int index = indexInCurrentCategory(target);
    if (source == nullptr || index < 0) {
        return 0;
    }
    // The source may lie in the set and move while the cameras shift.
    Camera pasted = *source;
    Category* category = getCurrentCategory();
    if (mode == PasteReplace) {
        *target = pasted;
    } else if (isInsert(mode)) {
        if (category->numberOfCameras >= kMaxCamerasPerCategory) {
            msgBox("ERROR", "There are no more cameras available in this category");
            return 0;
        }
        rememberCameraPosition(target);
        int place = mode == PasteInsertBefore ? index : index + 1;
        for (int i = category->numberOfCameras; i > place; --i) {
            category->cameras[i] = category->cameras[i - 1];
        }
        category->cameras[place] = pasted;
        category->numberOfCameras++;
    }
    updateCameraReferences(true);
    return isInsert(mode) || mode == PasteReplace ? 1 : 0;
}

int pasteCategory(Category* source, Category* target, PasteMode mode) {
    int index = indexOfCategory(target);
    if (source == nullptr || index < 0) {
        return 0;
    }
    pastedCategory = *source;
    Category* slots = getCategorySlot(0);
    int count = getNumberOfCategories();
    if (mode == PasteReplace) {
        slots[index] = pastedCategory;
    } else if (isInsert(mode)) {
        if (count >= kMaxCategories) {
            msgBox("ERROR", "There are no more categories");
            return 0;
        }
        if (Camera* current = getCurrentCamera()) {
            rememberCameraPosition(current);
        }
        int place = mode == PasteInsertBefore ? index : index + 1;
        for (int i = count; i > place; --i) {
            slots[i] = slots[i - 1];
        }
        slots[place] = pastedCategory;
        setNumberOfCategories(count + 1);
    }
    // A pasted category's counts come from outside the set.
    clampCursor();
    updateCameraReferences(true);
    return isInsert(mode) || mode == PasteReplace ? 1 : 0;
}

void fillCategoryCache(CategoryCache* cache) {
    cache->numberOfCategories = getNumberOfCategories();
    for (int i = 0; i < kMaxCategories; ++i) {
        cache->categories[i] = *getCategorySlot(i);
    }
}

void restoreCategoriesFromCache(CategoryCache* cache) {
    for (int i = 0; i < kMaxCategories; ++i) {
        *getCategorySlot(i) = cache->categories[i];
    }
    setNumberOfCategories(cache->numberOfCategories);
    clampCursor();
    updateCameraReferences(true);
}

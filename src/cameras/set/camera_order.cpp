#include "cameras/set/camera_order.h"

#include <utility>

#include "cameras/set/camera_set.h"

namespace {
// Whole categories are too large for the stack.
Category heldCategory;

int follow(int cursor, int first, int second) {
    if (cursor == first) return second;
    if (cursor == second) return first;
    return cursor;
}
}  // namespace

int swapCategories(int first, int second) {
    int count = getNumberOfCategories();
    if (first < 0 || second < 0 || first >= count || second >= count || first == second) {
        return 0;
    }
    Category* a = getCategorySlot(first);
    Category* b = getCategorySlot(second);
    heldCategory = *a;
    *a = *b;
    *b = heldCategory;
    setCurrentCategoryIndex(follow(getCurrentCategoryIndex(), first, second));
    updateCameraReferences(false);
    return 1;
}

int swapCameras(int first, int second) {
    Category* category = getCurrentCategory();
    if (category == nullptr) {
        return 0;
    }
    int count = category->numberOfCameras;
    if (first < 0 || second < 0 || first >= count || second >= count || first == second) {
        return 0;
    }
    std::swap(category->cameras[first], category->cameras[second]);
    category->currentCameraIndex = follow(category->currentCameraIndex, first, second);
    updateCameraReferences(false);
    return 1;
}

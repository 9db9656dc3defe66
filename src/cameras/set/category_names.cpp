#include "cameras/set/category_names.h"

#include <cctype>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"

namespace {

char foldForFile(char c) {
    return c == ',' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string cut(const char* name) { return std::string(name).substr(0, kMaxNameLength); }

}  // namespace

bool sameNameInFile(const char* first, const char* second) {
    int i = 0;
    for (; i < kMaxNameLength && first[i] != '\0' && second[i] != '\0'; ++i) {
        if (foldForFile(first[i]) != foldForFile(second[i])) {
            return false;
        }
    }
    return i == kMaxNameLength || (first[i] == '\0' && second[i] == '\0');
}

bool categoryNameTaken(const char* name, int categoryIndex) {
    for (int i = 0; i < getNumberOfCategories(); ++i) {
        Category* other = getCategory(i);
        if (i != categoryIndex && other != nullptr && sameNameInFile(name, other->name)) {
            return true;
        }
    }
    return false;
}

std::string numberedCategoryName(const char* base, int first, int categoryIndex) {
    std::string kept = cut(base);
    for (int number = first;; ++number) {
        std::string suffix = " " + std::to_string(number);
        std::string numbered = kept.substr(0, kMaxNameLength - suffix.size()) + suffix;
        if (!categoryNameTaken(numbered.c_str(), categoryIndex)) {
            return numbered;
        }
    }
}

std::string uniqueCategoryName(const char* name, int categoryIndex) {
    if (!categoryNameTaken(name, categoryIndex)) {
        return cut(name);
    }
    return numberedCategoryName(name, 2, categoryIndex);
}

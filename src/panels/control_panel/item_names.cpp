#include "panels/control_panel/item_names.h"

#include <cctype>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"

namespace {

// The file writer turns commas into blanks; the reader compares case blind.
char foldForFile(char c) {
    return c == ',' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool sameForFile(const std::string& first, const char* second) {
    size_t i = 0;
    for (; i < first.size() && i < static_cast<size_t>(kMaxNameLength) && second[i] != '\0';
         ++i) {
        if (foldForFile(first[i]) != foldForFile(second[i])) {
            return false;
        }
    }
    bool firstEnded = i == first.size() || i == static_cast<size_t>(kMaxNameLength);
    bool secondEnded = second[i] == '\0' || i == static_cast<size_t>(kMaxNameLength);
    return firstEnded && secondEnded;
}

bool takenByAnother(const std::string& name, int categoryIndex) {
    for (int i = 0; i < getNumberOfCategories(); ++i) {
        Category* other = getCategory(i);
        if (i != categoryIndex && other != nullptr && sameForFile(name, other->name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

const char* nameRefusal(const char* text, int categoryIndex) {
    bool blank = true;
    for (const char* c = text; *c != '\0'; ++c) {
        if (!std::isspace(static_cast<unsigned char>(*c)) && *c != ',') {
            blank = false;
        }
    }
    if (blank) {
        return "A name cannot be blank";
    }
    if (categoryIndex >= 0 && takenByAnother(text, categoryIndex)) {
        return "Another category has this name";
    }
    return nullptr;
}

std::string uniqueCategoryName(const char* name, int categoryIndex) {
    std::string base = std::string(name).substr(0, kMaxNameLength);
    if (!takenByAnother(base, categoryIndex)) {
        return base;
    }
    for (int number = 2;; ++number) {
        std::string suffix = " " + std::to_string(number);
        std::string numbered = base.substr(0, kMaxNameLength - suffix.size()) + suffix;
        if (!takenByAnother(numbered, categoryIndex)) {
            return numbered;
        }
    }
}

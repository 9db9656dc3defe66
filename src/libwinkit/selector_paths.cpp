#include "libwinkit/selector_paths.h"

#include <vector>

#include "shell/log.h"
#include "shell/strings.h"

bool rootFolderFromTyped(const std::string& typed, std::string& rootPath) {
    std::vector<char> buffer(typed.begin(), typed.end());
    buffer.push_back(0);
    std::string trimmed = trimWhiteSpace(buffer.data());
    if (trimmed.size() > kMaxSelectorPath - 1) {
        sLogMsg("Folder path too long (%zu characters), not scanned: %.200s...", trimmed.size(),
                trimmed.c_str());
        return false;
    }
    if (trimmed.empty()) {
        trimmed = "/";
    } else if (trimmed.back() != '/' && trimmed.back() != '\\') {
        trimmed += '/';
    }
    rootPath = trimmed;
    return true;
}

bool selectorPathFits(const std::string& path) {
    if (path.size() <= kMaxSelectorPath) {
        return true;
    }
    sLogMsg("Path too long (%zu characters), refused: %.200s...", path.size(), path.c_str());
    return false;
}

// XPLMUtilities' files and paths: X-Plane's folder, the prefs file and folder
// listings.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace fs = std::filesystem;

namespace xpsim {
namespace {

std::string absoluteFolder(const std::string& dir) {
    std::error_code error;
    fs::path path = fs::absolute(dir.empty() ? fs::path(".") : fs::path(dir), error);
    std::string text = path.lexically_normal().string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

// Made on first use, safely from any thread (the log asks from workers).
std::string& rootFolder() {
    static std::string folder = absoluteFolder("");
    return folder;
}

}  // namespace

void setRoot(const std::string& dir) {
    rootFolder() = absoluteFolder(dir);
    rebuildNavDatabase();
}

const std::string& root() { return rootFolder(); }

namespace detail {
void resetFiles() { rootFolder() = absoluteFolder(""); }
}  // namespace detail

}  // namespace xpsim

XPLM_API void XPLMGetSystemPath(char* outSystemPath) {
    if (outSystemPath) std::snprintf(outSystemPath, 512, "%s", xpsim::root().c_str());
}

XPLM_API void XPLMGetPrefsPath(char* outPrefsPath) {
    if (outPrefsPath)
        std::snprintf(outPrefsPath, 512, "%sOutput/preferences/Set X-Plane.prf",
                      xpsim::root().c_str());
}

XPLM_API const char* XPLMGetDirectorySeparator(void) { return "/"; }

// With no separator the whole text is the file name and is returned as it is.
XPLM_API char* XPLMExtractFileAndPath(char* inFullPath) {
    if (!inFullPath) return nullptr;
    char* separator = std::strrchr(inFullPath, '/');
    if (!separator) return inFullPath;
    *separator = '\0';
    return separator + 1;
}

// Names (files and folders, without "." and "..") are sorted so that listings
// are the same on every machine. Names from inFirstReturn on are packed into
// outFileNames while both it and outIndices have room; outIndices gets a null
// after the last name when there is a slot for it.
XPLM_API int XPLMGetDirectoryContents(const char* inDirectoryPath, int inFirstReturn,
                                      char* outFileNames, int inFileNameBufSize,
                                      char** outIndices, int inIndexCount, int* outTotalFiles,
                                      int* outReturnedFiles) {
    if (outTotalFiles) *outTotalFiles = 0;
    if (outReturnedFiles) *outReturnedFiles = 0;
    if (!inDirectoryPath) return 0;
    std::error_code error;
    fs::directory_iterator it(inDirectoryPath, error);
    if (error) return 0;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) break;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    if (outTotalFiles) *outTotalFiles = static_cast<int>(names.size());

    size_t room = outFileNames ? static_cast<size_t>(std::max(inFileNameBufSize, 0)) : 0;
    size_t used = 0;
    int returned = 0;
    bool everything = true;
    for (size_t i = static_cast<size_t>(std::max(inFirstReturn, 0)); i < names.size(); ++i) {
        const std::string& name = names[i];
        if ((outIndices && returned >= inIndexCount) || used + name.size() + 1 > room) {
            everything = false;
            break;
        }
        std::memcpy(outFileNames + used, name.c_str(), name.size() + 1);
        if (outIndices) outIndices[returned] = outFileNames + used;
        used += name.size() + 1;
        ++returned;
    }
    if (outIndices && returned < inIndexCount) outIndices[returned] = nullptr;
    if (outReturnedFiles) *outReturnedFiles = returned;
    return everything ? 1 : 0;
}

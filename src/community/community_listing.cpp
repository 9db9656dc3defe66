#include "community/community_listing.h"

#include <cctype>
#include <cstring>

#include "community/community_file_names.h"

namespace {
const char* const kListedFolder = "Ovilux/CommunityFiles/";
// Paths in the library are held in buffers of 2000.
const size_t kMaxLibraryPath = 1999;
// A listing line that grew past this is no name the library could hold.
const size_t kMaxListingLine = 4096;
}  // namespace

void CommunityListing::addRead(const char* text, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c == '\n') {
            takeLine(pending);
            pending.clear();
        } else if (pending.size() <= kMaxListingLine) {
            pending += c;
        }
    }
}

void CommunityListing::finish() {
    if (!pending.empty() && pending.find(kListedFolder) == std::string::npos) {
        takeLine(pending);
    }
    pending.clear();
}

void CommunityListing::takeLine(const std::string& raw) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    bool followsName = lastGaveName;
    lastGaveName = false;
    size_t at = line.find(kListedFolder);
    if (at == std::string::npos) {
        // A name on the server holds no "/": this is the rest of the name
        // before, cut at a line end inside it.
        if (followsName) {
            accepted.erase(lastEntered);
            --acceptedCount;
            ++skippedCount;
        }
        return;
    }
    std::string name = line.substr(at + strlen(kListedFolder));
    bool fits = line.size() <= kMaxListingLine && name.size() <= nameMax &&
                folderLength + 1 + name.size() <= kMaxLibraryPath;
    // A zero byte inside the line would cut the name short when it is joined.
    if (!fits || name.find('\0') != std::string::npos || !isPlainCommunityFileName(name.c_str())) {
        ++skippedCount;
        return;
    }
    ++acceptedCount;
    std::string key = name;
    for (char& c : key) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    lastGaveName = true;
    lastEntered = accepted.emplace(key, name).second ? key : std::string();
}

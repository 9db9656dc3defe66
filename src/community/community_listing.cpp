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

std::string upperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    return text;
}
}  // namespace

void CommunityListing::addRead(const char* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        char c = bytes[i];
        if (c == '\n') {
            std::string name;
            if (pendingTooLong) {
                skippedCount += listedName(pending, &name) ? 1 : 0;
            } else {
                takeLine(pending);
            }
            pending.clear();
            pendingTooLong = false;
        } else if (pending.size() < kMaxListingLine) {
            pending += c;
        } else {
            pendingTooLong = true;
        }
    }
}

void CommunityListing::finish() {
    // Not a whole line: nothing is fetched for it, but a library file of its
    // name stays.
    std::string name;
    if (!pendingTooLong && listedName(pending, &name)) {
        while (!name.empty() && name.back() == '\r') {
            name.pop_back();
        }
        keep(name);
    }
    pending.clear();
    pendingTooLong = false;
}

bool CommunityListing::listedName(const std::string& line, std::string* name) {
    size_t at = line.find(kListedFolder);
    if (at == std::string::npos) {
        return false;
    }
    *name = line.substr(at + strlen(kListedFolder));
    return true;
}

bool CommunityListing::fitsLibrary(const std::string& name) const {
    // A zero byte inside the line would cut the name short when it is joined.
    return name.size() <= nameMax && folderLength + 1 + name.size() <= kMaxLibraryPath &&
           name.find('\0') == std::string::npos && isPlainCommunityFileName(name.c_str());
}

void CommunityListing::keep(const std::string& name) {
    if (fitsLibrary(name)) {
        kept.insert(upperCase(name));
    }
}

void CommunityListing::takeLine(const std::string& raw) {
    std::string line = raw;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::string name;
    if (!listedName(line, &name)) {
        return;
    }
    if (name.find('\r') != std::string::npos) {
        ++skippedCount;
        // A line ended by CR CR LF (a server that wrote CR LF in text mode)
        // may name a library file without them.
        size_t end = name.find_last_not_of('\r');
        if (end != std::string::npos && name.find('\r') > end) {
            keep(name.substr(0, end + 1));
        }
        return;
    }
    if (!fitsLibrary(name)) {
        ++skippedCount;
        return;
    }
    ++acceptedCount;
    accepted.emplace(upperCase(name), name);
}

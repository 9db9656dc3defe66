// The server's name listing of the community folder, taken in whatever pieces
// the transfer brings it. Each whole line holding "Ovilux/CommunityFiles/"
// names one file: the text after it. A line cut by the end of the data or
// longer than any name the library could hold never counts, and a name that
// is not a plain file name (it could leave the library folder), longer than a
// file name in the library folder may be, or that would not fit the
// library's paths is skipped and counted as such.
#pragma once

#include <cstddef>
#include <map>
#include <string>

class CommunityListing {
public:
    // folderLength: the length of the library folder's path the names join;
    // nameMax: the longest file name the folder takes (its NAME_MAX).
    CommunityListing(size_t folderLength, size_t nameMax)
        : folderLength(folderLength), nameMax(nameMax) {}

    // The next piece of the listing; lines end at "\n".
    void addRead(const char* text, size_t length);

    // Accepted names keyed by their upper-case form; the first of a key stays.
    const std::map<std::string, std::string>& names() const { return accepted; }
    int acceptedLines() const { return acceptedCount; }
    int skippedLines() const { return skippedCount; }

private:
    void takeLine(const std::string& line);

    size_t folderLength;
    size_t nameMax;
    std::string pending;
    std::map<std::string, std::string> accepted;
    int acceptedCount = 0;
    int skippedCount = 0;
};


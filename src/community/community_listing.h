// The server's name listing of the community folder, taken in whatever pieces
// the transfer brings it. Each whole line holding "Ovilux/CommunityFiles/"
// names one file: the text after it. A line cut by the end of the data or
// longer than any name the library could hold never counts, and a name that
// is not a plain file name (it could leave the library folder), longer than a
// file name in the library folder may be, or that would not fit the
// library's paths is skipped and counted as such. A line without it that
// follows a name (libcurl's ASCII mode makes a lone carriage return a line
// end) is the rest of that name: the name is skipped too, never taken for
// the part before the line end.
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
    // The listing arrived whole: text after its last line end is no line,
    // but without the folder it is still the rest of the name before.
    void finish();

    // Accepted names keyed by their upper-case form; the first of a key stays.
    const std::map<std::string, std::string>& names() const { return accepted; }
    // Lines that gave a name, whether or not a name of the same key came
    // first.
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
    // The line before gave a name, and the key it entered (empty when a
    // name of its key was there first).
    bool lastGaveName = false;
    std::string lastEntered;
};


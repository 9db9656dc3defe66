// The server's name listing of the community folder, its bytes as they came
// over the data connection, taken in whatever pieces the transfer brings
// them. Lines end at a line feed; one carriage return before it belongs to
// the line end. A line holding "Ovilux/CommunityFiles/" names one file: the
// text after it; every other line (an empty one, one of carriage returns
// only) names nothing and is passed over. A name that still holds a carriage
// return, that is not a plain file name (it could leave the library folder),
// that is longer than a file name in the library folder may be, or that would
// not fit the library's paths is skipped and counted as such; so is a line
// longer than any name the library could hold.
//
// The listing never costs the library a file it does not give a reason for:
// where a name cannot be taken but may be that of a library file (the text
// after the last line end, a name whose line ends in more than one carriage
// return), that file is kept, though nothing is fetched for it.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>

class CommunityListing {
public:
    // folderLength: the length of the library folder's path the names join;
    // nameMax: the longest file name the folder takes (its NAME_MAX).
    CommunityListing(size_t folderLength, size_t nameMax)
        : folderLength(folderLength), nameMax(nameMax) {}

    // The next bytes of the listing.
    void addRead(const char* bytes, size_t length);
    // The listing arrived whole: the text after its last line end ends no
    // line.
    void finish();

    // Accepted names keyed by their upper-case form; the first of a key stays.
    const std::map<std::string, std::string>& names() const { return accepted; }
    // Upper-case names of library files the listing may name without giving
    // a name to fetch: they stay in the library.
    const std::set<std::string>& keptKeys() const { return kept; }
    // Lines that gave a name, whether or not a name of the same key came
    // first.
    int acceptedLines() const { return acceptedCount; }
    int skippedLines() const { return skippedCount; }

private:
    void takeLine(const std::string& line);
    // The text after the listed folder; false when the line holds none.
    static bool listedName(const std::string& line, std::string* name);
    // The name is a plain file name that fits the library.
    bool fitsLibrary(const std::string& name) const;
    void keep(const std::string& name);

    size_t folderLength;
    size_t nameMax;
    std::string pending;
    // The pending line grew past any line a name could be on.
    bool pendingTooLong = false;
    std::map<std::string, std::string> accepted;
    std::set<std::string> kept;
    int acceptedCount = 0;
    int skippedCount = 0;
};

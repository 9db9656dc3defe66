// Any bytes as the server's name listing of the community folder, handed over
// in reads of any size: every accepted name is a plain file name that stays in
// the library folder and fits its paths and file names, stands on a whole line
// of the input, and the result does not depend on how the data was cut into
// reads; every name it keeps in the library is as safe; and empty lines or
// lines of carriage returns only, put after any line, change nothing.
//
// Input: the first byte picks the read size, the second the length of the
// library folder's path (in steps of 8), the third the blank line put after
// every line; the rest is the listing.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "community/community_listing.h"

namespace {
const std::string kListedFolder = "Ovilux/CommunityFiles/";
// Paths in the library are held in buffers of 2000; a name holds 999.
const size_t kMaxLibraryPath = 1999;
const size_t kMaxName = 999;
// The longest file name the library folder takes here (Linux's NAME_MAX).
const size_t kFolderNameMax = 255;

[[noreturn]] void fail(const char* why, const std::string& name) {
    fprintf(stderr, "%s: \"%s\" (%zu characters)\n", why, name.c_str(), name.size());
    abort();
}

bool staysInFolder(const std::string& name) {
    std::filesystem::path folder("/library/CommunityAircraftCameras");
    std::filesystem::path joined = (folder / name).lexically_normal();
    return joined.parent_path() == folder && joined.filename() == name;
}

void expectSafe(const std::string& key, const std::string& name, size_t folderLength) {
    if (name.empty() || name == "." || name == ".." || name.size() > kMaxName ||
        name.size() > kFolderNameMax) {
        fail("accepted a name that is no file name", name);
    }
    for (char c : name) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '/' || c == '\\') {
            fail("accepted a name with a separator or control character", name);
        }
    }
    if (folderLength + 1 + name.size() > kMaxLibraryPath) {
        fail("accepted a name too long for the library's paths", name);
    }
    if (!staysInFolder(name)) {
        fail("accepted a name that leaves the library folder", name);
    }
    std::string upper = name;
    for (char& c : upper) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    if (key != upper) {
        fail("keyed a name by something else than its upper-case form", name);
    }
}

void expectOnAWholeLine(const std::string& name, const std::string& listing) {
    std::string line = kListedFolder + name;
    if (listing.find(line + "\n") == std::string::npos &&
        listing.find(line + "\r\n") == std::string::npos) {
        fail("accepted a name that ends no whole line of the listing", name);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) {
        return 0;
    }
    size_t readSize = 1 + data[0];
    size_t folderLength = static_cast<size_t>(data[1]) * 8;
    const char* const kBlankLines[] = {"\n", "\r\n", "\r\r\n", "\r\r\r\n"};
    std::string blank = kBlankLines[data[2] % 4];
    std::string listing(reinterpret_cast<const char*>(data) + 3, size - 3);

    CommunityListing inReads(folderLength, kFolderNameMax);
    for (size_t at = 0; at < listing.size(); at += readSize) {
        size_t length = listing.size() - at < readSize ? listing.size() - at : readSize;
        inReads.addRead(listing.data() + at, length);
    }
    inReads.finish();
    CommunityListing whole(folderLength, kFolderNameMax);
    whole.addRead(listing.data(), listing.size());
    whole.finish();

    if (inReads.names() != whole.names() || inReads.keptKeys() != whole.keptKeys() ||
        inReads.acceptedLines() != whole.acceptedLines() ||
        inReads.skippedLines() != whole.skippedLines()) {
        fprintf(stderr, "the listing read in pieces of %zu differs from the whole\n", readSize);
        abort();
    }
    size_t lines = 0;
    for (char c : listing) {
        lines += c == '\n' ? 1 : 0;
    }
    if (inReads.acceptedLines() < 0 || inReads.skippedLines() < 0 ||
        static_cast<size_t>(inReads.acceptedLines() + inReads.skippedLines()) > lines ||
        inReads.names().size() > static_cast<size_t>(inReads.acceptedLines())) {
        fprintf(stderr, "counted %d accepted and %d skipped lines, %zu names, of %zu lines\n",
                inReads.acceptedLines(), inReads.skippedLines(), inReads.names().size(), lines);
        abort();
    }
    for (const auto& [key, name] : inReads.names()) {
        expectSafe(key, name, folderLength);
        expectOnAWholeLine(name, listing);
    }
    for (const std::string& key : inReads.keptKeys()) {
        expectSafe(key, key, folderLength);
    }

    std::string spaced;
    for (char c : listing) {
        spaced += c;
        if (c == '\n') {
            spaced += blank;
        }
    }
    CommunityListing withBlanks(folderLength, kFolderNameMax);
    withBlanks.addRead(spaced.data(), spaced.size());
    withBlanks.finish();
    if (withBlanks.names() != whole.names() || withBlanks.keptKeys() != whole.keptKeys() ||
        withBlanks.acceptedLines() != whole.acceptedLines() ||
        withBlanks.skippedLines() != whole.skippedLines()) {
        fprintf(stderr, "blank lines changed what the listing names\n");
        abort();
    }
    return 0;
}

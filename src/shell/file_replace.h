// Replacing a user's file without ever losing it: the new contents go to a
// temporary file in the same folder, which is renamed over the old one only
// after everything was written, flushed and closed.
//
// A symbolic link is written through: the file it leads to is replaced and
// the link stays. The replaced file keeps its permissions. A file the user
// made read-only (no write bit at all), one that cannot be written in place,
// and anything but a regular file are never replaced; neither is a file named
// by a relative path, which would land in X-Plane's working folder.
#pragma once

#include <string>

// False, with errno saying why, when the file was left as it was.
bool replaceFileContents(const std::string& path, const std::string& contents);

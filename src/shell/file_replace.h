// Replacing a user's file without ever losing it: the new contents go to a
// temporary file in the same folder, which is renamed over the old one only
// after everything was written, flushed and closed.
#pragma once

#include <string>

bool replaceFileContents(const std::string& path, const std::string& contents);

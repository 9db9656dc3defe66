// Names that may become files in the community library folder. Listed names
// come from other users (the server's listing, the folder itself), so only a
// plain name directly in the folder is ever joined to its path.
#pragma once

#include <cstddef>

// The longest name the library keeps (the entry's file name holds 999).
const size_t kMaxCommunityFileName = 999;

// Not empty, not "." or "..", no '/', '\\' or control character, and at most
// kMaxCommunityFileName characters.
bool isPlainCommunityFileName(const char* name);

// The lengths of paths the file selector and its owners can hold, and the
// root folder as the user typed it.
#pragma once

#include <cstddef>
#include <string>

// Paths travel in 2000-character buffers: at most 1999 characters and the end.
constexpr size_t kMaxSelectorPath = 1999;
// Deeper folders are not listed: a tree of bind mounts may have no bottom.
constexpr int kMaxScanDepth = 64;

// The typed root folder, trimmed, "/" when empty, and ending with "/" (or a
// backslash, kept). A text too long to end with "/" within kMaxSelectorPath is
// refused with a log line: false, and `rootPath` is left alone.
bool rootFolderFromTyped(const std::string& typed, std::string& rootPath);
// True when a path fits the owners' buffers; otherwise logs that it was refused.
bool selectorPathFits(const std::string& path);

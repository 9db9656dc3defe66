// How the folder scan treats one entry of a folder listing.
#pragma once

enum class DirectoryEntryKind { Folder, File, Other };

// `type` is the listing's d_type. A link (even to a folder) is a file; an entry
// the file system did not type (DT_UNKNOWN) is looked at with lstat semantics,
// relative to the open folder `folderFd`.
DirectoryEntryKind directoryEntryKind(int folderFd, const char* name, unsigned char type);

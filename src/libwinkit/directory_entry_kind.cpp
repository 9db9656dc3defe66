#include "libwinkit/directory_entry_kind.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

DirectoryEntryKind directoryEntryKind(int folderFd, const char* name, unsigned char type) {
    switch (type) {
        case DT_DIR:
            return DirectoryEntryKind::Folder;
        case DT_REG:
        case DT_LNK:
            return DirectoryEntryKind::File;
        case DT_UNKNOWN:
            break;
        default:
            return DirectoryEntryKind::Other;
    }
    struct stat info;
    if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
        return DirectoryEntryKind::Other;
    }
    if (S_ISDIR(info.st_mode)) {
        return DirectoryEntryKind::Folder;
    }
    if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) {
        return DirectoryEntryKind::File;
    }
    return DirectoryEntryKind::Other;
}

#include "libwinkit/file_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "libwinkit/directory_entry_kind.h"
#include "libwinkit/selector_paths.h"
#include "shell/log.h"

namespace {

// A scan of "/" may leave out thousands of entries; the log gets the first few.
const uint32_t kMaxLeftOutLines = 20;

void noteLeftOut(DirctoryPopulateStatus& status, const char* why, const std::string& path) {
    ++status.entriesLeftOut;
    if (status.entriesLeftOut <= kMaxLeftOutLines) {
        status.leftOutLines.push_back(std::string("File selector: ") + why +
                                      ", not listed: " + path.substr(0, 300));
    } else if (status.entriesLeftOut == kMaxLeftOutLines + 1) {
        status.leftOutLines.push_back("File selector: more entries not listed");
    }
}

// The root may be a link the user chose; folders below it never are.
DIR* openFolder(const std::string& path, bool isRoot) {
    if (isRoot) {
        return opendir(path.c_str());
    }
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    DIR* folder = fdopendir(fd);
    if (!folder) {
        close(fd);
    }
    return folder;
}

}  // namespace

FileDirectory::FileDirectory(std::string folderPath) : path(std::move(folderPath)) {
    std::string text = path;
    if (!text.empty() && text.back() == '/') {
        text.pop_back();
    }
    size_t slash = text.rfind('/');
    name = slash == std::string::npos ? text : text.substr(slash + 1);
}

void FileDirectory::populate(DirctoryPopulateStatus& status) { populateFolder(status, 0); }

void FileDirectory::populateFolder(DirctoryPopulateStatus& status, int depth) {
    DIR* folder = openFolder(path, depth == 0);
    if (!folder) {
        if (depth == 0) {
            status.rootUnreadable.store(true);
        }
        return;
    }
    while (!status.cancel.load(std::memory_order_relaxed)) {
        const dirent* entry = readdir(folder);
        if (!entry) {
            break;
        }
        const char* entryName = entry->d_name;
        if (strcmp(entryName, ".") == 0 || strcmp(entryName, "..") == 0) {
            continue;
        }
        switch (directoryEntryKind(dirfd(folder), entryName, entry->d_type)) {
            case DirectoryEntryKind::Folder: {
                std::string subPath = path + entryName + "/";
                if (subPath.size() > kMaxSelectorPath) {
                    noteLeftOut(status, "path too long", subPath);
                } else if (depth + 1 > kMaxScanDepth) {
                    noteLeftOut(status, "folder too deep", subPath);
                } else {
                    subDirectories.emplace_back(std::move(subPath));
                }
                break;
            }
            case DirectoryEntryKind::File: {
                std::string filePath = path + entryName;
                if (filePath.size() > kMaxSelectorPath) {
                    noteLeftOut(status, "path too long", filePath);
                } else {
                    files.emplace_back(entryName);
                    status.fileCount.fetch_add(1, std::memory_order_relaxed);
                }
                break;
            }
            case DirectoryEntryKind::Other:
                break;
        }
    }
    closedir(folder);

    for (FileDirectory& sub : subDirectories) {
        if (status.cancel.load(std::memory_order_relaxed)) {
            break;
        }
        sub.populateFolder(status, depth + 1);
    }
}

void FileDirectory::filter(const std::string& upperText) {
    visible = false;
    visibleFiles.clear();
    for (size_t i = 0; i < files.size(); ++i) {
        FileName& file = files[i];
        file.visible = upperText.empty() || file.upperName.find(upperText) != std::string::npos;
        if (file.visible) {
            visibleFiles.push_back(i);
        }
        visible = visible || file.visible;
    }
    for (FileDirectory& sub : subDirectories) {
        sub.filter(upperText);
        visible = visible || sub.visible;
    }
}

void FileDirectory::clearFileSelections() {
    for (FileName& file : files) {
        file.selected = false;
    }
    for (FileDirectory& sub : subDirectories) {
        sub.clearFileSelections();
    }
}

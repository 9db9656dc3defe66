#include "folder_tree_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

void FolderTreeTest::file(const std::string& relative) {
    SimulatedXPlane::writeFile(tree() + relative, "x");
}

void FolderTreeTest::folder(const std::string& relative) {
    fs::create_directories(tree() + relative);
}

void FolderTreeTest::link(const std::string& target, const std::string& relative) {
    fs::create_directories(fs::path(tree() + relative).parent_path());
    ASSERT_EQ(symlink(target.c_str(), (tree() + relative).c_str()), 0);
}

FileDirectory FolderTreeTest::scan() {
    FileDirectory root(tree());
    DirctoryPopulateStatus status;
    root.populate(status);
    return root;
}

namespace {
void collect(const FileDirectory& directory, const std::string& prefix, bool visibleOnly,
             std::vector<std::string>& lines) {
    for (const FileName& file : directory.files) {
        if (!visibleOnly || file.visible) {
            lines.push_back(prefix + file.name);
        }
    }
    for (const FileDirectory& sub : directory.subDirectories) {
        if (!visibleOnly || sub.visible) {
            lines.push_back(prefix + sub.name + "/");
            collect(sub, prefix + sub.name + "/", visibleOnly, lines);
        }
    }
}
}  // namespace

std::string describe(const FileDirectory& directory, bool visibleOnly) {
    std::vector<std::string> lines;
    collect(directory, "", visibleOnly, lines);
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

const FileDirectory* findFolder(const FileDirectory& directory, const std::string& name) {
    for (const FileDirectory& sub : directory.subDirectories) {
        if (sub.name == name) {
            return &sub;
        }
    }
    return nullptr;
}

size_t countFiles(const FileDirectory& directory) {
    size_t count = directory.files.size();
    for (const FileDirectory& sub : directory.subDirectories) {
        count += countFiles(sub);
    }
    return count;
}

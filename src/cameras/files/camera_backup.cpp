#include <cstdio>
#include <sys/stat.h>

#include "cameras/files/camera_file.h"
#include "libwinkit/message_box.h"
#include "shell/file_replace.h"
#include "shell/plugin_path.h"
#include "shell/regular_file.h"

namespace {
bool readWholeFile(const char* path, std::string* contents) {
    FILE* file = openRegularFileStream(path);
    if (file == nullptr) {
        return false;
    }
    char block[65536];
    size_t length;
    while ((length = fread(block, 1, sizeof(block), file)) > 0) {
        contents->append(block, length);
    }
    bool failed = ferror(file) != 0;
    fclose(file);
    return !failed;
}

void makeBackupFolder() {
    // A folder that cannot be made shows as the write failing after it.
    mkdir((getPluginPathString() + "AircraftCameraBackups").c_str(), 0755);
}
}  // namespace

int backUpCameraFile(const char* path) {
    std::string backupPath = getBackupFilePath(path);
    if (backupPath.empty()) {
        return 0;
    }
    std::string contents;
    if (!readWholeFile(path, &contents)) {
        sMsgBox("Error", "Unable to read: %s", path);
        return 0;
    }
    makeBackupFolder();
    if (!replaceFileContents(backupPath, contents)) {
        sMsgBox("Error", "Unable to write:\n\n%s", backupPath.c_str());
        return 0;
    }
    sMsgBox("Info", "Created Backup:\n\n%s", backupPath.c_str());
    return 1;
}

#include <cstdio>

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
}  // namespace

int backUpCameraFile(const char* path) {
    std::string backupPath = getBackupFilePath(path);
    if (backupPath.empty() || !hasPluginFolder()) {
        return 0;
    }
    std::string contents;
    if (!readWholeFile(path, &contents)) {
        sMsgBox("Error", "Unable to read: %s", path);
        return 0;
    }
    makePluginSubfolder("AircraftCameraBackups");
    if (!replaceFileContents(backupPath, contents)) {
        sMsgBox("Error", "Unable to write:\n\n%s", backupPath.c_str());
        return 0;
    }
    sMsgBox("Info", "Created Backup:\n\n%s", backupPath.c_str());
    return 1;
}

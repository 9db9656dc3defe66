#include <cstdio>
#include <limits>

#include "cameras/files/camera_file.h"
#include "libwinkit/message_box.h"
#include "shell/file_replace.h"
#include "shell/plugin_path.h"
#include "shell/regular_file.h"

int backUpCameraFile(const char* path) {
    std::string backupPath = getBackupFilePath(path);
    if (backupPath.empty() || !hasPluginFolder()) {
        return 0;
    }
    std::string contents;
    if (!readRegularFile(path, std::numeric_limits<size_t>::max(), &contents)) {
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

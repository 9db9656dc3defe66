#include "libwinkit/imgui_ini_file.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "libwinkit/imgui_ini_path.h"
#include "libwinkit/imgui_ini_windows.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/regular_file.h"

namespace {

struct IniFile {
    bool read = false;
    std::string path;
    // Read, or missing: the plug-in may write it.
    bool writable = false;
    std::vector<ImguiIniWindow> windows;
    // The names of the windows saved since the file was read.
    std::set<std::string> saved;
    // The file's text as read or last written: an unchanged text is not written.
    std::string onDisk;
    bool writeFailureLogged = false;
};

IniFile& iniFile() {
    static IniFile file;
    return file;
}

IniFile& readOnce() {
    IniFile& file = iniFile();
    std::string path = imguiIniPath();
    if (file.read && file.path == path) {
        return file;
    }
    file = IniFile();
    file.read = true;
    file.path = path;
    if (path.empty()) {
        return file;  // no plug-in folder: no file
    }
    std::string text;
    if (!readRegularFile(path, kMaxImguiIniBytes, &text) && errno != ENOENT) {
        sLogMsg("Unable to use the window settings %s (%s); the file is left as it is",
                path.c_str(), errno == EFBIG ? "larger than 1 MB" : describeReadError(errno));
        return file;
    }
    file.writable = true;
    file.onDisk = text;
    file.windows = parseImguiIniWindows(text);
    if (file.windows.size() > kMaxImguiIniWindows) {
        file.windows.resize(kMaxImguiIniWindows);
    }
    return file;
}

void keepWindow(IniFile& file, const ImguiIniWindow& window) {
    file.saved.insert(window.name);
    for (ImguiIniWindow& kept : file.windows) {
        if (kept.name == window.name) {
            kept = window;
            return;
        }
    }
    file.windows.push_back(window);
}

// Entries of windows not seen since the file was read go first.
void dropUnusedBeyondTheLimit(IniFile& file) {
    for (size_t i = 0; i < file.windows.size() && file.windows.size() > kMaxImguiIniWindows;) {
        if (file.saved.count(file.windows[i].name) == 0) {
            file.windows.erase(file.windows.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}

}  // namespace

void loadImguiIniSettings() {
    IniFile& file = readOnce();
    if (file.windows.empty()) {
        return;
    }
    std::string text = formatImguiIniWindows(file.windows);
    ImGui::LoadIniSettingsFromMemory(text.c_str(), text.size());
}

void saveImguiIniSettings() {
    size_t size = 0;
    const char* settings = ImGui::SaveIniSettingsToMemory(&size);
    IniFile& file = readOnce();
    if (!file.writable) {
        return;
    }
    for (const ImguiIniWindow& window : parseImguiIniWindows(std::string(settings, size))) {
        // The context also holds the entries it was given of other windows,
        // as they were then: only its own windows' count.
        if (ImGui::FindWindowByName(window.name.c_str()) != nullptr) {
            keepWindow(file, window);
        }
    }
    dropUnusedBeyondTheLimit(file);
    std::string text = formatImguiIniWindows(file.windows);
    if (text == file.onDisk) {
        return;
    }
    if (!replaceFileContents(file.path, text)) {
        if (!file.writeFailureLogged) {
            sLogMsg("Unable to write the window settings %s (%s)", file.path.c_str(),
                    strerror(errno));
            file.writeFailureLogged = true;
        }
        return;
    }
    file.onDisk = text;
}

void forgetImguiIniSettings() { iniFile() = IniFile(); }

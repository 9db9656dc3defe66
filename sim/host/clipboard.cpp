// The desktop's clipboard tool as the simulator provides it: a small script
// named xclip that keeps what it reads in a file beside itself.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "xpsim.h"

namespace xpsim {
namespace {

std::string toolFolder;

void removeToolFolder() {
    std::error_code ignored;
    if (!toolFolder.empty()) std::filesystem::remove_all(toolFolder, ignored);
}

std::string recordedPath() { return toolFolder + "/xclip.text"; }

// True while a tool this process started is still running (one that ended
// but was not collected yet is a zombie and counts as ended).
bool toolRunning() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) return false;
    bool running = false;
    while (struct dirent* task = readdir(tasks)) {
        if (task->d_name[0] == '.') continue;
        std::ifstream children(std::string("/proc/self/task/") + task->d_name + "/children");
        long child = 0;
        while (children >> child) {
            std::ifstream stat("/proc/" + std::to_string(child) + "/stat");
            std::string line;
            std::getline(stat, line);
            size_t open = line.find('(');
            size_t close = line.rfind(')');
            if (open == std::string::npos || close == std::string::npos || close + 2 >= line.size())
                continue;
            std::string name = line.substr(open + 1, close - open - 1);
            char state = line[close + 2];
            if (name == "xclip" && state != 'Z' && state != 'X') running = true;
        }
    }
    closedir(tasks);
    return running;
}

}  // namespace

void installClipboardTool() {
    if (!toolFolder.empty()) return;
    char folder[] = "/tmp/xpsim-clipboard-XXXXXX";
    if (!mkdtemp(folder)) return;
    toolFolder = folder;
    std::atexit(removeToolFolder);
    std::string tool = toolFolder + "/xclip";
    {
        std::ofstream script(tool);
        script << "#!/bin/sh\n"
                  "# xpsim's clipboard: keeps the text it reads beside itself.\n"
                  "cat > \"$0.text.tmp\" && mv \"$0.text.tmp\" \"$0.text\"\n";
    }
    chmod(tool.c_str(), 0755);
    const char* path = getenv("PATH");
    std::string searched = toolFolder + ":" + (path ? path : "/usr/bin:/bin");
    setenv("PATH", searched.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    setenv("DISPLAY", ":xpsim", 1);
}

bool clipboardText(std::string* text) {
    if (toolFolder.empty()) return false;
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (toolRunning() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::ifstream recorded(recordedPath(), std::ios::binary);
    if (!recorded) return false;
    std::ostringstream contents;
    contents << recorded.rdbuf();
    *text = contents.str();
    return true;
}

}  // namespace xpsim

#include "xplane/platform_clipboard.h"

#ifdef __linux__

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {
struct ClipboardTool {
    const char* name;
    std::vector<const char*> arguments;  // after the name
};

// Tools started and not yet collected.
std::vector<pid_t> runningTools;

bool hasDisplay(const char* variable) {
    const char* value = getenv(variable);
    return value != nullptr && value[0] != 0;
}

// The tool's full path when it is installed on PATH.
std::string findOnPath(const char* name) {
    const char* path = getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        std::string folder = folders.substr(start, end - start);
        if (!folder.empty()) {
            std::string candidate = folder + "/" + name;
            struct stat status;
            if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
                access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return std::string();
}

bool chooseTool(std::string* program, std::vector<const char*>* arguments) {
    std::vector<ClipboardTool> tools;
    if (hasDisplay("WAYLAND_DISPLAY")) {
        tools.push_back({"wl-copy", {}});
    }
    if (hasDisplay("DISPLAY")) {
        tools.push_back({"xclip", {"-selection", "clipboard"}});
        tools.push_back({"xsel", {"--clipboard", "--input"}});
    }
    for (const ClipboardTool& tool : tools) {
        std::string found = findOnPath(tool.name);
        if (!found.empty()) {
            *program = found;
            arguments->assign(1, tool.name);
            arguments->insert(arguments->end(), tool.arguments.begin(), tool.arguments.end());
            arguments->push_back(nullptr);
            return true;
        }
    }
    return false;
}

// Starts the tool with the text waiting on its standard input.
bool startTool(const std::string& program, const std::vector<const char*>& arguments,
               const std::string& text) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return false;
    }
    // The text is handed over whole before the tool even runs, so nothing
    // here waits on it; a text larger than the pipe is refused.
    if (text.size() > 65536) {
        fcntl(ends[1], F_SETPIPE_SZ, static_cast<int>(text.size()));
    }
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    // The reading end is still ours: this write cannot raise SIGPIPE.
    ssize_t written = text.empty() ? 0 : write(ends[1], text.data(), text.size());
    close(ends[1]);
    if (written != static_cast<ssize_t>(text.size())) {
        close(ends[0]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t tool = 0;
    int failed = posix_spawn(&tool, program.c_str(), &actions, nullptr,
                             const_cast<char* const*>(arguments.data()), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (failed != 0) {
        return false;
    }
    runningTools.push_back(tool);
    return true;
}
}  // namespace

ClipboardCopy platformCopyToClipboard(const std::string& text) {
    platformReapClipboardTools();
    std::string program;
    std::vector<const char*> arguments;
    if (chooseTool(&program, &arguments) && startTool(program, arguments, text)) {
        return ClipboardCopy::Copied;
    }
    return ClipboardCopy::NoTool;
}

void platformReapClipboardTools() {
    for (size_t i = 0; i < runningTools.size();) {
        pid_t done = waitpid(runningTools[i], nullptr, WNOHANG);
        if (done == runningTools[i] || (done < 0 && errno == ECHILD)) {
            runningTools.erase(runningTools.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
}

#endif  // __linux__

// xpsim [--root DIR] [--plugin FILE] [--fps N] [SCRIPT]: loads a plug-in into
// the simulated X-Plane as X-Plane would and runs a script against it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "output.h"
#include "script.h"
#include "verbs.h"
#include "xpsim.h"

namespace fs = std::filesystem;
using namespace xpsim::runner;

namespace {

struct Options {
    std::string root = ".";
    std::string plugin;
    std::string script;
    int fps = 60;
};

const char* kUsage = "usage: xpsim [--root DIR] [--plugin FILE] [--fps N] [SCRIPT]\n";

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        long fps = 0;
        if (arg == "--root" && hasValue) {
            options->root = argv[++i];
        } else if (arg == "--plugin" && hasValue) {
            options->plugin = argv[++i];
        } else if (arg == "--fps" && hasValue && parseInteger(argv[i + 1], &fps) && fps > 0) {
            options->fps = static_cast<int>(fps);
            ++i;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else if (options->script.empty()) {
            options->script = arg;
        } else {
            return false;
        }
    }
    return true;
}

void shutDown() {
    xpsim::stopPlugin();
    xpsim::unloadPlugin();
}

// Exits with 1 at the first failing line, after the plug-in was shut down.
int runScript(std::istream& in, const std::string& scriptName) {
    std::string line;
    std::vector<std::string> words;
    std::string error;
    for (int number = 1; std::getline(in, line); ++number) {
        int imbalances = xpsim::graphicsStackImbalances();
        bool ran = splitWords(line, &words, &error) && (words.empty() || runVerb(words, &error));
        // A draw callback that leaves the GL stacks unbalanced would wreck
        // X-Plane's own drawing: the line that drew it fails.
        if (ran && xpsim::graphicsStackImbalances() != imbalances) {
            ran = false;
            error = "a window's draw callback left the GL stacks unbalanced";
        }
        if (!ran) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s:%d: %s\n", scriptName.c_str(), number, error.c_str());
            shutDown();
            return 1;
        }
    }
    shutDown();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, &options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    xpsim::reset();
    xpsim::setRoot(options.root);
    xpsim::setFps(options.fps);
    xpsim::startNewLogFile();
    xpsim::installClipboardTool();
    xpsim::setSpeechHook([](const std::string& text) { printLine("speak: " + text); });

    std::ifstream file;
    if (!options.script.empty()) {
        file.open(options.script);
        if (!file) {
            std::fprintf(stderr, "xpsim: cannot read %s\n", options.script.c_str());
            return 1;
        }
    }

    // X-Plane hands plug-ins absolute paths.
    std::string plugin = options.plugin.empty()
                             ? xpsim::root() + "Resources/plugins/Ovilux/lin_x64/Ovilux.xpl"
                             : fs::absolute(options.plugin).lexically_normal().string();
    std::string error;
    if (!xpsim::loadPlugin(plugin, &error)) {
        std::fprintf(stderr, "xpsim: cannot load %s: %s\n", plugin.c_str(), error.c_str());
        return 1;
    }
    if (!xpsim::startPlugin()) {
        std::fprintf(stderr, "xpsim: XPluginStart of %s returned 0\n", plugin.c_str());
        xpsim::unloadPlugin();
        return 1;
    }
    printLine("plugin: " + xpsim::pluginName() + " | " + xpsim::pluginSignature() + " | " +
              xpsim::pluginDescription());
    if (!xpsim::enablePlugin()) std::fputs("xpsim: XPluginEnable returned 0\n", stderr);

    if (options.script.empty()) return runScript(std::cin, "stdin");
    xpsim::runner::setScriptFolder(
        fs::absolute(options.script).lexically_normal().parent_path().string());
    return runScript(file, options.script);
}

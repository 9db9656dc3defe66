// XPLMUtilities' log and speech.
#include <cstdio>
#include <mutex>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

// The plug-in logs from worker threads too.
std::mutex logMutex;
std::string logRecord;

std::vector<std::string> spoken;
std::function<void(const std::string&)> speechHook;

std::string logPath() { return root() + "Log.txt"; }

}  // namespace

std::string logText() {
    std::lock_guard<std::mutex> lock(logMutex);
    return logRecord;
}

void startNewLogFile() {
    std::lock_guard<std::mutex> lock(logMutex);
    if (FILE* file = std::fopen(logPath().c_str(), "w")) std::fclose(file);
}

const std::vector<std::string>& spokenTexts() { return spoken; }

void setSpeechHook(std::function<void(const std::string&)> hook) { speechHook = std::move(hook); }

namespace detail {
void resetLog() {
    {
        std::lock_guard<std::mutex> lock(logMutex);
        logRecord.clear();
    }
    spoken.clear();
}
}  // namespace detail

}  // namespace xpsim

// Open, append, close: the file is complete whenever the plug-in crashes.
XPLM_API void XPLMDebugString(const char* inString) {
    if (!inString) return;
    std::string path = xpsim::logPath();
    std::lock_guard<std::mutex> lock(xpsim::logMutex);
    xpsim::logRecord += inString;
    if (FILE* file = std::fopen(path.c_str(), "a")) {
        std::fputs(inString, file);
        std::fclose(file);
    }
}

XPLM_API void XPLMSpeakString(const char* inString) {
    if (!inString) return;
    xpsim::spoken.push_back(inString);
    if (xpsim::speechHook) xpsim::speechHook(inString);
}

#include "libwinkit/message_box.h"

#include <cstdarg>
#include <cstdio>
#include <memory>

#include "shell/log.h"

namespace {
std::unique_ptr<MsgBoxManager> manager;
}

void MsgBoxManager::addMsgBox(const char* title, const char* message, void (*callback)()) {
    // Until boxes can be drawn, the log is where the user finds them.
    sLogMsg("%s: %s", title ? title : "", message ? message : "");
    requests.push_back(MsgBoxRequest{title ? title : "", message ? message : "", callback});
}

void msgBox(const char* title, const char* message) { msgBox(title, message, nullptr); }

void msgBox(const char* title, const char* message, void (*callback)()) {
    getMsgBoxManager()->addMsgBox(title, message, callback);
}

void sMsgBox(const char* title, const char* format, ...) {
    char message[10000];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof(message), format, args);
    va_end(args);
    msgBox(title, message);
}

MsgBoxManager* getMsgBoxManager() {
    if (!manager) {
        manager = std::make_unique<MsgBoxManager>();
    }
    return manager.get();
}

void removeMsgBoxManager() { manager.reset(); }

// Message boxes: queued from anywhere on the main thread, shown on a later frame.
#pragma once

#include <deque>
#include <string>

class MsgBoxManager {
public:
    struct MsgBoxRequest {
        std::string title;
        std::string message;
        void (*callback)() = nullptr;
    };

    void addMsgBox(const char* title, const char* message, void (*callback)());
    const std::deque<MsgBoxRequest>& pendingRequests() const { return requests; }

private:
    std::deque<MsgBoxRequest> requests;
};

void msgBox(const char* title, const char* message);
void msgBox(const char* title, const char* message, void (*callback)());
void sMsgBox(const char* title, const char* format, ...) __attribute__((format(printf, 2, 3)));
MsgBoxManager* getMsgBoxManager();
// Drops the manager and its pending requests (the plug-in is being disabled).
void removeMsgBoxManager();

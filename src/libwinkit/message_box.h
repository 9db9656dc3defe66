// Message boxes: queued from anywhere on the main thread (inside another
// window's frame too), turned into windows by the manager's flight loop on the
// next frame.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/flight_loop.h"
#include "xplane/sdk.h"

class MsgBoxManager {
public:
    struct MsgBoxRequest {
        std::string title;
        std::string message;
        void (*callback)() = nullptr;
    };
    // Boxes open at once beyond this many are refused: the first refusals
    // each with a log line, the rest counted in one when a box can be shown
    // again or the manager goes.
    static constexpr int kMaxOpenBoxes = 20;
    static constexpr int kMaxRefusalsLogged = 20;

    MsgBoxManager();
    ~MsgBoxManager();
    MsgBoxManager(const MsgBoxManager&) = delete;
    MsgBoxManager& operator=(const MsgBoxManager&) = delete;

    void addMsgBox(const char* title, const char* message, void (*callback)());
    void createMsgBox(const char* title, const char* message, void (*callback)());
    // Requests not yet shown.
    const std::deque<MsgBoxRequest>& pendingRequests() const { return requests; }

    static float flightLoopHandler(float, float, int, void* refcon);

private:
    void logRefusal(const std::string& title, const std::string& message);
    void logRefusalsNotLogged();

    std::deque<MsgBoxRequest> requests;
    FlightLoop flightLoop;
    // Refusals since a box could last be shown.
    int refusals = 0;
};

void msgBox(const char* title, const char* message);
// With a callback the box offers "Cancel" and "Ok"; "Ok" runs it.
void msgBox(const char* title, const char* message, void (*callback)());
// The message is formatted printf-style and cut at 9999 characters.
void sMsgBox(const char* title, const char* format, ...) __attribute__((format(printf, 2, 3)));
MsgBoxManager* getMsgBoxManager();
// Drops the manager and its pending requests (the plug-in is being disabled or
// stopped); boxes already open stay.
void removeMsgBoxManager();

// What a box on screen shows, for tests and scripts: its buttons' centres in
// boxels as the last frame drew them (0, 0 before the first frame).
struct MsgBoxView {
    XPLMWindowID window;
    std::string title;
    std::string message;
    bool hasCallback;
    int okX, okY;
    int cancelX, cancelY;  // only with a callback
};
// The open boxes, oldest first.
std::vector<MsgBoxView> liveMsgBoxes();

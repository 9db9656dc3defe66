#include "libwinkit/message_box.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>

#include "libwinkit/msg_box_widget.h"
#include "shell/log.h"

namespace {
std::unique_ptr<MsgBoxManager> manager;

// A message of many lines logged as one: every log line stands for one event.
std::string asOneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}
}  // namespace

MsgBoxManager::MsgBoxManager() : flightLoop(flightLoopHandler, this) {}

MsgBoxManager::~MsgBoxManager() {
    requests.clear();
    logRefusalsNotLogged();
}

void MsgBoxManager::addMsgBox(const char* title, const char* message, void (*callback)()) {
    requests.push_back(MsgBoxRequest{title ? title : "", message ? message : "", callback});
}

float MsgBoxManager::flightLoopHandler(float, float, int, void* refcon) {
    MsgBoxManager* self = static_cast<MsgBoxManager*>(refcon);
    while (!self->requests.empty()) {
        MsgBoxRequest request = std::move(self->requests.front());
        self->requests.pop_front();
        self->createMsgBox(request.title.c_str(), request.message.c_str(), request.callback);
    }
    return -1.0f;
}

void MsgBoxManager::logRefusal(const std::string& title, const std::string& message) {
    if (++refusals <= kMaxRefusalsLogged) {
        sLogMsg("Too many message boxes open (%d); not shown: %s: %s", kMaxOpenBoxes,
                asOneLine(title).c_str(), asOneLine(message).c_str());
    }
}

void MsgBoxManager::logRefusalsNotLogged() {
    if (refusals > kMaxRefusalsLogged) {
        sLogMsg("Too many message boxes open (%d); %d more not shown", kMaxOpenBoxes,
                refusals - kMaxRefusalsLogged);
    }
    refusals = 0;
}

void MsgBoxManager::createMsgBox(const char* title, const char* message, void (*callback)()) {
    if (static_cast<int>(MsgBoxWidget::openBoxes().size()) >= kMaxOpenBoxes) {
        logRefusal(title ? title : "", message ? message : "");
        return;
    }
    logRefusalsNotLogged();
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetScreenBoundsGlobal(&left, &top, &right, &bottom);
    left += 175;
    top -= 75;
    MsgBoxWidget* box = new MsgBoxWidget(left, top, left + 100, top - 100,
                                         xplm_WindowDecorationRoundRectangle, title, message,
                                         callback);
    box->init();
    box->center();
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

std::vector<MsgBoxView> liveMsgBoxes() {
    std::vector<MsgBoxView> views;
    for (const MsgBoxWidget* box : MsgBoxWidget::openBoxes()) {
        MsgBoxView view{box->getWindowID(), box->title(), box->text(), box->hasCallback(),
                        0, 0, 0, 0};
        box->okCentre(&view.okX, &view.okY);
        box->cancelCentre(&view.cancelX, &view.cancelY);
        views.push_back(view);
    }
    return views;
}

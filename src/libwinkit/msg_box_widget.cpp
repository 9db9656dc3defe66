#include "libwinkit/msg_box_widget.h"

#include <imgui.h>

#include <algorithm>

#include "libwinkit/font_file.h"
#include "libwinkit/window_placement.h"

namespace {
std::vector<MsgBoxWidget*> boxes;

// Room kept free on the box's monitor: X-Plane's title bar above, a little
// on the other sides.
constexpr int kTitleBar = 35;
constexpr int kMargin = 10;
}  // namespace

MsgBoxWidget::MsgBoxWidget(int left, int top, int right, int bottom, int decoration,
                           const char* title, const char* message, void (*callback)())
    : QfnImWindow(left, top, right, bottom, decoration),
      message(message ? message : ""),
      callback(callback) {
    // Sized to its text, the box never scrolls (a long text scrolls in its own
    // child). ImGui would otherwise judge the scrollbar of the sized box by
    // the 100 by 100 first frame and hide the end of the longest line.
    windowFlags |= ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse;
    SetWindowTitle(title ? title : "");
    SetVisible(true);
    boxes.push_back(this);
}

MsgBoxWidget::~MsgBoxWidget() {
    boxes.erase(std::remove(boxes.begin(), boxes.end(), this), boxes.end());
}

const std::vector<MsgBoxWidget*>& MsgBoxWidget::openBoxes() { return boxes; }

void MsgBoxWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
}

void MsgBoxWidget::sizeToText() {
    ImVec2 text = ImGui::CalcTextSize(message.c_str(), message.c_str() + message.size());
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    int centreX = r - (r - l) / 2;
    int centreY = t - (t - b) / 2;
    int width = static_cast<int>(text.x + 20);
    int height = static_cast<int>(text.y + 100);
    // A short text would leave "Cancel" (75 left of the middle) or "Ok" (at the
    // middle) outside the box: it is at least as wide as its buttons need.
    const ImGuiStyle& style = ImGui::GetStyle();
    float okWidth = ImGui::CalcTextSize("Ok").x + 2 * style.FramePadding.x;
    float buttonHalf = callback ? 75.0f : okWidth;
    width = std::max(width, static_cast<int>(2 * (buttonHalf + style.WindowPadding.x)) + 2);

    // Never larger than its monitor: the text then wraps and scrolls, and the
    // buttons and the close box stay on screen.
    const Monitor* main = getBestMonitor();
    Monitor monitor = main->valid ? *main : monitorHolding(centreX, centreY);
    int widest = std::max(100, monitor.right - monitor.left - 2 * kMargin);
    int highest = std::max(100, monitor.top - monitor.bottom - kTitleBar - 2 * kMargin);
    if (width > widest || height > highest) {
        wrapText = true;
        width = std::min(width, widest);
    }
    l = centreX - width / 2;
    r = centreX + width / 2;
    if (wrapText) {
        // Wrapped at the width the box really gets. Only a text taller than
        // the monitor scrolls, and it wraps beside its scrollbar from the first
        // frame; otherwise the region never shows one: a scrollbar left from
        // the 100 by 100 first frame would wrap the text narrower than it was
        // measured, and its last line would need scrolling to.
        float wrapWidth = (r - l) - 2 * style.WindowPadding.x;
        text = ImGui::CalcTextSize(message.c_str(), message.c_str() + message.size(), false,
                                   wrapWidth);
        height = static_cast<int>(text.y + 100);
        scrollText = height > highest;
        height = std::min(height, highest);
    }
    t = centreY + height / 2;
    b = centreY - height / 2;
    keepOnMonitor(monitor, kTitleBar, &l, &t, &r, &b);
    XPLMSetWindowGeometry(windowID, l, t, r, b);
}

void MsgBoxWidget::recordButtonCentre(int* x, int* y) const {
    ImVec2 min = ImGui::GetItemRectMin();
    ImVec2 max = ImGui::GetItemRectMax();
    translateImguiToBoxel((min.x + max.x) / 2, (min.y + max.y) / 2, *x, *y);
}

void MsgBoxWidget::buildInterface() {
    if (resizePending) {
        sizeToText();
        resizePending = false;
    }
    ImGui::TextUnformatted("");
    if (wrapText) {
        float buttonRow = ImGui::GetTextLineHeightWithSpacing() +
                          ImGui::GetFrameHeightWithSpacing();
        ImGuiWindowFlags scrolling =
            scrollText ? ImGuiWindowFlags_AlwaysVerticalScrollbar
                       : ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse;
        ImGui::BeginChild("##message", ImVec2(0, -buttonRow), false, scrolling);
        ImGui::PushTextWrapPos(0.0f);
        ImGui::TextUnformatted(message.c_str(), message.c_str() + message.size());
        ImGui::PopTextWrapPos();
        ImGui::EndChild();
    } else {
        ImGui::TextUnformatted(message.c_str(), message.c_str() + message.size());
    }
    ImGui::TextUnformatted("");

    int width = right - left;
    if (callback) {
        ImGui::SetCursorPosX(static_cast<float>(width / 2 - 75));
        if (ImGui::Button("Cancel")) {
            SafeDelete();
        }
        recordButtonCentre(&cancelX, &cancelY);
        ImGui::SameLine();
        if (ImGui::Button("Ok")) {
            okPressed = true;
            SafeDelete();
        }
        recordButtonCentre(&okX, &okY);
    } else {
        ImGui::SetCursorPosX(static_cast<float>(width / 2));
        if (ImGui::Button("Ok")) {
            SafeDelete();
        }
        recordButtonCentre(&okX, &okY);
    }
}

void MsgBoxWidget::onFlightLoopCall() {
    if (!okPressed) {
        return;
    }
    okPressed = false;
    // Outside every draw callback: the action may make or delete windows,
    // this box included.
    void (*action)() = callback;
    callback = nullptr;
    if (action) {
        action();
    }
}

// Closed with X-Plane's close box: no action runs.
void MsgBoxWidget::onHide() { delete this; }

void MsgBoxWidget::okCentre(int* x, int* y) const {
    *x = okX;
    *y = okY;
}

void MsgBoxWidget::cancelCentre(int* x, int* y) const {
    *x = cancelX;
    *y = cancelY;
}

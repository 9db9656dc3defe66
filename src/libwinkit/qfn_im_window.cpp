#include "libwinkit/qfn_im_window.h"

#include <imgui.h>

#include <algorithm>

#include "libwinkit/window_placement.h"

QfnImWindow::QfnImWindow(int left, int top, int right, int bottom, int decoration)
    : ImgWindow(left, top, right, bottom, decoration, xplm_WindowLayerFloatingWindows),
      flightLoop(flightLoopHandler, this) {}

QfnImWindow::~QfnImWindow() = default;

float QfnImWindow::flightLoopHandler(float, float, int, void* refcon) {
    QfnImWindow* panel = static_cast<QfnImWindow*>(refcon);
    panel->onFlightLoopCall();
    // The per-frame work (a message box's action, say) may have deleted it.
    if (!isLive(panel)) {
        return -1.0f;
    }
    if (panel->lastVisible == -1) {
        panel->lastVisible = panel->GetVisible() ? 1 : 0;
    } else if (panel->lastVisible == 1 && !panel->GetVisible()) {
        panel->lastVisible = 0;
        // Hidden by X-Plane's close box or by X-Plane itself: nothing stays held.
        panel->releaseInput();
        if (XPLMHasKeyboardFocus(panel->getWindowID())) {
            XPLMTakeKeyboardFocus(nullptr);
        }
        panel->onHide();
        return -1.0f;
    }
    if (panel->deleteRequested) {
        delete panel;
        return -1.0f;
    }
    panel->lastVisible = panel->GetVisible() ? 1 : 0;
    if (panel->lastVisible == 1) {
        panel->moveForVR();
    }
    return -1.0f;
}

void QfnImWindow::getSize(int* width, int* height) {
    int l = 0, t = 0, r = 0, b = 0;
    if (XPLMWindowIsPoppedOut(windowID)) {
        XPLMGetWindowGeometryOS(windowID, &l, &t, &r, &b);
    } else {
        XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    }
    *width = r - l;
    *height = t - b;
}

void QfnImWindow::setSize(int width, int height) {
    int l = 0, t = 0, r = 0, b = 0;
    if (XPLMWindowIsPoppedOut(windowID)) {
        XPLMGetWindowGeometryOS(windowID, &l, &t, &r, &b);
        XPLMSetWindowGeometryOS(windowID, l, t, l + width, t - height);
    } else {
        XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
        XPLMSetWindowGeometry(windowID, l, t, l + width, t - height);
    }
}

void QfnImWindow::center() {
    int screenLeft = 0, screenTop = 0, screenRight = 0, screenBottom = 0;
    XPLMGetScreenBoundsGlobal(&screenLeft, &screenTop, &screenRight, &screenBottom);
    int screenWidth = screenRight - screenLeft;
    int screenHeight = screenTop - screenBottom;
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    int w = r - l;
    int h = t - b;

    l = screenLeft + screenWidth / 2 - w / 2;
    b = screenBottom + screenHeight / 2 - h / 2;
    r = l + w;
    t = b + h;

    // A framed window's title bar lies above its top.
    int titleBar = decoration == xplm_WindowDecorationRoundRectangle ? 35 : 0;
    const Monitor* main = getBestMonitor();
    Monitor onto;
    int topMargin = titleBar;
    if (main->valid) {
        t = main->top - 100;
        b = t - h;
        l = main->left + (main->right - main->left) / 2 - w / 2;
        r = l + w;
        onto = *main;
    } else {
        topMargin = titleBar + 30;
        if (t > screenTop - topMargin) {
            t = screenTop - topMargin;
            b = t - h;
        }
        onto = monitorHolding((l + r) / 2, (t + b) / 2);
    }
    fitOnMonitor(onto, topMargin, &l, &t, &r, &b);
    XPLMSetWindowGeometry(windowID, l, t, r, b);
}

Monitor* QfnImWindow::getBestMonitor() { return MonitorEvaluator().getBestMonitor(); }

void QfnImWindow::HelpMarker(const char* text) {
    ImGui::TextDisabled("(?)");
    if (ImGui::IsItemHovered()) {
        ImGui::PushStyleColor(ImGuiCol_PopupBg, IM_COL32(0x2D, 0x2D, 0x2D, 0xFF));
        ImGui::BeginTooltip();
        ImGui::PushTextWrapPos(ImGui::GetFontSize() * 35.0f);
        ImGui::TextUnformatted(text);
        ImGui::PopTextWrapPos();
        ImGui::EndTooltip();
        ImGui::PopStyleColor();
    }
}

std::string QfnImWindow::getXPlaneFontPath(const std::string& fontFileName) {
    char systemPath[2048] = {};
    XPLMGetSystemPath(systemPath);
    systemPath[sizeof(systemPath) - 1] = 0;
    return std::string(systemPath) + "Resources" + "/" + "fonts" + "/" + fontFileName;
}

#include "panels/control_panel/control_panel.h"

#include <imgui.h>

#include <cstdio>

#include "libwinkit/file_dialog.h"
#include "libwinkit/font_file.h"
#include "libwinkit/window_placement.h"
#include "panels/control_panel/copy_buffers.h"
#include "panels/panel_placement.h"
#include "panels/strip_drag.h"
#include "positioning/transitions/auto_advance.h"
#include "shell/host_info.h"

namespace {

ControlPanelWidget* panelPtr = nullptr;
// The decoration and font size of the last panel made: a change of either
// setting rebuilds the panel.
int decorate = xplm_WindowDecorationRoundRectangle;
bool lastUseSmallFont = false;
// The first panel made after a start or after camera control came on goes
// where the pilot left the last one. One made for a new look goes where the
// panel it replaces was (mode 0: the default place).
bool restoreSavedPlace = true;
WindowPosition keptPlace;

// The title bar of the translucent look, where a drag moves the window.
const float kDragBarHeight = 18.0f;
// The rows of the advanced camera options.
const int kAdvancedOptionsHeight = 190;
const int kCollapsedHeight = 20;
const int kScreenMargin = 25;
const int kFrameTitleBar = 35;
// The least size a saved position may restore: room for the menus and the
// "Solid Background" box, which brings a popped-out panel back in. A floating
// panel keeps the size it is made with and takes only the saved place; the
// translucent one may have been left collapsed to its title.
const int kRestoredMinWidth = 400;
const int kRestoredMinHeight = 100;
const int kFloatingMode = 1;
const int kPoppedOutMode = 2;

// Deletes the panel now. The destructor leaves no ImGui context current; the
// caller's own (another window drawing its frame) is put back.
void deletePanelNow() {
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGuiContext* own = panelPtr->getImguiContext();
    delete panelPtr;
    panelPtr = nullptr;
    if (previous != own) {
        ImGui::SetCurrentContext(previous);
    }
}

// Camera chains wait while the current panel shows unfolded with its "Allow
// Camera Auto Advance" box cleared.
void publishAutoAdvance(const ControlPanelWidget* panel) {
    if (panel == panelPtr) {
        holdAutoAdvance(!panel->allowAutoAdvance());
    }
}

void bringForward(ControlPanelWidget* panel) {
    panel->SetVisible(true);
    XPLMBringWindowToFront(panel->getWindowID());
    XPLMTakeKeyboardFocus(panel->getWindowID());
}

bool savedPositionUsable(const WindowPosition& saved) {
    if (saved.mode == kPoppedOutMode) {
        return isWindowPositionValid(&saved, kRestoredMinWidth, kRestoredMinHeight);
    }
    return saved.mode == kFloatingMode &&
           isWindowPositionValid(&saved, kRestoredMinWidth, kCollapsedHeight);
}

// Where the next panel goes, in the form of the saved record; mode 0 for the
// default place. Only a framed panel pops out: a saved pop-out brings the
// solid look back, while a panel popped out before the pilot chose the
// translucent look comes back in at the default place.
WindowPosition nextPlace() {
    Settings* settings = getSettings();
    WindowPosition place = keptPlace;
    if (restoreSavedPlace) {
        place = settings->LAST_CONTROL_PANEL_POSITION;
        if (!savedPositionUsable(place)) {
            place = WindowPosition();
        } else if (place.mode == kPoppedOutMode) {
            settings->ENABLE_SOLID_CONTROL_PANEL = true;
        }
    } else if (place.mode == kPoppedOutMode && !settings->ENABLE_SOLID_CONTROL_PANEL) {
        place = WindowPosition();
    }
    restoreSavedPlace = false;
    keptPlace = WindowPosition();
    return place;
}

void createPanel(bool atStart) {
    Settings* settings = getSettings();
    const WindowPosition place = nextPlace();
    bool poppedOut = place.mode == kPoppedOutMode;

    int panelHeight = settings->USE_SMALL_FONT ? 700 : 805;
    PanelRect r = newPanelRect(900, panelHeight);
    bool translucent = false;
    decorate = xplm_WindowDecorationRoundRectangle;
    if (!settings->ENABLE_SOLID_CONTROL_PANEL) {
        translucent = true;
        r.bottom -= kScreenMargin;
        decorate = xplm_WindowDecorationSelfDecorated;
    }
    panelPtr = new ControlPanelWidget(r.left, r.top, r.right, r.bottom, decorate, translucent);
    publishAutoAdvance(panelPtr);
    panelPtr->init();
    panelPtr->center();
    if (place.mode == kFloatingMode) {
        panelPtr->moveOnMonitor(place.left, place.top);
    }
    if (poppedOut) {
        XPLMWindowID id = panelPtr->getWindowID();
        WindowPosition there = fittedToMonitor(place);
        XPLMSetWindowPositioningMode(id, xplm_WindowPopOut, -1);
        XPLMSetWindowGeometryOS(id, there.left, there.top, there.right, there.bottom);
        bringForward(panelPtr);
    } else if (atStart) {
        panelPtr->SetVisible(false);
    }
    lastUseSmallFont = settings->USE_SMALL_FONT;
}

bool needsRebuild() {
    const Settings* settings = getSettings();
    bool solid = settings->ENABLE_SOLID_CONTROL_PANEL;
    return (solid && decorate == xplm_WindowDecorationSelfDecorated) ||
           (!solid && decorate == xplm_WindowDecorationRoundRectangle) ||
           settings->USE_SMALL_FONT != lastUseSmallFont;
}

}  // namespace

ControlPanelWidget::ControlPanelWidget(int left, int top, int right, int bottom, int decoration,
                                       bool translucentPanel)
    : QfnImWindow(left, top, right, bottom, decoration),
      translucent(translucentPanel),
      width(right - left),
      height(top - bottom) {
    char title[64];
    snprintf(title, sizeof(title), "Ovilux %s Control Panel", getVersionString());
    SetWindowTitle(title);
    SetVisible(true);
    showAdvancedOptions = getSettings()->ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS;
    emptyCopyBuffersOnce();
}

ControlPanelWidget::~ControlPanelWidget() {
    if (panelPtr == this) {
        panelPtr = nullptr;
    }
    // The file selector the import opened goes with the panel that polls it.
    // At the plug-in's stop every window is deleted, newest first: the
    // selector may be gone already.
    if (ImgWindow::isLive(fileDialog)) {
        FileDialog::removeInstance(fileDialog);
    }
}

void ControlPanelWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"),
                getSettings()->USE_SMALL_FONT ? 14.0f : 18.0f);
    windowFlags |= ImGuiWindowFlags_MenuBar;
    if (translucent) {
        // ImGui draws the title bar with its collapse arrow and close button.
        windowFlags |= ImGuiWindowFlags_NoBackground;
        windowFlags &= ~(ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoCollapse);
    }
}

int ControlPanelWidget::translucentHeight() const {
    return showAdvancedOptions ? height : height - kAdvancedOptionsHeight;
}

bool ControlPanelWidget::handleTranslucentFrame() {
    if (!windowOpen) {
        SetVisible(false);
        windowOpen = true;
    }
    testForWindowMove();
    int currentWidth = 0, currentHeight = 0;
    getSize(&currentWidth, &currentHeight);
    if (ImGui::IsWindowCollapsed()) {
        if (currentHeight > 100) {
            setSize(currentWidth, kCollapsedHeight);
        }
        collapsed = true;
        publishAutoAdvance(this);
        return false;
    }
    collapsed = false;
    publishAutoAdvance(this);
    if (currentHeight < 100) {
        resizeOnMonitor(currentWidth, translucentHeight());
    }
    return true;
}

void ControlPanelWidget::resizeOnMonitor(int newWidth, int newHeight) {
    if (XPLMWindowIsPoppedOut(windowID)) {
        setSize(newWidth, newHeight);
        return;
    }
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    r = l + newWidth;
    b = t - newHeight;
    // The translucent title no higher than a drag of it goes; X-Plane's
    // frame has its title bar above the window.
    int topMargin = translucent ? kScreenMargin : kFrameTitleBar;
    fitOnMonitor(monitorHolding((l + r) / 2, t), topMargin, &l, &t, &r, &b);
    XPLMSetWindowGeometry(windowID, l, t, r, b);
}

void ControlPanelWidget::moveOnMonitor(int left, int top) {
    int shownWidth = 0, shownHeight = 0;
    getSize(&shownWidth, &shownHeight);
    // The translucent panel takes its height from the options box on its first frame.
    if (translucent) {
        shownHeight = translucentHeight();
    }
    XPLMSetWindowGeometry(windowID, left, top, left + shownWidth, top - shownHeight);
    resizeOnMonitor(shownWidth, shownHeight);
}

void ControlPanelWidget::buildInterface() {
    insideFrame = true;
    ImGuiContext* own = ImGui::GetCurrentContext();
    if (saveCompletedFrames > 0 && ++saveCompletedFrames > 60) {
        saveCompletedFrames = 0;
    }
    if (translucent) {
        if (!handleTranslucentFrame()) {
            insideFrame = false;
            return;
        }
    } else {
        collapsed = false;
        publishAutoAdvance(this);
    }
    // A part that opens a window of its own (a file selector, say) leaves that
    // window's context current: each part gets the panel's back.
    populateMenuBar();
    ImGui::SetCurrentContext(own);
    populateCameraListBoxes();
    ImGui::SetCurrentContext(own);
    populateTrackIR();
    ImGui::SetCurrentContext(own);
    populateCameraMovement();
    ImGui::SetCurrentContext(own);
    populateBasicOptions();
    ImGui::SetCurrentContext(own);
    populateSaveRow();
    ImGui::SetCurrentContext(own);
    processModelDialog();
    ImGui::SetCurrentContext(own);
    insideFrame = false;
}

WindowPosition ControlPanelWidget::shownPlace() const {
    WindowPosition place;
    if (XPLMWindowIsPoppedOut(windowID)) {
        place.mode = kPoppedOutMode;
        XPLMGetWindowGeometryOS(windowID, &place.left, &place.top, &place.right, &place.bottom);
    } else {
        place.mode = kFloatingMode;
        XPLMGetWindowGeometry(windowID, &place.left, &place.top, &place.right, &place.bottom);
    }
    return place;
}

void ControlPanelWidget::onFlightLoopCall() {
    getSettings()->LAST_CONTROL_PANEL_POSITION = shownPlace();
    if (closeRequested) {
        SetVisible(false);
        closeRequested = false;
    }
}

void ControlPanelWidget::testForWindowMove() {
    const ImGuiIO& io = ImGui::GetIO();
    bool inTitle = ImGui::IsMousePosValid() && io.MousePos.y < kDragBarHeight;
    int dx = 0, dy = 0;
    if (!followStripDrag(windowID, inTitle, io.MouseDown[0], &moving, &lastMouseX, &lastMouseY,
                         &dx, &dy)) {
        return;
    }
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(windowID, &l, &t, &r, &b);
    if (staysOnScreen(l + dx, t + dy, r + dx, kScreenMargin)) {
        XPLMSetWindowGeometry(windowID, l + dx, t + dy, r + dx, b + dy);
    }
}

ControlPanelWidget* controlPanel() { return panelPtr; }

void deleteControlPanel() {
    if (panelPtr != nullptr) {
        deletePanelNow();
    }
    restoreSavedPlace = true;
}

bool showNewControlPanel(int state) {
    switch (state) {
        case kControlPanelRebuildCheck: {
            if (panelPtr == nullptr || !needsRebuild()) {
                return panelPtr != nullptr && panelPtr->GetVisible();
            }
            // The new look is made where the pilot has the panel now; a
            // hidden one waits for the next toggle to be made there.
            bool wasVisible = panelPtr->GetVisible();
            keptPlace = panelPtr->shownPlace();
            deletePanelNow();
            return wasVisible ? showNewControlPanel(kControlPanelToggle) : false;
        }
        case kControlPanelQueryVisible:
            return panelPtr != nullptr && panelPtr->GetVisible();
        case kControlPanelDestroy:
            // Camera control went off: the next panel is the first of a session.
            restoreSavedPlace = true;
            if (panelPtr != nullptr) {
                // From inside its own frame the deletion waits for its flight
                // loop; anywhere else it happens now.
                if (panelPtr->insideFrame) {
                    panelPtr->SafeDelete();
                    panelPtr = nullptr;
                } else {
                    deletePanelNow();
                }
            }
            return false;
        case kControlPanelHide:
            if (panelPtr != nullptr) {
                panelPtr->SetVisible(false);
            }
            return false;
        case kControlPanelToggle:
            if (panelPtr == nullptr) {
                createPanel(false);
                return panelPtr->GetVisible();
            }
            panelPtr->SetVisible(!panelPtr->GetVisible());
            return panelPtr->GetVisible();
        case kControlPanelStart: {
            if (panelPtr == nullptr) {
                createPanel(true);
                return panelPtr->GetVisible();
            }
            Settings* settings = getSettings();
            const WindowPosition& saved = settings->LAST_CONTROL_PANEL_POSITION;
            if (saved.mode == kPoppedOutMode && savedPositionUsable(saved)) {
                settings->ENABLE_SOLID_CONTROL_PANEL = true;
            }
            bringForward(panelPtr);
            return true;
        }
        default:
            if (panelPtr == nullptr) {
                createPanel(false);
                return panelPtr->GetVisible();
            }
            bringForward(panelPtr);
            return true;
    }
}

// The mini control panel: the in-flight chooser of cameras, docked along the
// bottom of a monitor, floating, or popped out into its own OS window. One
// panel at a time, held by showNewMiniControlPanel, which is also its state
// machine. Main thread only.
#pragma once

#include "libwinkit/qfn_im_window.h"

enum MiniControlPanelState {
    kMiniPanelStart = 0,
    kMiniPanelToggle = 1,
    kMiniPanelShow = 2,
    kMiniPanelHide = 3,
    kMiniPanelDestroy = 4,
    kMiniPanelQueryVisible = 5,
    kMiniPanelRefresh = 6,
};

// Decorations the panel is made with.
const int kMiniPanelFloating = 1;  // in X-Plane's own frame
const int kMiniPanelDocked = 2;    // self-decorated bar
// The least height of the panel: a drag of the docked bar stops there, and a
// saved position, docked or popped out, must have it.
const int kMiniPanelMinHeight = 50;

class MiniControlPanelWidget : public QfnImWindow {
public:
    MiniControlPanelWidget(int left, int top, int right, int bottom, int decoration, bool unused);
    ~MiniControlPanelWidget() override;

    bool getDocked() const { return docked; }
    bool isPinned() const { return pinned; }
    void setPin(bool pin) { pinned = pin; }
    // Runs a named command's action as its key would (begin phase).
    void doCommand(int index);
    void selectViewID(int viewId);
    // True while the panel's own draw or flight-loop callback runs: it must
    // not be deleted then.
    bool inOwnCallback() const { return callbackDepth > 0; }

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onFlightLoopCall() override;

private:
    void dragDockedHeight();
    void populateMenuBar();
    void populateCommandRow();
    void populateTargetButtons();
    void populateAiButtons();
    void populateFavoritesRow();
    void populateCategoriesRow();
    void populateCamerasRow();
    void autoShowOrHide();
    void savePosition();

    int lastMouseX = 0;
    int lastMouseY = 0;
    bool dragging = false;
    bool pinned = false;
    bool docked = false;
    int pendingCommand = -1;
    int callbackDepth = 0;

    friend class MiniPanelCallbackScope;
};

// Marks a panel's callback for as long as it runs.
class MiniPanelCallbackScope {
public:
    explicit MiniPanelCallbackScope(MiniControlPanelWidget* panel) : panel(panel) {
        ++panel->callbackDepth;
    }
    ~MiniPanelCallbackScope() { --panel->callbackDepth; }
    MiniPanelCallbackScope(const MiniPanelCallbackScope&) = delete;
    MiniPanelCallbackScope& operator=(const MiniPanelCallbackScope&) = delete;

private:
    MiniControlPanelWidget* panel;
};

// The state machine (MiniControlPanelState); whether the panel is visible
// afterwards, false when there is none.
bool showNewMiniControlPanel(int state);
// The panel, or null; for the tests and the benchmark.
MiniControlPanelWidget* miniControlPanel();
// The plug-in is disabled or stops: its flight loops no longer run, so the
// panel is deleted at once.
void deleteMiniControlPanel();
// The plug-in stops: the panel goes and the next start begins afresh, docked,
// as a newly loaded plug-in does.
void resetMiniControlPanel();

// The small overlay that, while a target-following camera is current, names
// its target with bearing, pitch and distance, steps through the targets and
// switches the reciprocal view. One panel, made by its show function and
// deleted when camera control goes off.
#pragma once

#include "libwinkit/qfn_im_window.h"

class TargetInfoWidget : public QfnImWindow {
public:
    // An overlay has no frame or background and is dragged by its top strip.
    TargetInfoWidget(int left, int top, int right, int bottom, int decoration, bool overlay);
    // The show function's pointer forgets a panel deleted by anyone else
    // (every window goes when the plug-in stops).
    ~TargetInfoWidget() override;

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    // Shown exactly while a target-following camera is current and target
    // information is on.
    void onFlightLoopCall() override;

private:
    void dragOverlay();
    void buildMenuBar(float windowWidth);

    int lastMouseX = 0;
    int lastMouseY = 0;
    bool dragging = false;
    bool overlay;
};

// true deletes the panel when there is one; false makes and shows one when
// there is none (an existing panel is left to its own visibility rule).
void showTargetInfoPanel(bool destroy);
// The live panel, or null.
TargetInfoWidget* targetInfoPanel();

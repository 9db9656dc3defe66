// The other aircraft, nearest first, with call signs and distances; for an
// external camera also the AI perspective, the AI aircraft it is placed
// around, its scale and the camera's zoom. One window at a time, deleted when
// it is closed.
#pragma once

#include "libwinkit/qfn_im_window.h"

class TrafficDisplayWidget : public QfnImWindow {
public:
    TrafficDisplayWidget(int left, int top, int right, int bottom, int decoration);
    // Forgets itself only when it still is the one window: a newer display
    // may have replaced it while it awaited its deferred deletion.
    ~TrafficDisplayWidget() override;

    // The window made last, or null; it may be hidden by its close box and
    // awaiting deletion, which counts as no display.
    static TrafficDisplayWidget* getSingleInstance();
    void doCommand(int index);

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    // The close box deletes the window on its next flight-loop call.
    void onHide() override;

private:
    void buildControls(bool external);
    void buildHeadings(bool external);
    void buildZoomSlider();

    static TrafficDisplayWidget* m_instance;
};

// Deletes a shown display, else makes and shows a new one (a hidden one
// awaiting deletion goes first). Within the display's own frame it cannot be
// deleted: it is hidden and deleted on its next flight-loop call.
void toggleTrafficDisplay();
// The plug-in is disabled: the display goes.
void deleteTrafficDisplay();

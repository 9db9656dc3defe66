// QfnImWindow: the base of every panel, message box and file selector. Each
// has its own flight loop, run every frame outside any draw callback: the
// panel's per-frame work, onHide() when it was hidden, its deferred deletion
// and its VR placement.
#pragma once

#include <string>

#include "libwinkit/imgui_window.h"
#include "libwinkit/monitor_evaluator.h"
#include "shell/flight_loop.h"

class QfnImWindow : public ImgWindow {
public:
    // On X-Plane's floating-windows layer.
    QfnImWindow(int left, int top, int right, int bottom, int decoration);
    ~QfnImWindow() override;

    // Deleted by its own flight loop on the next frame.
    void SafeDelete() override { deleteRequested = true; }

    // In OS pixels while popped out, else in boxels.
    void getSize(int* width, int* height);
    void setSize(int width, int height);
    // Centred horizontally on the main monitor 100 boxels below its top, else
    // centred on the screen; always kept on a monitor, no higher than it.
    void center();

    static Monitor* getBestMonitor();
    // A grey "(?)" showing text as a tooltip while hovered.
    static void HelpMarker(const char* text);
    // X-Plane's "Resources/fonts/NAME".
    static std::string getXPlaneFontPath(const std::string& fontFileName);

    static float flightLoopHandler(float, float, int, void* refcon);

protected:
    // Once each time the panel goes from visible to hidden; may delete the panel.
    virtual void onHide() {}
    virtual void onFlightLoopCall() {}

private:
    FlightLoop flightLoop;
    int lastVisible = -1;
    bool deleteRequested = false;
};

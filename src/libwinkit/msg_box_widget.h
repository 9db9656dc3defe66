// One message box: a framed window on the main monitor, sized to its text on
// its first frame, closed by its buttons or X-Plane's close box.
#pragma once

#include <string>
#include <vector>

#include "libwinkit/qfn_im_window.h"

class MsgBoxWidget : public QfnImWindow {
public:
    MsgBoxWidget(int left, int top, int right, int bottom, int decoration, const char* title,
                 const char* message, void (*callback)());
    ~MsgBoxWidget() override;

    static const std::vector<MsgBoxWidget*>& openBoxes();

    const std::string& title() const { return windowTitle; }
    const std::string& text() const { return message; }
    bool hasCallback() const { return callback != nullptr; }
    void okCentre(int* x, int* y) const;
    void cancelCentre(int* x, int* y) const;

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onHide() override;
    void onFlightLoopCall() override;

private:
    void sizeToText();
    void recordButtonCentre(int* x, int* y) const;

    bool resizePending = true;
    std::string message;
    void (*callback)() = nullptr;
    // "Ok" was pressed: the action runs on the next flight loop, outside any frame.
    bool okPressed = false;
    // The text would not fit the monitor: it wraps, and scrolls when still
    // taller than the monitor.
    bool wrapText = false;
    bool scrollText = false;
    int okX = 0, okY = 0, cancelX = 0, cancelY = 0;
};

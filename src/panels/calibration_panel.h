// The three-step wizard that measures the centres of the six joystick view and
// camera axes and sets their null zone. Every request opens a new panel.
#pragma once

#include <string>
#include <vector>

#include "libwinkit/qfn_im_window.h"

class CalibrateViewAxisWidget : public QfnImWindow {
public:
    CalibrateViewAxisWidget(int left, int top, int right, int bottom, int decoration);
    ~CalibrateViewAxisWidget() override;

    // Open panels, oldest first.
    static const std::vector<CalibrateViewAxisWidget*>& openPanels();
    // The plug-in is disabled: every panel is cancelled and deleted here,
    // outside the panels' own callbacks.
    static void deleteAll();

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onHide() override;

private:
    void drawAxisBar(int axis);
    void measureCentres();
    // Cancel, finish or close box: the panel leaves the shared calibration once.
    void end(bool restore);

    int step = 0;
    bool ended = false;
    std::string errorText;
};

void createViewAxisCalibratePanel();

// The Cessna's small camera set with camera control on, and the mini control
// panel as it comes up a second later; what the panel shows is read and
// clicked as a pilot would.
#pragma once

#include <string>
#include <vector>

#include "panels/mini_panel/mini_control_panel.h"
#include "support/window_text.h"
#include "unit/commands/commands_fixture.h"

class MiniPanelFixture : public CommandsFixture {
protected:
    void SetUp() override;

    // Camera control has been on for a second: the next frame makes the panel.
    void waitForThePanel();
    // startWithCameras and waitForThePanel; the panel made.
    MiniControlPanelWidget* startWithPanel();
    // The mouse where a pilot would show the docked bar, and one frame.
    void mouseTo(int x, int y);

    static std::vector<TextRun> text(ImgWindow* window) {
        return readWindowText(window->getImguiContext(), window->getWindowID());
    }
    static bool shows(ImgWindow* window, const std::string& what) {
        return findText(text(window), what) != nullptr;
    }
    // Presses the labelled control and lets the window see the release.
    static void click(ImgWindow* window, const std::string& label);
    static void geometry(ImgWindow* window, int* l, int* t, int* r, int* b) {
        XPLMGetWindowGeometry(window->getWindowID(), l, t, r, b);
    }
    // How far, in boxels, button colour reaches right of the text on its line:
    // the arrow buttons that follow a text have no label of their own.
    static int buttonsWidthRightOf(const TextRun& run);
};

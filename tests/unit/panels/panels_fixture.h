// The plug-in enabled in a simulated X-Plane with camera control on, and the
// clicks and typing a person would use on its panels.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "libwinkit/imgui_window.h"
#include "support/simulated_xplane.h"
#include "support/window_text.h"
#include "xpsim.h"

class PanelsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        xplane.startAndEnable();
        xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
        xpsim::runFrames(2);
    }
    void TearDown() override { xplane.disableAndStop(); }

    static std::vector<TextRun> text(ImgWindow* window) {
        return readWindowText(window->getImguiContext(), window->getWindowID());
    }
    static bool shows(ImgWindow* window, const std::string& what) {
        return findText(text(window), what) != nullptr;
    }
    // Presses the labelled control and lets the window see the release.
    static void click(ImgWindow* window, const std::string& label) {
        ASSERT_TRUE(clickText(window->getWindowID(), window->getImguiContext(), label))
            << label << " is not shown in\n" << allText(text(window));
        xpsim::runFrames(3);
    }
    // Double-clicks the drag field at a column of the labelled row (ImGui
    // then edits it as text), types the text and presses return.
    static void typeIntoDrag(ImgWindow* window, const std::string& rowLabel, int column,
                             const std::string& typed) {
        std::vector<TextRun> shown = text(window);
        const TextRun* row = findText(shown, rowLabel);
        ASSERT_NE(row, nullptr) << rowLabel;
        int left = 0, top = 0, right = 0, bottom = 0;
        XPLMGetWindowGeometry(window->getWindowID(), &left, &top, &right, &bottom);
        int x = left + column + 45;  // the middle of a 90-wide field
        int y = row->boxelCentreY();
        ASSERT_TRUE(typeIntoDragAt(x, y, typed, 1)) << typed;
    }
    std::string iniPath() const { return xplane.pluginFolder() + "Ovilux.ini"; }
    std::string targetsPath() const {
        return xplane.pluginFolder() + "MyTargets/MyTargets.csv";
    }

    SimulatedXPlane xplane;
};

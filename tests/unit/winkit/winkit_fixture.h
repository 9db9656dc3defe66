// The plug-in enabled in a simulated X-Plane, with helpers to make test
// panels and to reach their ImGui state.
#pragma once

#include <gtest/gtest.h>

#include <imgui.h>

#include "support/simulated_xplane.h"
#include "unit/winkit/probe_window.h"
#include "xpsim.h"

class WinkitFixture : public ::testing::Test {
protected:
    void SetUp() override { xplane.startAndEnable(); }
    void TearDown() override { xplane.disableAndStop(); }

    // Made, initialised and shown, as a panel's show function does.
    ProbeWindow* makeWindow(int left = 100, int top = 600, int right = 500, int bottom = 300,
                            int decoration = 1, const std::string& font = std::string()) {
        ProbeWindow* window = new ProbeWindow(left, top, right, bottom, decoration, font);
        window->init();
        window->SetVisible(true);
        return window;
    }
    static ImGuiIO& io(ImgWindow* window) {
        ImGui::SetCurrentContext(window->getImguiContext());
        return ImGui::GetIO();
    }
    static void key(ImgWindow* window, char key, int flags, char vkey, int losingFocus = 0) {
        ImgWindow::HandleKeyFuncCB(window->getWindowID(), key, flags, vkey, window, losingFocus);
    }
    bool logHas(const std::string& text) const {
        return xpsim::logText().find(text) != std::string::npos;
    }
    static void geometry(ImgWindow* window, int* l, int* t, int* r, int* b) {
        XPLMGetWindowGeometry(window->getWindowID(), l, t, r, b);
    }

    SimulatedXPlane xplane;
};

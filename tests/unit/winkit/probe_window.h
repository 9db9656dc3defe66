// A panel for tests: records what ImGui saw on each frame and how X-Plane
// drove it.
#pragma once

#include <imgui.h>

#include <functional>
#include <string>

#include "libwinkit/font_file.h"
#include "libwinkit/qfn_im_window.h"

class ProbeWindow : public QfnImWindow {
public:
    ProbeWindow(int left, int top, int right, int bottom, int decoration = 1,
                std::string font = std::string())
        : QfnImWindow(left, top, right, bottom, decoration), font(std::move(font)) {}

    std::function<void()> content;
    int frames = 0;
    int hides = 0;
    int showsAsked = 0;
    bool allowShow = true;

    using ImgWindow::releaseInput;

protected:
    void configureImguiContext() override {
        if (!font.empty()) {
            addFontFile(font, 18.0f);
        }
    }
    void buildInterface() override {
        ++frames;
        if (content) {
            content();
        }
    }
    bool onShow() override {
        ++showsAsked;
        return allowShow;
    }
    void onHide() override { ++hides; }

private:
    std::string font;
};

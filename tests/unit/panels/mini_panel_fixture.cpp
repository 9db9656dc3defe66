#include "unit/panels/mini_panel_fixture.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "shell/settings.h"

void MiniPanelFixture::SetUp() {
    CommandsFixture::SetUp();
    xpsim::setMousePosition(960, 540);
}

void MiniPanelFixture::waitForThePanel() {
    frames(1);
    // The delay is on the steady clock.
    std::this_thread::sleep_for(std::chrono::milliseconds(1050));
    frames(2);
}

MiniControlPanelWidget* MiniPanelFixture::startWithPanel() {
    startWithCameras();
    waitForThePanel();
    EXPECT_NE(miniControlPanel(), nullptr);
    return miniControlPanel();
}

void MiniPanelFixture::mouseTo(int x, int y) {
    xpsim::setMousePosition(x, y);
    frames(2);
}

void MiniPanelFixture::click(ImgWindow* window, const std::string& label) {
    ASSERT_TRUE(clickText(window->getWindowID(), window->getImguiContext(), label))
        << label << " is not shown in\n" << allText(text(window));
    xpsim::runFrames(3);
}

int MiniPanelFixture::buttonsWidthRightOf(const TextRun& run) {
    unsigned char background[4] = {};
    xpsim::pixelAt(run.boxelRight + 200, run.boxelCentreY(), background);
    int reach = 0;
    for (int x = run.boxelRight + 1; x < run.boxelRight + 120; ++x) {
        unsigned char rgba[4] = {};
        xpsim::pixelAt(x, run.boxelCentreY(), rgba);
        int difference = std::abs(rgba[0] - background[0]) + std::abs(rgba[1] - background[1]) +
                         std::abs(rgba[2] - background[2]);
        if (difference > 30) reach = x - run.boxelRight;
    }
    return reach;
}

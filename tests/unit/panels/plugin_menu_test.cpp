// The plug-in's menu as a pilot uses it: chosen through X-Plane's Plugins menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "cameras/set/camera_set.h"
#include "libwinkit/imgui_window.h"
#include "panels/crosshair.h"
#include "panels/window_manager.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/transition_state.h"
#include "shell/plugin_state.h"
#include "support/message_boxes.h"
#include "support/window_text.h"
#include "unit/commands/commands_fixture.h"
#include "unit/targets/targets_fixture.h"
#include "xpsim.h"

namespace {

void choose(const std::string& item) {
    std::string error;
    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/" + item, &error)) << error;
}

bool crosshairRegistered() {
    return xpsim::isDrawCallbackRegistered(myDrawCallback, xplm_Phase_Window, 1, nullptr);
}

class PluginMenu : public CommandsFixture {};

TEST_F(PluginMenu, DisableStopsWhatMovesAsTheCommandDoes) {
    startMovingToThePanel(5);
    ASSERT_TRUE(isCurrentlyAnimating());
    choose("Disable");
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_FALSE(isCurrentlyAnimating());

    // Nothing of the old transition resumes with camera control.
    choose("Enable");
    frames(3);
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_FALSE(isCurrentlyAnimating());

    press("Toggle_Walk_Mode");
    ASSERT_EQ(getWalkMode(), 1);
    choose("Disable");
    EXPECT_EQ(getWalkMode(), 0);
}

TEST_F(PluginMenu, GreyedItemsCannotBeChosen) {
    startWithCameras();
    choose("Disable");
    std::string error;
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Ovilux/System Check", &error));
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Ovilux/Disable", &error));
    EXPECT_EQ(error, "the menu item Plugins/Ovilux/Disable is greyed");
    EXPECT_TRUE(showMessageBoxes().empty());
}

TEST_F(PluginMenu, AnUnknownItemReferenceDoesNothing) {
    startWithCameras();
    std::string before = currentName();
    int windows = xpsim::windowCount();
    for (intptr_t reference : {intptr_t{-1}, intptr_t{kMenuItemCount}, intptr_t{1000}}) {
        menuHandlerCallback(nullptr, reinterpret_cast<void*>(reference));
    }
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_EQ(currentName(), before);
    EXPECT_TRUE(showMessageBoxes().empty());
    EXPECT_EQ(xpsim::windowCount(), windows);
}

TEST_F(PluginMenu, SystemCheckOpensTheSystemStatusBox) {
    startWithCameras();
    choose("System Check");
    showMessageBoxes();
    MsgBoxView box;
    ASSERT_TRUE(findMessageBox("System Status", &box));
    ImgWindow* window = ImgWindow::fromWindowID(box.window);
    ASSERT_NE(window, nullptr);
    std::vector<TextRun> shown = readWindowText(window->getImguiContext(), box.window);
    EXPECT_NE(findText(shown, "TrackIR - Unknown Status"), nullptr) << allText(shown);
    EXPECT_NE(findText(shown, "HeadShake - Not Found."), nullptr) << allText(shown);
}

TEST_F(PluginMenu, DisablingThePlugInLeavesNoMenuAndEnablingMakesOne) {
    startWithCameras();
    EXPECT_EQ(xpsim::menuItems("Plugins").size(), 12u);
    xpsim::disablePlugin();
    EXPECT_TRUE(xpsim::menuItems("Plugins").empty());
    EXPECT_EQ(xpsim::menuCount(), 0);
    xpsim::enablePlugin();
    xpsim::disablePlugin();
    xpsim::enablePlugin();
    std::vector<xpsim::MenuItemInfo> items = xpsim::menuItems("Plugins");
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0].path, "Plugins/Ovilux");
    EXPECT_EQ(xpsim::menuCount(), 1);
    // A second build while the menu exists adds nothing.
    initUI();
    EXPECT_EQ(xpsim::menuItems("Plugins").size(), 12u);
    EXPECT_EQ(xpsim::menuCount(), 1);
}

class MenuTargets : public TargetsFixture {
protected:
    void SetUp() override {
        TargetsFixture::SetUp();
        writeTargetsFile(std::string(kTargetsHeader) + "Tower,2024-01-01 00:00:00,47.01,8.0,600\n");
        start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal)
                   .on(kTargetFollowing),
               TestCameraRow("Cockpit", "Pilot")});
        frames(2);
    }

    bool collectedNamed(const std::string& name) const {
        for (const std::string& n : collectedNames()) {
            if (n == name) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(MenuTargets, RefreshTargetsReadsTheFileAndCollectsAgain) {
    writeTargetsFile(std::string(kTargetsHeader) +
                     "Tower,2024-01-01 00:00:00,47.01,8.0,600\n"
                     "Mast,2024-01-01 00:00:00,47.002,8.0,500\n");
    EXPECT_FALSE(collectedNamed("Mast"));
    choose("Refresh Targets");
    EXPECT_TRUE(collectedNamed("Mast"));
    EXPECT_TRUE(collectedNamed("Tower"));
    // Sorted nearest first: the mast is nearer than the tower.
    std::vector<std::string> names = collectedNames();
    auto position = [&](const char* n) { return std::find(names.begin(), names.end(), n); };
    EXPECT_LT(position("Mast"), position("Tower"));
}

TEST_F(MenuTargets, TheCrosshairFollowsTheCameraAndGoesWithThePlugIn) {
    ASSERT_TRUE(getCurrentCamera()->targetFollowing);
    EXPECT_TRUE(crosshairRegistered());
    EXPECT_EQ(xpsim::drawCallbackCount(), 1);
    int calls = xpsim::drawCallbackCalls();
    frames(2);
    EXPECT_EQ(xpsim::drawCallbackCalls(), calls + 2);

    select(1, 0);
    frames(2);
    EXPECT_FALSE(crosshairRegistered());
    select(0, 0);
    frames(2);
    EXPECT_TRUE(crosshairRegistered());
    EXPECT_EQ(xpsim::drawCallbackCount(), 1);

    xpsim::disablePlugin();
    EXPECT_EQ(xpsim::drawCallbackCount(), 0);
}

}  // namespace

// The mini control panel as a pilot uses it: it comes up docked a second
// after camera control, shows and hides with the mouse at the screen's
// bottom, and its buttons choose cameras, categories, targets and AI traffic.
#include "cameras/set/camera_selection.h"
#include "cameras/set/control_panel_shown.h"
#include "panels/control_panel/control_panel.h"
#include "panels/settings_panel.h"
#include "panels/window_manager.h"
#include "scene/ai_view.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"
#include "unit/panels/mini_panel_fixture.h"

namespace {

using MiniPanel = MiniPanelFixture;

TEST_F(MiniPanel, ComesUpASecondAfterCameraControlHiddenAndDockedAlongTheBottom) {
    startWithCameras();
    frames(10);
    EXPECT_EQ(miniControlPanel(), nullptr);
    waitForThePanel();
    MiniControlPanelWidget* panel = miniControlPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->GetVisible());
    int l = 0, t = 0, r = 0, b = 0;
    geometry(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 1920);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(t, 150);
    EXPECT_TRUE(panel->getDocked());
    frames(5);
    EXPECT_EQ(miniControlPanel(), panel);  // made once
}

TEST_F(MiniPanel, TheMouseAtTheScreensBottomShowsItAndAboveItHidesItUnlessPinned) {
    MiniControlPanelWidget* panel = startWithPanel();
    mouseTo(0, 2);  // not between the bar's ends
    EXPECT_FALSE(panel->GetVisible());
    mouseTo(960, 2);
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_TRUE(shows(panel, "Pilot View"));
    mouseTo(960, 100);  // on the bar
    EXPECT_TRUE(panel->GetVisible());
    mouseTo(960, 400);
    EXPECT_FALSE(panel->GetVisible());

    // Toggled on, it is pinned and stays; toggled again it goes.
    press("Toggle_Mini_Control_Panel");
    frames(2);
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_TRUE(panel->isPinned());
    mouseTo(960, 600);
    EXPECT_TRUE(panel->GetVisible());
    click(panel, "Pin Mini-Control Panel");
    EXPECT_FALSE(panel->isPinned());
    mouseTo(960, 600);
    EXPECT_FALSE(panel->GetVisible());
    std::string error;
    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Toggle Mini-Control Panel", &error)) << error;
    frames(2);
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_EQ(miniControlPanel(), panel);
}

TEST_F(MiniPanel, ItsCameraButtonsSelectTheCameraAndItsPose) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    EXPECT_TRUE(shows(panel, "Ovilux_Cessna_172SP.csv [Cockpit] [Pilot View]"))
        << allText(text(panel));
    EXPECT_TRUE(shows(panel, "{Pilot View}"));
    // The cameras row is the last: its "Panel" is the last one shown.
    std::vector<TextRun> shown = text(panel);
    const TextRun* last = nullptr;
    for (const TextRun& run : shown)
        if (run.text == "Panel") last = &run;
    ASSERT_NE(last, nullptr) << allText(shown);
    ASSERT_TRUE(xpsim::mouseClick(last->boxelCentreX(), last->boxelCentreY(), false, xplm_MouseDown));
    frames(1);
    xpsim::mouseClick(last->boxelCentreX(), last->boxelCentreY(), false, xplm_MouseUp);
    frames(4);
    EXPECT_EQ(currentName(), "Panel");
    EXPECT_NEAR(head("x"), 0.1, 1e-3);
    EXPECT_NEAR(head("y"), 1.0, 1e-3);
    EXPECT_NEAR(head("z"), -1.6, 1e-3);
    EXPECT_NEAR(head("psi"), 20.0, 1e-2);
    EXPECT_TRUE(shows(panel, "[Cockpit] [Panel]"));
}

TEST_F(MiniPanel, FavouritesAreTheViewIdCamerasAndHideWithTheirSetting) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    // "Left Wing" is in the other category: only its favourite button shows it.
    for (const char* favourite : {"{Pilot View}", "Panel", "Copilot", "Left Wing"})
        EXPECT_TRUE(shows(panel, favourite)) << favourite << "\n" << allText(text(panel));
    EXPECT_FALSE(shows(panel, "Orbit"));  // no view ID
    click(panel, "Left Wing");
    EXPECT_EQ(currentName(), "Left Wing");
    EXPECT_TRUE(shows(panel, "{Left Wing}"));
    EXPECT_TRUE(shows(panel, "{Outside}"));

    getSettings()->HIDE_FAVORITES = true;
    frames(2);
    select(0, 0);
    frames(2);
    EXPECT_FALSE(shows(panel, "Left Wing"));
    int copilots = 0;
    for (const TextRun& run : text(panel)) copilots += run.text == "Copilot";
    EXPECT_EQ(copilots, 1);  // the cameras row's alone
}

TEST_F(MiniPanel, CategoryButtonsChangeTheCategoryAndItsCameraRow) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    EXPECT_TRUE(shows(panel, "{Cockpit}"));
    click(panel, "Outside");
    EXPECT_EQ(getCurrentCategoryIndex(), 1);
    EXPECT_TRUE(shows(panel, "{Outside}"));
    EXPECT_TRUE(shows(panel, "Orbit"));
    EXPECT_TRUE(shows(panel, "[Outside] [Left Wing]"));
}

TEST_F(MiniPanel, TheCommandRowOpensPanelsOnTheNextFrame) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    for (const char* label : {"Airport Cameras", "Nearest Airport Camera",
                              "Auto Select Nearest Airport Camera", "Control Panel", "Settings",
                              "Traffic Display"})
        EXPECT_TRUE(shows(panel, label)) << label;
    EXPECT_FALSE(shows(panel, "Aircraft Cameras"));
    EXPECT_FALSE(shows(panel, "Free Target"));
    EXPECT_FALSE(shows(panel, "Toggle Target Following"));  // a cockpit camera

    click(panel, "Settings");
    ASSERT_NE(settingsPanel(), nullptr);
    EXPECT_TRUE(settingsPanel()->GetVisible());
    click(panel, "Control Panel");
    EXPECT_TRUE(isControlPanelVisable());
    EXPECT_EQ(miniControlPanel(), panel);
}

TEST_F(MiniPanel, TargetButtonsShowForATargetCameraAndRunTheirCommands) {
    start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 0),
           TestCameraRow("Outside", "Tower").pose(40, 10, 40, 0, 0).on(kExternal)
               .on(kTargetFollowing)});
    waitForThePanel();
    MiniControlPanelWidget* panel = miniControlPanel();
    ASSERT_NE(panel, nullptr);
    toggleMiniControlPanel();
    select(1, 0);
    frames(3);
    for (const char* label : {"Free Target", "Nearest Target", "Reciprocal", "Info",
                              "Toggle Target Following"})
        EXPECT_TRUE(shows(panel, label)) << label << "\n" << allText(text(panel));
    bool before = displayTargetInfo();
    click(panel, "Info");
    EXPECT_NE(displayTargetInfo(), before);
    bool reciprocal = current().targetReciprocal;
    click(panel, "Reciprocal");
    EXPECT_NE(current().targetReciprocal, reciprocal);
    click(panel, "Toggle Target Following");
    EXPECT_FALSE(current().targetFollowing);
    EXPECT_FALSE(shows(panel, "Free Target"));
}

TEST_F(MiniPanel, AiPerspectiveButtonsFollowTheTrafficAndTheScaleArrowsStopAtTheEnds) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    select(1, 0);  // "Left Wing", external
    frames(2);
    EXPECT_FALSE(shows(panel, "AI Perspective On"));  // no traffic
    xpsim::placeAiAircraft(0, 47.01, 8.0, 600.0);
    xpsim::placeAiAircraft(1, 47.02, 8.0, 600.0);
    xpsim::setAiIdentity(1, 4242, "SWR12");
    frames(2);
    click(panel, "AI Perspective On");
    EXPECT_TRUE(isAiPerspective());
    setCurrentAIPlane(1);
    frames(2);
    const TextRun* aircraft = nullptr;
    std::vector<TextRun> shown = text(panel);
    for (const TextRun& run : shown)
        if (run.text.rfind("SWR12 [", 0) == 0) aircraft = &run;
    ASSERT_NE(aircraft, nullptr) << allText(shown);
    EXPECT_NE(aircraft->text.find(" NM]"), std::string::npos);
    int bothArrows = buttonsWidthRightOf(*aircraft);

    // Steps of 0.2 leave the scale a hair above its lower end.
    setAiScale(0.2f + 1e-6f);
    frames(2);
    shown = text(panel);
    aircraft = findText(shown, "SWR12 [");
    ASSERT_NE(aircraft, nullptr);
    int oneArrow = buttonsWidthRightOf(*aircraft);
    EXPECT_GT(bothArrows, oneArrow + 15);
    EXPECT_GT(oneArrow, 10);
    setAiScale(6.0f - 1e-6f);
    frames(2);
    shown = text(panel);
    aircraft = findText(shown, "SWR12 [");
    ASSERT_NE(aircraft, nullptr);
    EXPECT_EQ(buttonsWidthRightOf(*aircraft), oneArrow);
    setAiScale(1.0f);
    click(panel, "AI Perspective Off");
    EXPECT_FALSE(isAiPerspective());
}

TEST_F(MiniPanel, AiAircraftLeavingBetweenFramesLeaveTheLineEmpty) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    select(1, 0);
    for (int i = 0; i < 3; ++i) xpsim::placeAiAircraft(i, 47.01 + i * 0.01, 8.0, 600.0);
    frames(2);
    click(panel, "AI Perspective On");
    setCurrentAIPlane(2);
    frames(1);
    // Gone before the panel's next frame and after it.
    xpsim::removeAiAircraft(2);
    xpsim::removeAiAircraft(1);
    ImgWindow::DrawWindowCB(panel->getWindowID(), panel);
    frames(2);
    EXPECT_FALSE(shows(panel, "AI3"));
    xpsim::removeAiAircraft(0);
    frames(3);
    EXPECT_FALSE(shows(panel, "AI1 ["));
    EXPECT_EQ(miniControlPanel(), panel);
}

TEST_F(MiniPanel, AnEmptiedCameraSetLeavesEmptyNamesAndNoCameraButtons) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    setCurrentActiveCameraFile(nullptr);
    setNumberOfCategories(0);
    ImgWindow::DrawWindowCB(panel->getWindowID(), panel);
    std::vector<TextRun> shown = text(panel);
    EXPECT_TRUE(findText(shown, "[] []") != nullptr) << allText(shown);
    EXPECT_EQ(findText(shown, "Airport Cameras"), nullptr);
    EXPECT_EQ(findText(shown, "Cockpit"), nullptr);
    EXPECT_NE(findText(shown, "Control Panel"), nullptr);
}

TEST_F(MiniPanel, DockedUntickedFloatsInTheCentreNinthAndTickedDocksAgain) {
    xpsim::setScreenSize(1366, 768);  // a laptop's: the floating panel is 455 wide
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    click(panel, "Docked");
    frames(2);
    MiniControlPanelWidget* floating = miniControlPanel();
    ASSERT_NE(floating, nullptr);
    EXPECT_FALSE(floating->getDocked());
    EXPECT_TRUE(floating->GetVisible());
    int l = 0, t = 0, r = 0, b = 0;
    geometry(floating, &l, &t, &r, &b);
    EXPECT_EQ(l, 455);
    EXPECT_EQ(r, 910);
    EXPECT_EQ(b, 256);
    EXPECT_EQ(t, 512);
    // What is current is too long for the room left of "Docked": it is cut
    // short there, never drawn under the box.
    std::vector<TextRun> shown = text(floating);
    const TextRun* current = findText(shown, "Ovilux_Cessna_172SP.csv [Cockpit]");
    ASSERT_NE(current, nullptr) << allText(shown);
    EXPECT_NE(current->text, "Ovilux_Cessna_172SP.csv [Cockpit] [Pilot View]");
    EXPECT_GE(current->boxelLeft, l);
    EXPECT_LE(current->boxelRight, r - 125) << current->text;
    frames(2);
    EXPECT_EQ(getSettings()->LAST_MINI_CONTROL_PANEL_POSITION.mode, 1);
    click(floating, "Docked");
    frames(2);
    MiniControlPanelWidget* docked = miniControlPanel();
    ASSERT_NE(docked, nullptr);
    EXPECT_TRUE(docked->getDocked());
    geometry(docked, &l, &t, &r, &b);
    EXPECT_EQ(t - b, 150);
    EXPECT_EQ(getSettings()->LAST_MINI_CONTROL_PANEL_POSITION.mode, 3);
}

TEST_F(MiniPanel, AFloatingPanelPoppedOutSavesItsOsGeometry) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    click(panel, "Docked");
    frames(2);
    MiniControlPanelWidget* floating = miniControlPanel();
    ASSERT_NE(floating, nullptr);
    ASSERT_TRUE(xpsim::popOutWindow(xpsim::windowTitle(floating->getWindowID())));
    XPLMSetWindowGeometryOS(floating->getWindowID(), 100, 200, 700, 500);
    frames(2);
    const WindowPosition& saved = getSettings()->LAST_MINI_CONTROL_PANEL_POSITION;
    EXPECT_EQ(saved.mode, 2);
    EXPECT_EQ(saved.left, 100);
    EXPECT_EQ(saved.top, 200);
    EXPECT_EQ(saved.right, 700);
    EXPECT_EQ(saved.bottom, 500);
}

TEST_F(MiniPanel, SwitchingCameraControlOffOrDisablingDeletesItAtOnce) {
    MiniControlPanelWidget* panel = startWithPanel();
    XPLMWindowID window = panel->getWindowID();
    press("Disable_Ovilux");
    EXPECT_EQ(miniControlPanel(), nullptr);
    EXPECT_EQ(xpsim::windowTitle(window), "");
    press("Enable_Ovilux");
    waitForThePanel();
    ASSERT_NE(miniControlPanel(), nullptr);
    window = miniControlPanel()->getWindowID();
    // No flight loop runs while disabled: a deferred deletion would never come.
    xpsim::disablePlugin();
    EXPECT_EQ(miniControlPanel(), nullptr);
    EXPECT_EQ(xpsim::windowTitle(window), "");
}

}  // namespace

namespace {

TEST_F(MiniPanel, TheDockedBarsHeightIsDraggedByItsMenuBar) {
    MiniControlPanelWidget* panel = startWithPanel();
    toggleMiniControlPanel();
    frames(2);
    // The menu bar's middle, away from the pin and "Docked".
    ASSERT_TRUE(xpsim::mouseClick(700, 141, false, xplm_MouseDown));
    frames(2);
    for (int y = 160; y <= 300; y += 20) {
        xpsim::mouseClick(700, y, false, xplm_MouseDrag);
        frames(1);
    }
    xpsim::mouseClick(700, 300, false, xplm_MouseUp);
    frames(3);
    int l = 0, t = 0, r = 0, b = 0;
    geometry(panel, &l, &t, &r, &b);
    EXPECT_EQ(t, 300);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(r - l, 1920);
    const WindowPosition& saved = getSettings()->LAST_MINI_CONTROL_PANEL_POSITION;
    EXPECT_EQ(saved.mode, 3);
    EXPECT_EQ(saved.top - saved.bottom, 300);

    // Never lower than 50 boxels.
    ASSERT_TRUE(xpsim::mouseClick(700, 291, false, xplm_MouseDown));
    frames(2);
    for (int y = 250; y >= 30; y -= 20) {
        xpsim::mouseClick(700, y, false, xplm_MouseDrag);
        frames(1);
    }
    xpsim::mouseClick(700, 30, false, xplm_MouseUp);
    frames(3);
    geometry(panel, &l, &t, &r, &b);
    EXPECT_EQ(t, 50);
}

}  // namespace

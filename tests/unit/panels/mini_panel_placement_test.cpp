// Where the mini control panel docks: the monitor its setting names, the
// height a saved position gives, and what bad settings and monitor reports
// get.
#include "panels/mini_panel/mini_panel_placement.h"
#include "panels/window_manager.h"
#include "shell/settings.h"
#include "unit/panels/mini_panel_fixture.h"

namespace {

class MiniPanelPlacement : public MiniPanelFixture {
protected:
    // Two monitors side by side, the second taller.
    static void twoMonitors() {
        xpsim::setMonitor(0, 0, 1080, 1920, 0);
        xpsim::setMonitor(1, 1920, 1200, 3840, 0);
    }
    MiniControlPanelWidget* panelWith(void (*setUp)(Settings*)) {
        startWithCameras();
        setUp(getSettings());
        waitForThePanel();
        EXPECT_NE(miniControlPanel(), nullptr);
        return miniControlPanel();
    }
    static void bounds(MiniControlPanelWidget* panel, int* l, int* t, int* r, int* b) {
        XPLMGetWindowGeometry(panel->getWindowID(), l, t, r, b);
    }
};

TEST_F(MiniPanelPlacement, DocksAlongTheBottomOfTheMonitorItsSettingNames) {
    twoMonitors();
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->MINI_CONTROL_PANEL_MONITOR_INDEX = 1;
    });
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 1920);
    EXPECT_EQ(r, 3840);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(t, 150);
    mouseTo(2500, 3);
    EXPECT_TRUE(panel->GetVisible());
    mouseTo(1000, 3);  // the other monitor's bottom
    mouseTo(2500, 500);
    EXPECT_FALSE(panel->GetVisible());

    // Another monitor chosen: the bar moves there.
    getSettings()->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    frames(2);
    ASSERT_NE(miniControlPanel(), nullptr);
    bounds(miniControlPanel(), &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 1920);
    EXPECT_FALSE(miniControlPanel()->GetVisible());  // rebuilt as it was: hidden
}

TEST_F(MiniPanelPlacement, AnIndexPastTwoMonitorsGoesBackToTheFirst) {
    twoMonitors();
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->MINI_CONTROL_PANEL_MONITOR_INDEX = 5;
    });
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 1920);
    EXPECT_EQ(getSettings()->MINI_CONTROL_PANEL_MONITOR_INDEX, 0);
}

TEST_F(MiniPanelPlacement, AnIndexPastASingleMonitorDocksOnItOnceAndKeepsTheSetting) {
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->MINI_CONTROL_PANEL_MONITOR_INDEX = 3;
    });
    XPLMWindowID window = panel->getWindowID();
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(r, 1920);
    int windows = xpsim::windowCount();
    frames(10);
    EXPECT_EQ(miniControlPanel(), panel);
    EXPECT_EQ(panel->getWindowID(), window);
    EXPECT_EQ(xpsim::windowCount(), windows);
    EXPECT_EQ(getSettings()->MINI_CONTROL_PANEL_MONITOR_INDEX, 3);
}

TEST_F(MiniPanelPlacement, HeightIsTheSavedDockedOneOnlyBetween50AndTheMonitorsHeight) {
    struct Case {
        int savedHeight;
        bool hideFavorites;
        int expected;
    };
    for (Case c : {Case{300, false, 300}, Case{0, false, 150}, Case{0, true, 125},
                   Case{20, false, 150}, Case{-300, false, 150}, Case{5000, true, 125},
                   Case{1080, false, 1080}}) {
        MonitorBounds monitors{};
        getMonitorBounds(&monitors);
        WindowPosition saved{c.savedHeight ? 3 : 0, 0, 100 + c.savedHeight, 1920, 100};
        MiniPanelRect r = dockedMiniPanelRect(monitors, 0, c.hideFavorites, saved);
        EXPECT_EQ(r.top - r.bottom, c.expected) << c.savedHeight;
        EXPECT_EQ(r.bottom, 0);
    }
    // Through a start with a saved 300-boxel bar.
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->LAST_MINI_CONTROL_PANEL_POSITION = WindowPosition{3, 0, 400, 1920, 100};
    });
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(t - b, 300);
    EXPECT_EQ(b, 0);
}

TEST_F(MiniPanelPlacement, APoppedOutPositionOffTheMonitorsOrOfNoSizeGivesTheDockedBar) {
    twoMonitors();
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->LAST_MINI_CONTROL_PANEL_POSITION = WindowPosition{2, 9000, -4000, 9600, -3500};
    });
    EXPECT_FALSE(XPLMWindowIsPoppedOut(panel->getWindowID()));
    EXPECT_TRUE(panel->getDocked());
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(b, 0);

    // The next start with a saved position of no size, or a negative one.
    auto restart = [this](WindowPosition saved) {
        press("Disable_Ovilux");
        getSettings()->LAST_MINI_CONTROL_PANEL_POSITION = saved;
        press("Enable_Ovilux");
        waitForThePanel();
        return miniControlPanel();
    };
    // Their corners lie on the first monitor, 120 below the taller second's top.
    for (WindowPosition saved : {WindowPosition{2, 100, 200, 100, 200},
                                 WindowPosition{2, 100, 200, -500, -400}}) {
        panel = restart(saved);
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(XPLMWindowIsPoppedOut(panel->getWindowID())) << saved.right;
        EXPECT_TRUE(panel->getDocked());
        EXPECT_EQ(getSettings()->LAST_MINI_CONTROL_PANEL_POSITION.mode, 3);
    }
    // Its corner on the top row of a monitor (y 0 for the operating system).
    panel = restart(WindowPosition{2, 2000, 0, 2600, 300});
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(panel->getWindowID()));
    XPLMGetWindowGeometryOS(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{2000, 0, 2600, 300}));
    // One 19,800 high on the first monitor is fitted to it: 1080 high, its
    // bottom on the monitor's.
    panel = restart(WindowPosition{2, 100, 200, 900, 20000});
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(panel->getWindowID()));
    XPLMGetWindowGeometryOS(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{100, 120, 900, 1200}));
}

TEST_F(MiniPanelPlacement, AWindowPositionsFileNamingAMissingMonitorLeavesTheBarOnARealOne) {
    twoMonitors();
    std::string prefix = "_window_pos/monitor_7";
    SimulatedXPlane::writeFile(xplane.path("Output/preferences/X-Plane Window Positions.prf"),
                               "I\n1100 Version\n" + prefix + "/m_monitor 7\n" + prefix +
                                   "/m_usage wmgr_usage_normal_visuals\n" + prefix +
                                   "/proj/off_lat_deg 0.000000\n");
    MiniControlPanelWidget* panel = panelWith([](Settings* s) {
        s->MINI_CONTROL_PANEL_MONITOR_INDEX = 1;
    });
    toggleMiniControlPanel();
    frames(2);
    int l = 0, t = 0, r = 0, b = 0;
    bounds(panel, &l, &t, &r, &b);
    EXPECT_EQ(l, 1920);
    EXPECT_EQ(r, 3840);
    // The panels it opens centre themselves on a monitor that exists.
    click(panel, "Settings");
    ImgWindow* settings = nullptr;
    for (ImgWindow* window : ImgWindow::liveWindows())
        if (xpsim::windowTitle(window->getWindowID()).find("Settings") != std::string::npos)
            settings = window;
    ASSERT_NE(settings, nullptr);
    XPLMGetWindowGeometry(settings->getWindowID(), &l, &t, &r, &b);
    EXPECT_GE(l, 0);
    EXPECT_LE(r, 3840);
    EXPECT_LE(t, 1200);
    EXPECT_GE(b, 0);
}

}  // namespace

// The panel base: its flight loop (onHide, deferred deletion), its size and
// its placement on the main monitor that X-Plane's window-positions file names.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "libwinkit/window_positions.h"
#include "unit/winkit/winkit_fixture.h"

namespace {

class Panels : public WinkitFixture {
protected:
    std::string prefsPath() const {
        return xplane.path("Output/preferences/X-Plane Window Positions.prf");
    }
    // Two monitors side by side, as X-Plane reports them.
    static void twoMonitors() {
        xpsim::setMonitor(0, 0, 1080, 1920, 0);
        xpsim::setMonitor(1, 1920, 1200, 3840, 0);
    }
    // A window-positions file as X-Plane writes it, with a normal-visuals
    // monitor per (index, offset) pair, in that order.
    void writePrefs(const std::vector<std::pair<int, const char*>>& monitors,
                    const char* extra = "") const {
        std::string text = "I\n1100 Version\n";
        for (const auto& m : monitors) {
            std::string prefix = "_window_pos/monitor_" + std::to_string(m.first);
            text += prefix + "/m_monitor " + std::to_string(m.first) + "\n";
            text += prefix + "/m_window_x 0\n";
            text += prefix + "/m_usage wmgr_usage_normal_visuals\n";
            text += prefix + "/m_bpp 32\n";
            if (m.second) {
                text += prefix + "/proj/off_lat_deg " + m.second + "\n";
            }
            text += prefix + "/proj/off_vrt_deg 0.000000\n";
        }
        text += extra;
        SimulatedXPlane::writeFile(prefsPath(), text);
    }
    void setFileTime(time_t seconds) const {
        struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
        utimensat(AT_FDCWD, prefsPath().c_str(), times, 0);
    }
    // A 400 x 300 framed panel, centred.
    void centred(int* l, int* t, int* r, int* b, int width = 400, int height = 300,
                 int decoration = 1) {
        ProbeWindow* window = makeWindow(175, 1005, 175 + width, 1005 - height, decoration);
        window->center();
        geometry(window, l, t, r, b);
        delete window;
    }
};

TEST_F(Panels, OnHideOncePerCloseAndNeverForANeverShownPanel) {
    ProbeWindow* window = makeWindow();
    ProbeWindow* hidden = new ProbeWindow(0, 100, 100, 0);
    hidden->init();
    xpsim::runFrames(2);
    XPLMSetWindowIsVisible(window->getWindowID(), 0);  // X-Plane's close box
    xpsim::runFrames(3);
    EXPECT_EQ(window->hides, 1);
    window->SetVisible(true);
    xpsim::runFrames(2);
    window->SetVisible(false);  // the plug-in hides it: the same
    xpsim::runFrames(2);
    EXPECT_EQ(window->hides, 2);
    EXPECT_EQ(hidden->hides, 0);
}

TEST_F(Panels, SafeDeleteOnAHiddenPanelDeletesItNextFrame) {
    int windows = xpsim::windowCount();
    int loops = xpsim::flightLoopCount();
    ProbeWindow* window = new ProbeWindow(0, 100, 100, 0);
    window->init();
    window->SafeDelete();
    EXPECT_TRUE(ImgWindow::isLive(window));
    xpsim::runFrames(1);
    EXPECT_FALSE(ImgWindow::isLive(window));
    EXPECT_EQ(xpsim::windowCount(), windows);
    EXPECT_EQ(xpsim::flightLoopCount(), loops);
}

TEST_F(Panels, SizeInBoxelsOrPoppedOutInOsPixels) {
    ProbeWindow* window = makeWindow(100, 600, 500, 300);
    int w = 0, h = 0;
    window->getSize(&w, &h);
    EXPECT_EQ(w, 400);
    EXPECT_EQ(h, 300);
    window->setSize(200, 100);
    int l, t, r, b;
    geometry(window, &l, &t, &r, &b);
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{100, 600, 300, 500}));
    XPLMSetWindowPositioningMode(window->getWindowID(), xplm_WindowPopOut, -1);
    window->setSize(300, 200);
    window->getSize(&w, &h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 200);
}

TEST_F(Panels, WithoutAMainMonitorAFramedPanelKeeps65BoxelsBelowTheScreenTop) {
    int l, t, r, b;
    centred(&l, &t, &r, &b);
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{760, 690, 1160, 390}));
    centred(&l, &t, &r, &b, 400, 1000);
    EXPECT_EQ(t, 1080 - 65);
    EXPECT_EQ(b, 15);
    centred(&l, &t, &r, &b, 400, 1060, 0);
    EXPECT_EQ(t, 1080 - 30);
}

TEST_F(Panels, TheMainMonitorLooksNearestStraightAhead) {
    twoMonitors();
    writePrefs({{0, "10.000000"}, {1, "0.000000"}});
    int l, t, r, b;
    centred(&l, &t, &r, &b);
    EXPECT_EQ((std::vector<int>{l, t, r, b}), (std::vector<int>{2680, 1100, 3080, 800}));
    ASSERT_TRUE(QfnImWindow::getBestMonitor()->valid);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 1);
    // An offset that cannot be read, beyond a whole turn or no number at
    // all, may point anywhere: that monitor is never the main one.
    writePrefs({{0, "10.000000"}, {1, "400"}});
    setFileTime(1000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 0);
    writePrefs({{0, "10.000000"}, {1, "ahead"}});
    setFileTime(2000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 0);
}

TEST_F(Panels, AtEqualOffsetsTheFirstEntryInTheFileOrderOfNamesWins) {
    twoMonitors();
    // Monitor 1 comes first in the file, monitor 0's entry sorts first.
    writePrefs({{1, "30.000000"}, {0, "-30.000000"}});
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 0);
    EXPECT_FLOAT_EQ(QfnImWindow::getBestMonitor()->offLatDeg, 30.0f);
    // Without an offset line a monitor looks straight ahead.
    writePrefs({{0, "-30.000000"}, {1, nullptr}});
    setFileTime(1000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 1);
}

TEST_F(Panels, AMonitorXPlaneDoesNotReportOrThatIsEmptyIsNotUsed) {
    writePrefs({{0, "20.000000"}, {3, "0.000000"}});
    EXPECT_FALSE(QfnImWindow::getBestMonitor()->valid);
    int l, t, r, b;
    centred(&l, &t, &r, &b);
    EXPECT_EQ(l, 760);
    xpsim::setMonitor(3, 500, 500, 500, 500);
    EXPECT_FALSE(QfnImWindow::getBestMonitor()->valid);
}

TEST_F(Panels, BoundsAreAskedAgainEachTime) {
    twoMonitors();
    writePrefs({{1, "0.000000"}});
    EXPECT_EQ(QfnImWindow::getBestMonitor()->left, 1920);
    xpsim::setMonitor(1, -1920, 1080, 0, 0);  // the user moved it to the left
    int l, t, r, b;
    centred(&l, &t, &r, &b);
    EXPECT_EQ(l, -1160);
    EXPECT_EQ(t, 980);
}

TEST_F(Panels, AnUnchangedFileIsNotReadAgain) {
    twoMonitors();
    writePrefs({{0, "10.000000"}, {1, "0.000000"}});
    setFileTime(1000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 1);
    writePrefs({{0, "0.000000"}, {1, "10.000000"}});  // same size, same time
    setFileTime(1000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 1);
    setFileTime(2000);
    EXPECT_EQ(QfnImWindow::getBestMonitor()->monitorIndex, 0);
}

TEST_F(Panels, AWindowIsAlwaysPlacedOnAMonitor) {
    twoMonitors();
    writePrefs({{0, "0.000000"}});
    int l, t, r, b;
    centred(&l, &t, &r, &b, 2500, 300);
    EXPECT_EQ(l, 0);  // wider than the monitor: its left edge stays on it
    centred(&l, &t, &r, &b, 400, 1000);
    EXPECT_EQ(b, 0);  // hanging 100 below the top would leave the monitor
    EXPECT_EQ(t, 1000);
    // Taller than the monitor: the title bar stays on it.
    centred(&l, &t, &r, &b, 400, 1200);
    EXPECT_EQ(t, 1080 - 35);
}

TEST(WindowPositionsFile, HostileNumbersAndLinesAreIgnored) {
    NormalVisualsMonitors monitors = parseWindowPositions(
        "a/m_monitor 99999999999999999999\n"
        "a/m_usage wmgr_usage_normal_visuals\n"
        "b/m_monitor -4\n"
        "b/m_usage wmgr_usage_normal_visuals\n"
        "c/m_monitor\n"
        "c/m_usage wmgr_usage_normal_visuals\n"
        "d/m_monitor 2\r\n"
        "d/m_usage wmgr_usage_normal_visuals\r\n"
        "d/proj/off_lat_deg nan\n"
        "e/m_monitor 3\n"
        "e/m_usage wmgr_usage_normal_visuals\n"
        "e/proj/off_lat_deg 1e300\n" +
        std::string(5000, 'x') + "/m_monitor 5\n");
    ASSERT_EQ(monitors.size(), 2u);
    EXPECT_EQ(monitors["d"].monitorIndex, 2);
    EXPECT_EQ(monitors["d"].offLatDeg, 0.0f);
    EXPECT_EQ(monitors["e"].offLatDeg, 0.0f);
    // Neither offset could be read: neither monitor is chosen.
    float offset = -1;
    EXPECT_EQ(chooseMainMonitor(monitors, &offset), -1);
    NormalVisualsMonitors sideways = parseWindowPositions(
        "a/m_monitor 1\na/m_usage wmgr_usage_normal_visuals\na/proj/off_lat_deg 180\n");
    EXPECT_EQ(chooseMainMonitor(sideways, &offset), -1);
}

}  // namespace

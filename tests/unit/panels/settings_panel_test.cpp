// The settings panel as a pilot uses it: opened by its command, ticked, typed
// into and saved through what the window shows.
#include <sys/stat.h>

#include <cmath>

#include "panels/settings_panel.h"
#include "shell/settings.h"
#include "unit/panels/panels_fixture.h"

namespace {

class SettingsPanel : public PanelsFixture {
protected:
    SettingsWidget* open() {
        xpsim::commandOnce("QFN/Ovilux/Open_Settings");
        xpsim::runFrames(3);
        SettingsWidget* panel = settingsPanel();
        EXPECT_NE(panel, nullptr);
        return panel;
    }
    static int lineCount(const std::string& text) {
        int lines = 0;
        for (char c : text) lines += c == '\n';
        return lines;
    }
    static int timesIn(const std::string& text, const std::string& part) {
        int times = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++times;
        return times;
    }
    // Presses the field at a column of the labelled row and drags it dx
    // boxels sideways, a few at a time, then lets go.
    static void drag(ImgWindow* panel, const std::string& rowLabel, int column, int dx) {
        xpsim::runFrames(30);  // past ImGui's double-click time
        std::vector<TextRun> shown = text(panel);
        const TextRun* row = findText(shown, rowLabel);
        ASSERT_NE(row, nullptr) << rowLabel;
        int left = 0, top = 0, right = 0, bottom = 0;
        XPLMGetWindowGeometry(panel->getWindowID(), &left, &top, &right, &bottom);
        int x = left + column + 45;
        int y = row->boxelCentreY();
        ASSERT_TRUE(xpsim::mouseClick(x, y, false, xplm_MouseDown));
        xpsim::runFrames(2);
        int step = dx < 0 ? -4 : 4;
        for (int moved = step; moved * step <= dx * step; moved += step) {
            xpsim::mouseClick(x + moved, y, false, xplm_MouseDrag);
            xpsim::runFrames(1);
        }
        xpsim::mouseClick(x + dx, y, false, xplm_MouseUp);
        xpsim::runFrames(2);
    }
};

TEST_F(SettingsPanel, OpensCentredOnTheMainMonitorAtItsSizeAndTogglesWithItsCommand) {
    SettingsWidget* panel = open();
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    int sl = 0, st = 0, sr = 0, sb = 0;
    XPLMGetScreenBoundsGlobal(&sl, &st, &sr, &sb);
    EXPECT_EQ(r - l, 710);
    EXPECT_EQ(t - b, 600);
    // No main monitor named by X-Plane's window positions: the screen's middle.
    EXPECT_NEAR((l + r) / 2.0, (sl + sr) / 2.0, 1.0);
    EXPECT_NEAR((t + b) / 2.0, (st + sb) / 2.0, 1.0);
    EXPECT_TRUE(panel->GetVisible());
    for (const char* shown : {"Small", "Medium", "Large", "Very Large", "Pan Speed in Degrees",
                              "Camera Smoothing Factor", "Circle View Wheel Zoom",
                              "Mini Control Panel Monitor", "Save Settings"})
        EXPECT_TRUE(shows(panel, shown)) << shown << " in\n" << allText(text(panel));

    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(2);
    EXPECT_FALSE(panel->GetVisible());
    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(2);
    EXPECT_EQ(settingsPanel(), panel);  // the same panel, where it was
    EXPECT_TRUE(panel->GetVisible());
}

TEST_F(SettingsPanel, ATickedBoxIsSavedAsTheOnlyChangeAndThePanelHides) {
    // A file edited by hand: values the panel's fields cannot hold are refused
    // as the file is read, each said once in the log with what took its
    // place, whatever reads the file again; values at a field's bounds are
    // kept. The panel then changes nothing by being drawn.
    SimulatedXPlane::writeFile(iniPath(),
                               "MOUSE_SMOOTHING_FACTOR 80\n"
                               "MOVEMENT_SMOOTHING_FACTOR 200\n"
                               "VIEW_AXIS_SMOOTHING_FACTOR 150\n"
                               "VERY_LARGE_ROTATION_SPEED 0.000001\n"
                               "SMALL_MOVEMENT_SPEED 0.000005\n"
                               "SMALL_HEADTRACK_RANGE 0.5\n"
                               "MOUSE_SPEED_FACTOR 2.5\n"
                               "SMOOTH_WINDOW 5000\n"
                               "MINI_CONTROL_PANEL_MONITOR_INDEX 20\n");
    const std::string viewAxisHeld = std::to_string(getSettings()->VIEW_AXIS_SMOOTHING_FACTOR);
    xpsim::disablePlugin();
    xpsim::enablePlugin();
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::runFrames(2);
    const std::string log = SimulatedXPlane::readFile(xplane.path("Log.txt"));
    for (const std::string& line :
         {std::string("MOUSE_SMOOTHING_FACTOR 80 refused, outside 1 to 50; 10 is used instead"),
          std::string("MOVEMENT_SMOOTHING_FACTOR 200 refused, outside 0 to 50; 0 is used instead"),
          "VIEW_AXIS_SMOOTHING_FACTOR 150 refused, outside 1 to 100; " + viewAxisHeld +
              " is used instead",
          std::string("VERY_LARGE_ROTATION_SPEED 0.000001 refused, outside 0.000005 to 45; 2 is "
                      "used instead"),
          std::string("MINI_CONTROL_PANEL_MONITOR_INDEX 20 refused, outside 0 to 14; 0 is used "
                      "instead")})
        EXPECT_EQ(timesIn(log, "Ovilux: Ovilux.ini: " + line + "\n"), 1) << line << " in\n" << log;
    EXPECT_EQ(timesIn(log, "refused"), 5) << log;

    std::string before = SimulatedXPlane::readFile(iniPath());
    ASSERT_EQ(lineCount(before), 47);
    ASSERT_NE(before.find("ENABLE_FORCE_FOV 0\n"), std::string::npos);
    for (const char* kept : {"MOUSE_SMOOTHING_FACTOR 10\n", "MOVEMENT_SMOOTHING_FACTOR 0\n",
                             "VERY_LARGE_ROTATION_SPEED 2.000000\n",
                             "SMALL_MOVEMENT_SPEED 0.000005\n", "SMALL_HEADTRACK_RANGE 0.500000\n",
                             "MOUSE_SPEED_FACTOR 2.500000\n", "SMOOTH_WINDOW 5000\n"})
        EXPECT_NE(before.find(kept), std::string::npos) << kept << " in\n" << before;
    SettingsWidget* panel = open();
    click(panel, "Enable Force Fov");
    EXPECT_TRUE(getSettings()->ENABLE_FORCE_FOV);
    click(panel, "Save Settings");
    xpsim::runFrames(2);

    std::string expected = before;
    expected.replace(expected.find("ENABLE_FORCE_FOV 0\n"), 19, "ENABLE_FORCE_FOV 1\n");
    // The mini control panel, made a second after camera control, keeps its
    // place in the same record; on a slow run it is there by now.
    const WindowPosition& mini = getSettings()->LAST_MINI_CONTROL_PANEL_POSITION;
    std::string key = "LAST_MINI_CONTROL_PANEL_POSITION ";
    size_t line = expected.find(key);
    ASSERT_NE(line, std::string::npos);
    expected.replace(line, expected.find('\n', line) - line,
                     key + std::to_string(mini.mode) + ":" + std::to_string(mini.left) + ":" +
                         std::to_string(mini.top) + ":" + std::to_string(mini.right) + ":" +
                         std::to_string(mini.bottom));
    EXPECT_EQ(SimulatedXPlane::readFile(iniPath()), expected);
    EXPECT_FALSE(panel->GetVisible());
}

TEST_F(SettingsPanel, TypedValuesPastTheirRangeStopAtItsNearestEnd) {
    // The view axis smoothing has no value of its own that a read starts
    // from: the file's 0, below the panel's 1, is refused as it is read, so
    // the value held stays, and is the default as well.
    Settings* s = getSettings();
    const int viewAxisHeld = s->VIEW_AXIS_SMOOTHING_FACTOR;
    SimulatedXPlane::writeFile(iniPath(), "VIEW_AXIS_SMOOTHING_FACTOR 0\n");
    xpsim::disablePlugin();
    xpsim::enablePlugin();
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    const Settings* defaults = getDefaultSettings();
    ASSERT_EQ(defaults->VIEW_AXIS_SMOOTHING_FACTOR, viewAxisHeld);
    SettingsWidget* panel = open();
    EXPECT_EQ(s->VIEW_AXIS_SMOOTHING_FACTOR, viewAxisHeld);
    // Typed past a field's range, a value stops at the nearer end, as a drag
    // does: a pilot who types 1000 wants the largest speed.
    typeIntoDrag(panel, "Pan Speed in Degrees", 360, "1000");
    EXPECT_FLOAT_EQ(s->MEDIUM_ROTATION_SPEED, 45.0f);
    typeIntoDrag(panel, "Camera Smoothing Factor", 240, "99999");
    EXPECT_EQ(s->SMOOTH_WINDOW, 36000);
    typeIntoDrag(panel, "Mouse Smoothing Factor", 240, "0");
    EXPECT_EQ(s->MOUSE_SMOOTHING_FACTOR, 1);
    typeIntoDrag(panel, "View Axis Smoothing Factor", 240, "500");
    EXPECT_EQ(s->VIEW_AXIS_SMOOTHING_FACTOR, 100);
    typeIntoDrag(panel, "Pan Speed in Degrees", 360, "0");
    EXPECT_EQ(s->MEDIUM_ROTATION_SPEED, 0.000005f);
    // The fields take digits, signs and exponents only: "nan" never gets in,
    // and 1e39, infinite as a float, lies past an end too.
    s->VERY_LARGE_ROTATION_SPEED = 30.0f;
    typeIntoDrag(panel, "Pan Speed in Degrees", 600, "-1e39");
    EXPECT_EQ(s->VERY_LARGE_ROTATION_SPEED, 0.000005f);
    typeIntoDrag(panel, "Pan Speed in Degrees", 600, "1e39");
    EXPECT_FLOAT_EQ(s->VERY_LARGE_ROTATION_SPEED, 45.0f);
    typeIntoDrag(panel, "Movement Speed in Meters", 360, "1e39");
    EXPECT_FLOAT_EQ(s->MEDIUM_MOVEMENT_SPEED, 100.0f);
    typeIntoDrag(panel, "Head Track Range in Meters", 480, "-1e39");
    EXPECT_EQ(s->LARGE_HEADTRACK_RANGE, 0.000005f);
    typeIntoDrag(panel, "Pan Speed Factor", 240, "1e39");
    EXPECT_FLOAT_EQ(s->panSpeedFactor, 10000.0f);
    // A value in range stays as typed.
    typeIntoDrag(panel, "Pan Speed in Degrees", 240, "3");
    EXPECT_FLOAT_EQ(s->SMALL_ROTATION_SPEED, 3.0f);

    // Dragged past the largest pan speed the settings keep, the field stops
    // there rather than going back to its default.
    typeIntoDrag(panel, "Pan Speed in Degrees", 600, "40");
    ASSERT_FLOAT_EQ(s->VERY_LARGE_ROTATION_SPEED, 40.0f);
    drag(panel, "Pan Speed in Degrees", 600, 40);
    EXPECT_FLOAT_EQ(s->VERY_LARGE_ROTATION_SPEED, 45.0f);
    // Dragged down to their stop, the smallest speeds stay there as well.
    ASSERT_FLOAT_EQ(s->LARGE_ROTATION_SPEED, 1.0f);
    drag(panel, "Pan Speed in Degrees", 480, -60);
    EXPECT_EQ(s->LARGE_ROTATION_SPEED, 0.000005f);
    ASSERT_FLOAT_EQ(s->SMALL_MOVEMENT_SPEED, 0.0005f);
    drag(panel, "Movement Speed in Meters", 240, -8);
    EXPECT_EQ(s->SMALL_MOVEMENT_SPEED, 0.000005f);
    drag(panel, "Head Track Range in Meters", 360, -60);
    EXPECT_EQ(s->MEDIUM_HEADTRACK_RANGE, 0.000005f);

    click(panel, "Save Settings");
    std::string saved = SimulatedXPlane::readFile(iniPath());
    EXPECT_NE(saved.find("VERY_LARGE_ROTATION_SPEED 45.000000\n"), std::string::npos);
    EXPECT_NE(saved.find("VIEW_AXIS_SMOOTHING_FACTOR 100\n"), std::string::npos);
    EXPECT_NE(saved.find("SMOOTH_WINDOW 36000\n"), std::string::npos);
    EXPECT_NE(saved.find("MOUSE_SMOOTHING_FACTOR 1\n"), std::string::npos);
    EXPECT_NE(saved.find("\nLARGE_ROTATION_SPEED 0.000005\n"), std::string::npos);
    EXPECT_NE(saved.find("SMALL_MOVEMENT_SPEED 0.000005\n"), std::string::npos);
    EXPECT_NE(saved.find("MEDIUM_HEADTRACK_RANGE 0.000005\n"), std::string::npos);
    // Read back, the file's smallest speeds are the panel's stops.
    xpsim::disablePlugin();
    xpsim::enablePlugin();
    EXPECT_EQ(s->LARGE_ROTATION_SPEED, 0.000005f);
    EXPECT_EQ(s->SMALL_MOVEMENT_SPEED, 0.000005f);
    EXPECT_EQ(s->MEDIUM_HEADTRACK_RANGE, 0.000005f);
}

TEST_F(SettingsPanel, DefaultSettingsKeepsTheCalibrationAndThePanelPositions) {
    Settings* s = getSettings();
    s->VIEW_AXIS_NULL_ZONE = 0.125f;
    s->VIEW_AXIS_PITCH_CENTER = -0.0625f;
    s->VIEW_AXIS_CAMERA_FB_CENTER = 0.25f;
    s->LAST_CONTROL_PANEL_POSITION = WindowPosition{1, 10, 500, 300, 100};
    s->SMALL_ROTATION_SPEED = 7.0f;
    s->ENABLE_FORCE_FOV = true;
    std::string before = SimulatedXPlane::readFile(iniPath());
    SettingsWidget* panel = open();
    click(panel, "Default Settings");

    EXPECT_FLOAT_EQ(s->SMALL_ROTATION_SPEED, getDefaultSettings()->SMALL_ROTATION_SPEED);
    EXPECT_FALSE(s->ENABLE_FORCE_FOV);
    EXPECT_FLOAT_EQ(s->VIEW_AXIS_NULL_ZONE, 0.125f);
    EXPECT_FLOAT_EQ(s->VIEW_AXIS_PITCH_CENTER, -0.0625f);
    EXPECT_FLOAT_EQ(s->VIEW_AXIS_CAMERA_FB_CENTER, 0.25f);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.left, 10);
    EXPECT_EQ(SimulatedXPlane::readFile(iniPath()), before);  // nothing written
    EXPECT_TRUE(panel->GetVisible());
}

TEST_F(SettingsPanel, AFailedSaveKeepsThePanelOpenAndSaysWhy) {
    chmod(iniPath().c_str(), 0444);
    std::string before = SimulatedXPlane::readFile(iniPath());
    SettingsWidget* panel = open();
    click(panel, "Enable Force Fov");
    click(panel, "Save Settings");
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_TRUE(shows(panel, "Unable to save Ovilux.ini: Permission denied")) << allText(text(panel));
    EXPECT_EQ(SimulatedXPlane::readFile(iniPath()), before);
    // The log, read after the panel has gone, says why as well.
    EXPECT_NE(SimulatedXPlane::readFile(xplane.path("Log.txt"))
                  .find("Ovilux: Unable to create " + iniPath() + ": Permission denied\n"),
              std::string::npos);

    chmod(iniPath().c_str(), 0644);
    click(panel, "Save Settings");
    xpsim::runFrames(2);
    EXPECT_FALSE(panel->GetVisible());
    EXPECT_NE(SimulatedXPlane::readFile(iniPath()).find("ENABLE_FORCE_FOV 1\n"),
              std::string::npos);
}

TEST_F(SettingsPanel, DisableHidesThePanelAndStopDeletesIt) {
    SettingsWidget* panel = open();
    xpsim::disablePlugin();
    ASSERT_EQ(settingsPanel(), panel);
    EXPECT_FALSE(panel->GetVisible());
    xpsim::enablePlugin();
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(2);
    EXPECT_EQ(settingsPanel(), panel);
    EXPECT_TRUE(panel->GetVisible());
    xplane.disableAndStop();
    EXPECT_EQ(settingsPanel(), nullptr);
    EXPECT_FALSE(ImgWindow::isLive(panel));
}

TEST_F(SettingsPanel, AMonitorIndexPastTheMonitorsGoesBackToTheFirst) {
    xpsim::setMonitor(0, 0, 1080, 1920, 0);
    xpsim::setMonitor(1, 1920, 1080, 3840, 0);
    Settings* s = getSettings();
    s->MINI_CONTROL_PANEL_MONITOR_INDEX = 1;
    open();
    EXPECT_EQ(s->MINI_CONTROL_PANEL_MONITOR_INDEX, 1);
    s->MINI_CONTROL_PANEL_MONITOR_INDEX = 2;
    xpsim::runFrames(2);
    EXPECT_EQ(s->MINI_CONTROL_PANEL_MONITOR_INDEX, 0);
    s->MINI_CONTROL_PANEL_MONITOR_INDEX = 20;
    xpsim::runFrames(2);
    EXPECT_EQ(s->MINI_CONTROL_PANEL_MONITOR_INDEX, 0);
}

}  // namespace

// "Ovilux.ini" as X-Plane's plug-in lifecycle reads and writes it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <sys/stat.h>

#include "shell/settings.h"
#include "support/simulated_xplane.h"
#include "xpsim.h"

namespace {

const char* const kDefaultFile =
    "INI_FILE_VERSION 2413\n"
    "SMALL_ROTATION_SPEED 0.500000\n"
    "MEDIUM_ROTATION_SPEED 1.000000\n"
    "LARGE_ROTATION_SPEED 1.000000\n"
    "VERY_LARGE_ROTATION_SPEED 2.000000\n"
    "SMALL_MOVEMENT_SPEED 0.000500\n"
    "MEDIUM_MOVEMENT_SPEED 0.005000\n"
    "LARGE_MOVEMENT_SPEED 0.100000\n"
    "VERY_LARGE_MOVEMENT_SPEED 1.000000\n"
    "SMALL_HEADTRACK_RANGE 1.000000\n"
    "MEDIUM_HEADTRACK_RANGE 1.000000\n"
    "LARGE_HEADTRACK_RANGE 1.000000\n"
    "VERY_LARGE_HEADTRACK_RANGE 1.000000\n"
    "ENABLE_PANSPEED_TOGGLE 0\n"
    "ENABLE_AUTO_SHOW_MINI_CONTROL_PANEL 1\n"
    "MOUSE_SMOOTHING_FACTOR 10\n"
    "MOUSE_SPEED_FACTOR 1.000000\n"
    "MOVEMENT_SMOOTHING_FACTOR 0\n"
    "MINI_CONTROL_PANEL_MONITOR_INDEX 0\n"
    "ENABLE_OPEN_MINI_CONTROL_PANEL_ON_START 0\n"
    "ENABLE_TRANSPARENT_MINI_CONTROL_PANEL 0\n"
    "ENABLE_SOLID_CONTROL_PANEL 0\n"
    "ENABLE_SHOW_TARGET_INFORMATION 1\n"
    "LOCK_KEYBOARD_CONTROL 0\n"
    "PAUSE_ON_FREE_TARGET_AIM 0\n"
    "HIDE_FAVORITES 0\n"
    "SMOOTH_WINDOW 60\n"
    "DISABLE_QUICK_LOOK_EMULATION 0\n"
    "ENABLE_FORCE_FOV 0\n"
    "ALWAYS_SHOW_ADVANCED_CAMERA_OPTIONS 0\n"
    "HEAD_TRACK_SMOOTHING_FACTOR 0\n"
    "VIEW_AXIS_SMOOTHING_FACTOR 5\n"
    "DISABLE_VOICE_PROMPTS 0\n"
    "POPPED_OUT_MINI_PANEL_ALWAYS_ON_TOP 0\n"
    "REVERSE_CIRCLE_VIEW_MOUSE_Y 0\n"
    "CIRCLE_VIEW_WHEEL_ZOOM 0\n"
    "USE_SMALL_FONT 0\n"
    "MIDDLE_MOUSE_BEHAVIOR 2\n"
    "VIEW_AXIS_NULL_ZONE 0.025000\n"
    "VIEW_AXIS_HEADING_CENTER 0.000000\n"
    "VIEW_AXIS_PITCH_CENTER 0.000000\n"
    "VIEW_AXIS_ZOOM_CENTER 0.000000\n"
    "VIEW_AXIS_CAMERA_LR_CENTER 0.000000\n"
    "VIEW_AXIS_CAMERA_UD_CENTER 0.000000\n"
    "VIEW_AXIS_CAMERA_FB_CENTER 0.000000\n"
    "LAST_CONTROL_PANEL_POSITION 0:0:0:0:0\n"
    "LAST_MINI_CONTROL_PANEL_POSITION 0:0:0:0:0\n";

class SettingsFile : public ::testing::Test {
protected:
    // The record lives as long as the plug-in is loaded; each test starts
    // from a freshly loaded one.
    void SetUp() override { *getSettings() = Settings(); }

    std::string iniPath() const { return xplane.pluginFolder() + "Ovilux.ini"; }
    void writeIni(const std::string& text) { SimulatedXPlane::writeFile(iniPath(), text); }
    std::string ini() const { return SimulatedXPlane::readFile(iniPath()); }

    SimulatedXPlane xplane;
};

TEST_F(SettingsFile, FirstEnableCreatesEveryKeyInOrder) {
    xplane.startAndEnable();
    EXPECT_EQ(ini(), kDefaultFile);
}

TEST_F(SettingsFile, ReadsKeysCaseInsensitivelyAndRepairsValues) {
    writeIni(
        "smooth_window 10\n"
        "ENABLE_FORCE_FOV 5\n"
        "LAST_CONTROL_PANEL_POSITION 2:10:700:910:0\n"
        "Mouse_Speed_Factor 2.5 INI_FILE_VERSION 1999\n"  // layout of lines does not matter
        "UNKNOWN_KEY whatever\n");
    getSettings()->panSpeedFactor = 9;
    xplane.startAndEnable();

    Settings* s = getSettings();
    EXPECT_EQ(s->SMOOTH_WINDOW, 60);
    EXPECT_TRUE(s->ENABLE_FORCE_FOV);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.mode, 2);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.left, 10);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.top, 700);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.right, 910);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.bottom, 0);
    EXPECT_FLOAT_EQ(s->MOUSE_SPEED_FACTOR, 2.5f);
    EXPECT_FLOAT_EQ(s->panSpeedFactor, 3.0f);
    EXPECT_FLOAT_EQ(s->movementSpeedFactor, 3.0f);
    // Keys missing from the file keep their defaults.
    EXPECT_FLOAT_EQ(s->SMALL_ROTATION_SPEED, 0.5f);

    saveSettings();
    std::string saved = ini();
    EXPECT_NE(saved.find("INI_FILE_VERSION 2413\n"), std::string::npos);
    EXPECT_NE(saved.find("ENABLE_FORCE_FOV 1\n"), std::string::npos);
    EXPECT_NE(saved.find("LAST_CONTROL_PANEL_POSITION 2:10:700:910:0\n"), std::string::npos);
    EXPECT_NE(xpsim::logText().find("Ovilux.ini: SMOOTH_WINDOW 10 refused, outside 60 to 36000; "
                                    "60 is used instead"),
              std::string::npos);
}

TEST_F(SettingsFile, FieldsWithoutDefaultsKeepTheirValueWhenTheirKeyIsMissing) {
    writeIni("SMALL_ROTATION_SPEED 0.7\n");
    getSettings()->LOCK_KEYBOARD_CONTROL = true;
    getSettings()->MIDDLE_MOUSE_BEHAVIOR = 0;
    xplane.startAndEnable();
    EXPECT_TRUE(getSettings()->LOCK_KEYBOARD_CONTROL);
    EXPECT_TRUE(getDefaultSettings()->LOCK_KEYBOARD_CONTROL);
    EXPECT_EQ(getSettings()->MIDDLE_MOUSE_BEHAVIOR, 2);
    EXPECT_FLOAT_EQ(getSettings()->SMALL_ROTATION_SPEED, 0.7f);
    EXPECT_FLOAT_EQ(getDefaultSettings()->SMALL_ROTATION_SPEED, 0.5f);
}

TEST_F(SettingsFile, GarbageIsSurvivedAndRewrittenCleanly) {
    std::string garbage = "SMALL_ROTATION_SPEED abc\n";                  // does not parse
    garbage += "MEDIUM_ROTATION_SPEED " + std::string(20000, '7') + "\n";  // huge token
    garbage += std::string(9000, 'K') + " 1\n";                           // huge key
    garbage += "LARGE_ROTATION_SPEED 1.75\n";                             // still paired
    garbage += "LAST_MINI_CONTROL_PANEL_POSITION 1:2:3:4\n";              // incomplete
    garbage += "MOUSE_SMOOTHING_FACTOR 99999999999999\n";                 // out of range
    garbage += std::string("\x00\xff\x01\x80 \x7f\n", 7);
    garbage += "SMALL_MOVEMENT_SPEED nan\n";
    garbage += "VIEW_AXIS_NULL_ZONE";                                      // no value
    writeIni(garbage);
    xplane.startAndEnable();

    Settings* s = getSettings();
    EXPECT_FLOAT_EQ(s->SMALL_ROTATION_SPEED, 0.5f);
    EXPECT_FLOAT_EQ(s->MEDIUM_ROTATION_SPEED, 1.0f);
    EXPECT_FLOAT_EQ(s->LARGE_ROTATION_SPEED, 1.75f);
    EXPECT_EQ(s->LAST_MINI_CONTROL_PANEL_POSITION.mode, 0);
    EXPECT_EQ(s->MOUSE_SMOOTHING_FACTOR, 10);
    EXPECT_FLOAT_EQ(s->SMALL_MOVEMENT_SPEED, 0.0005f);
    EXPECT_FLOAT_EQ(s->VIEW_AXIS_NULL_ZONE, 0.025f);
    const std::string log = xpsim::logText();
    EXPECT_NE(log.find("Ovilux.ini: SMALL_ROTATION_SPEED abc is not a number; 0.5 is used instead"),
              std::string::npos);
    EXPECT_NE(log.find("Ovilux.ini: the value of MEDIUM_ROTATION_SPEED is too long to read; 1 is "
                       "used instead"),
              std::string::npos);
    EXPECT_NE(log.find("Ovilux.ini: LAST_MINI_CONTROL_PANEL_POSITION 1:2:3:4 refused, not five "
                       "numbers; 0:0:0:0:0 is used instead"),
              std::string::npos);
    // The huge key, the line of control bytes and the key without a value are
    // not settings; the next save drops them, so the log says so beforehand.
    EXPECT_NE(log.find(iniPath() + " holds 3 entries that are not settings, the "
                                    "first on line 3; they are not kept when the settings are "
                                    "saved"),
              std::string::npos);

    saveSettings();
    std::string expected = kDefaultFile;
    expected.replace(expected.find("LARGE_ROTATION_SPEED 1.000000"),
                     strlen("LARGE_ROTATION_SPEED 1.000000"), "LARGE_ROTATION_SPEED 1.750000");
    EXPECT_EQ(ini(), expected);
}

TEST_F(SettingsFile, DisableKeepsPanelPositionsAndDropsOtherUnsavedChanges) {
    xplane.startAndEnable();
    getSettings()->LAST_MINI_CONTROL_PANEL_POSITION = WindowPosition{3, 0, 40, 1920, 0};
    getSettings()->MOUSE_SPEED_FACTOR = 4.0f;
    xpsim::disablePlugin();

    std::string saved = ini();
    EXPECT_NE(saved.find("LAST_MINI_CONTROL_PANEL_POSITION 3:0:40:1920:0\n"), std::string::npos);
    EXPECT_NE(saved.find("MOUSE_SPEED_FACTOR 1.000000\n"), std::string::npos);
}

TEST_F(SettingsFile, MissingPluginFolderIsLoggedNotFatal) {
    std::filesystem::remove_all(xplane.pluginFolder());
    xplane.startAndEnable();
    EXPECT_NE(xpsim::logText().find("Ovilux: Unable to create "), std::string::npos);
    EXPECT_FLOAT_EQ(getSettings()->SMALL_ROTATION_SPEED, 0.5f);
}

TEST_F(SettingsFile, ANewSaveNeverLeavesAHalfWrittenFile) {
    writeIni("SMALL_ROTATION_SPEED 0.9\n");
    xplane.startAndEnable();
    // A folder in the way of the temporary file makes the save fail; the old
    // file must survive whole.
    std::filesystem::create_directories(iniPath() + ".tmp/blocker");
    saveSettings();
    EXPECT_EQ(ini(), "SMALL_ROTATION_SPEED 0.9\n");
    EXPECT_NE(xpsim::logText().find("Unable to create"), std::string::npos);
}

TEST_F(SettingsFile, SavesKeepPermissionsAndWriteThroughALink) {
    namespace fs = std::filesystem;
    // The user keeps the file with their other settings and links it here.
    std::string kept = xplane.path("dotfiles/Ovilux.ini");
    SimulatedXPlane::writeFile(kept, "SMALL_ROTATION_SPEED 0.9\n");
    chmod(kept.c_str(), 0600);
    fs::create_symlink(kept, iniPath());
    xplane.startAndEnable();
    EXPECT_FLOAT_EQ(getSettings()->SMALL_ROTATION_SPEED, 0.9f);
    xpsim::disablePlugin();

    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_NE(SimulatedXPlane::readFile(kept).find("SMALL_ROTATION_SPEED 0.900000\n"),
              std::string::npos);
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms(0600));
}

TEST_F(SettingsFile, AReadOnlyFileStaysAsItIs) {
    writeIni("SMALL_ROTATION_SPEED 0.9\n");
    // Only the mode says so: a process running as root could still write it.
    chmod(iniPath().c_str(), 0444);
    xplane.startAndEnable();
    EXPECT_FLOAT_EQ(getSettings()->SMALL_ROTATION_SPEED, 0.9f);
    getSettings()->LAST_CONTROL_PANEL_POSITION = WindowPosition{1, 100, 900, 1000, 100};
    xpsim::disablePlugin();

    EXPECT_EQ(ini(), "SMALL_ROTATION_SPEED 0.9\n");
    EXPECT_EQ(std::filesystem::status(iniPath()).permissions(), std::filesystem::perms(0444));
    EXPECT_NE(xpsim::logText().find("Ovilux: Unable to create " + iniPath() +
                                    ": Permission denied\n"),
              std::string::npos);
}

TEST_F(SettingsFile, AFileThatCouldNotBeReadIsNeverReplaced) {
    namespace fs = std::filesystem;
    // A link to itself exists but cannot be opened, whoever runs X-Plane.
    fs::create_symlink("Ovilux.ini", iniPath());
    xplane.startAndEnable();
    xpsim::disablePlugin();
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_EQ(fs::read_symlink(iniPath()), "Ovilux.ini");
    EXPECT_NE(xpsim::logText().find("Ovilux: Unable to create " + iniPath() +
                                    ": the file could not be read at start\n"),
              std::string::npos);

    // Readable again while the plug-in runs, yet never read: what it holds
    // is the user's and outlives any save until the next read.
    xpsim::enablePlugin();
    fs::remove(iniPath());
    writeIni("SMALL_ROTATION_SPEED 0.9\n");
    saveSettings();
    EXPECT_EQ(ini(), "SMALL_ROTATION_SPEED 0.9\n");
    xpsim::disablePlugin();
    EXPECT_NE(ini().find("SMALL_ROTATION_SPEED 0.900000\n"), std::string::npos);
}

TEST_F(SettingsFile, AbsurdNumbersAreRefusedAndLogged) {
    writeIni("MEDIUM_ROTATION_SPEED 3e38\n"
             "MEDIUM_MOVEMENT_SPEED 3e38\n"
             "LARGE_MOVEMENT_SPEED 2.5\n"
             "SMOOTH_WINDOW 10\n"
             "HEAD_TRACK_SMOOTHING_FACTOR 100000\n"
             "VIEW_AXIS_NULL_ZONE -1\n"
             "MIDDLE_MOUSE_BEHAVIOR 7\n"
             "LAST_CONTROL_PANEL_POSITION 9:10:700:910:0\n"
             "LAST_MINI_CONTROL_PANEL_POSITION 1:10:700:910:0\n");
    xplane.startAndEnable();

    Settings* s = getSettings();
    EXPECT_FLOAT_EQ(s->MEDIUM_ROTATION_SPEED, 1.0f);
    EXPECT_FLOAT_EQ(s->MEDIUM_MOVEMENT_SPEED, 0.005f);
    EXPECT_FLOAT_EQ(s->LARGE_MOVEMENT_SPEED, 2.5f);
    EXPECT_EQ(s->SMOOTH_WINDOW, 60);
    EXPECT_EQ(s->HEAD_TRACK_SMOOTHING_FACTOR, 0);
    EXPECT_FLOAT_EQ(s->VIEW_AXIS_NULL_ZONE, 0.025f);
    EXPECT_EQ(s->MIDDLE_MOUSE_BEHAVIOR, 2);
    EXPECT_EQ(s->LAST_CONTROL_PANEL_POSITION.mode, 0);
    EXPECT_EQ(s->LAST_MINI_CONTROL_PANEL_POSITION.left, 10);
    // Each said once, with what took its place, though the file is read
    // again when the plug-in is disabled.
    xpsim::disablePlugin();
    const std::string log = xpsim::logText();
    auto timesLogged = [&log](const std::string& line) {
        int times = 0;
        for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
            ++times;
        return times;
    };
    EXPECT_EQ(timesLogged("Ovilux.ini: MEDIUM_ROTATION_SPEED 3e38 refused, outside 0.000005 to "
                          "45; 1 is used instead\n"),
              1)
        << log;
    EXPECT_EQ(timesLogged("Ovilux.ini: HEAD_TRACK_SMOOTHING_FACTOR 100000 refused, outside 0 to "
                          "50; 0 is used instead\n"),
              1);
    EXPECT_EQ(timesLogged("Ovilux.ini: VIEW_AXIS_NULL_ZONE -1 refused, outside 0 to 1; 0.025 is "
                          "used instead\n"),
              1);
    EXPECT_EQ(timesLogged("Ovilux.ini: LAST_CONTROL_PANEL_POSITION 9:10:700:910:0 refused, mode "
                          "outside 0 to 3 or a side beyond 1000000; 0:0:0:0:0 is used instead\n"),
              1);
    EXPECT_EQ(timesLogged(" refused"), 7) << log;

    // The settings panel bounds its fields by the same ranges.
    ASSERT_NE(getSettingsValueRange("MEDIUM_ROTATION_SPEED"), nullptr);
    EXPECT_EQ(getSettingsValueRange("MEDIUM_ROTATION_SPEED")->max, 45.0);
    EXPECT_EQ(getSettingsValueRange("SMOOTH_WINDOW")->max, 36000.0);
    EXPECT_EQ(getSettingsValueRange("ENABLE_FORCE_FOV"), nullptr);
    EXPECT_EQ(getSettingsValueRange("NO_SUCH_KEY"), nullptr);
}

TEST_F(SettingsFile, ANonFiniteValueIsNeverWritten) {
    writeIni("SMALL_ROTATION_SPEED 0.9\n");
    xplane.startAndEnable();
    getSettings()->LARGE_MOVEMENT_SPEED = std::numeric_limits<float>::infinity();
    saveSettings();
    EXPECT_EQ(ini(), "SMALL_ROTATION_SPEED 0.9\n");
    EXPECT_NE(xpsim::logText().find("Unable to create " + iniPath() +
                                    ": LARGE_MOVEMENT_SPEED is not a finite number"),
              std::string::npos);
}

}  // namespace

// The view-axis calibration as a pilot runs it, with X-Plane's mapped joystick
// axes simulated: centres measured and saved, or everything put back.
#include <sys/stat.h>

#include "panels/calibration_panel.h"
#include "panels/settings_panel.h"
#include "positioning/input/joystick_axes.h"
#include "shell/settings.h"
#include "unit/panels/panels_fixture.h"

namespace {

const char* const kAvail = "sim/joystick/joy_mapped_axis_avail";
const char* const kValue = "sim/joystick/joy_mapped_axis_value";

struct Calibration {
    float nullZone;
    float centres[6];
};

Calibration current() {
    const Settings* s = getSettings();
    return Calibration{s->VIEW_AXIS_NULL_ZONE,
                       {s->VIEW_AXIS_HEADING_CENTER, s->VIEW_AXIS_PITCH_CENTER,
                        s->VIEW_AXIS_ZOOM_CENTER, s->VIEW_AXIS_CAMERA_LR_CENTER,
                        s->VIEW_AXIS_CAMERA_UD_CENTER, s->VIEW_AXIS_CAMERA_FB_CENTER}};
}

void expectSame(const Calibration& a, const Calibration& b) {
    EXPECT_EQ(a.nullZone, b.nullZone);
    for (int axis = 0; axis < 6; ++axis) EXPECT_EQ(a.centres[axis], b.centres[axis]) << axis;
}

class CalibrationPanel : public PanelsFixture {
protected:
    void SetUp() override {
        PanelsFixture::SetUp();
        // X-Plane's mapped axes 41 to 46: heading, pitch, zoom, left-right,
        // up-down, forward-back.
        const double raw[6] = {0.1, -0.05, 0.3, 0.55, 0.45, 0.5};
        for (int axis = 0; axis < 6; ++axis) {
            xpsim::setValue(kAvail, 1, 41 + axis);
            xpsim::setValue(kValue, raw[axis], 41 + axis);
        }
        Settings* s = getSettings();
        s->VIEW_AXIS_NULL_ZONE = 0.0625f;
        s->VIEW_AXIS_HEADING_CENTER = 0.015625f;
        s->VIEW_AXIS_PITCH_CENTER = -0.03125f;
        s->VIEW_AXIS_CAMERA_FB_CENTER = 0.125f;
        ASSERT_TRUE(saveSettings());
        before = current();
    }
    CalibrateViewAxisWidget* open() {
        createViewAxisCalibratePanel();
        xpsim::runFrames(3);
        EXPECT_FALSE(CalibrateViewAxisWidget::openPanels().empty());
        return CalibrateViewAxisWidget::openPanels().back();
    }
    static bool gone(CalibrateViewAxisWidget* panel) {
        xpsim::runFrames(3);
        return !ImgWindow::isLive(panel);
    }

    Calibration before{};
};

TEST_F(CalibrationPanel, OpensAtItsSizeWithSixAxisBarsAndSuspendsAxisInput) {
    xpsim::setValue(kAvail, 0, 46);  // forward-back not assigned
    CalibrateViewAxisWidget* panel = open();
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(r - l, 650);
    EXPECT_EQ(t - b, 310);
    EXPECT_TRUE(isAxisCalibrationActive());
    for (const char* shown :
         {"Move each view axis through it's full range. Press Next when complete.",
          "View Heading", "View Pitch", "View Zoom", "Camera Left / Right", "Camera Up / Down",
          "Camera Forward / Back", "Axis Not Detected - Check X-Plane axis assigments", "Cancel",
          "Next"})
        EXPECT_TRUE(shows(panel, shown)) << shown << " in\n" << allText(text(panel));
    EXPECT_EQ(getSettings()->VIEW_AXIS_NULL_ZONE, 0.0f);
    EXPECT_EQ(getSettings()->VIEW_AXIS_HEADING_CENTER, 0.0f);
}

TEST_F(CalibrationPanel, ThreeStepsMeasureTheCentresAndFinishSavesThem) {
    CalibrateViewAxisWidget* panel = open();
    click(panel, "Next");
    EXPECT_TRUE(shows(panel, "Center each axis. Press Next when complete."));
    click(panel, "Next");
    EXPECT_TRUE(shows(panel, "Adjust the null zone. Press Finish when complete."));
    EXPECT_TRUE(shows(panel, "Null Zone"));
    Calibration measured = current();
    EXPECT_EQ(measured.nullZone, before.nullZone);  // the slider starts where it was
    EXPECT_NEAR(measured.centres[0], 0.1, 1e-5);
    EXPECT_NEAR(measured.centres[1], -0.05, 1e-5);
    EXPECT_NEAR(measured.centres[2], 0.7, 1e-5);  // the zoom axis runs the other way
    EXPECT_NEAR(measured.centres[3], 0.1, 1e-5);
    EXPECT_NEAR(measured.centres[4], -0.1, 1e-5);
    EXPECT_NEAR(measured.centres[5], 0.0, 1e-5);
    click(panel, "Finish");
    EXPECT_TRUE(gone(panel));
    EXPECT_FALSE(isAxisCalibrationActive());
    std::string ini = SimulatedXPlane::readFile(iniPath());
    EXPECT_NE(ini.find("VIEW_AXIS_HEADING_CENTER 0.100000\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("VIEW_AXIS_ZOOM_CENTER 0.700000\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("VIEW_AXIS_NULL_ZONE 0.062500\n"), std::string::npos) << ini;
}

TEST_F(CalibrationPanel, CancelOrTheCloseBoxPutsEveryValueBackExactly) {
    std::string ini = SimulatedXPlane::readFile(iniPath());
    CalibrateViewAxisWidget* panel = open();
    click(panel, "Next");
    click(panel, "Next");  // centres measured
    click(panel, "Cancel");
    EXPECT_TRUE(gone(panel));
    expectSame(current(), before);
    EXPECT_FALSE(isAxisCalibrationActive());

    panel = open();
    click(panel, "Next");
    click(panel, "Next");
    XPLMSetWindowIsVisible(panel->getWindowID(), 0);  // X-Plane's close box
    EXPECT_TRUE(gone(panel));
    expectSame(current(), before);
    EXPECT_FALSE(isAxisCalibrationActive());
    EXPECT_EQ(SimulatedXPlane::readFile(iniPath()), ini);  // nothing written
}

TEST_F(CalibrationPanel, PanelsShareTheSavedValuesAndAxisInputWaitsForTheLast) {
    CalibrateViewAxisWidget* first = open();
    click(first, "Next");
    click(first, "Next");  // the first panel's centres are in force now
    CalibrateViewAxisWidget* second = open();
    ASSERT_NE(first, second);
    // Made in the same place: moved aside, as a pilot would drag it.
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(second->getWindowID(), &l, &t, &r, &b);
    XPLMSetWindowGeometry(second->getWindowID(), l, b - 20, r, b - 20 - (t - b));
    xpsim::runFrames(2);
    EXPECT_EQ(CalibrateViewAxisWidget::openPanels().size(), 2u);

    // Saving from the settings panel meanwhile writes the values from before.
    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(3);
    click(settingsPanel(), "Save Settings");
    std::string ini = SimulatedXPlane::readFile(iniPath());
    EXPECT_NE(ini.find("VIEW_AXIS_NULL_ZONE 0.062500\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("VIEW_AXIS_HEADING_CENTER 0.015625\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("VIEW_AXIS_PITCH_CENTER -0.031250\n"), std::string::npos) << ini;
    EXPECT_EQ(getSettings()->VIEW_AXIS_NULL_ZONE, 0.0f);  // the calibration goes on

    click(first, "Cancel");
    EXPECT_TRUE(gone(first));
    EXPECT_TRUE(isAxisCalibrationActive());
    XPLMSetWindowIsVisible(second->getWindowID(), 0);
    EXPECT_TRUE(gone(second));
    EXPECT_FALSE(isAxisCalibrationActive());
    expectSame(current(), before);

    // A panel that finishes saved its centres: an older panel cancelled
    // afterwards puts those back, not the ones from before it.
    first = open();
    second = open();
    click(second, "Next");
    click(second, "Next");
    Calibration measured = current();
    click(second, "Finish");
    EXPECT_TRUE(gone(second));
    click(first, "Cancel");
    EXPECT_TRUE(gone(first));
    EXPECT_FALSE(isAxisCalibrationActive());
    expectSame(current(), measured);
    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(3);
    click(settingsPanel(), "Save Settings");
    ini = SimulatedXPlane::readFile(iniPath());
    EXPECT_NE(ini.find("VIEW_AXIS_HEADING_CENTER 0.100000\n"), std::string::npos) << ini;
}

TEST_F(CalibrationPanel, AFailedFinishKeepsThePanelOpenAndSaysWhy) {
    CalibrateViewAxisWidget* panel = open();
    click(panel, "Next");
    click(panel, "Next");
    chmod(iniPath().c_str(), 0444);
    click(panel, "Finish");
    EXPECT_TRUE(ImgWindow::isLive(panel));
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_TRUE(shows(panel, "Unable to save Ovilux.ini: Permission denied"))
        << allText(text(panel));
    EXPECT_TRUE(isAxisCalibrationActive());
    chmod(iniPath().c_str(), 0644);
    click(panel, "Finish");
    EXPECT_TRUE(gone(panel));
}

TEST_F(CalibrationPanel, DisableDeletesOpenPanelsAndPutsTheValuesBack) {
    open();
    open();
    xpsim::disablePlugin();
    EXPECT_TRUE(CalibrateViewAxisWidget::openPanels().empty());
    EXPECT_FALSE(isAxisCalibrationActive());
    expectSame(current(), before);
    std::string ini = SimulatedXPlane::readFile(iniPath());
    EXPECT_NE(ini.find("VIEW_AXIS_NULL_ZONE 0.062500\n"), std::string::npos) << ini;
}

}  // namespace

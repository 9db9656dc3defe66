// The plug-in's lifecycle as X-Plane drives it: entry points, messages, camera
// control on and off, and the main flight loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "libwinkit/message_box.h"
#include "plugin/lifecycle.h"
#include "positioning/integration/system_check.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "shell/plugin_path.h"
#include "shell/settings.h"
#include "shell/speech.h"
#include "support/message_boxes.h"
#include "support/simulated_xplane.h"
#include "xpsim.h"

namespace {

const char* const kCessna = "Aircraft/Laminar Research/Cessna 172 SP/Cessna_172SP.acf";
const char* const kCessnaCameraFile =
    "Aircraft/Laminar Research/Cessna 172 SP/Ovilux_Cessna_172SP.csv";
const int kViewType3DCockpit = 1026;

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        *getSettings() = Settings();
        SpeechManager::clear();
        xplane.startAndEnable();
    }

    void loadAircraft(const char* path, bool withCameraFile) {
        if (withCameraFile) {
            SimulatedXPlane::writeFile(xplane.path(kCessnaCameraFile), "camera file\n");
        }
        xpsim::setUserAircraft(path);
        xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
    }

    void setHead(float x, float y, float z, float psi, float the, float phi) {
        xpsim::setValue("sim/graphics/view/pilots_head_x", x);
        xpsim::setValue("sim/graphics/view/pilots_head_y", y);
        xpsim::setValue("sim/graphics/view/pilots_head_z", z);
        xpsim::setValue("sim/graphics/view/pilots_head_psi", psi);
        xpsim::setValue("sim/graphics/view/pilots_head_the", the);
        xpsim::setValue("sim/graphics/view/pilots_head_phi", phi);
    }

    double head(const char* axis) {
        return xpsim::getDouble(std::string("sim/graphics/view/pilots_head_") + axis);
    }

    SimulatedXPlane xplane;
};

TEST_F(Lifecycle, IdentifiesItselfAndAsksForNativePaths) {
    EXPECT_EQ(xpsim::pluginName(), "Ovilux");
    EXPECT_EQ(xpsim::pluginSignature(), "QFN.Ovilux");
    EXPECT_EQ(xpsim::pluginDescription(), "Advanced Camera Plugin version 2.4.3");
    EXPECT_TRUE(xpsim::isFeatureEnabled("XPLM_USE_NATIVE_PATHS"));
    EXPECT_TRUE(xpsim::isFeatureEnabled("XPLM_USE_NATIVE_WIDGET_WINDOWS"));
    EXPECT_NE(xpsim::logText().find("Ovilux: Initialization complete for version 2.4.3\n"),
              std::string::npos);
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
}

TEST_F(Lifecycle, PlaneLoadedWithCameraFileSwitchesCameraControlOn) {
    xpsim::setValue("sim/graphics/view/view_type", 1000);
    loadAircraft(kCessna, true);
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_TRUE(xpsim::isFlightLoopRegistered(MyFlightLoopCallback, nullptr));
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/view_type"), kViewType3DCockpit);
}

TEST_F(Lifecycle, PlaneLoadedWithoutCameraFileOrForAnotherAircraftLeavesControlOff) {
    loadAircraft(kCessna, false);
    EXPECT_EQ(isEnabled(), 0);

    SimulatedXPlane::writeFile(xplane.path(kCessnaCameraFile), "camera file\n");
    xpsim::setUserAircraft(kCessna);
    xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 1);  // an AI aircraft
    EXPECT_EQ(isEnabled(), 0);
}

TEST_F(Lifecycle, VirtualRealityKeepsCameraControlOff) {
    xpsim::setValue("sim/graphics/VR/enabled", 1);
    loadAircraft(kCessna, true);
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_NE(xpsim::logText().find("Ovilux: Ovilux has deteted a camera file for this aircraft "
                                    "but will not auto-enable because Ovilux does not support "
                                    "Virtual Reality Mode\n"),
              std::string::npos);
    enableOvilux();
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_NE(xpsim::logText().find("Ovilux: Ovilux does not support Virtual Reality Mode\n"),
              std::string::npos);
}

TEST_F(Lifecycle, DisablingPutsThePilotsHeadBack) {
    setHead(-0.3f, 1.1f, -2.0f, 10.0f, 350.0f, 200.0f);
    enableOvilux();
    xpsim::runFrames(1);  // the first pass remembers the head
    setHead(1.0f, 2.0f, 3.0f, 90.0f, 20.0f, 5.0f);
    disableOvilux(0);

    EXPECT_NEAR(head("x"), -0.3, 1e-6);
    EXPECT_NEAR(head("y"), 1.1, 1e-6);
    EXPECT_NEAR(head("z"), -2.0, 1e-6);
    EXPECT_NEAR(head("psi"), 10.0, 1e-6);
    EXPECT_NEAR(head("the"), -10.0, 1e-4);  // folded into (-180, 180]
    EXPECT_NEAR(head("phi"), -160.0, 1e-4);
    EXPECT_FALSE(xpsim::isFlightLoopRegistered(MyFlightLoopCallback, nullptr));
}

TEST_F(Lifecycle, KeepingTheHeadStillRestoresItsRoll) {
    setHead(-0.3f, 1.1f, -2.0f, 10.0f, 0.0f, 15.0f);
    enableOvilux();
    xpsim::runFrames(1);
    setHead(1.0f, 2.0f, 3.0f, 90.0f, 20.0f, 5.0f);
    disableOvilux(1);
    EXPECT_NEAR(head("x"), 1.0, 1e-6);
    EXPECT_NEAR(head("psi"), 90.0, 1e-6);
    EXPECT_NEAR(head("the"), 20.0, 1e-6);
    EXPECT_NEAR(head("phi"), 15.0, 1e-6);
}

TEST_F(Lifecycle, WithoutPilotsHeadRollTheViewRollIsRestored) {
    xpsim::removeDataref("sim/graphics/view/pilots_head_phi");
    xpsim::disablePlugin();  // the engine looks its datarefs up at enable
    xpsim::enablePlugin();
    xpsim::setValue("sim/graphics/view/field_of_view_roll_deg", 7.0);
    enableOvilux();
    xpsim::runFrames(1);
    xpsim::setValue("sim/graphics/view/field_of_view_roll_deg", 30.0);
    disableOvilux(0);
    EXPECT_NEAR(xpsim::getDouble("sim/graphics/view/field_of_view_roll_deg"), 7.0, 1e-6);
}

TEST_F(Lifecycle, DisablingBeforeTheFirstFrameLeavesTheHeadAlone) {
    setHead(0.5f, 1.5f, -1.5f, 45.0f, 5.0f, 3.0f);
    enableOvilux();
    disableOvilux(0);
    EXPECT_NEAR(head("x"), 0.5, 1e-6);
    EXPECT_NEAR(head("psi"), 45.0, 1e-6);
    EXPECT_NEAR(head("phi"), 3.0, 1e-6);
}

TEST_F(Lifecycle, OnAndOffTwiceIsHarmless) {
    enableOvilux();
    enableOvilux();
    EXPECT_EQ(xpsim::flightLoopCount(), 1);
    disableOvilux(0);
    disableOvilux(0);
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
}

TEST_F(Lifecycle, CinemaVeriteAndHideYokeAreHandedBack) {
    xpsim::setValue("sim/graphics/view/cinema_verite", 1);
    xpsim::setValue("sim/graphics/view/hide_yoke", 1);
    enableOvilux();
    xpsim::runFrames(2);
    xpsim::setValue("sim/graphics/view/cinema_verite", 0);
    xpsim::setValue("sim/graphics/view/hide_yoke", 0);
    disableOvilux(0);
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/cinema_verite"), 1);
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/hide_yoke"), 1);
}

TEST_F(Lifecycle, TheWheelZoomIsHandedBackOnEveryWayControlGoesOff) {
    const char* const kKillWheelZoom = "sim/private/controls/camera/kill_wheel_zoom";
    SimulatedXPlane::writeFile(
        xplane.path(kCessnaCameraFile),
        SimulatedXPlane::readFile(std::string(OVILUX_FIXTURES_DIR) +
                                  "/../scenarios/files/cessna_cameras.csv"));
    // Pilot View locks the wheel zoom, and keeps it locked in its file.
    loadAircraft(kCessna, false);
    xpsim::runFrames(2);
    ASSERT_EQ(isEnabled(), 1);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Zoom_Disable");
    xpsim::commandOnce("QFN/Ovilux/Save_All_Cameras");
    xpsim::runFrames(1);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 1);
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    EXPECT_EQ(xpsim::getDouble(kKillWheelZoom), 0);

    // Entering VR.
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::runFrames(2);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 1);
    xpsim::setValue("sim/graphics/VR/enabled", 1);
    xpsim::sendMessage(XPLM_MSG_ENTERED_VR, 0);
    EXPECT_EQ(xpsim::getDouble(kKillWheelZoom), 0);
    xpsim::setValue("sim/graphics/VR/enabled", 0);

    // An aircraft without a camera file, and the Cessna loaded again.
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::runFrames(2);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 1);
    loadAircraft("Aircraft/Extra Aircraft/Glider/ASK21.acf", false);
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_EQ(xpsim::getDouble(kKillWheelZoom), 0);
    loadAircraft(kCessna, false);
    xpsim::runFrames(2);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 1);
    loadAircraft(kCessna, false);
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_EQ(xpsim::getDouble(kKillWheelZoom), 0);
    xpsim::runFrames(2);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 1);

    // X-Plane's own locked wheel stays locked after a camera that frees it,
    // and the plug-in's disable gives it back too.
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    xpsim::setValue(kKillWheelZoom, 1);
    xpsim::commandOnce("QFN/Ovilux/Select_View_ID_2");
    xpsim::runFrames(2);
    ASSERT_EQ(isEnabled(), 1);
    ASSERT_EQ(xpsim::getDouble(kKillWheelZoom), 0);
    xpsim::disablePlugin();
    EXPECT_EQ(xpsim::getDouble(kKillWheelZoom), 1);
    xpsim::enablePlugin();
}

TEST_F(Lifecycle, SpeechWaitsForCameraControlAndRespectsTheSetting) {
    sXPLMSpeakString("Camera %d", 1);
    sXPLMSpeakString("Camera %d", 2);
    xpsim::runFrames(3);
    EXPECT_TRUE(xpsim::spokenTexts().empty());
    enableOvilux();
    xpsim::runFrames(1);
    ASSERT_EQ(xpsim::spokenTexts().size(), 2u);
    EXPECT_EQ(xpsim::spokenTexts()[0], "Camera 1");
    EXPECT_EQ(xpsim::spokenTexts()[1], "Camera 2");

    // What waits to be said goes with the plug-in when it stops; a plug-in
    // loaded again never says it.
    disableOvilux(0);
    sXPLMSpeakString("Camera %d", 3);
    xplane.disableAndStop();
    xplane.startAndEnable();
    enableOvilux();
    xpsim::runFrames(2);
    for (const std::string& said : xpsim::spokenTexts()) EXPECT_NE(said, "Camera 3");

    getSettings()->DISABLE_VOICE_PROMPTS = true;
    sXPLMSpeakString("silent");
    xpsim::runFrames(1);
    EXPECT_EQ(xpsim::spokenTexts().size(), 2u);
}

TEST_F(Lifecycle, EnteringVirtualRealitySwitchesControlOff) {
    enableOvilux();
    xpsim::runFrames(1);
    xpsim::sendMessage(XPLM_MSG_ENTERED_VR, 0);
    EXPECT_EQ(isEnabled(), 0);
}

TEST_F(Lifecycle, AnotherPluginsCameraIsNeverReleased) {
    enableOvilux();
    xpsim::runFrames(1);
    xpsim::takeCameraByOtherPlugin();
    disableOvilux(0);
    EXPECT_TRUE(xpsim::cameraControlled());
}

TEST_F(Lifecycle, ReEnableRegistersNothingTwice) {
    loadAircraft(kCessna, true);
    xpsim::runFrames(2);
    xpsim::disablePlugin();
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
    xpsim::enablePlugin();
    loadAircraft(kCessna, true);
    EXPECT_EQ(xpsim::flightLoopCount(), 1);
    xpsim::runFrames(2);

    // X-Plane keeps commands after the module is gone: a stop leaves no
    // handler on the plug-in's own commands, nor on any other.
    xplane.disableAndStop();
    std::vector<std::string> ours = xpsim::commandNames("QFN/Ovilux/");
    EXPECT_EQ(ours.size(), 201u);
    for (const std::string& name : xpsim::commandNames("")) {
        EXPECT_EQ(xpsim::handlerCount(name), 0) << name;
    }

    // Started again in the same process, each command has its one handler,
    // and one press acts once.
    xplane.startAndEnable();
    loadAircraft(kCessna, true);
    ASSERT_EQ(isEnabled(), 1);
    for (const std::string& name : ours) {
        EXPECT_EQ(xpsim::handlerCount(name), 1) << name;
    }
    EXPECT_EQ(xpsim::handlerCount("sim/view/glance_left"), 1);
    xpsim::runFrames(2);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    EXPECT_EQ(isEnabled(), 0);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    EXPECT_EQ(isEnabled(), 1);
}

TEST_F(Lifecycle, SystemStatusBox) {
    checkSystem();
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().title, "System Status");
    EXPECT_FALSE(boxes.back().hasCallback);
    EXPECT_EQ(boxes.back().message,
              "TrackIR - Unknown Status.\n\nScenic Flyer - Status unknown.\n\n"
              "HeadShake - Not Found.\n\n");

    xpsim::addPlugin("lorwenhale.projects.pilotview", "PilotView");
    checkSystem();
    boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    const std::string& text = boxes.back().message;
    EXPECT_EQ(text.rfind("TrackIR - Unknown Status.\n\n", 0), 0u);
    const std::string pilotView =
        "PilotView - Found and it is not compatible with Ovilux.\nEither remove PilotView "
        "or make sure it is not enabled.\n\n";
    ASSERT_GE(text.size(), pilotView.size());
    EXPECT_EQ(text.substr(text.size() - pilotView.size()), pilotView);
}

class PluginPath : public ::testing::Test {
protected:
    std::string pathFor(const std::string& pluginFile) {
        xpsim::reset();
        xpsim::setRoot(xplane.root());  // the log goes there
        xpsim::attachPlugin({nullptr, nullptr, nullptr, nullptr, nullptr}, pluginFile);
        resetPluginPathCache();
        char out[2000] = "untouched";
        int found = getPluginPath(out);
        resetPluginPathCache();
        return found ? std::string(out) : "failed:" + std::string(out);
    }

    SimulatedXPlane xplane{false};
};

TEST_F(PluginPath, IsThePluginsOwnFolderWhateverItsSubfolder) {
    EXPECT_EQ(pathFor("/X-Plane 12/Resources/plugins/Ovilux/lin_x64/Ovilux.xpl"),
              "/X-Plane 12/Resources/plugins/Ovilux/");
    EXPECT_EQ(pathFor("/X-Plane 12/Resources/plugins/Ovilux/64/lin.xpl"),
              "/X-Plane 12/Resources/plugins/Ovilux/");
    // A parent folder that happens to be called "plugins".
    EXPECT_EQ(pathFor("/home/plugins/X-Plane 12/Resources/plugins/Ovilux/lin_x64/Ovilux.xpl"),
              "/home/plugins/X-Plane 12/Resources/plugins/Ovilux/");
    // Lying directly in the plugins folder: never a file path to append to.
    EXPECT_EQ(pathFor("/X-Plane 12/Resources/plugins/Ovilux.xpl"), "/X-Plane 12/Resources/plugins/");
    EXPECT_EQ(pathFor("/somewhere/else/Ovilux.xpl"), "failed:");
}

}  // namespace

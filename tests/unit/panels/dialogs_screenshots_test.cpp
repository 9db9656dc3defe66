// Pictures of the airport, fly-by and orbit dialogs as a pilot fills them in,
// with the fly-by and the orbit then made and played. scripts/demo runs this
// with OVILUX_SCREENSHOT_DIR set and puts the pictures in out/; the menus
// that open the dialogs in the simulator's scripts are the control panel's.
#include <cstdlib>
#include <string>

#include "cameras/files/camera_file.h"
#include "positioning/transitions/transition_state.h"
#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

class DialogScreenshots : public DialogsFixture {
protected:
    void picture(const std::string& name) {
        const char* folder = std::getenv("OVILUX_SCREENSHOT_DIR");
        std::string path = (folder != nullptr ? std::string(folder) : xplane.root()) + "/" + name;
        EXPECT_TRUE(xpsim::screenshot(path)) << path;
        EXPECT_TRUE(SimulatedXPlane::exists(path)) << path;
    }
    // The chain just made plays once the panel is out of the way: cameras do
    // not advance by themselves while it is open.
    void play() {
        xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
        select(getNumberOfCategories() - 1, 0);
        frames(60);
        EXPECT_TRUE(isCurrentlyAnimating());
        xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
        frames(2);
    }
};

TEST_F(DialogScreenshots, AirportFlyByAndOrbitDialogs) {
    startAt("100 45.00 1 0 0.25 1 3 0 09 47.0 8.0 0 0 3 1 1 0 27 47.0 8.015625000 0 0 3 0 0 0\n");
    openPanel();
    openDialog(kDialogCreateAirportCameras);
    ASSERT_TRUE(shows("Create Airport Cameras"));
    picture("dialog_airport_cameras.png");
    click("Cancel");

    readCameras(nullptr);  // the aircraft's set: fly-bys and orbits are made there
    frames(2);
    openDialog(kDialogCreateFlyBy);
    typeInto("Name", "Low Pass");
    picture("dialog_flyby.png");
    click("Create");
    play();

    openDialog(kDialogCreateOrbit);
    typeInto("Name", "Orbit");
    picture("dialog_orbit.png");
    click("Create");
    play();
}

}  // namespace

// The airport camera nearest the aircraft, chosen directly and through the
// plug-in's command, and the switch from the aircraft's set that comes first.
#include "airport_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "positioning/pipeline/airport_toggle.h"

namespace {

class NearestAirportCamera : public AirportFixture {
protected:
    // A runway 09/27 from the Cessna's position eastward and a helipad 4 steps
    // north of it.
    void startGenerated() {
        startAt("100 45.00 1 0 0.25 1 3 0 09 47.0 8.0 0 0 3 1 1 0 27 47.0 " +
                aptNumber(8.0 + 32 * kStep) + " 0 0 3 0 0 0\n102 H1 " +
                aptNumber(47.0 + 4 * kStep) + " 8.0 0 15 15 1 0 0 0.25 0\n");
        generate();
        ASSERT_EQ(getNumberOfCategories(), 2);
    }
    static std::string current() {
        return getCurrentCategory()->name + std::string("/") + getCurrentCamera()->name;
    }
};

TEST_F(NearestAirportCamera, TheFreeCameraNearestTheAircraftBecomesCurrent) {
    startGenerated();
    selectCLosestAirportCamera();
    EXPECT_EQ(current(), "Runways/09");

    // Flown over to the helipad, the plug-in's command finds its camera.
    xpsim::placeAircraft(47.0 + 4 * kStep, 8.0 + 30.0 / 75900.0, 500.0);
    xpsim::commandOnce("QFN/Ovilux/Select_Nearest_Airport_Camera");
    EXPECT_EQ(current(), "Helipads/H1");

    // Cameras that are not world-anchored are passed over.
    category("Helipads").cameras[0].freeCamera = false;
    selectCLosestAirportCamera();
    EXPECT_EQ(current(), "Runways/09");
}

TEST_F(NearestAirportCamera, FromTheAircraftSetTheAirportSetComesFirst) {
    startGenerated();
    ASSERT_EQ(saveCameras(false, false), 1);
    readCameras(nullptr);
    ASSERT_FALSE(isAirportFileActive());
    std::string aircraftCategory = getCategory(0)->name;

    selectCLosestAirportCamera();
    ASSERT_TRUE(isAirportFileActive());
    EXPECT_EQ(getNumberOfCategories(), 2);
    EXPECT_EQ(getCurrentCategoryIndex(), 0);
    xpsim::placeAircraft(47.0, 8.0 + 32 * kStep, 500.0);
    selectCLosestAirportCamera();
    EXPECT_EQ(current(), "Runways/27");
}

TEST_F(NearestAirportCamera, AutomaticSelectionFollowsTheAircraft) {
    startGenerated();
    xpsim::commandOnce("QFN/Ovilux/Auto_Select_Nearest_Airport_Camera");
    xpsim::placeAircraft(47.0, 8.0 + 32 * kStep, 500.0);
    frames(3 * 60);
    EXPECT_EQ(current(), "Runways/27");
}

}  // namespace

// The camera file as bytes: the header and rows the writer makes, and every
// column coming back as it went out.
#include <gtest/gtest.h>

#include <cfloat>

#include "camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "xpsim.h"

namespace {

const char* const kHeader =
    "Category Name,Camera Name,View ID,X,Y,Z,heading,pitch,TrackIR Enabled,Smooth Transition,"
    "HeadShake,RetainMouseLookPosition, Enable Temporary Positioning,Enable Linear Transition,"
    "Linear Transition Frames,Enable Auto Advance,Limit TrackIR, Max TrackIR X,Max TrackIR Y,"
    "Max TrackIR Z,Min TrackIR X,Min TrackIR Y,Min TrackIR Z,Zoom,FOV,Enable FOV,Smooth Camera "
    "Joins, Enable Track Heading, Enable Track Pitch, CGY Offset, CGZ Offset, Enable Level "
    "Camera, Enable View Axis, Enable External Camera, Enable Cineflex Camera, Enable Free "
    "Camera, Initial Movement Range, Enable Bezier Transition, Reserved,Transition Seconds,"
    "Hidden Camera,Ovilux Version,Default FOV,Aircraft,Author,Camera File Version,Category "
    "Index,Manual Enable, Latitude,Longitude, Elevation, X-Plane 9 Chase View, roll, Target "
    "Following Camera, Scenic Flyer GA Panel, Scenic Flyer Glass Panel, Cinema Verite, CGX "
    "Offset, Hide Yoke, Enable Camera Axis, Enable XPRealistic, Enable RealView, Disable 3D "
    "Cockpit Zoom, AGL Camera, Height ABove AGL (Meters),Circle View, Transition Delay, Script "
    "ID, Camera Origin,Target Reciprocal \n";

class CameraFileFormat : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        enablePlugin();
    }

    // Saves the set, empties it and reads the file back.
    void saveAndReadBack() {
        ASSERT_EQ(saveCameras(false, false), 1);
        initCategories();
        ASSERT_EQ(readCameras(nullptr), 1);
    }
};

TEST_F(CameraFileFormat, NewAircraftGetsTheDefaultSetWrittenByteForByte) {
    xpsim::setValue("sim/graphics/view/pilots_head_x", 0.25);
    xpsim::setValue("sim/graphics/view/pilots_head_y", 1.5);
    xpsim::setValue("sim/graphics/view/pilots_head_z", -2.75);
    xpsim::setValue("sim/graphics/view/pilots_head_psi", 10);
    xpsim::setValue("sim/graphics/view/pilots_head_the", 350);
    ASSERT_EQ(readCameras(nullptr), 1);

    std::string version = getCurrentActiveCameraFile()->properties.fileVersion;
    ASSERT_EQ(version.size(), 19u);  // "YYYY-MM-DD HH:MM:SS"
    std::string row =
        "Cockpit,Pilot View,1,0.250000,1.500000,-2.750000,10.000000,350.000000,FALSE,FALSE,"
        "FALSE,TRUE,TRUE,FALSE,0,FALSE,FALSE,0.000000,0.000000,0.000000,0.000000,0.000000,"
        "0.000000,1.000000,0.000000,FALSE,FALSE,FALSE,FALSE,0.000000,0.000000,FALSE,FALSE,FALSE,"
        "FALSE,FALSE,1,FALSE,0,0.0,FALSE,2.4.3,60.000000,Cessna_172SP, ," +
        version + " ,0,FALSE,0,0,0,FALSE,0.000000,FALSE,FALSE,FALSE,FALSE,0.000000,0,FALSE,FALSE,"
                  "FALSE,FALSE,FALSE,0.000000,FALSE,0.0,0,0,FALSE\n";
    EXPECT_EQ(readCameraFile(), std::string(kHeader) + row);

    auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "INFO");
    EXPECT_EQ(boxes[0].second.rfind("Ovilux created a new camera file for this plane!\n\n", 0), 0u);
}

TEST_F(CameraFileFormat, EveryColumnComesBackAsWritten) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "A")) +
                    joinRow(rowFields("Cockpit", "B")) + joinRow(rowFields("Outside", "C")) +
                    joinRow(rowFields("Outside", "D")));
    ASSERT_EQ(readCameras(nullptr), 1);
    GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    snprintf(file->properties.author, sizeof(file->properties.author), "Jo Pilot");
    snprintf(file->properties.fileVersion, sizeof(file->properties.fileVersion), "v1.2");
    file->properties.manualEnable = true;

    // A and B hold complementary options; C is a Bezier free camera; D keeps
    // the reset values.
    Camera& a = cameraAt(0, 0);
    a.viewId = 7;
    a.x = 1.5f, a.y = -2.25f, a.z = 3.125f, a.heading = 45.5f, a.pitch = 350.25f, a.roll = 2.5f;
    a.trackIR = true, a.smoothTransition = true, a.headShake = true;
    a.retainMouseLookPosition = false, a.temporaryPositioning = true, a.linearTransitionFrames = 90;
    a.autoAdvance = false, a.limitTrackIR = true;
    a.maxTrackIR.x = 0.5f, a.maxTrackIR.y = 0.625f, a.maxTrackIR.z = 0.75f;
    a.minTrackIR.x = -0.5f, a.minTrackIR.y = -0.625f, a.minTrackIR.z = -0.75f;
    a.zoom = 2.5f, a.fov = 85.5f, a.enableFov = false, a.smoothCameraJoins = true;
    a.trackHeading = true, a.trackPitch = false, a.cgY = 1.25f, a.cgZ = -4.5f, a.cgX = 0.375f;
    a.levelCamera = true, a.enableViewAxis = false, a.external = true, a.cineflex = true;
    a.initialMovementRange = 3, a.transitionSeconds = 2.26f, a.hidden = true;
    a.scenicFlyerGA = true, a.scenicFlyerGlass = false, a.cinemaVerite = true, a.hideYoke = 2;
    a.enableCameraAxis = false, a.disable3DCockpitZoom = true, a.aglCamera = false;
    a.heightAboveAgl = 12.5f, a.circleView = true, a.transitionDelay = 1.5f, a.scriptId = 42;
    a.cameraOrigin = 2, a.targetReciprocal = false;

    Camera& b = cameraAt(0, 1);
    b.viewId = 12, b.linearTransition = true, b.realView = true, b.retainMouseLookPosition = true;
    b.temporaryPositioning = false, b.autoAdvance = true, b.enableFov = true, b.fov = 15.0f;
    b.trackPitch = true, b.enableViewAxis = true, b.external = true, b.targetFollowing = true;
    b.xp9ChaseView = true, b.scenicFlyerGlass = true, b.hideYoke = 1, b.enableCameraAxis = true;
    b.aglCamera = true, b.targetReciprocal = true, b.initialMovementRange = 0;

    Camera& c = cameraAt(1, 0);
    c.viewId = 65, c.bezierTransition = true, c.xpRealistic = true, c.external = true;
    c.freeCamera = true, c.latitude = 47.464722, c.longitude = 8.549167, c.elevation = 432.0;
    c.fov = 170.0f, c.enableFov = true, c.initialMovementRange = 2;

    saveAndReadBack();

    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    EXPECT_STREQ(getCategory(1)->name, "Outside");
    ASSERT_EQ(getCategory(0)->numberOfCameras, 2);
    ASSERT_EQ(getCategory(1)->numberOfCameras, 2);
    const CameraFileProperty& properties = getCurrentActiveCameraFile()->properties;
    EXPECT_STREQ(properties.author, "Jo Pilot");
    EXPECT_STREQ(properties.fileVersion, "v1.2");
    EXPECT_STREQ(properties.oviluxVersion, "2.4.3");
    EXPECT_STREQ(properties.aircraft, "Cessna_172SP");
    EXPECT_FLOAT_EQ(properties.defaultFov, 60.0f);
    EXPECT_TRUE(properties.manualEnable);

    Camera& ra = cameraAt(0, 0);
    EXPECT_STREQ(ra.name, "A");
    EXPECT_EQ(ra.viewId, 7);
    EXPECT_FLOAT_EQ(ra.x, 1.5f);
    EXPECT_FLOAT_EQ(ra.y, -2.25f);
    EXPECT_FLOAT_EQ(ra.z, 3.125f);
    EXPECT_FLOAT_EQ(ra.heading, 45.5f);
    EXPECT_FLOAT_EQ(ra.pitch, 350.25f);
    EXPECT_FLOAT_EQ(ra.roll, 2.5f);
    EXPECT_TRUE(ra.trackIR);
    EXPECT_TRUE(ra.smoothTransition);
    EXPECT_TRUE(ra.headShake);
    EXPECT_FALSE(ra.retainMouseLookPosition);
    EXPECT_TRUE(ra.temporaryPositioning);
    EXPECT_FALSE(ra.linearTransition);
    EXPECT_EQ(ra.linearTransitionFrames, 90);
    EXPECT_FALSE(ra.autoAdvance);
    EXPECT_TRUE(ra.limitTrackIR);
    EXPECT_FLOAT_EQ(ra.maxTrackIR.x, 0.5f);
    EXPECT_FLOAT_EQ(ra.maxTrackIR.y, 0.625f);
    EXPECT_FLOAT_EQ(ra.maxTrackIR.z, 0.75f);
    EXPECT_FLOAT_EQ(ra.minTrackIR.x, -0.5f);
    EXPECT_FLOAT_EQ(ra.minTrackIR.y, -0.625f);
    EXPECT_FLOAT_EQ(ra.minTrackIR.z, -0.75f);
    EXPECT_FLOAT_EQ(ra.zoom, 2.5f);
    EXPECT_FLOAT_EQ(ra.fov, 85.5f);
    EXPECT_FALSE(ra.enableFov);
    EXPECT_TRUE(ra.smoothCameraJoins);
    EXPECT_TRUE(ra.trackHeading);
    EXPECT_FALSE(ra.trackPitch);
    EXPECT_FLOAT_EQ(ra.cgY, 1.25f);
    EXPECT_FLOAT_EQ(ra.cgZ, -4.5f);
    EXPECT_FLOAT_EQ(ra.cgX, 0.375f);
    EXPECT_TRUE(ra.levelCamera);
    EXPECT_FALSE(ra.enableViewAxis);
    EXPECT_TRUE(ra.external);
    EXPECT_TRUE(ra.cineflex);
    EXPECT_FALSE(ra.freeCamera);
    EXPECT_EQ(ra.initialMovementRange, 3);
    EXPECT_FALSE(ra.bezierTransition);
    EXPECT_FLOAT_EQ(ra.transitionSeconds, 2.3f);  // one decimal in the file
    EXPECT_TRUE(ra.hidden);
    EXPECT_FALSE(ra.xp9ChaseView);
    EXPECT_FALSE(ra.targetFollowing);
    EXPECT_TRUE(ra.scenicFlyerGA);
    EXPECT_FALSE(ra.scenicFlyerGlass);
    EXPECT_TRUE(ra.cinemaVerite);
    EXPECT_EQ(ra.hideYoke, 2);
    EXPECT_FALSE(ra.enableCameraAxis);
    EXPECT_FALSE(ra.xpRealistic);
    EXPECT_FALSE(ra.realView);
    EXPECT_TRUE(ra.disable3DCockpitZoom);
    EXPECT_FALSE(ra.aglCamera);
    EXPECT_FLOAT_EQ(ra.heightAboveAgl, 12.5f);
    EXPECT_TRUE(ra.circleView);
    EXPECT_FLOAT_EQ(ra.transitionDelay, 1.5f);
    EXPECT_EQ(ra.scriptId, 42);
    EXPECT_EQ(ra.cameraOrigin, 2);
    EXPECT_FALSE(ra.targetReciprocal);

    Camera& rb = cameraAt(0, 1);
    EXPECT_EQ(rb.viewId, 12);
    EXPECT_FALSE(rb.smoothTransition);
    EXPECT_TRUE(rb.linearTransition);
    EXPECT_TRUE(rb.realView);
    EXPECT_FALSE(rb.headShake);
    EXPECT_TRUE(rb.retainMouseLookPosition);
    EXPECT_FALSE(rb.temporaryPositioning);
    EXPECT_TRUE(rb.autoAdvance);
    EXPECT_TRUE(rb.enableFov);
    EXPECT_FLOAT_EQ(rb.fov, 15.0f);  // the lowest field of view reads as it stands
    EXPECT_TRUE(rb.trackPitch);
    EXPECT_TRUE(rb.enableViewAxis);
    EXPECT_TRUE(rb.external);
    EXPECT_TRUE(rb.targetFollowing);
    EXPECT_FALSE(rb.cineflex);
    EXPECT_TRUE(rb.xp9ChaseView);
    EXPECT_TRUE(rb.scenicFlyerGlass);
    EXPECT_EQ(rb.hideYoke, 1);
    EXPECT_TRUE(rb.enableCameraAxis);
    EXPECT_TRUE(rb.aglCamera);
    EXPECT_TRUE(rb.targetReciprocal);
    EXPECT_EQ(rb.initialMovementRange, 0);

    Camera& rc = cameraAt(1, 0);
    EXPECT_EQ(rc.viewId, 65);
    EXPECT_TRUE(rc.bezierTransition);
    EXPECT_TRUE(rc.xpRealistic);
    EXPECT_TRUE(rc.freeCamera);
    EXPECT_TRUE(rc.external);
    EXPECT_DOUBLE_EQ(rc.latitude, 47.464722);
    EXPECT_DOUBLE_EQ(rc.longitude, 8.549167);
    EXPECT_DOUBLE_EQ(rc.elevation, 432.0);
    EXPECT_FLOAT_EQ(rc.fov, 170.0f);
    EXPECT_EQ(rc.initialMovementRange, 2);
    double x = 0;
    double y = 0;
    double z = 0;
    XPLMWorldToLocal(47.464722, 8.549167, 432.0, &x, &y, &z);
    // A free camera's place comes from its world position.
    EXPECT_FLOAT_EQ(rc.x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(rc.y, static_cast<float>(y));
    EXPECT_FLOAT_EQ(rc.z, static_cast<float>(z));

    Camera& rd = cameraAt(1, 1);
    EXPECT_STREQ(rd.name, "D");
    EXPECT_EQ(rd.viewId, 0);
    EXPECT_FALSE(rd.external);
    EXPECT_FLOAT_EQ(rd.zoom, 1.0f);
    EXPECT_DOUBLE_EQ(rd.latitude, 0);
}

TEST_F(CameraFileFormat, FreeCameraWritesItsWorldPositionOthersWriteZeros) {
    writeCameraFile(headerLine() + joinRow(rowFields("Outside", "Tower")) +
                    joinRow(rowFields("Outside", "Chase")));
    ASSERT_EQ(readCameras(nullptr), 1);
    Camera& tower = cameraAt(0, 0);
    tower.freeCamera = tower.external = true;
    tower.latitude = 47.464722, tower.longitude = 8.549167, tower.elevation = 432.0;
    cameraAt(0, 1).latitude = 12.0;  // not free: never written
    ASSERT_EQ(saveCameras(false, false), 1);
    std::string text = readCameraFile();
    EXPECT_NE(text.find(",47.464722,8.549167,432.000000,"), std::string::npos);
    size_t chase = text.find("\nOutside,Chase,");
    ASSERT_NE(chase, std::string::npos);
    EXPECT_NE(text.find(",FALSE,0,0,0,FALSE,", chase), std::string::npos);
}

TEST_F(CameraFileFormat, EmptyTextsAndSeparatorsInTextsKeepTheColumnsInPlace) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "Pilot")) +
                    joinRow(rowFields("Cockpit", "Copilot")));
    ASSERT_EQ(readCameras(nullptr), 1);
    cameraAt(0, 0).name[0] = 0;
    snprintf(cameraAt(0, 1).name, kNameSize, "Left,\r\nSeat");
    cameraAt(0, 1).viewId = 9;
    GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    file->properties.author[0] = 0;
    snprintf(file->properties.fileVersion, sizeof(file->properties.fileVersion), "1,2");

    saveAndReadBack();

    ASSERT_EQ(getNumberOfCategories(), 1);
    ASSERT_EQ(getCategory(0)->numberOfCameras, 2);
    EXPECT_STREQ(cameraAt(0, 0).name, "");
    EXPECT_STREQ(cameraAt(0, 1).name, "Left   Seat");
    EXPECT_EQ(cameraAt(0, 1).viewId, 9);
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "");
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.fileVersion, "1 2");
}

TEST_F(CameraFileFormat, EmptyCategoryNameStaysOneCategory) {
    writeCameraFile(headerLine() + joinRow(rowFields(" ", "One")) + joinRow(rowFields(" ", "Two")) +
                    joinRow(rowFields("Named", "Three")));
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "");
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
    saveAndReadBack();
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "");
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
}

TEST_F(CameraFileFormat, AnAircraftNameWithACommaIsWrittenWithABlank) {
    SimulatedXPlane::writeFile(xplane.path("Aircraft/Odd/Jet,Two.acf"), "");
    xpsim::setUserAircraft("Aircraft/Odd/Jet,Two.acf");
    ASSERT_EQ(readCameras(nullptr), 1);  // a new file, written at once
    std::string text =
        SimulatedXPlane::readFile(xplane.path("Aircraft/Odd/Ovilux_Jet,Two.csv"));
    EXPECT_NE(text.find(",60.000000,Jet Two, ,"), std::string::npos);
    initCategories();
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_STREQ(cameraAt(0, 0).name, "Pilot View");
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.aircraft, "Jet Two");
}

TEST_F(CameraFileFormat, TheLongestRowTheWriterMakesReadsBack) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "x")));
    ASSERT_EQ(readCameras(nullptr), 1);
    snprintf(getCategory(0)->name, kNameSize, "%s", std::string(30, 'C').c_str());
    Camera& camera = cameraAt(0, 0);
    snprintf(camera.name, kNameSize, "%s", std::string(30, 'N').c_str());
    float* numbers[] = {&camera.x, &camera.y, &camera.z, &camera.heading, &camera.pitch,
                        &camera.roll, &camera.maxTrackIR.x, &camera.maxTrackIR.y,
                        &camera.maxTrackIR.z, &camera.minTrackIR.x, &camera.minTrackIR.y,
                        &camera.minTrackIR.z, &camera.zoom, &camera.fov, &camera.cgX, &camera.cgY,
                        &camera.cgZ, &camera.heightAboveAgl, &camera.transitionSeconds,
                        &camera.transitionDelay};
    for (float* number : numbers) {
        *number = -FLT_MAX;
    }
    camera.viewId = camera.linearTransitionFrames = camera.scriptId = INT32_MIN;
    camera.freeCamera = camera.external = true;
    camera.latitude = camera.longitude = camera.elevation = -999999999.0;
    GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    snprintf(file->properties.author, sizeof(file->properties.author), "%s",
             std::string(39, 'A').c_str());
    snprintf(file->properties.fileVersion, sizeof(file->properties.fileVersion), "%s",
             std::string(39, 'V').c_str());

    ASSERT_EQ(saveCameras(false, false), 1);
    std::string text = readCameraFile();
    size_t rowStart = text.find('\n') + 1;
    EXPECT_LT(text.size() - rowStart - 1, 1999u);
    initCategories();
    ASSERT_EQ(readCameras(nullptr), 1);
    // Numbers beyond their column's range are refused: the view ID stays 0.
    EXPECT_EQ(cameraAt(0, 0).viewId, 0);
    EXPECT_FALSE(logHas("longer than"));
}

}  // namespace

// The integration datarefs as another plug-in reaches them through X-Plane.
#include <string>

#include "unit/positioning/positioning_fixture.h"
#include "xplane/sdk.h"

namespace {

const Column kViewId = static_cast<Column>(2);

XPLMDataRef ref(const char* name) {
    return XPLMFindDataRef((std::string("QFN/Ovilux/integration/") + name).c_str());
}

class IntegrationDataRefs : public PositioningFixture {
protected:
    void startWithViewIds() {
        start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 350).set(kViewId, 1),
               TestCameraRow("Cockpit", "Panel").pose(0.1, 1.0, -1.6, 20, 330).set(kViewId, 60),
               TestCameraRow("Outside", "Wing").pose(-6, 1, 1, 60, 350).on(kExternal).set(kViewId, 65)});
        frames(1);
    }
};

TEST_F(IntegrationDataRefs, AllThirtyThreeExistWithTheirTypesAndAccess) {
    enablePlugin();
    const struct {
        const char* name;
        XPLMDataTypeID type;
        int writable;
    } expected[] = {
        {"Ovilux_enabled", xplmType_Int, 0}, {"XPRealistic_present", xplmType_Int, 1},
        {"RealView_present", xplmType_Int, 1}, {"x_offset", xplmType_Float, 1},
        {"y_offset", xplmType_Float, 1}, {"z_offset", xplmType_Float, 1},
        {"pitch_offset", xplmType_Float, 1}, {"heading_offset", xplmType_Float, 1},
        {"roll_offset", xplmType_Float, 1}, {"headtracking_present", xplmType_Int, 1},
        {"headtracking_x_offset", xplmType_Float, 1}, {"headtracking_y_offset", xplmType_Float, 1},
        {"headtracking_z_offset", xplmType_Float, 1},
        {"headtracking_pitch_offset", xplmType_Float, 1},
        {"headtracking_heading_offset", xplmType_Float, 1},
        {"headtracking_roll_offset", xplmType_Float, 1}, {"camera_x", xplmType_FloatArray, 1},
        {"camera_y", xplmType_FloatArray, 1}, {"camera_z", xplmType_FloatArray, 1},
        {"camera_heading", xplmType_FloatArray, 1}, {"camera_pitch", xplmType_FloatArray, 1},
        {"camera_roll", xplmType_FloatArray, 1}, {"camera_status", xplmType_IntArray, 0},
        {"camera_motion_axis_assignment", xplmType_IntArray, 1},
        {"effect_script_id", xplmType_Int, 0}, {"effect_script_x_offset", xplmType_Float, 1},
        {"effect_script_y_offset", xplmType_Float, 1}, {"effect_script_z_offset", xplmType_Float, 1},
        {"effect_script_pitch_offset", xplmType_Float, 1},
        {"effect_script_heading_offset", xplmType_Float, 1},
        {"effect_script_roll_offset", xplmType_Float, 1}, {"overall_status", xplmType_Int, 0},
        {"SelectedCamera", xplmType_Int, 1},
    };
    for (const auto& e : expected) {
        XPLMDataRef r = ref(e.name);
        ASSERT_NE(r, nullptr) << e.name;
        EXPECT_EQ(XPLMGetDataRefTypes(r), e.type) << e.name;
        EXPECT_EQ(XPLMCanWriteDataRef(r), e.writable) << e.name;
    }
    EXPECT_EQ(XPLMGetDatavi(ref("camera_status"), nullptr, 0, 0), 66);
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), nullptr, 0, 0), 66);
    EXPECT_EQ(XPLMGetDatavi(ref("camera_motion_axis_assignment"), nullptr, 0, 0), 6);
}

TEST_F(IntegrationDataRefs, EnablingAgainRegistersEachDataRefOnce) {
    enablePlugin();
    xpsim::disablePlugin();
    ASSERT_TRUE(xpsim::enablePlugin());
    EXPECT_EQ(xpsim::datarefRegistrationCount("QFN/Ovilux/integration/Ovilux_enabled"), 1);
    EXPECT_EQ(xpsim::datarefRegistrationCount("QFN/Ovilux/integration/SelectedCamera"), 1);
    EXPECT_EQ(xpsim::datarefRegistrationCount("QFN/Ovilux/integration/camera_x"), 1);
}

TEST_F(IntegrationDataRefs, ArrayReadsStayInsideTheArrayAndTheCount) {
    startWithViewIds();
    float values[12];
    for (float& v : values) v = -99.0f;
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, 60, 10), 6);
    EXPECT_FLOAT_EQ(values[0], 0.1f);
    EXPECT_FLOAT_EQ(values[5], -6.0f);
    EXPECT_FLOAT_EQ(values[6], -99.0f);

    for (float& v : values) v = -99.0f;
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, -1, 4), 0);
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, 66, 4), 0);
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, 0, 0), 0);
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, 0, -3), 0);
    EXPECT_EQ(XPLMGetDatavf(ref("camera_x"), values, 0, 2), 2);
    EXPECT_FLOAT_EQ(values[0], 0.0f);  // element 0 is no camera
    EXPECT_FLOAT_EQ(values[1], -0.3f);
    EXPECT_FLOAT_EQ(values[2], -99.0f);

    int ints[8];
    for (int& v : ints) v = -99;
    EXPECT_EQ(XPLMGetDatavi(ref("camera_motion_axis_assignment"), ints, 4, 8), 2);
    EXPECT_EQ(ints[0], 4);
    EXPECT_EQ(ints[1], 5);
    EXPECT_EQ(ints[2], -99);
    EXPECT_EQ(XPLMGetDatavi(ref("camera_status"), ints, -2, 3), 0);
    EXPECT_EQ(XPLMGetDatavi(ref("camera_status"), ints, 70, 3), 0);
    EXPECT_EQ(ints[0], 4);
}

TEST_F(IntegrationDataRefs, ArrayWritesStayInsideTheArrayAndTheCount) {
    startWithViewIds();
    float moved[8] = {5, 5, 5, 5, 5, 5, 5, 5};
    XPLMSetDatavf(ref("camera_x"), moved, -1, 3);
    XPLMSetDatavf(ref("camera_x"), moved, 66, 3);
    XPLMSetDatavf(ref("camera_x"), moved, 1, 0);
    XPLMSetDatavf(ref("camera_x"), moved, 1, -2);
    float x[66];
    XPLMGetDatavf(ref("camera_x"), x, 0, 66);
    EXPECT_FLOAT_EQ(x[1], -0.3f);
    EXPECT_FLOAT_EQ(x[60], 0.1f);

    // Asks for 8 from 60: only 60 to 65 exist.
    XPLMSetDatavf(ref("camera_x"), moved, 60, 8);
    XPLMGetDatavf(ref("camera_x"), x, 0, 66);
    EXPECT_FLOAT_EQ(x[60], 5.0f);
    EXPECT_FLOAT_EQ(x[65], 5.0f);

    int axes[6] = {-5, 5, 6, -6, 1, 1};
    XPLMSetDatavi(ref("camera_motion_axis_assignment"), axes, 2, 6);
    int read[6];
    XPLMGetDatavi(ref("camera_motion_axis_assignment"), read, 0, 6);
    EXPECT_EQ(read[2], -5);
    EXPECT_EQ(read[3], 5);
    EXPECT_EQ(read[4], 4);  // 6 refused
    EXPECT_EQ(read[5], 5);  // -6 refused
    XPLMSetDatavi(ref("camera_motion_axis_assignment"), axes, -1, 2);
    XPLMGetDatavi(ref("camera_motion_axis_assignment"), read, 0, 6);
    EXPECT_EQ(read[0], 0);
    EXPECT_EQ(read[1], 1);
}

TEST_F(IntegrationDataRefs, StatusBitsFollowTheCurrentCameraAndTheTransition) {
    start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 350).set(kViewId, 1),
           TestCameraRow("Cockpit", "Tracked").pose(0.1, 1.0, -1.6, 20, 330).set(kViewId, 2)
               .on(kTrackIR).set(kScriptId, 4).on(kLinear).set(kFrames, 30)});
    frames(1);
    int status[3];
    XPLMGetDatavi(ref("camera_status"), status, 0, 3);
    EXPECT_EQ(status[0], 0);
    EXPECT_EQ(status[1], 1 + 2);
    EXPECT_EQ(status[2], 1);
    EXPECT_EQ(XPLMGetDatai(ref("overall_status")), 1);

    XPLMSetDatai(ref("SelectedCamera"), 1);
    frames(2);
    XPLMGetDatavi(ref("camera_status"), status, 0, 3);
    EXPECT_EQ(status[1], 1);
    EXPECT_EQ(status[2], 1 + 2 + 16);
    EXPECT_EQ(XPLMGetDatai(ref("overall_status")), 1 + 2 + 16 + 32);
    EXPECT_EQ(XPLMGetDatai(ref("effect_script_id")), 4);
    frames(40);
    EXPECT_EQ(XPLMGetDatai(ref("overall_status")), 1 + 2 + 32);
    EXPECT_EQ(XPLMGetDatai(ref("Ovilux_enabled")), 2);
}

}  // namespace

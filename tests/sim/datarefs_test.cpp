#include <cstring>

#include "sim_fixture.h"

namespace {

using SimDatarefs = SimTest;

TEST_F(SimDatarefs, TypesAdvertisedDecideWhatReads) {
    XPLMDataRef localX = XPLMFindDataRef("sim/flightmodel/position/local_x");
    XPLMDataRef psi = XPLMFindDataRef("sim/flightmodel/position/psi");
    ASSERT_NE(localX, nullptr);
    EXPECT_EQ(XPLMGetDataRefTypes(localX), xplmType_Float | xplmType_Double);
    XPLMSetDatad(localX, 12.5);
    EXPECT_DOUBLE_EQ(XPLMGetDatad(localX), 12.5);
    EXPECT_FLOAT_EQ(XPLMGetDataf(localX), 12.5f);
    EXPECT_EQ(XPLMGetDatai(localX), 0);  // not advertised
    XPLMSetDataf(psi, 90);
    EXPECT_EQ(XPLMGetDatad(psi), 0);
    XPLMSetDatai(psi, 5);  // not advertised: ignored
    EXPECT_FLOAT_EQ(XPLMGetDataf(psi), 90);
}

TEST_F(SimDatarefs, ReadOnlyIgnoresPluginWritesButNotTheTestApi) {
    XPLMDataRef vr = XPLMFindDataRef("sim/graphics/VR/enabled");
    EXPECT_EQ(XPLMCanWriteDataRef(vr), 0);
    XPLMSetDatai(vr, 1);
    EXPECT_EQ(XPLMGetDatai(vr), 0);
    xpsim::setValue("sim/graphics/VR/enabled", 1);
    EXPECT_EQ(XPLMGetDatai(vr), 1);
}

TEST_F(SimDatarefs, ArraysAreClampedToTheirBounds) {
    XPLMDataRef boats = XPLMFindDataRef("sim/world/boat/x_mtr");
    EXPECT_EQ(XPLMGetDatavf(boats, nullptr, 0, 0), 2);
    xpsim::setValue("sim/world/boat/x_mtr", 7, 1);
    float out[4] = {-1, -1, -1, -1};
    EXPECT_EQ(XPLMGetDatavf(boats, out, 1, 4), 1);
    EXPECT_FLOAT_EQ(out[0], 7);
    EXPECT_FLOAT_EQ(out[1], -1);
    EXPECT_EQ(XPLMGetDatavf(boats, out, 2, 1), 0);
    EXPECT_EQ(XPLMGetDatavf(boats, out, -1, 2), 0);
    EXPECT_EQ(XPLMGetDatavi(boats, nullptr, 0, 0), 0);  // not an int array

    ASSERT_TRUE(xpsim::defineDataref("test/text", xplmType_Data, 8, true));
    XPLMDataRef text = XPLMFindDataRef("test/text");
    EXPECT_EQ(XPLMGetDatab(text, nullptr, 0, 0), 8);
    char long_text[] = "0123456789";
    XPLMSetDatab(text, long_text, 4, 10);  // only 4 bytes fit
    char got[9] = {};
    EXPECT_EQ(XPLMGetDatab(text, got, 0, 8), 8);
    EXPECT_EQ(std::memcmp(got + 4, "0123", 4), 0);
}

TEST_F(SimDatarefs, RemovedDatarefIsNotFoundAndResetBringsItBack) {
    XPLMDataRef headPhi = XPLMFindDataRef("sim/graphics/view/pilots_head_phi");
    xpsim::removeDataref("sim/graphics/view/pilots_head_phi");
    EXPECT_EQ(XPLMFindDataRef("sim/graphics/view/pilots_head_phi"), nullptr);
    EXPECT_EQ(XPLMIsDataRefGood(headPhi), 0);
    EXPECT_EQ(XPLMGetDataf(headPhi), 0);
    xpsim::reset();
    EXPECT_EQ(XPLMFindDataRef("sim/graphics/view/pilots_head_phi"), headPhi);
    EXPECT_EQ(XPLMIsDataRefGood(headPhi), 1);
}

struct Accessed {
    int value = 3;
    float array[3] = {1, 2, 3};
    int lastOffset = -99;
    int lastMax = -99;
};

int readInt(void* refcon) { return static_cast<Accessed*>(refcon)->value; }
void writeInt(void* refcon, int v) { static_cast<Accessed*>(refcon)->value = v; }
int readArray(void* refcon, float* out, int offset, int max) {
    auto* a = static_cast<Accessed*>(refcon);
    a->lastOffset = offset;
    a->lastMax = max;
    if (!out) return 3;
    int n = 0;
    for (int i = offset; i < 3 && n < max; ++i) out[n++] = a->array[i];
    return n;
}

XPLMDataRef registerInt(const char* name, Accessed* a) {
    return XPLMRegisterDataAccessor(name, xplmType_Int, 1, readInt, writeInt, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, a, a);
}

TEST_F(SimDatarefs, AccessorDatarefsGoThroughTheirCallbacks) {
    Accessed a, b;
    XPLMDataRef ref = registerInt("test/int", &a);
    EXPECT_EQ(XPLMFindDataRef("test/int"), ref);
    XPLMSetDatai(ref, 9);
    EXPECT_EQ(a.value, 9);
    std::string text;
    ASSERT_TRUE(xpsim::formatDataref("test/int", &text));
    EXPECT_EQ(text, "9");
    ASSERT_TRUE(xpsim::writeDatarefFromText("test/int", "12", nullptr));
    EXPECT_EQ(a.value, 12);

    // A duplicate keeps the first publisher and is counted.
    EXPECT_EQ(registerInt("test/int", &b), ref);
    EXPECT_EQ(xpsim::datarefRegistrationCount("test/int"), 2);
    EXPECT_EQ(XPLMGetDatai(ref), 12);
    XPLMUnregisterDataAccessor(ref);
    EXPECT_EQ(XPLMFindDataRef("test/int"), nullptr);
    EXPECT_EQ(XPLMGetDatai(ref), 0);

    XPLMDataRef array = XPLMRegisterDataAccessor(
        "test/array", xplmType_FloatArray, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, readArray, nullptr, nullptr, nullptr, &a, &a);
    float out[2];
    XPLMGetDatavf(array, out, 7, -2);  // passed through as given
    EXPECT_EQ(a.lastOffset, 7);
    EXPECT_EQ(a.lastMax, -2);
    ASSERT_TRUE(xpsim::formatDataref("test/array", &text));
    EXPECT_EQ(text, "[1.000000, 2.000000, 3.000000]");
    std::string error;
    EXPECT_FALSE(xpsim::writeDatarefFromText("test/array[0]", "5", &error));
    EXPECT_EQ(error, "test/array is not writable");
}

TEST_F(SimDatarefs, TextFormsForTheRunner) {
    std::string text, error;
    ASSERT_TRUE(xpsim::defineDatarefFromText("test/name", "byte[16]", "hello", &error));
    ASSERT_TRUE(xpsim::formatDataref("test/name", &text));
    EXPECT_EQ(text, "hello");
    ASSERT_TRUE(xpsim::defineDatarefFromText("test/ints", "int[3]", "4", &error));
    ASSERT_TRUE(xpsim::writeDatarefFromText("test/ints[2]", "9", &error));
    ASSERT_TRUE(xpsim::formatDataref("test/ints", &text));
    EXPECT_EQ(text, "[4, 4, 9]");
    EXPECT_FALSE(xpsim::writeDatarefFromText("test/ints[3]", "1", &error));
    EXPECT_FALSE(xpsim::writeDatarefFromText("test/ints", "1", &error));
    EXPECT_FALSE(xpsim::defineDatarefFromText("test/ints", "int", "", &error));
    EXPECT_FALSE(xpsim::formatDataref("no/such", &text, &error));
    EXPECT_EQ(error, "unknown dataref no/such");
    ASSERT_TRUE(xpsim::formatDataref("sim/graphics/view/field_of_view_deg", &text));
    EXPECT_EQ(text, "60.000000");
}

TEST_F(SimDatarefs, LocalPositionAndLatLonAgree) {
    xpsim::placeAircraft(47.0, 8.0, 500, 90);
    xpsim::setValue("sim/flightmodel/position/local_z", -111319.49);  // one degree north
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/latitude"), 48.0, 1e-9);
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/longitude"), 8.0, 1e-9);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/flightmodel/position/psi"), 90);
}

TEST_F(SimDatarefs, FrameRateAndClockDatarefsFollowTheFrames) {
    xpsim::setFps(20);
    xpsim::runFrames(10);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/operation/misc/frame_rate_period"), 0.05f);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/time/total_running_time_sec"), 0.5f);
}

}  // namespace

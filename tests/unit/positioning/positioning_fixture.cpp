#include "positioning_fixture.h"

#include <cmath>
#include <cstdio>

#include "cameras/set/camera_selection.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_speeds.h"
#include "positioning/integration/integration_values.h"
#include "scene/view_reset.h"
#include "shell/plugin_state.h"

namespace {
const double kPi = 3.14159265358979323846;
double rad(double degrees) { return degrees * kPi / 180.0; }
}  // namespace

TestCameraRow::TestCameraRow(const char* category, const char* name) : fields(rowFields(category, name)) {}

TestCameraRow& TestCameraRow::set(Column column, const std::string& value) {
    fields[column] = value;
    return *this;
}

TestCameraRow& TestCameraRow::set(Column column, double value) {
    char text[64];
    snprintf(text, sizeof text, "%.6f", value);
    return set(column, std::string(text));
}

TestCameraRow& TestCameraRow::on(Column column) { return set(column, std::string("TRUE")); }

TestCameraRow& TestCameraRow::pose(double x, double y, double z, double heading, double pitch,
                           double roll) {
    return set(kX, x).set(kY, y).set(kZ, z).set(kHeading, heading).set(kPitch, pitch).set(kRoll, roll);
}

void PositioningFixture::SetUp() {
    CameraFixture::SetUp();
    *getIntegrationValues() = IntegrationValues();
    // The engine's movement state and speed factors live for the process, as
    // they do for the plug-in's lifetime (a fast pan key leaves its factor to
    // the pad and the Pan commands); each test starts from the first values.
    stopAllMovement();
    while (getCurrentPanSpeed() != 1) {
        togglePanSpeed();
    }
    setPanSpeedFactor(1.0f);
    setMovementSpeedFactor(1.0f);
}

void PositioningFixture::TearDown() {
    CameraFixture::TearDown();
    *getIntegrationValues() = IntegrationValues();
}

void PositioningFixture::start(const std::vector<TestCameraRow>& rows) {
    std::string text = headerLine();
    for (const TestCameraRow& row : rows) {
        text += joinRow(row.fields);
    }
    writeCameraFile(text);
    xpsim::placeAircraft(47.0, 8.0, 500.0, 0.0f);
    enablePlugin();
    loadAircraft(kCessna);
    ASSERT_EQ(isEnabled(), 1);
}

void PositioningFixture::select(int category, int index) {
    setCurrentCamera(&cameraAt(category, index));
    setResetViewModes();
}

double PositioningFixture::head(const char* axis) const {
    return xpsim::getDouble(std::string("sim/graphics/view/pilots_head_") + axis);
}

XPLMCameraPosition_t PositioningFixture::shown() const {
    XPLMCameraPosition_t pose{};
    EXPECT_TRUE(xpsim::lastCameraPose(&pose));
    return pose;
}

Vec aircraftToWorld(Vec v, double psi, double theta, double phi, Vec aircraft) {
    // Aircraft frame: x right, y up, z aft. Roll turns the right wing down.
    double c = std::cos(rad(phi)), s = std::sin(rad(phi));
    Vec r{v.x * c + v.y * s, v.y * c - v.x * s, v.z};
    // Pitch raises the nose (-z) towards +y.
    c = std::cos(rad(theta));
    s = std::sin(rad(theta));
    Vec p{r.x, r.y * c - r.z * s, r.z * c + r.y * s};
    // Heading turns north (-z) towards east (+x).
    c = std::cos(rad(psi));
    s = std::sin(rad(psi));
    Vec h{p.x * c - p.z * s, p.y, p.z * c + p.x * s};
    return {aircraft.x + h.x, aircraft.y + h.y, aircraft.z + h.z};
}

double bearing(Vec a, Vec b) {
    double degrees = std::atan2(b.x - a.x, -(b.z - a.z)) * 180.0 / kPi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

double elevation(Vec a, Vec b) {
    double horizontal = std::hypot(b.x - a.x, b.z - a.z);
    return std::atan2(b.y - a.y, horizontal) * 180.0 / kPi;
}

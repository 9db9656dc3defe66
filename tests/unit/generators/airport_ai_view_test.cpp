// AI aircraft as the origin of external cameras: ordered by distance, chosen
// by the plug-in's commands and followed by the engine frame by frame.
#include <cmath>

#include "scene/ai_view.h"
#include "unit/positioning/positioning_fixture.h"
#include "world/ai_traffic.h"
#include "xplane/sdk.h"

namespace {

class AiView : public PositioningFixture {
protected:
    // An external camera 30 m behind and 5 m above its origin.
    void startChase() {
        start({TestCameraRow("Outside", "Chase").on(kExternal).pose(0, 5, 30, 0, 0)});
        // Far to the north, then close by to the east.
        ASSERT_TRUE(xpsim::placeAiAircraft(0, 47.05, 8.0, 900.0, 90.0f));
        ASSERT_TRUE(xpsim::placeAiAircraft(1, 47.0, 8.01, 600.0, 180.0f, 5.0f));
        frames(2);
    }
    static Vec local(double lat, double lon, double elevation) {
        Vec v{};
        XPLMWorldToLocal(lat, lon, elevation, &v.x, &v.y, &v.z);
        return v;
    }
    // Steps through the AI aircraft with the command until it follows this one.
    static void followAiPlane(int index) {
        for (int press = 0; press < getActiveAIPlanes() && getCurrentAIPlane() != index; ++press) {
            xpsim::commandOnce("QFN/Ovilux/Select_Next_AI_Plane");
        }
        ASSERT_EQ(getCurrentAIPlane(), index);
    }
    void expectShownFrom(Vec expected, double heading) {
        XPLMCameraPosition_t pose = shown();
        EXPECT_NEAR(pose.x, expected.x, 0.05);
        EXPECT_NEAR(pose.y, expected.y, 0.05);
        EXPECT_NEAR(pose.z, expected.z, 0.05);
        EXPECT_NEAR(std::fmod(pose.heading + 360.0, 360.0), heading, 0.05);
    }
};

TEST_F(AiView, AiAircraftAreOrderedByDistance) {
    startChase();
    ASSERT_EQ(getActiveAIPlanes(), 2);
    const std::multiset<AiSlot>& slots = getSortedAiSlots();
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots.begin()->index, 1);
    EXPECT_EQ(std::next(slots.begin())->index, 0);
    EXPECT_LT(slots.begin()->distance, std::next(slots.begin())->distance);
    EXPECT_NEAR(getAIPlaneDistance(0), 0.05 * 60.0, 0.05);  // nautical miles
}

TEST_F(AiView, AnExternalCameraInAiPerspectiveRidesWithTheAircraft) {
    startChase();
    Vec user = local(47.0, 8.0, 500.0);
    expectShownFrom(aircraftToWorld({0, 5, 30}, 0, 0, 0, user), 0.0);

    xpsim::commandOnce("QFN/Ovilux/Toggle_AI_Perspective");
    ASSERT_TRUE(isAiPerspective());
    frames(2);
    expectShownFrom(aircraftToWorld({0, 5, 30}, 90, 0, 0, local(47.05, 8.0, 900.0)), 90.0);

    // From the farthest, the next distant one wraps round to the nearest.
    xpsim::commandOnce("QFN/Ovilux/Select_Next_Distant_AI_Plane");
    EXPECT_EQ(getCurrentAIPlane(), 1);
    frames(2);
    expectShownFrom(aircraftToWorld({0, 5, 30}, 180, 5, 0, local(47.0, 8.01, 600.0)), 180.0);

    // It flies on; the camera keeps with it.
    ASSERT_TRUE(xpsim::placeAiAircraft(1, 47.002, 8.012, 650.0, 200.0f));
    frames(1);
    expectShownFrom(aircraftToWorld({0, 5, 30}, 200, 0, 0, local(47.002, 8.012, 650.0)), 200.0);

    // Offsets scale in AI perspective.
    xpsim::commandOnce("QFN/Ovilux/AI_Scale_Up");
    frames(1);
    expectShownFrom(aircraftToWorld({0, 6, 36}, 200, 0, 0, local(47.002, 8.012, 650.0)), 200.0);

    // When its aircraft leaves and no other is left, the view comes home.
    xpsim::removeAiAircraft(1);
    xpsim::removeAiAircraft(0);
    frames(2);
    EXPECT_FALSE(isAiPerspective());
    expectShownFrom(aircraftToWorld({0, 5, 30}, 0, 0, 0, user), 0.0);

    // A new flight, the aircraft loaded again elsewhere: AI perspective is
    // off and the aircraft it followed forgotten.
    ASSERT_TRUE(xpsim::placeAiAircraft(0, 47.05, 8.0, 900.0, 90.0f));
    ASSERT_TRUE(xpsim::placeAiAircraft(1, 47.0, 8.01, 600.0, 180.0f, 5.0f));
    xpsim::commandOnce("QFN/Ovilux/Toggle_AI_Perspective");
    ASSERT_TRUE(isAiPerspective());
    followAiPlane(1);
    xpsim::placeAircraft(47.02, 8.02, 700.0, 0.0f);
    loadAircraft(kCessna);
    frames(2);
    EXPECT_FALSE(isAiPerspective());
    Vec moved = local(47.02, 8.02, 700.0);
    expectShownFrom(aircraftToWorld({0, 5, 30}, 0, 0, 0, moved), 0.0);
    xpsim::commandOnce("QFN/Ovilux/Toggle_AI_Perspective");
    EXPECT_EQ(getCurrentAIPlane(), 0);

    // Likewise when the plug-in is disabled and enabled again.
    followAiPlane(1);
    xpsim::disablePlugin();
    xpsim::enablePlugin();
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    frames(2);
    EXPECT_FALSE(isAiPerspective());
    expectShownFrom(aircraftToWorld({0, 5, 30}, 0, 0, 0, moved), 0.0);
    xpsim::commandOnce("QFN/Ovilux/Toggle_AI_Perspective");
    EXPECT_EQ(getCurrentAIPlane(), 0);
}

}  // namespace

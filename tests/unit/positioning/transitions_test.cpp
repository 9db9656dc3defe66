// Transitions: the frames built for a move between cameras, and how the
// pipeline plays them, chains and delays included.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_selection.h"
#include "positioning/transitions/frames.h"
#include "positioning/integration/integration_values.h"
#include "positioning/transitions/transition.h"
#include "positioning/transitions/transition_limits.h"
#include "positioning/transitions/transition_state.h"
#include "positioning_fixture.h"

namespace {

class Transitions : public PositioningFixture {
protected:
    // The frames of a transition, freed after reading.
    std::vector<Frame> build(Camera* from, Camera* to) {
        std::vector<Frame> frames;
        Frame* head = createTransition(from, to);
        for (Frame* f = head; f != nullptr; f = f->next) {
            frames.push_back(*f);
        }
        deleteRemaingFrames(head);
        return frames;
    }
    std::string current() { return getCurrentCamera()->name; }
    // The turn between two views X-Plane was handed, in degrees: each view's
    // axes from its angles (roll, then pitch, then heading, as X-Plane turns a
    // camera), compared whole, so that angles standing for one view agree.
    static double turnBetween(const XPLMCameraPosition_t& a, const XPLMCameraPosition_t& b) {
        const Vec origin{0, 0, 0};
        double trace = 0;
        for (Vec axis : {Vec{1, 0, 0}, Vec{0, 1, 0}, Vec{0, 0, 1}}) {
            Vec u = aircraftToWorld(axis, a.heading, a.pitch, a.roll, origin);
            Vec v = aircraftToWorld(axis, b.heading, b.pitch, b.roll, origin);
            trace += u.x * v.x + u.y * v.y + u.z * v.z;
        }
        return std::acos(std::max(-1.0, std::min(1.0, (trace - 1) / 2))) * 180.0 / M_PI;
    }
    // The largest change of the cameras' own pitch from one frame to the next.
    static double largestPitchStep(const std::vector<Frame>& list) {
        double largest = 0;
        for (size_t k = 1; k < list.size(); ++k) {
            double step = std::fabs(std::remainder(list[k].pose.pitch - list[k - 1].pose.pitch, 360.0));
            largest = std::max(largest, step);
        }
        return largest;
    }
    // Selects a camera and plays the transition into it for n frames: the
    // largest turn of the view from one frame to the next.
    double largestTurnPlaying(int category, int index, int n) {
        XPLMCameraPosition_t before = shown();
        select(category, index);
        double largest = 0;
        for (int i = 0; i < n; ++i) {
            frames(1);
            XPLMCameraPosition_t now = shown();
            largest = std::max(largest, turnBetween(before, now));
            before = now;
        }
        return largest;
    }
};

TEST_F(Transitions, LinearAndSmoothFramesFromOneCameraToTheNext) {
    start({TestCameraRow("Cockpit", "A").pose(0, 1, -2, 350, 0),
           TestCameraRow("Cockpit", "B").pose(1, 1, -2, 10, 20).on(kLinear).set(kFrames, "4"),
           TestCameraRow("Cockpit", "C").pose(1, 1, -2, 10, 20).on(kSmooth).set(kFrames, "4"),
           TestCameraRow("Cockpit", "D").on(kSmooth), TestCameraRow("Cockpit", "E").on(kLinear),
           TestCameraRow("Outside", "Up").pose(0, 5, 30, 0, 80).on(kExternal),
           TestCameraRow("Outside", "Over").pose(0, 5, 30, 0, 100).on(kExternal).on(kLinear)
               .set(kFrames, "4"),
           TestCameraRow("Outside", "Over Smoothly").pose(0, 5, 30, 0, 100).on(kExternal)
               .on(kSmooth).set(kFrames, "8"),
           TestCameraRow("Outside", "Down").pose(0, 5, 30, 0, 280).on(kExternal),
           TestCameraRow("Outside", "Under").pose(0, 5, 30, 0, 260).on(kExternal).on(kLinear)
               .set(kFrames, "4")});
    frames(1);
    select(0, 1);
    std::vector<double> x, psi;
    for (int i = 0; i < 5; ++i) {
        frames(1);
        x.push_back(head("x"));
        psi.push_back(head("psi"));
    }
    // The head frame is the pose left; then a quarter of the way per frame,
    // heading the short way from 350 round to 10.
    std::vector<double> expectedX = {0, 0.25, 0.5, 0.75, 1.0};
    std::vector<double> expectedPsi = {350, 355, 0, 5, 10};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(x[i], expectedX[i], 1e-5) << i;
        EXPECT_NEAR(psi[i], expectedPsi[i], 1e-4) << i;
    }
    EXPECT_FALSE(isCurrentlyAnimating());

    // A move begun while a glance is held starts from the view the pilot
    // had, glance and all, and turns from there to the camera's own heading.
    select(0, 0);
    frames(1);
    xpsim::commandBegin("sim/view/glance_left");
    frames(1);
    ASSERT_NEAR(head("psi"), 260, 1e-4);
    select(0, 1);
    psi.clear();
    for (int i = 0; i < 5; ++i) {
        frames(1);
        psi.push_back(head("psi"));
    }
    xpsim::commandEnd("sim/view/glance_left");
    const std::vector<double> glancedPsi = {260, 287.5, 315, 342.5, 10};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(psi[i], glancedPsi[i], 1e-4) << i;
    }

    // Smooth: the steps follow a half sine wave.
    std::vector<Frame> smooth = build(&cameraAt(0, 0), &cameraAt(0, 2));
    ASSERT_EQ(smooth.size(), 5u);
    double total = std::sin(M_PI / 4) + 1 + std::sin(3 * M_PI / 4);
    double reached = 0;
    for (int k = 1; k <= 4; ++k) {
        reached += std::sin(k * M_PI / 4) / total;
        EXPECT_NEAR(smooth[k].pose.x, reached, 1e-5) << k;
        EXPECT_NEAR(smooth[k].pose.pitch, 20 * reached, 1e-4) << k;
    }
    // Without frames or seconds: smooth takes 15 frames, linear jumps.
    EXPECT_EQ(build(&cameraAt(0, 0), &cameraAt(0, 3)).size(), 16u);
    EXPECT_EQ(build(&cameraAt(0, 0), &cameraAt(0, 4)).size(), 1u);

    // External cameras turning past straight up or down, the aircraft level,
    // then pitched and banked: the view turns by the frame's step at every
    // frame.
    const int moves[][2] = {{0, 1}, {0, 2}, {3, 4}};
    for (double bank : {0.0, 30.0}) {
        xpsim::setValue("sim/flightmodel/position/theta", bank / 3);
        xpsim::setValue("sim/flightmodel/position/phi", bank);
        for (const auto& move : moves) {
            select(1, move[0]);
            frames(2);
            std::vector<Frame> list = build(&cameraAt(1, move[0]), &cameraAt(1, move[1]));
            double step = largestPitchStep(list);
            EXPECT_GT(step, 2.0);
            EXPECT_NEAR(largestTurnPlaying(1, move[1], static_cast<int>(list.size()) + 1), step,
                        1e-2)
                << move[0] << " to " << move[1] << ", banked " << bank;
        }
    }
}

TEST_F(Transitions, SecondsBecomeFramesAtTheSmoothedFrameRate) {
    start({TestCameraRow("Cockpit", "A"), TestCameraRow("Cockpit", "B").on(kLinear).set(kSeconds, "7")});
    xpsim::setValue("sim/operation/misc/frame_rate_period", 1.0 / 50.0);
    frames(300);  // the average settles at 50 frames per second
    EXPECT_EQ(build(&cameraAt(0, 0), &cameraAt(0, 1)).size(), 351u);
}

TEST_F(Transitions, AChainPlaysOnAndTheCurrentCameraFollowsIt) {
    start({TestCameraRow("Tour", "A").on(kAutoAdvance),
           TestCameraRow("Tour", "B").set(kX, 3.0).on(kLinear).set(kFrames, "30").on(kAutoAdvance),
           TestCameraRow("Tour", "C").set(kX, 6.0).on(kLinear).set(kFrames, "30").on(kAutoAdvance)
               .set(kDelay, "0.5"),
           TestCameraRow("Tour", "D").set(kX, 10.0).on(kLinear).set(kFrames, "40"),
           TestCameraRow("Tour", "E").on(kLinear).set(kFrames, "5")});
    std::vector<Frame> chain = build(&cameraAt(0, 0), &cameraAt(0, 1));
    ASSERT_EQ(chain.size(), 101u);
    EXPECT_FLOAT_EQ(chain[31].delay, 0.5f);  // the first frame of the second leg
    EXPECT_FLOAT_EQ(chain[31].pose.x, 3.1f);
    EXPECT_EQ(chain[31].camera, &cameraAt(0, 2));
    EXPECT_EQ(chain[100].camera, &cameraAt(0, 3));

    // Played: A advances by itself, the chain stops at D (no auto-advance).
    cameraAt(0, 2).transitionDelay = 0;
    frames(1);
    EXPECT_EQ(current(), "B");
    frames(30);
    EXPECT_EQ(current(), "B");
    // The last frame of B's leg has played: the next frame is C's.
    frames(1);
    EXPECT_EQ(current(), "C");
    EXPECT_NEAR(head("x"), 3.0, 1e-4);
    frames(30);
    EXPECT_EQ(current(), "D");
    frames(40);
    EXPECT_NEAR(head("x"), 10.0, 1e-4);
    frames(10);
    EXPECT_EQ(current(), "D");
    EXPECT_FALSE(isCurrentlyAnimating());
}

TEST_F(Transitions, ADelayHoldsTheViewWithoutPilingUpOffsets) {
    start({TestCameraRow("Cockpit", "A").pose(0.5, 1, -2, 0, 0),
           TestCameraRow("Cockpit", "B").pose(1.5, 1, -2, 0, 0).set(kScriptId, "2").on(kLinear)
               .set(kFrames, "2").set(kDelay, "0.3")});
    getIntegrationValues()->effectScriptXOffset = 0.25f;
    frames(1);
    EXPECT_NEAR(head("x"), 0.5, 1e-6);
    // While the leg waits, A's pose is held with B's offsets on it, once.
    select(0, 1);
    frames(10);
    EXPECT_NEAR(head("x"), 0.75, 1e-6);
    EXPECT_GT(getRemainingDelay(), 0.0f);
    std::this_thread::sleep_for(std::chrono::milliseconds(350));
    frames(2);  // the wait ends, then the head frame plays
    EXPECT_NEAR(head("x"), 0.75, 1e-6);
    frames(1);
    EXPECT_NEAR(head("x"), 1.25, 1e-6);
    frames(1);
    EXPECT_NEAR(head("x"), 1.75, 1e-6);
}

TEST_F(Transitions, SelectingTheSameCameraFliesBackToItsSavedPose) {
    start({TestCameraRow("Cockpit", "Moved").pose(0, 1, -2, 0, 0).on(kLinear).set(kFrames, "2")});
    frames(1);
    Camera& camera = cameraAt(0, 0);
    rememberCameraPosition(&camera);
    camera.x = 2.0f;
    frames(1);
    EXPECT_NEAR(head("x"), 2.0, 1e-6);
    setCameraIndex(0);  // the same camera again
    frames(3);
    EXPECT_NEAR(head("x"), 0.0, 1e-6);
}

TEST_F(Transitions, BezierChainFollowsItsControlPointsAndEndsOnTheLastCamera) {
    start({TestCameraRow("Fly-by", "P0").pose(0, 10, 0, 0, 0).set(kZoom, 1.0),
           TestCameraRow("Fly-by", "P1").pose(100, 10, 0, 90, 10).on(kBezier).on(kAutoAdvance)
               .set(kFrames, "10"),
           TestCameraRow("Fly-by", "P2").pose(100, 10, 100, 180, 20).on(kBezier).set(kFrames, "4")
               .set(kZoom, 2.0).set(kFov, 40.0).on(kEnableFov),
           TestCameraRow("Other", "Lone").on(kBezier),
           TestCameraRow("Loop", "Climbing").pose(0, 10, 0, 0, 70).on(kExternal),
           TestCameraRow("Loop", "Up").pose(50, 10, -20, 0, 90).on(kExternal).on(kBezier)
               .on(kAutoAdvance).set(kFrames, "10"),
           TestCameraRow("Loop", "Over").pose(100, 10, 0, 0, 110).on(kExternal).on(kBezier)
               .set(kFrames, "10")});
    Frame* list = createBezierTransition(&cameraAt(0, 0), &cameraAt(0, 1));
    std::vector<Frame> curve;
    for (Frame* f = list; f != nullptr; f = f->next) {
        curve.push_back(*f);
    }
    deleteRemaingFrames(list);
    ASSERT_EQ(curve.size(), 20u);  // a 4-frame leg takes 10
    for (size_t k = 0; k < curve.size(); ++k) {
        double t = k / 19.0;
        double x = 2 * t * (1 - t) * 100 + t * t * 100;
        double z = t * t * 100;
        EXPECT_NEAR(curve[k].pose.x, x, 1e-3) << k;
        EXPECT_NEAR(curve[k].pose.z, z, 1e-3) << k;
        EXPECT_EQ(curve[k].camera, &cameraAt(0, 2));
    }
    // The last frame is the last camera's pose whole, so the view does not jump.
    const CameraPosition& last = curve.back().pose;
    EXPECT_NEAR(last.heading, 180.0, 1e-4);
    EXPECT_NEAR(last.pitch, 20.0, 1e-4);
    EXPECT_NEAR(last.zoom, 2.0, 1e-5);
    EXPECT_NEAR(last.fov, 40.0, 1e-4);

    // Played: the last camera is current from the first frame on, and the
    // view goes on from the last frame without a jump.
    frames(1);
    select(0, 1);
    frames(1);
    EXPECT_EQ(current(), "P2");
    frames(19);
    EXPECT_NEAR(head("x"), 100.0, 1e-3);
    EXPECT_NEAR(head("psi"), 180.0, 1e-4);
    frames(1);
    EXPECT_FALSE(isCurrentlyAnimating());
    EXPECT_NEAR(head("z"), 100.0, 1e-3);
    EXPECT_NEAR(head("psi"), 180.0, 1e-4);

    // Begun while a glance is held, the curve turns from the view the pilot
    // had, as a linear move does.
    select(0, 0);
    frames(1);
    xpsim::commandBegin("sim/view/glance_right");
    frames(1);
    ASSERT_NEAR(head("psi"), 90.0, 1e-4);
    select(0, 1);
    for (int i = 0; i < 3; ++i) {
        frames(1);
        EXPECT_NEAR(head("psi"), 90.0, 1e-4) << i;
    }
    xpsim::commandEnd("sim/view/glance_right");
    frames(20);
    EXPECT_NEAR(head("psi"), 180.0, 1e-4);

    // Two controls build nothing.
    cameraAt(0, 1).autoAdvance = false;
    EXPECT_EQ(createBezierTransition(&cameraAt(0, 0), &cameraAt(0, 1)), nullptr);
    EXPECT_EQ(createBezierTransition(&cameraAt(1, 0), &cameraAt(1, 0)), nullptr);

    // External cameras pitched 70, 90 and 110, the aircraft level, then
    // pitched and banked: over the top the view turns by the frame's step at
    // every frame.
    for (double bank : {0.0, 30.0}) {
        xpsim::setValue("sim/flightmodel/position/theta", bank / 3);
        xpsim::setValue("sim/flightmodel/position/phi", bank);
        select(2, 0);
        frames(2);
        Frame* over = createBezierTransition(&cameraAt(2, 0), &cameraAt(2, 1));
        std::vector<Frame> overList;
        for (Frame* f = over; f != nullptr; f = f->next) {
            overList.push_back(*f);
        }
        deleteRemaingFrames(over);
        ASSERT_EQ(overList.size(), 20u);
        double step = largestPitchStep(overList);
        EXPECT_NEAR(largestTurnPlaying(2, 1, 21), step, 1e-2) << "banked " << bank;
    }
}

TEST_F(Transitions, SmoothJoinsReplaceTheFramesAroundAJoin) {
    start({TestCameraRow("Tour", "A").pose(0, 0, 0, 0, 0),
           TestCameraRow("Tour", "B").pose(40, 0, 0, 0, 0).on(kLinear).set(kFrames, "40")
               .on(kAutoAdvance).on(kSmoothJoins),
           TestCameraRow("Tour", "C").pose(40, 0, 40, 0, 0).on(kLinear).set(kFrames, "40")});
    std::vector<Frame> joined = build(&cameraAt(0, 0), &cameraAt(0, 1));
    ASSERT_EQ(joined.size(), 81u);
    // Away from the join the legs are untouched; at it the corner is cut.
    EXPECT_NEAR(joined[9].pose.x, 9.0, 1e-4);
    EXPECT_NEAR(joined[70].pose.z, 30.0, 1e-4);
    EXPECT_LT(joined[40].pose.x, 39.0);
    EXPECT_GT(joined[40].pose.z, 1.0);
    // The curve meets the frames on both sides: no step larger than a leg's.
    for (size_t k = 1; k < joined.size(); ++k) {
        double step = std::hypot(joined[k].pose.x - joined[k - 1].pose.x,
                                 joined[k].pose.z - joined[k - 1].pose.z);
        EXPECT_LT(step, 1.05) << k;
    }
    EXPECT_NEAR(joined[80].pose.x, 40.0, 1e-4);
    EXPECT_NEAR(joined[80].pose.z, 40.0, 1e-4);
}

TEST_F(Transitions, FileValuesCannotMakeAnUnboundedTransition) {
    start({TestCameraRow("Orbit", "A").pose(0, 0, 0, 0, 0).on(kLinear).set(kFrames, "1000")
               .on(kAutoAdvance),
           TestCameraRow("Orbit", "B").pose(10, 0, 0, 0, 0).on(kLinear).set(kFrames, "1000")
               .on(kAutoAdvance),
           TestCameraRow("Odd", "Huge").on(kLinear), TestCameraRow("Odd", "Odd").on(kLinear)});
    // A loop of two cameras that always advance stops at the frame budget.
    std::vector<Frame> loop = build(&cameraAt(0, 0), &cameraAt(0, 1));
    EXPECT_LE(loop.size(), static_cast<size_t>(kMaxTransitionFrames));
    EXPECT_GT(loop.size(), static_cast<size_t>(kMaxTransitionFrames) - 1000);

    Camera& huge = cameraAt(1, 0);
    huge.linearTransitionFrames = 2000000000;
    huge.transitionDelay = 1e9f;
    std::vector<Frame> capped = build(&cameraAt(1, 1), &huge);
    EXPECT_EQ(capped.size(), static_cast<size_t>(kMaxLegFrames) + 1);
    EXPECT_FLOAT_EQ(capped[0].delay, kMaxTransitionDelay);

    Camera& odd = cameraAt(1, 1);
    odd.transitionSeconds = std::numeric_limits<float>::quiet_NaN();
    odd.linearTransitionFrames = -5;
    odd.transitionDelay = -3.0f;
    std::vector<Frame> single = build(&huge, &odd);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_FLOAT_EQ(single[0].delay, 0.0f);
    odd.transitionDelay = std::numeric_limits<float>::infinity();
    odd.transitionSeconds = 1e30f;
    std::vector<Frame> stretched = build(&huge, &odd);
    EXPECT_GT(stretched.size(), 1u);
    EXPECT_LE(stretched.size(), static_cast<size_t>(kMaxLegFrames) + 1);
    EXPECT_FLOAT_EQ(stretched[0].delay, 0.0f);
}

TEST_F(Transitions, ReadingACameraFileStopsTheTransition) {
    start({TestCameraRow("Cockpit", "A"), TestCameraRow("Cockpit", "B").set(kX, 5.0).on(kLinear)
               .set(kFrames, "100")});
    frames(1);
    select(0, 1);
    frames(5);
    ASSERT_TRUE(isCurrentlyAnimating());
    readCameras(nullptr);
    EXPECT_FALSE(isCurrentlyAnimating());
    frames(1);
    EXPECT_NEAR(head("x"), 5.0, 1e-6);
}

}  // namespace

// Several monitors: X-Plane reports each one, the screen bounds are their
// union, and the window-phase datarefs map boxels onto the surface's pixels.
#include <map>

#include "sim_fixture.h"

namespace {

struct Bounds {
    int left, top, right, bottom;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

std::map<int, Bounds> allMonitors() {
    std::map<int, Bounds> out;
    XPLMGetAllMonitorBoundsGlobal(
        [](int index, int l, int t, int r, int b, void* refcon) {
            (*static_cast<std::map<int, Bounds>*>(refcon))[index] = {l, t, r, b};
        },
        &out);
    return out;
}

Bounds screenBounds() {
    Bounds b{};
    XPLMGetScreenBoundsGlobal(&b.left, &b.top, &b.right, &b.bottom);
    return b;
}

// What a plug-in does with the datarefs to find a boxel's native pixel.
void boxelToNative(int x, int y, int* nx, int* ny) {
    float mv[16], pr[16];
    int vp[4];
    XPLMGetDatavf(XPLMFindDataRef("sim/graphics/view/modelview_matrix"), mv, 0, 16);
    XPLMGetDatavf(XPLMFindDataRef("sim/graphics/view/projection_matrix"), pr, 0, 16);
    XPLMGetDatavi(XPLMFindDataRef("sim/graphics/view/viewport"), vp, 0, 4);
    float in[4] = {static_cast<float>(x), static_cast<float>(y), 0, 1}, eye[4], clip[4];
    for (int r = 0; r < 4; ++r) {
        eye[r] = 0;
        for (int c = 0; c < 4; ++c) eye[r] += mv[c * 4 + r] * in[c];
    }
    for (int r = 0; r < 4; ++r) {
        clip[r] = 0;
        for (int c = 0; c < 4; ++c) clip[r] += pr[c * 4 + r] * eye[c];
    }
    *nx = static_cast<int>((clip[0] / clip[3] * 0.5f + 0.5f) * vp[2] + vp[0]);
    *ny = static_cast<int>((clip[1] / clip[3] * 0.5f + 0.5f) * vp[3] + vp[1]);
}

using Monitors = SimTest;

TEST_F(Monitors, EachIsReportedAndTheScreenIsTheirUnion) {
    EXPECT_EQ(allMonitors(), (std::map<int, Bounds>{{0, {0, 1080, 1920, 0}}}));
    xpsim::setMonitor(1, -1280, 1024, 0, 0);
    xpsim::setMonitor(2, 1920, 1440, 4480, 0);
    EXPECT_EQ(allMonitors(), (std::map<int, Bounds>{{0, {0, 1080, 1920, 0}},
                                                    {1, {-1280, 1024, 0, 0}},
                                                    {2, {1920, 1440, 4480, 0}}}));
    EXPECT_EQ(screenBounds(), (Bounds{-1280, 1440, 4480, 0}));
    int w = 0, h = 0;
    XPLMGetScreenSize(&w, &h);
    EXPECT_EQ(w, 5760);
    EXPECT_EQ(h, 1440);
    // Moving one moves it; the screen shorthand leaves a single monitor.
    xpsim::setMonitor(2, 1920, 1080, 3840, 0);
    EXPECT_EQ(screenBounds(), (Bounds{-1280, 1080, 3840, 0}));
    xpsim::setScreenSize(1280, 720);
    EXPECT_EQ(allMonitors(), (std::map<int, Bounds>{{0, {0, 720, 1280, 0}}}));
}

TEST_F(Monitors, AFullScreenWindowFollowsTheDesktopByItsGravity) {
    XPLMCreateWindow_t p{};
    p.structSize = sizeof(p);
    p.right = 1920;
    p.top = 1080;
    XPLMWindowID full = XPLMCreateWindowEx(&p);
    p.left = 10, p.top = 110, p.right = 110, p.bottom = 10;
    XPLMWindowID corner = XPLMCreateWindowEx(&p);
    XPLMSetWindowGravity(full, 0, 1, 1, 0);
    XPLMSetWindowGravity(corner, 0, 0, 0, 0);
    xpsim::setMonitor(1, -1280, 1200, 0, -100);
    Bounds b{};
    XPLMGetWindowGeometry(full, &b.left, &b.top, &b.right, &b.bottom);
    EXPECT_EQ(b, (Bounds{-1280, 1200, 1920, -100}));
    XPLMGetWindowGeometry(corner, &b.left, &b.top, &b.right, &b.bottom);
    EXPECT_EQ(b, (Bounds{-1270, 10, -1170, -90}));  // tied to the bottom left
}

TEST_F(Monitors, TheViewDatarefsMapBoxelsOntoTheSurfacesPixels) {
    int x = -1, y = -1;
    boxelToNative(0, 0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    boxelToNative(1919, 1079, &x, &y);
    EXPECT_EQ(x, 1919);
    EXPECT_EQ(y, 1079);
    // A monitor left of the main one: the surface starts at its left edge.
    xpsim::setMonitor(1, -1280, 1024, 0, 0);
    boxelToNative(-1280, 0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    // Truncating the float products may land a pixel short, as in X-Plane.
    boxelToNative(700, 500, &x, &y);
    EXPECT_NEAR(x, 1980, 1);
    EXPECT_NEAR(y, 500, 1);
    int viewport[4] = {};
    XPLMGetDatavi(XPLMFindDataRef("sim/graphics/view/viewport"), viewport, 0, 4);
    EXPECT_EQ(viewport[2], 3200);
    EXPECT_EQ(viewport[3], 1080);
}

TEST_F(Monitors, OSGeometryTurnsYDownFromTheDesktopsTop) {
    xpsim::setMonitor(1, 1920, 1200, 3840, 0);
    int reports = 0;
    XPLMGetAllMonitorBoundsOS(
        [](int index, int l, int t, int r, int b, void* refcon) {
            ++*static_cast<int*>(refcon);
            Bounds expected = index == 0 ? Bounds{0, 120, 1920, 1200} : Bounds{1920, 0, 3840, 1200};
            EXPECT_EQ((Bounds{l, t, r, b}), expected);
        },
        &reports);
    EXPECT_EQ(reports, 2);
}

}  // namespace

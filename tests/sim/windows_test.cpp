// Windows and mouse input of the simulated X-Plane: layers, front-to-back
// dispatch with pass-through, gravity on resize, drawing each frame.
#include <vector>

#include "sim_fixture.h"

namespace {

struct Calls {
    std::vector<int> taken;  // window tag, in the order the events reached them
    int draws = 0;
    int lastWheel = 0;
};
Calls calls;

int tag(void* refcon) { return static_cast<int>(reinterpret_cast<intptr_t>(refcon)); }
// Tags below 10 take events; from 10 on they pass them on.
int click(XPLMWindowID, int, int, XPLMMouseStatus, void* refcon) {
    calls.taken.push_back(tag(refcon));
    return tag(refcon) < 10;
}
int wheel(XPLMWindowID, int, int, int, int clicks, void* refcon) {
    calls.taken.push_back(tag(refcon));
    calls.lastWheel = clicks;
    return tag(refcon) < 10;
}
void draw(XPLMWindowID, void*) { ++calls.draws; }

class Windows : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        calls = Calls();
    }
    XPLMWindowID make(int t, int left, int top, int right, int bottom,
                      XPLMWindowLayer layer = xplm_WindowLayerFlightOverlay) {
        XPLMCreateWindow_t p{};
        p.structSize = sizeof(p);
        p.left = left;
        p.top = top;
        p.right = right;
        p.bottom = bottom;
        p.visible = 1;
        p.drawWindowFunc = draw;
        p.handleMouseClickFunc = click;
        p.handleRightClickFunc = click;
        p.handleMouseWheelFunc = wheel;
        p.refcon = reinterpret_cast<void*>(static_cast<intptr_t>(t));
        p.layer = layer;
        return XPLMCreateWindowEx(&p);
    }
};

TEST_F(Windows, ScreenAndMonitorBounds) {
    int w = 0, h = 0, l = -1, t = 0, r = 0, b = -1;
    XPLMGetScreenSize(&w, &h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    xpsim::setScreenSize(1280, 720);
    XPLMGetScreenBoundsGlobal(&l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(t, 720);
    EXPECT_EQ(r, 1280);
    EXPECT_EQ(b, 0);
    int monitors = 0;
    XPLMGetAllMonitorBoundsGlobal(
        [](int, int, int top, int right, int, void* refcon) {
            ++*static_cast<int*>(refcon);
            EXPECT_EQ(top, 720);
            EXPECT_EQ(right, 1280);
        },
        &monitors);
    EXPECT_EQ(monitors, 1);
}

TEST_F(Windows, EventsGoFrontToBackUntilOneIsTaken) {
    make(1, 0, 1080, 1920, 0);                                    // full screen, takes
    make(12, 100, 500, 300, 300);                                 // in front, passes
    make(13, 0, 1080, 1920, 0, xplm_WindowLayerFloatingWindows);  // higher layer, passes
    XPLMWindowID hidden = make(2, 0, 1080, 1920, 0, xplm_WindowLayerModal);
    XPLMSetWindowIsVisible(hidden, 0);
    EXPECT_TRUE(xpsim::mouseClick(200, 400, true, xplm_MouseDown));
    EXPECT_EQ(calls.taken, (std::vector<int>{13, 12, 1}));
    calls.taken.clear();
    // Outside the small window it is not asked.
    xpsim::setMousePosition(1000, 900);
    EXPECT_TRUE(xpsim::mouseWheel(-2));
    EXPECT_EQ(calls.taken, (std::vector<int>{13, 1}));
    EXPECT_EQ(calls.lastWheel, -2);
    EXPECT_EQ(xpsim::inputReachedXPlane().wheels, 0);
}

TEST_F(Windows, WhatNoWindowTakesReachesXPlane) {
    XPLMWindowID passer = make(11, 0, 1080, 1920, 0);
    EXPECT_FALSE(xpsim::mouseClick(5, 5, false, xplm_MouseDown));
    EXPECT_FALSE(xpsim::mouseWheel(1));
    XPLMDestroyWindow(passer);
    EXPECT_EQ(xpsim::windowCount(), 0);
    EXPECT_FALSE(xpsim::mouseClick(5, 5, true, xplm_MouseUp));
    xpsim::InputCounts counts = xpsim::inputReachedXPlane();
    EXPECT_EQ(counts.leftClicks, 1);
    EXPECT_EQ(counts.rightClicks, 1);
    EXPECT_EQ(counts.wheels, 1);
    EXPECT_EQ(calls.taken, (std::vector<int>{11, 11}));
}

TEST_F(Windows, GravityKeepsAFullScreenWindowCovering) {
    XPLMWindowID full = make(1, 0, 1080, 1920, 0);
    XPLMWindowID corner = make(2, 10, 110, 110, 10);
    XPLMSetWindowGravity(full, 0, 1, 1, 0);
    XPLMSetWindowGravity(corner, 0, 0, 0, 0);  // stays at the bottom left
    xpsim::setScreenSize(2560, 1440);
    int l, t, r, b;
    XPLMGetWindowGeometry(full, &l, &t, &r, &b);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(t, 1440);
    EXPECT_EQ(r, 2560);
    EXPECT_EQ(b, 0);
    XPLMGetWindowGeometry(corner, &l, &t, &r, &b);
    EXPECT_EQ(t, 110);
    EXPECT_EQ(r, 110);
}

TEST_F(Windows, FrontOrderAndDrawing) {
    XPLMWindowID a = make(1, 0, 100, 100, 0);
    XPLMWindowID b = make(2, 0, 100, 100, 0);
    EXPECT_TRUE(XPLMIsWindowInFront(b));
    XPLMBringWindowToFront(a);
    EXPECT_TRUE(XPLMIsWindowInFront(a));
    EXPECT_FALSE(XPLMIsWindowInFront(b));
    xpsim::mouseClick(50, 50, false, xplm_MouseDown);
    EXPECT_EQ(calls.taken, (std::vector<int>{1}));
    XPLMSetWindowIsVisible(b, 0);
    xpsim::runFrames(3);
    EXPECT_EQ(calls.draws, 3);  // the hidden window is not drawn
    int x = 0, y = 0;
    XPLMGetMouseLocationGlobal(&x, &y);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 50);
}

TEST_F(Windows, AWindowInVrIsMeasuredFromItsOwnCornerAndStaysThereAfter) {
    XPLMWindowID w = make(1, 100, 600, 500, 300);
    XPLMSetWindowPositioningMode(w, xplm_WindowVR, -1);
    EXPECT_TRUE(XPLMWindowIsInVR(w));
    int l, t, r, b;
    XPLMGetWindowGeometry(w, &l, &t, &r, &b);
    EXPECT_EQ(std::vector<int>({l, t, r, b}), std::vector<int>({0, 300, 400, 0}));
    // Asked for VR again: it stays where it is.
    XPLMSetWindowGeometry(w, 0, 200, 300, 0);
    XPLMSetWindowPositioningMode(w, xplm_WindowVR, -1);
    XPLMSetWindowPositioningMode(w, xplm_WindowPositionFree, -1);
    XPLMGetWindowGeometry(w, &l, &t, &r, &b);
    EXPECT_EQ(std::vector<int>({l, t, r, b}), std::vector<int>({0, 200, 300, 0}));
}

}  // namespace

namespace {

TEST_F(Windows, APoppedOutWindowKeepsItsOsGeometryWhenTheMonitorsChange) {
    XPLMWindowID bare = make(1, 100, 900, 500, 600, xplm_WindowLayerFloatingWindows);
    XPLMSetWindowTitle(bare, "Bare");
    // Only a window in X-Plane's frame has the pop-out button.
    EXPECT_FALSE(xpsim::popOutWindow("Bare"));
    EXPECT_FALSE(xpsim::popOutWindow("Nowhere"));
    XPLMCreateWindow_t p{};
    p.structSize = sizeof(p);
    p.left = 100;
    p.top = 900;
    p.right = 500;
    p.bottom = 600;
    p.visible = 1;
    p.drawWindowFunc = draw;
    p.layer = xplm_WindowLayerFloatingWindows;
    p.decorateAsFloatingWindow = xplm_WindowDecorationRoundRectangle;
    XPLMWindowID window = XPLMCreateWindowEx(&p);
    XPLMSetWindowTitle(window, "Popped");
    XPLMSetWindowGravity(window, 0, 1, 0, 1);
    ASSERT_TRUE(xpsim::popOutWindow("Popped"));
    EXPECT_TRUE(XPLMWindowIsPoppedOut(window));

    // It opens where it was: OS pixels count down from the desktop's top.
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometryOS(window, &l, &t, &r, &b);
    EXPECT_EQ(l, 100);
    EXPECT_EQ(t, 180);
    EXPECT_EQ(r, 500);
    EXPECT_EQ(b, 480);
    XPLMSetWindowGeometryOS(window, 1000, 100, 1600, 500);
    XPLMGetWindowGeometryOS(window, &l, &t, &r, &b);
    EXPECT_EQ(l, 1000);
    EXPECT_EQ(t, 100);
    EXPECT_EQ(r, 1600);
    EXPECT_EQ(b, 500);

    // A taller monitor joins: the window left in X-Plane follows its gravity
    // (by default tied to the top), the OS window stays.
    xpsim::setMonitor(1, 1920, 1200, 3840, 0);
    XPLMGetWindowGeometry(bare, &l, &t, &r, &b);
    EXPECT_EQ(t, 1020);
    XPLMGetWindowGeometryOS(window, &l, &t, &r, &b);
    EXPECT_EQ(l, 1000);
    EXPECT_EQ(t, 100);
    EXPECT_EQ(b, 500);
    bool listed = false;
    for (const xpsim::WindowInfo& info : xpsim::windowList())
        if (info.title == "Popped") {
            listed = true;
            EXPECT_EQ(info.positioningMode, xplm_WindowPopOut);
            EXPECT_EQ(info.os.top, 100);
            // Drawn where its OS window lies over the desktop.
            EXPECT_EQ(info.top, 1100);
            EXPECT_EQ(info.bottom, 700);
        }
    EXPECT_TRUE(listed);
}

}  // namespace

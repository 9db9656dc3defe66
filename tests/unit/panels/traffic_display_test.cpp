// The traffic display as a pilot uses it: opened from the menu or its
// command, listing the other aircraft nearest first, picking the AI aircraft
// an external camera is placed around, scaling and zooming, and closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cameras/set/camera_set.h"
#include "libwinkit/imgui_window.h"
#include "panels/panel_placement.h"
#include "panels/traffic_display.h"
#include "scene/ai_view.h"
#include "shell/plugin_state.h"
#include "support/window_text.h"
#include "unit/positioning/positioning_fixture.h"
#include "world/ai_traffic.h"
#include "xpsim.h"

namespace {

// Degrees of latitude for a distance north, as the simulator's world has them.
double northOf(double kilometres) { return 47.0 + kilometres * 1000.0 / 111319.49; }

class TrafficDisplay : public PositioningFixture {
protected:
    void SetUp() override {
        PositioningFixture::SetUp();
        start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal),
               TestCameraRow("Cockpit", "Pilot")});
        // AI1 5 km north, AI2 2 km north, the third 3 km north without a flight ID.
        xpsim::placeAiAircraft(0, northOf(5), 8.0, 500);
        xpsim::placeAiAircraft(1, northOf(2), 8.0, 500);
        xpsim::placeAiAircraft(2, northOf(3), 8.0, 500);
        xpsim::setAiIdentity(2, 0xA00003, "");
        frames(2);
    }
    void TearDown() override {
        setAiPerspective(false);
        PositioningFixture::TearDown();
    }

    TrafficDisplayWidget* open() {
        std::string error;
        EXPECT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Toggle Traffic Display", &error))
            << error;
        frames(3);
        TrafficDisplayWidget* display = TrafficDisplayWidget::getSingleInstance();
        EXPECT_NE(display, nullptr);
        return display;
    }
    static std::vector<TextRun> text(ImgWindow* window) {
        return readWindowText(window->getImguiContext(), window->getWindowID());
    }
    static bool shows(ImgWindow* window, const std::string& what) {
        return findText(text(window), what) != nullptr;
    }
    void click(ImgWindow* window, const std::string& label) {
        ASSERT_TRUE(clickText(window->getWindowID(), window->getImguiContext(), label))
            << label << " is not shown in\n" << allText(text(window));
        frames(3);
    }
    void clickAt(int x, int y) {
        xpsim::setMousePosition(x, y);
        frames(1);
        xpsim::mouseClick(x, y, false, xplm_MouseDown);
        frames(1);
        xpsim::mouseClick(x, y, false, xplm_MouseUp);
        frames(3);
    }
    static int displayWindows() {
        int count = 0;
        for (const xpsim::WindowInfo& window : xpsim::windowList()) {
            count += window.title == "Ovilux Traffic Display" ? 1 : 0;
        }
        return count;
    }
    // The rows' call signs, top to bottom.
    static std::vector<std::string> callsigns(ImgWindow* window) {
        std::vector<std::string> out;
        for (const TextRun& run : text(window)) {
            bool flightId = run.text.size() > 2 && run.text.compare(0, 2, "AI") == 0 &&
                            run.text.find(' ') == std::string::npos;
            if (flightId || run.text == "Unknown") {
                out.push_back(run.text);
            }
        }
        return out;
    }
};

TEST_F(TrafficDisplay, ListsTheAircraftNearestFirstWithCallsignsAndDistances) {
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->GetVisible());
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(display->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(r - l, 300);
    EXPECT_EQ(t - b, 500);

    for (const char* shown : {"AI Perspective On", "Callsign", "From Aircraft", "Zoom"}) {
        EXPECT_TRUE(shows(display, shown)) << shown << " in\n" << allText(text(display));
    }
    EXPECT_EQ(callsigns(display), (std::vector<std::string>{"AI2", "Unknown", "AI1"}));
    // 2, 3 and 5 km in nautical miles.
    for (const char* distance : {"1.1 NM", "1.6 NM", "2.7 NM"}) {
        EXPECT_TRUE(shows(display, distance)) << distance << " in\n" << allText(text(display));
    }
}

TEST_F(TrafficDisplay, WithCameraControlOffOnlyTheHeadingsAndTheList) {
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(shows(display, "Callsign"));
    EXPECT_TRUE(shows(display, "From Aircraft"));
    EXPECT_FALSE(shows(display, "Zoom"));
    EXPECT_FALSE(shows(display, "AI Perspective On"));
    EXPECT_EQ(callsigns(display), (std::vector<std::string>{"AI2", "Unknown", "AI1"}));
}

TEST_F(TrafficDisplay, TickingAnAircraftMakesItTheExternalCamerasOrigin) {
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    click(display, "AI Perspective On");
    EXPECT_TRUE(isAiPerspective());
    EXPECT_TRUE(shows(display, "AI Perspective Off")) << allText(text(display));

    click(display, "AI1");
    EXPECT_EQ(getCurrentAIPlane(), 0);
    frames(2);
    // The chase camera sits 30 m behind and 5 m above AI1, 5 km north.
    const AiPosition& ai = getAiPosition(0);
    XPLMCameraPosition_t pose = shown();
    EXPECT_NEAR(pose.x, ai.x, 1.0);
    EXPECT_NEAR(pose.z, ai.z + 30.0, 1.0);
    EXPECT_NEAR(pose.y, ai.y + 5.0, 1.0);

    // Unticking the current aircraft leaves it current.
    click(display, "AI1");
    EXPECT_EQ(getCurrentAIPlane(), 0);
    click(display, "Unknown");
    EXPECT_EQ(getCurrentAIPlane(), 2);

    click(display, "AI Perspective Off");
    EXPECT_FALSE(isAiPerspective());
}

TEST_F(TrafficDisplay, TheArrowsScaleThePerspectiveAndTheSliderZooms) {
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    click(display, "AI Perspective On");
    std::vector<TextRun> shown = text(display);
    const TextRun* help = findText(shown, "(?)");
    ASSERT_NE(help, nullptr) << allText(shown);
    // The two 24-boxel arrows follow the help marker, 8 boxels apart.
    int down = help->boxelRight + 8 + 12;
    float scale = getAiScale();
    clickAt(down, help->boxelCentreY());
    EXPECT_LT(getAiScale(), scale);
    scale = getAiScale();
    clickAt(down + 32, help->boxelCentreY());
    clickAt(down + 32, help->boxelCentreY());
    EXPECT_GT(getAiScale(), scale);

    // The slider: 35 wide at (240, 65), to 10 boxels above the bottom; its
    // middle is half way between 1 and 50.
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(display->getWindowID(), &l, &t, &r, &b);
    clickAt(l + 240 + 17, t - 65 - (t - b - 75) / 2);
    EXPECT_NEAR(getCurrentCamera()->externalZoom, 25.5f, 2.0f);
    clickAt(l + 240 + 17, b + 15);
    EXPECT_NEAR(getCurrentCamera()->externalZoom, 1.0f, 0.5f);
}

TEST_F(TrafficDisplay, AircraftComingAndGoingWhileShown) {
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    click(display, "AI Perspective On");
    click(display, "Unknown");
    ASSERT_EQ(getCurrentAIPlane(), 2);

    // The nearest and the current one leave between two frames.
    xpsim::removeAiAircraft(2);
    xpsim::removeAiAircraft(1);
    frames(2);
    EXPECT_EQ(callsigns(display), (std::vector<std::string>{"AI1"}));
    xpsim::placeAiAircraft(1, northOf(1), 8.0, 500);
    frames(2);
    std::vector<std::string> listed = callsigns(display);
    ASSERT_EQ(listed.size(), 2u) << allText(text(display));
    EXPECT_EQ(listed[1], "AI1");

    // All gone: an empty list under the headings, and no perspective to keep.
    xpsim::removeAiAircraft(1);
    xpsim::removeAiAircraft(0);
    frames(3);
    EXPECT_TRUE(callsigns(display).empty()) << allText(text(display));
    EXPECT_TRUE(shows(display, "Callsign"));
    EXPECT_FALSE(isAiPerspective());
    EXPECT_TRUE(shows(display, "AI Perspective On")) << allText(text(display));
}

TEST_F(TrafficDisplay, TheToggleRemovesAShownDisplayAndReplacesAClosedOne) {
    TrafficDisplayWidget* first = open();
    ASSERT_NE(first, nullptr);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Traffic_Display");
    EXPECT_EQ(TrafficDisplayWidget::getSingleInstance(), nullptr);
    EXPECT_EQ(displayWindows(), 0);

    // Closed by its close box: hidden and awaiting deletion, it counts as
    // gone, both before and after its flight loop has seen it hidden.
    for (int framesAfterClosing : {0, 1}) {
        TrafficDisplayWidget* closed = open();
        ASSERT_NE(closed, nullptr);
        ASSERT_TRUE(xpsim::closeWindow("Ovilux Traffic Display"));
        frames(framesAfterClosing);
        xpsim::commandOnce("QFN/Ovilux/Toggle_Traffic_Display");
        // The closed one went at once (the new one may reuse its address).
        EXPECT_EQ(displayWindows(), 1);
        TrafficDisplayWidget* fresh = TrafficDisplayWidget::getSingleInstance();
        ASSERT_NE(fresh, nullptr);
        frames(3);
        EXPECT_EQ(TrafficDisplayWidget::getSingleInstance(), fresh);
        EXPECT_TRUE(fresh->GetVisible());
        xpsim::commandOnce("QFN/Ovilux/Toggle_Traffic_Display");
    }

    // Closed and left alone, it is deleted on the next frames.
    TrafficDisplayWidget* closed = open();
    ASSERT_TRUE(xpsim::closeWindow("Ovilux Traffic Display"));
    ASSERT_NE(closed, nullptr);
    frames(3);
    EXPECT_EQ(displayWindows(), 0);
    EXPECT_EQ(TrafficDisplayWidget::getSingleInstance(), nullptr);
}

// A display whose own frame asks for the toggle, as a button of its own would.
class SelfTogglingDisplay : public TrafficDisplayWidget {
public:
    using TrafficDisplayWidget::TrafficDisplayWidget;

protected:
    void buildInterface() override {
        TrafficDisplayWidget::buildInterface();
        if (!toggled) {
            toggled = true;
            toggleTrafficDisplay();
        }
    }

private:
    bool toggled = false;
};

TEST_F(TrafficDisplay, AToggleWithinTheDisplaysOwnFrameHidesItForDeletionLater) {
    PanelRect r = newPanelRect(300, 500);
    SelfTogglingDisplay* display = new SelfTogglingDisplay(r.left, r.top, r.right, r.bottom, 1);
    display->init();
    display->SetVisible(true);
    frames(1);
    ASSERT_TRUE(ImgWindow::isLive(display));
    EXPECT_FALSE(display->GetVisible());
    frames(3);
    EXPECT_EQ(displayWindows(), 0);
    EXPECT_EQ(TrafficDisplayWidget::getSingleInstance(), nullptr);
}

TEST_F(TrafficDisplay, DisablingThePlugInDeletesTheDisplay) {
    TrafficDisplayWidget* display = open();
    ASSERT_NE(display, nullptr);
    xpsim::disablePlugin();
    EXPECT_EQ(TrafficDisplayWidget::getSingleInstance(), nullptr);
    EXPECT_EQ(displayWindows(), 0);
}

}  // namespace

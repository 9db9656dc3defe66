// The target-information panel and the crosshair as a pilot meets them while a
// target-following camera is current: what the panel says, its buttons, its
// drag, and the red crosshair while the free target is aimed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cameras/set/camera_set.h"
#include "cameras/targets/near_targets.h"
#include "libwinkit/imgui_window.h"
#include "panels/crosshair.h"
#include "panels/target_info_panel.h"
#include "panels/window_manager.h"
#include "positioning/input/mouse_buttons.h"
#include "support/window_text.h"
#include "unit/targets/targets_fixture.h"
#include "xplane/gl.h"
#include "xpsim.h"

namespace {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

Rect geometry(ImgWindow* window) {
    Rect r;
    XPLMGetWindowGeometry(window->getWindowID(), &r.left, &r.top, &r.right, &r.bottom);
    return r;
}

class TargetInfo : public TargetsFixture {
protected:
    void SetUp() override {
        TargetsFixture::SetUp();
        // At the aircraft's elevation: the Tower 10 km north, the Mast 3 km north.
        writeTargetsFile(std::string(kTargetsHeader) +
                         "Tower,2024-01-01 00:00:00,47.09,8.0,500\n"
                         "Mast,2024-01-01 00:00:00,47.027,8.0,500\n");
        start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal)
                   .on(kTargetFollowing),
               TestCameraRow("Cockpit", "Pilot")});
        frames(3);
    }

    TargetInfoWidget* panel() {
        TargetInfoWidget* shown = targetInfoPanel();
        EXPECT_NE(shown, nullptr);
        return shown;
    }
    std::vector<TextRun> text() {
        TargetInfoWidget* p = panel();
        return p ? readWindowText(p->getImguiContext(), p->getWindowID())
                 : std::vector<TextRun>();
    }
    bool shows(const std::string& what) { return findText(text(), what) != nullptr; }
    void click(const std::string& label) {
        TargetInfoWidget* p = panel();
        ASSERT_TRUE(clickText(p->getWindowID(), p->getImguiContext(), label))
            << label << " is not shown in\n" << allText(text());
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
    // The arrows sit left of the targets' help marker, each a 24-boxel square
    // 8 boxels from the next item.
    void clickArrow(bool next) {
        std::vector<TextRun> shown = text();
        const TextRun* help = findText(shown, "(?)");
        ASSERT_NE(help, nullptr) << allText(shown);
        int x = help->boxelLeft - 8 - 12 - (next ? 0 : 32);
        clickAt(x, help->boxelCentreY());
    }
    void selectTarget(const std::string& name) {
        for (int i = 0; i < getNumberOfCollectedTargets(); ++i) {
            Target* target = getCurrentTarget();
            ASSERT_NE(target, nullptr);
            if (name == target->name) {
                frames(2);
                return;
            }
            selectNextTarget();
        }
        FAIL() << name << " is not collected";
    }
    bool isRed(int x, int y) {
        unsigned char rgba[4] = {};
        EXPECT_TRUE(xpsim::pixelAt(x, y, rgba));
        return rgba[0] == 255 && rgba[1] == 0 && rgba[2] == 0;
    }
};

TEST_F(TargetInfo, NamesTheFollowedTargetWithBearingPitchAndDistance) {
    TargetInfoWidget* p = panel();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->GetVisible());
    Rect r = geometry(p);
    EXPECT_EQ(r.right - r.left, 620);
    EXPECT_EQ(r.top - r.bottom, 120);

    selectTarget("Tower");
    EXPECT_TRUE(shows("To: Tower")) << allText(text());
    EXPECT_TRUE(shows("Distance: [10.0 Kilometers] [5.4 Nautical Miles]")) << allText(text());
    const Target* tower = getCurrentTarget();
    char bearing[80];
    std::snprintf(bearing, sizeof(bearing), "Bearing: [%3.1f] Pitch: [%3.1f]", tower->bearing,
                  tower->pitch);
    EXPECT_TRUE(shows(bearing)) << bearing << " in\n" << allText(text());

    // The reciprocal view looks from the target.
    click("Target Reciprocal");
    EXPECT_TRUE(getCurrentCamera()->targetReciprocal);
    EXPECT_TRUE(shows("From: Tower")) << allText(text());
    click("Target Reciprocal");
    EXPECT_FALSE(getCurrentCamera()->targetReciprocal);
}

TEST_F(TargetInfo, TheArrowsStepThroughTheTargets) {
    selectTarget("Tower");
    int tower = getCurrentTargetIndex();
    int count = getNumberOfCollectedTargets();
    clickArrow(true);
    EXPECT_EQ(getCurrentTargetIndex(), (tower + 1) % count);
    std::string next = std::string(getCurrentTarget()->name);
    EXPECT_TRUE(shows("To: " + next)) << allText(text());
    clickArrow(false);
    EXPECT_EQ(getCurrentTargetIndex(), tower);
    EXPECT_TRUE(shows("To: Tower")) << allText(text());
}

TEST_F(TargetInfo, XHidesThePanelAndTheCommandShowsItAgain) {
    TargetInfoWidget* p = panel();
    click("X");

    EXPECT_FALSE(displayTargetInfo());
    EXPECT_FALSE(p->GetVisible());
    frames(3);
    EXPECT_FALSE(p->GetVisible());

    xpsim::commandOnce("QFN/Ovilux/Toggle_Target_Information");
    frames(2);
    EXPECT_EQ(targetInfoPanel(), p);
    EXPECT_TRUE(p->GetVisible());
}

TEST_F(TargetInfo, AnotherCameraHidesThePanelAndComingBackShowsTheSameOne) {
    TargetInfoWidget* p = panel();
    select(1, 0);
    frames(2);
    EXPECT_FALSE(p->GetVisible());
    select(0, 0);
    frames(2);
    EXPECT_EQ(targetInfoPanel(), p);
    EXPECT_TRUE(p->GetVisible());
}

TEST_F(TargetInfo, ThePanelGoesWithCameraControlAndIsForgottenWhenEveryWindowGoes) {
    ASSERT_NE(targetInfoPanel(), nullptr);
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    EXPECT_EQ(targetInfoPanel(), nullptr);
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    frames(3);
    ASSERT_NE(targetInfoPanel(), nullptr);
    // As at the plug-in's stop: the show function holds no deleted panel.
    ImgWindow::destroyAllWindows();
    EXPECT_EQ(targetInfoPanel(), nullptr);
    showTargetInfoPanel(true);
    showTargetInfoPanel(false);
    EXPECT_NE(targetInfoPanel(), nullptr);
}

TEST_F(TargetInfo, TheTopStripDragsThePanelButNotNearTheScreensTop) {
    TargetInfoWidget* p = panel();
    Rect before = geometry(p);
    int x = (before.left + before.right) / 2;
    int y = before.top - 5;
    xpsim::setMousePosition(x, y);
    frames(1);
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    frames(1);
    xpsim::mouseClick(x + 40, y + 30, false, xplm_MouseDrag);
    frames(1);
    Rect moved = geometry(p);
    EXPECT_EQ(moved.left, before.left + 40);
    EXPECT_EQ(moved.right, before.right + 40);
    EXPECT_EQ(moved.top, before.top + 30);
    EXPECT_EQ(moved.bottom, before.bottom + 30);

    // Its top would come within 25 boxels of the screen's top: it stays.
    int screenLeft = 0, screenTop = 0, screenRight = 0, screenBottom = 0;
    XPLMGetScreenBoundsGlobal(&screenLeft, &screenTop, &screenRight, &screenBottom);
    int rise = screenTop - 20 - moved.top;
    xpsim::mouseClick(x + 40, y + 30 + rise, false, xplm_MouseDrag);
    frames(1);
    Rect stopped = geometry(p);
    EXPECT_EQ(stopped.top, moved.top);
    EXPECT_EQ(stopped.left, moved.left);

    // Let go: moving the mouse moves the panel no more.
    xpsim::mouseClick(x + 40, y + 30 + rise, false, xplm_MouseUp);
    frames(2);
    xpsim::setMousePosition(x, y);
    frames(2);
    Rect after = geometry(p);
    EXPECT_EQ(after.top, moved.top);
    EXPECT_EQ(after.left, moved.left);
}

TEST_F(TargetInfo, TheCrosshairIsDrawnWhileTheRightButtonAimsTheFreeTarget) {
    int width = 0, height = 0;
    XPLMGetScreenSize(&width, &height);
    int cx = width / 2, cy = height / 2;
    // Without a main monitor named by X-Plane the panel is centred on the
    // screen, over the crosshair: put aside, as a pilot would drag it.
    Rect r = geometry(panel());
    XPLMSetWindowGeometry(panel()->getWindowID(), r.left, height - 50, r.right,
                          height - 50 - (r.top - r.bottom));
    selectFreeTarget();
    frames(2);
    ASSERT_NE(getCurrentTarget(), nullptr);
    ASSERT_TRUE(getCurrentTarget()->isFreeTarget);
    EXPECT_FALSE(isRed(cx, cy));

    ASSERT_TRUE(xpsim::mouseClick(cx, cy, true, xplm_MouseDown));
    ASSERT_TRUE(getRightMouseButton());
    frames(1);
    for (int d : {-9, -5, 0, 5, 9}) {
        EXPECT_TRUE(isRed(cx + d, cy)) << d;
        EXPECT_TRUE(isRed(cx, cy + d)) << d;
    }
    EXPECT_FALSE(isRed(cx + 15, cy));
    EXPECT_FALSE(isRed(cx + 5, cy + 5));
    // Three boxels wide, and X-Plane's own line width is left as it was.
    int redRows = 0;
    for (int y = cy - 4; y <= cy + 4; ++y) {
        redRows += isRed(cx + 5, y) ? 1 : 0;
    }
    EXPECT_EQ(redRows, 3);
    GLfloat lineWidth = 0;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    EXPECT_EQ(lineWidth, 1.0f);

    // Looking from the target there is nothing to aim.
    getCurrentCamera()->targetReciprocal = true;
    frames(1);
    EXPECT_FALSE(isRed(cx, cy));
    getCurrentCamera()->targetReciprocal = false;
    frames(1);
    EXPECT_TRUE(isRed(cx, cy));

    xpsim::mouseClick(cx, cy, true, xplm_MouseUp);
    frames(1);
    EXPECT_FALSE(isRed(cx, cy));

    // A named target is not aimed with the mouse.
    selectTarget("Tower");
    xpsim::mouseClick(cx, cy, true, xplm_MouseDown);
    frames(1);
    EXPECT_FALSE(isRed(cx, cy));
    xpsim::mouseClick(cx, cy, true, xplm_MouseUp);
}

TEST_F(TargetInfo, NoCrosshairForACameraThatFollowsNoTarget) {
    int width = 0, height = 0;
    XPLMGetScreenSize(&width, &height);
    selectFreeTarget();
    select(1, 0);
    frames(2);
    xpsim::mouseClick(width / 2, height / 2, true, xplm_MouseDown);
    frames(1);
    EXPECT_FALSE(isRed(width / 2, height / 2));
    xpsim::mouseClick(width / 2, height / 2, true, xplm_MouseUp);
}

}  // namespace

// Message boxes as the user meets them: opened on the next frame, sized to
// their text, answered with their buttons or the close box.
#include "libwinkit/message_box.h"

#include <imgui.h>

#include "support/message_boxes.h"
#include "unit/winkit/winkit_fixture.h"

namespace {

int actions = 0;
void countAction() { ++actions; }

int boxesMadeByAction = 0;
void actionThatOpensAndClosesWindows() {
    ++boxesMadeByAction;
    msgBox("Thank You", "Imported");
    // Every other window goes, this very box included.
    ImgWindow::destroyAllWindows();
}

class MessageBoxes : public WinkitFixture {
protected:
    void SetUp() override {
        WinkitFixture::SetUp();
        actions = 0;
        boxesMadeByAction = 0;
    }
    static ImVec2 displaySize(const MsgBoxView& box) {
        ImgWindow* window = ImgWindow::fromWindowID(box.window);
        ImGui::SetCurrentContext(window->getImguiContext());
        return ImGui::GetIO().DisplaySize;
    }
    static std::vector<int> geometryOf(const MsgBoxView& box) {
        int l, t, r, b;
        XPLMGetWindowGeometry(box.window, &l, &t, &r, &b);
        return {l, t, r, b};
    }
};

TEST_F(MessageBoxes, ThreeRequestsBecomeThreeBoxesOnTheNextFrameInOrder) {
    msgBox("ERROR", "first");
    msgBox("INFO", "second", countAction);
    sMsgBox("Info", "third %d", 3);
    EXPECT_TRUE(liveMsgBoxes().empty());
    xpsim::runFrames(1);
    std::vector<MsgBoxView> boxes = liveMsgBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].title, "ERROR");
    EXPECT_EQ(boxes[1].message, "second");
    EXPECT_TRUE(boxes[1].hasCallback);
    EXPECT_FALSE(boxes[2].hasCallback);
    EXPECT_EQ(boxes[2].message, "third 3");
    for (const XPLMWindowID id : {boxes[0].window, boxes[1].window, boxes[2].window}) {
        auto list = xpsim::windowList();
        auto it = std::find_if(list.begin(), list.end(),
                               [&](const xpsim::WindowInfo& w) { return w.id == id; });
        ASSERT_NE(it, list.end());
        EXPECT_TRUE(it->visible);
        EXPECT_EQ(it->decoration, xplm_WindowDecorationRoundRectangle);
        EXPECT_EQ(it->layer, xplm_WindowLayerFloatingWindows);
    }
    EXPECT_EQ(xpsim::windowList().back().title, "Info");
}

TEST_F(MessageBoxes, HundredByHundredForTheFirstFrameThenSizedToTheText) {
    msgBox("INFO", "Ovilux created a new camera file for this plane!");
    xpsim::runFrames(1);
    std::vector<MsgBoxView> boxes = liveMsgBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(displaySize(boxes[0]).x, 100.0f);
    EXPECT_EQ(displaySize(boxes[0]).y, 100.0f);
    // Centred on the screen at 100 by 100 first: its centre (960, 540) stays.
    ImGui::SetCurrentContext(ImgWindow::fromWindowID(boxes[0].window)->getImguiContext());
    ImVec2 text = ImGui::CalcTextSize(boxes[0].message.c_str());
    int width = static_cast<int>(text.x + 20);
    int height = static_cast<int>(text.y + 100);
    EXPECT_EQ(geometryOf(boxes[0]), (std::vector<int>{960 - width / 2, 540 + height / 2,
                                                      960 + width / 2, 540 - height / 2}));
    xpsim::runFrames(1);
    EXPECT_EQ(displaySize(boxes[0]).x, static_cast<float>(width / 2 * 2));
    EXPECT_EQ(ImGui::GetIO().Fonts->Fonts[0]->FontSize, 18.0f);  // X-Plane's Roboto
}

TEST_F(MessageBoxes, TheActionRunsOnlyOnOk) {
    msgBox("INFO", "cancelled", countAction);
    msgBox("INFO", "closed", countAction);
    msgBox("INFO", "accepted", countAction);
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    // All open at the same place: the newest is in front.
    clickMessageBoxButton(boxes[2], true);
    EXPECT_EQ(actions, 1);
    ASSERT_EQ(liveMsgBoxes().size(), 2u);
    XPLMSetWindowIsVisible(boxes[1].window, 0);  // X-Plane's close box
    xpsim::runFrames(2);
    EXPECT_EQ(liveMsgBoxes().size(), 1u);
    clickMessageBoxButton(boxes[0], false);
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_EQ(actions, 1);
}

TEST_F(MessageBoxes, AShortTextStillHasBothButtonsInsideTheBox) {
    msgBox("INFO", "Sure?", countAction);
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    std::vector<int> g = geometryOf(boxes[0]);
    EXPECT_GT(boxes[0].cancelX, g[0]);
    EXPECT_LT(boxes[0].okX, g[2]);
    clickMessageBoxButton(boxes[0], false);
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_EQ(actions, 0);
}

TEST_F(MessageBoxes, OkClosesABoxWithoutAction) {
    msgBox("INFO", "Nothing to do");
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    int l, t, r, b;
    XPLMGetWindowGeometry(boxes[0].window, &l, &t, &r, &b);
    // The button starts at the middle of the box.
    EXPECT_GT(boxes[0].okX, (l + r) / 2);
    EXPECT_LT(boxes[0].okY, t);
    EXPECT_GT(boxes[0].okY, b);
    clickMessageBoxButton(boxes[0], true);
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_TRUE(SimulatedXPlane::exists(xplane.pluginFolder() + "Imgui.ini"));
}

TEST_F(MessageBoxes, APercentSignIsShownAsItStands) {
    msgBox("Info", "100%d %s");
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].message, "100%d %s");
}

TEST_F(MessageBoxes, ARequestAfterTheManagerWentIsStillShown) {
    msgBox("Info", "dropped");
    removeMsgBoxManager();
    msgBox("Info", "shown");
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].message, "shown");
}

TEST_F(MessageBoxes, ALongTextWrapsAndScrollsInsideTheMonitor) {
    std::string text;
    for (int line = 0; line < 150; ++line) {
        text += std::string(20, 'w') + " line " + std::to_string(line) + std::string(20, 'w') +
                "\n";
    }
    text += std::string(3000, 'm');
    msgBox("ERROR", text.c_str(), countAction);
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    std::vector<int> g = geometryOf(boxes[0]);
    EXPECT_GE(g[0], 0);
    EXPECT_LE(g[1], 1080 - 35);  // the close box stays on screen
    EXPECT_LE(g[2], 1920);
    EXPECT_GE(g[3], 0);
    for (int x : {boxes[0].okX, boxes[0].cancelX}) {
        EXPECT_GT(x, g[0]);
        EXPECT_LT(x, g[2]);
    }
    EXPECT_GT(boxes[0].okY, g[3]);
    EXPECT_LT(boxes[0].okY, g[1]);
    clickMessageBoxButton(boxes[0], true);
    EXPECT_EQ(actions, 1);
}

TEST_F(MessageBoxes, OpenBoxesAreCappedAndTheOverflowLogged) {
    for (int i = 0; i < 50; ++i) {
        sMsgBox("Info", "box %d\nof a flood", i);
    }
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    EXPECT_EQ(boxes.size(), 20u);
    // One log line a refusal, for the first 20; the rest are counted once a
    // box can be shown again.
    std::string log = SimulatedXPlane::readFile(xplane.path("Log.txt"));
    EXPECT_NE(log.find("Ovilux: Too many message boxes open (20); not shown: Info: box 20 of a "
                       "flood\n"),
              std::string::npos);
    EXPECT_NE(log.find("not shown: Info: box 39 of a flood\n"), std::string::npos);
    EXPECT_EQ(log.find("box 40"), std::string::npos);
    EXPECT_EQ(log.find("\nof a flood"), std::string::npos);
    clickMessageBoxButton(boxes.back(), true);  // the front one
    msgBox("Info", "room again");
    xpsim::runFrames(1);
    EXPECT_EQ(liveMsgBoxes().back().message, "room again");
    log = SimulatedXPlane::readFile(xplane.path("Log.txt"));
    EXPECT_NE(log.find("Ovilux: Too many message boxes open (20); 10 more not shown\n"),
              std::string::npos);
    EXPECT_EQ(log.find("box 40"), std::string::npos);
}

TEST_F(MessageBoxes, TheOkActionRunsOutsideTheBoxAndMayDeleteWindows) {
    msgBox("INFO", "Import?", actionThatOpensAndClosesWindows);
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    clickMessageBoxButton(boxes[0], true);
    EXPECT_EQ(boxesMadeByAction, 1);
    xpsim::runFrames(1);
    std::vector<MsgBoxView> after = liveMsgBoxes();
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].title, "Thank You");
}

TEST_F(MessageBoxes, BoxesOfADisabledOrStoppingPluginAreNotLeaked) {
    msgBox("Info", "open");
    showMessageBoxes();
    xpsim::disablePlugin();
    msgBox("Info", "asked while disabled");
    xpsim::runFrames(2);
    EXPECT_EQ(liveMsgBoxes().size(), 1u);
    xpsim::stopPlugin();
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_TRUE(ImgWindow::liveWindows().empty());
    EXPECT_EQ(xpsim::flightLoopCount(), 0);
}

}  // namespace

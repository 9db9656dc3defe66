// Message boxes as a pilot reads and answers them: the text read back from
// what the box draws, its buttons pressed by their labels.
#include <imgui.h>
#include <imgui_internal.h>

#include <filesystem>

#include "cameras/set/camera_set.h"
#include "libwinkit/imgui_window.h"
#include "libwinkit/message_box.h"
#include "support/message_boxes.h"
#include "support/window_text.h"
#include "unit/cameras/camera_fixture.h"
#include "unit/winkit/winkit_fixture.h"
#include "xpsim.h"

namespace {

const char* const kPrefsFixture = OVILUX_FIXTURES_DIR "/prefs/Cessna_172SP_prefs.txt";

ImGuiContext* contextOf(const MsgBoxView& box) {
    return ImgWindow::fromWindowID(box.window)->getImguiContext();
}

// Runs the frames after a button's release: ImGui sees it, the box goes.
void settle() { xpsim::runFrames(3); }

class NewCameraFileBox : public CameraFixture {
protected:
    void installPrefs() const {
        std::filesystem::copy_file(kPrefsFixture,
                                   xplane.path(std::string(kCessnaFolder) + "Cessna_172SP_prefs.txt"),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // The aircraft loads without a camera file; asking for a camera makes one.
    MsgBoxView openFor(const char* aircraft) {
        loadAircraft(aircraft);
        EXPECT_NE(getCurrentCamera(), nullptr);
        showMessageBoxes();
        MsgBoxView box{};
        EXPECT_TRUE(findMessageBox("INFO", &box));
        return box;
    }
    static int cockpitCameras() { return getCategory(0)->numberOfCameras; }
};

TEST_F(NewCameraFileBox, ItsTextIsReadAndOkByLabelClosesIt) {
    enablePlugin();
    MsgBoxView box = openFor(kGlider);
    std::vector<TextRun> runs = readWindowText(contextOf(box), box.window);
    std::vector<std::string> lines;
    for (const TextRun& run : runs) {
        lines.push_back(run.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Ovilux created a new camera file for this plane!",
                         "Open the Ovilux Control Panel and use the Browse Community Files "
                         "button to load",
                         "camera definitions for a similar aircraft or create your own custom "
                         "cameras.",
                         "Use the Save All button in the control panel to save your camera "
                         "definitions for this plane.",
                         "Ok"}))
        << allText(runs);
    // Every line lies inside the box.
    int l, t, r, b;
    XPLMGetWindowGeometry(box.window, &l, &t, &r, &b);
    for (const TextRun& run : runs) {
        EXPECT_GE(run.boxelLeft, l) << run.text;
        EXPECT_LE(run.boxelRight, r) << run.text;
        EXPECT_LE(run.boxelTop, t) << run.text;
        EXPECT_GE(run.boxelBottom, b) << run.text;
    }
    EXPECT_FALSE(SimulatedXPlane::exists(xplane.pluginFolder() + "Imgui.ini"));
    ASSERT_TRUE(clickText(box.window, contextOf(box), "Ok"));
    settle();
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_TRUE(SimulatedXPlane::exists(xplane.pluginFolder() + "Imgui.ini"));
}

TEST_F(NewCameraFileBox, TheQuickLookOffersOkByLabelImports) {
    installPrefs();
    enablePlugin();
    MsgBoxView box = openFor(kCessna);
    std::vector<TextRun> runs = readWindowText(contextOf(box), box.window);
    ASSERT_NE(findText(runs, "Press OK to import the Quick Look Views."), nullptr)
        << allText(runs);
    ASSERT_NE(findText(runs, "Cancel"), nullptr);
    // "Cancel" left of "Ok" on one row.
    EXPECT_LT(findText(runs, "Cancel")->boxelRight, findText(runs, "Ok")->boxelLeft);
    EXPECT_EQ(findText(runs, "Cancel")->boxelCentreY(), findText(runs, "Ok")->boxelCentreY());
    ASSERT_EQ(cockpitCameras(), 1);
    ASSERT_TRUE(clickText(box.window, contextOf(box), "Ok"));
    settle();
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_EQ(cockpitCameras(), 5);
    EXPECT_NE(readCameraFile().find("External,Quick Look 12,13,"), std::string::npos);
}

TEST_F(NewCameraFileBox, TheQuickLookOffersCancelByLabelImportsNothing) {
    installPrefs();
    enablePlugin();
    MsgBoxView box = openFor(kCessna);
    std::string file = readCameraFile();
    ASSERT_TRUE(clickText(box.window, contextOf(box), "Cancel"));
    settle();
    EXPECT_TRUE(liveMsgBoxes().empty());
    EXPECT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(cockpitCameras(), 1);
    EXPECT_EQ(readCameraFile(), file);
}

// The box is 100 by 100 for its first frame; ImGui must not carry that
// frame's overflow into the sized box as a scrollbar that hides the end of
// the longest line.
TEST_F(NewCameraFileBox, TheSizedBoxNeverShowsAScrollbar) {
    installPrefs();
    enablePlugin();
    loadAircraft(kCessna);
    ASSERT_NE(getCurrentCamera(), nullptr);
    xpsim::runFrames(1);
    MsgBoxView box{};
    ASSERT_TRUE(findMessageBox("INFO", &box));
    for (int frame = 0; frame < 4; ++frame) {
        xpsim::runFrames(1);
        ImGuiContext* previous = ImGui::GetCurrentContext();
        ImGui::SetCurrentContext(contextOf(box));
        ImGuiWindow* window = ImGui::FindWindowByName("INFO");
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->ScrollbarY) << "frame " << frame;
        EXPECT_FALSE(window->ScrollbarX) << "frame " << frame;
        ImGui::SetCurrentContext(previous);
    }
}

class LongMessageBox : public WinkitFixture {};

TEST_F(LongMessageBox, StaysOnItsMonitorWithOkOnScreen) {
    std::string text;
    while (text.size() < 3000) {
        text += "A long report of everything that went wrong while reading the files. ";
    }
    text.resize(3000);
    msgBox("Error", text.c_str());
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    int l, t, r, b;
    XPLMGetWindowGeometry(boxes[0].window, &l, &t, &r, &b);
    EXPECT_GE(l, 0);
    EXPECT_LE(r, 1920);
    EXPECT_GE(b, 0);
    EXPECT_LE(t, 1080 - 35);  // X-Plane's title bar and close box above it
    std::vector<TextRun> runs = readWindowText(contextOf(boxes[0]), boxes[0].window);
    const TextRun* ok = findText(runs, "Ok");
    ASSERT_NE(ok, nullptr) << allText(runs);
    EXPECT_GE(ok->boxelLeft, l);
    EXPECT_LE(ok->boxelRight, r);
    EXPECT_GE(ok->boxelBottom, b);
    EXPECT_LE(ok->boxelTop, t);
    // The text begins where it should and wraps inside the box.
    const TextRun* first = findText(runs, "A long report of everything");
    ASSERT_NE(first, nullptr) << allText(runs);
    EXPECT_EQ(first->text.rfind("A long report of everything", 0), 0u);
    EXPECT_GT(first->boxelTop, ok->boxelTop);
    for (const TextRun& run : runs) {
        EXPECT_LE(run.boxelRight, r) << run.text;
    }
    ASSERT_TRUE(clickText(boxes[0].window, contextOf(boxes[0]), "Ok"));
    settle();
    EXPECT_TRUE(liveMsgBoxes().empty());

    // Lines a little wider than the monitor, some of which only just fit
    // once wrapped: the box holds the whole text, none of it cut or scrolled
    // away.
    text.clear();
    for (int words = 145; words <= 165; ++words) {
        for (int word = 0; word < words; ++word) {
            text += "x ";
        }
        text += "\n";
    }
    text += "the end";
    msgBox("Error", text.c_str());
    boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    xpsim::runFrames(2);
    runs = readWindowText(contextOf(boxes[0]), boxes[0].window);
    ASSERT_NE(findText(runs, "the end"), nullptr) << allText(runs);
    for (const TextRun& run : runs) {
        EXPECT_FALSE(run.cut) << run.text;
    }
}

}  // namespace

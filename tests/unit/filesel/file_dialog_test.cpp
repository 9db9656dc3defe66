// The file selector as a pilot uses it through X-Plane: the wait dialog, the
// filtered tree, selecting, opening, cancelling and closing, read from what the
// window shows and clicked where a person would click.
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "libwinkit/file_dialog.h"
#include "support/window_text.h"
#include "unit/winkit/winkit_fixture.h"

namespace {

class FileSelectorDialog : public WinkitFixture {
protected:
    void TearDown() override {
        FileDialog::removeInstance(dialog);
        WinkitFixture::TearDown();
    }
    std::string tree() const { return xplane.root() + "/tree/"; }
    void file(const std::string& relative) { SimulatedXPlane::writeFile(tree() + relative, "x"); }

    std::vector<TextRun> shown() const {
        return readWindowText(dialog->getImguiContext(), dialog->getWindowID());
    }
    bool shows(const std::string& text) const { return findText(shown(), text) != nullptr; }
    // Frames until the scan is over and the tree is drawn.
    bool untilLoaded() {
        for (int i = 0; i < 5000; ++i) {
            xpsim::runFrames(1);
            if (shows("Root Path")) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    // A press takes effect in the frame that sees the release, and what it
    // changed above the pressed control shows in the frame after.
    bool click(const std::string& text) {
        if (!clickText(dialog->getWindowID(), dialog->getImguiContext(), text)) {
            return false;
        }
        xpsim::runFrames(3);
        return true;
    }
    // The wait dialog appears once ImGui has sized it.
    bool untilWaiting() {
        for (int i = 0; i < 5 && !shows("Please Wait..."); ++i) {
            xpsim::runFrames(1);
        }
        return shows("Please Wait...");
    }
    void open(const std::string& root, const char* filter) {
        dialog = FileDialog::getInstance();
        dialog->show(root, filter);
        ASSERT_TRUE(untilLoaded()) << allText(shown());
    }

    FileDialog* dialog = nullptr;
};

TEST_F(FileSelectorDialog, OpensFramedAndCentredWithTheCallersContextKept) {
    ImGuiContext* callers = ImGui::CreateContext();
    ImGui::SetCurrentContext(callers);
    dialog = FileDialog::getInstance();
    EXPECT_EQ(ImGui::GetCurrentContext(), callers);
    EXPECT_FALSE(dialog->GetVisible());
    int l, t, r, b;
    geometry(dialog, &l, &t, &r, &b);
    EXPECT_EQ(r - l, 600);
    EXPECT_EQ(t - b, 500);
    EXPECT_EQ(l, 1920 / 2 - 300);
    bool titled = false;
    for (const xpsim::WindowInfo& window : xpsim::windowList()) {
        titled = titled || window.id == dialog->getWindowID();
    }
    EXPECT_TRUE(titled);
    EXPECT_EQ(xpsim::windowTitle(dialog->getWindowID()), "File Selector");

    FileDialog::removeInstance(dialog);
    dialog = nullptr;
    EXPECT_EQ(ImGui::GetCurrentContext(), callers);
    FileDialog::removeInstance(nullptr);
    ImGui::DestroyContext(callers);

    // The selector's own context, current after its frame, goes with it.
    dialog = FileDialog::getInstance();
    ImGui::SetCurrentContext(dialog->getImguiContext());
    FileDialog::removeInstance(dialog);
    dialog = nullptr;
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);
}

TEST_F(FileSelectorDialog, ShowsTheFilteredTreeInGreenWithX_PlanesFont) {
    file("Ovilux_737.cfg");
    file("ovilux_a320.CFG");
    file("readme.txt");
    file("planes/OVILUX_B.cfg");
    file("other/notes.txt");
    // A working folder without X-Plane's fonts: the font is found all the same.
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof(cwd)), nullptr);
    ASSERT_EQ(chdir("/"), 0);
    open("  " + xplane.root() + "/tree \t", "Ovilux_");
    ASSERT_EQ(chdir(cwd), 0);
    EXPECT_FALSE(logHas("Unable to load the font"));

    std::vector<TextRun> runs = shown();
    ASSERT_NE(findText(runs, "Ovilux_737.cfg"), nullptr) << allText(runs);
    EXPECT_NE(findText(runs, "ovilux_a320.CFG"), nullptr);
    EXPECT_NE(findText(runs, "planes"), nullptr);
    EXPECT_EQ(findText(runs, "readme.txt"), nullptr);
    EXPECT_EQ(findText(runs, "other"), nullptr);
    EXPECT_NE(findText(runs, xplane.root() + "/tree/"), nullptr)  // the root field, trimmed
        << allText(runs);
    const TextRun* row = findText(runs, "Ovilux_737.cfg");
    EXPECT_EQ(row->red, 0);
    EXPECT_EQ(row->green, 255);
    EXPECT_EQ(row->blue, 0);

    // Opening the subfolder shows its file.
    ASSERT_TRUE(click("planes"));
    EXPECT_TRUE(shows("OVILUX_B.cfg")) << allText(shown());
}

TEST_F(FileSelectorDialog, ATypedFilterIsAppliedToTheTree) {
    file("Ovilux_737.cfg");
    file("readme.txt");
    file("docs/README.md");
    open(tree(), "");
    EXPECT_TRUE(shows("Ovilux_737.cfg"));
    ASSERT_TRUE(typeIntoField(dialog->getWindowID(), dialog->getImguiContext(), "Filter",
                              "readME", FieldSide::LeftOfLabel));
    // The filter's Apply is the second one, beside the field.
    const TextRun* apply = nullptr;
    std::vector<TextRun> before = shown();
    for (const TextRun& run : before) {
        if (run.text == "Apply") {
            apply = &run;
        }
    }
    ASSERT_NE(apply, nullptr);
    int x = apply->boxelCentreX();
    int y = apply->boxelCentreY();
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(x, y, false, xplm_MouseUp);
    xpsim::runFrames(3);
    std::vector<TextRun> runs = shown();
    EXPECT_NE(findText(runs, "readme.txt"), nullptr) << allText(runs);
    EXPECT_NE(findText(runs, "docs"), nullptr);
    EXPECT_EQ(findText(runs, "Ovilux_737.cfg"), nullptr);
    EXPECT_TRUE(shows("readME"));  // the field keeps the typed case
}

TEST_F(FileSelectorDialog, OneFileAtMostIsSelectedAndOpenHandsItOver) {
    file("first%d.cfg");
    file("second.cfg");
    open(tree(), "");
    EXPECT_FALSE(shows("Open"));

    ASSERT_TRUE(click("first%d.cfg"));
    std::vector<TextRun> runs = shown();
    const TextRun* selected = findText(runs, tree() + "first%d.cfg");
    ASSERT_NE(selected, nullptr) << allText(runs);  // "%" shown as it stands
    EXPECT_EQ(selected->green, 255);
    EXPECT_NE(findText(runs, "Open"), nullptr);

    ASSERT_TRUE(click("second.cfg"));
    EXPECT_TRUE(shows(tree() + "second.cfg"));
    EXPECT_FALSE(shows(tree() + "first%d.cfg"));
    ASSERT_TRUE(click("second.cfg"));  // deselects it
    EXPECT_FALSE(shows(tree() + "second.cfg"));
    EXPECT_FALSE(shows("Open"));
    EXPECT_EQ(dialog->getFixedSelectedFile(), "");

    ASSERT_TRUE(click("first%d.cfg"));
    ASSERT_TRUE(click("Open"));
    EXPECT_TRUE(dialog->openPressed);
    EXPECT_FALSE(dialog->cancelled);
    EXPECT_EQ(dialog->getFixedSelectedFile(), tree() + "first%d.cfg");
}

TEST_F(FileSelectorDialog, CancelAndTheCloseBoxEndTheSelection) {
    file("a.cfg");
    open(tree(), "");
    ASSERT_TRUE(click("Cancel"));
    EXPECT_TRUE(dialog->cancelled);

    dialog->show(tree(), "");
    EXPECT_FALSE(dialog->cancelled);
    ASSERT_TRUE(untilLoaded());
    ASSERT_TRUE(xpsim::closeWindow("File Selector"));
    xpsim::runFrames(2);
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_TRUE(dialog->cancelled);
}

TEST_F(FileSelectorDialog, ARootThatCannotBeOpenedSaysSo) {
    open(tree() + "missing", "");
    EXPECT_TRUE(shows("Unable to open folder")) << allText(shown());

    // A typed root too long for the field is refused, not cut and scanned.
    dialog->show("/" + std::string(2100, 'x'), "");
    xpsim::runFrames(2);
    EXPECT_TRUE(shows("Folder path too long")) << allText(shown());
    EXPECT_TRUE(logHas("Folder path too long (2101 characters), not scanned"));
}

TEST_F(FileSelectorDialog, TheWaitDialogCountsAndCancelsAScanOfTheWholeDisk) {
    dialog = FileDialog::getInstance();
    dialog->show("", "");  // the whole disk, "/"
    ASSERT_TRUE(untilWaiting()) << allText(shown());
    EXPECT_TRUE(shows("Loading Files"));
    EXPECT_FALSE(shows("Root Path"));
    ASSERT_TRUE(click("Cancel"));
    ASSERT_TRUE(untilLoaded());
    EXPECT_FALSE(shows("Please Wait..."));
    EXPECT_FALSE(shows("Unable to open folder"));
}

TEST_F(FileSelectorDialog, ClosingTheSelectorWhileItScansTheWholeDiskReturnsAtOnce) {
    dialog = FileDialog::getInstance();
    dialog->show("/", "");
    ASSERT_TRUE(untilWaiting());
    FileDialog::removeInstance(dialog);
    dialog = nullptr;
    xpsim::runFrames(1);
}

}  // namespace

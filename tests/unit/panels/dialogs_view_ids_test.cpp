// The view-ID dialog: every assigned ID with its camera, the cameras that
// hold an ID twice in red, and clearing one, the duplicates or all of them.
#include <string>

#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

const Column kViewId = static_cast<Column>(2);

class ViewIdDialog : public DialogsFixture {
protected:
    void SetUp() override {
        DialogsFixture::SetUp();
        // ID 2 held three times: the last holder is the one it selects.
        start({TestCameraRow("Cockpit", "Pilot").set(kViewId, "1"),
               TestCameraRow("Cockpit", "Radio").set(kViewId, "2"),
               TestCameraRow("Cockpit", "Left").set(kViewId, "2"),
               TestCameraRow("Outside", "Wing").set(kViewId, "2"),
               TestCameraRow("Outside", "Tail").set(kViewId, "7")});
        openPanel();
        openDialog(kDialogViewIDs);
    }
    bool isRed(const std::string& name) const {
        std::vector<TextRun> found = runsOf(name);
        return !found.empty() && found.front().red == 255 && found.front().green == 0;
    }
};

TEST_F(ViewIdDialog, ListsDuplicatesInRedAndClearsThem) {
    ASSERT_TRUE(shows("Display View ID Assignments")) << allText(text());
    expectDrawnAboveItsDimming();
    for (const char* header : {"Category", "Camera", "View ID", "Action"}) {
        EXPECT_EQ(runsOf(header).size(), 1u) << header;
    }
    EXPECT_EQ(runsOf("Clear").size(), 3u);  // IDs 1, 2 and 7
    EXPECT_EQ(runsOf("Clear Duplicate").size(), 2u);
    EXPECT_FALSE(isRed("Wing"));
    EXPECT_TRUE(isRed("Radio"));
    EXPECT_TRUE(isRed("Left"));
    EXPECT_FALSE(isRed("Tail"));

    clickFirst("Clear Duplicate");
    EXPECT_EQ(cameraAt(0, 1).viewId, 0);
    EXPECT_EQ(runsOf("Clear Duplicate").size(), 1u);
    EXPECT_TRUE(runsOf("Radio").empty());
    clickFirst("Clear Duplicate");
    EXPECT_EQ(cameraAt(0, 2).viewId, 0);
    EXPECT_TRUE(runsOf("Clear Duplicate").empty());
    EXPECT_EQ(cameraAt(1, 0).viewId, 2);

    // "Clear" takes the ID of its own row's camera: the first row is ID 1's.
    clickFirst("Clear");
    EXPECT_EQ(cameraAt(0, 0).viewId, 0);
    EXPECT_EQ(runsOf("Clear").size(), 2u);

    click("Ok");
    EXPECT_FALSE(shows("Display View ID Assignments"));
    xpsim::commandOnce("QFN/Ovilux/Save_All_Cameras");
    frames(2);
    std::string saved = readCameraFile();
    EXPECT_NE(saved.find("Cockpit,Radio,0,"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Cockpit,Left,0,"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Outside,Wing,2,"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Outside,Tail,7,"), std::string::npos) << saved;
}

TEST_F(ViewIdDialog, ClearAllTakesEveryIdAndSavesNothing) {
    std::string before = readCameraFile();
    click("Clear All");
    EXPECT_TRUE(runsOf("Clear").empty());
    EXPECT_TRUE(runsOf("Wing").empty());
    EXPECT_EQ(getCameraByViewID(2), nullptr);
    EXPECT_EQ(getCameraByViewID(7), nullptr);
    EXPECT_EQ(readCameraFile(), before);
}

}  // namespace

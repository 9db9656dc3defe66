// Saving the current camera's position as a named target through its panel.
#include <sys/stat.h>

#include "panels/save_target_panel.h"
#include "unit/panels/panels_fixture.h"

namespace {

class SaveTargetPanel : public PanelsFixture {
protected:
    void SetUp() override {
        PanelsFixture::SetUp();
        xpsim::placeAircraft(47.0, 8.0, 500.0);
        xpsim::runFrames(2);
    }
    SaveTargetWidget* open() {
        xpsim::commandOnce("QFN/Ovilux/Save_Camera_As_Target");
        xpsim::runFrames(3);
        EXPECT_NE(saveTargetPanel(), nullptr);
        return saveTargetPanel();
    }
    std::string targets() const {
        return SimulatedXPlane::exists(targetsPath()) ? SimulatedXPlane::readFile(targetsPath())
                                                      : std::string("(none)");
    }
    static void typeName(SaveTargetWidget* panel, const std::string& name) {
        ASSERT_TRUE(typeIntoField(panel->getWindowID(), panel->getImguiContext(), "Target Name",
                                  name, FieldSide::LeftOfLabel));
        xpsim::runFrames(2);
    }
};

TEST_F(SaveTargetPanel, AnEmptyNameIsRefusedAndANamedTargetIsStored) {
    std::string before = targets();
    SaveTargetWidget* panel = open();
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(r - l, 410);
    EXPECT_EQ(t - b, 100);

    click(panel, "Create Target");
    EXPECT_TRUE(shows(panel, "You must give the target a name")) << allText(text(panel));
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_EQ(targets(), before);

    typeName(panel, "Tower, North");
    click(panel, "Create Target");
    xpsim::runFrames(2);
    EXPECT_FALSE(panel->GetVisible());
    std::string after = targets();
    EXPECT_NE(after.find("Tower  North"), std::string::npos) << after;  // commas become blanks

    // Shown again: the same panel with the name kept and no error left.
    open();
    EXPECT_EQ(saveTargetPanel(), panel);
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_FALSE(shows(panel, "You must give the target a name")) << allText(text(panel));

    // Typed faster than the panel takes keys (one a frame), past what it
    // queues: a key let go is never held down, so nothing repeats into the name.
    typeName(panel, "");  // into the field, after the kept name
    ASSERT_TRUE(xpsim::typeText(std::string(31, 'a')));
    xpsim::runFrames(1);
    ASSERT_TRUE(xpsim::typeText("b"));
    ASSERT_TRUE(xpsim::pressKey("BACK"));
    xpsim::runFrames(300);
    click(panel, "Create Target");
    xpsim::runFrames(2);
    EXPECT_FALSE(panel->GetVisible());
    after = targets();
    EXPECT_NE(after.find("Tower  North" + std::string(31, 'a') + ","), std::string::npos) << after;
}

TEST_F(SaveTargetPanel, AFailedSaveKeepsThePanelOpenAndSaysSo) {
    SaveTargetWidget* panel = open();
    typeName(panel, "Ridge");
    ASSERT_TRUE(SimulatedXPlane::exists(targetsPath()));
    chmod(targetsPath().c_str(), 0444);
    std::string before = targets();
    click(panel, "Create Target");
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_TRUE(shows(panel, "The target was not saved")) << allText(text(panel));
    EXPECT_EQ(targets(), before);
}

TEST_F(SaveTargetPanel, DisableHidesThePanelWithItsNameAndStopDeletesIt) {
    SaveTargetWidget* panel = open();
    typeName(panel, "Hangar");
    xpsim::disablePlugin();
    EXPECT_FALSE(panel->GetVisible());
    xpsim::enablePlugin();
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    open();
    EXPECT_EQ(saveTargetPanel(), panel);
    EXPECT_TRUE(shows(panel, "Hangar")) << allText(text(panel));
    xplane.disableAndStop();
    EXPECT_EQ(saveTargetPanel(), nullptr);
}

}  // namespace

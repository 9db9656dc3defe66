#include "unit/panels/dialogs_fixture.h"

#include <imgui.h>

#include <algorithm>

#include "xpsim.h"

namespace {

struct DialogMenuItem {
    int dialog;
    const char* menu;
    const char* item;
    const char* title;
};

const DialogMenuItem kDialogMenuItems[] = {
    {kDialogPasteCameraSet, "Edit", "Paste Camera Set", "Confirm Paste Camera Set"},
    {kDialogCreateOrbit, "Category", "Create Orbit", "Create Orbit"},
    {kDialogCreateFlyBy, "Category", "Create Fly-By", "Create FlyBy"},
    {kDialogCreateAirportCameras, "Airport File", "Create Airport Cameras",
     "Create Airport Cameras"},
    {kDialogNewCameraSet, "File", "New Aircraft Camera File", "Confirm Create New Camera Set"},
    {kDialogShareCommunityFile, "File", "Share Camera File with Community", "Share Community File"},
    {kDialogBrowseCommunityFiles, "File", "Browse Community Aircraft Files",
     "Browse Community Files"},
    {kDialogViewIDs, "File", "Display View ID Assignments", "Display View ID Assignments"},
    {kDialogImportCameraFile, "File", "Import Camera File", "Import Camera File"},
    {kDialogImportFromBackup, "File", "Import Camera File from Backup", "Import Camera File"},
};

}  // namespace

void DialogsFixture::TearDown() {
    showNewControlPanel(kControlPanelDestroy);
    xpsim::runFrames(2);
    AirportFixture::TearDown();
}

ControlPanelWidget* DialogsFixture::openPanel() {
    xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
    xpsim::runFrames(3);
    panel = controlPanel();
    EXPECT_NE(panel, nullptr);
    return panel;
}

void DialogsFixture::openDialog(int dialog) {
    const DialogMenuItem* chosen = nullptr;
    for (const DialogMenuItem& entry : kDialogMenuItems) {
        if (entry.dialog == dialog) chosen = &entry;
    }
    ASSERT_NE(chosen, nullptr) << "no menu item opens dialog " << dialog;
    // The panel's bottom-left corner: the dialogs open at its middle.
    int left, top, right, bottom;
    XPLMGetWindowGeometry(panel->getWindowID(), &left, &top, &right, &bottom);
    behindX = left + 4;
    behindY = bottom + 4;
    ASSERT_TRUE(xpsim::pixelAt(behindX, behindY, behindBeforeDialog));
    dialogTitle.clear();
    click(chosen->menu);
    // The menu's item is the last run of its text: it draws over the panel.
    click(chosen->item);
    dialogTitle = chosen->title;
    xpsim::runFrames(3);
}

std::vector<TextRun> DialogsFixture::text() const {
    std::vector<TextRun> shown = readWindowText(panel->getImguiContext(), panel->getWindowID());
    // A modal dialog draws after the panel, its title first.
    for (size_t i = 0; i < shown.size() && !dialogTitle.empty(); ++i) {
        if (shown[i].text == dialogTitle) {
            return std::vector<TextRun>(shown.begin() + static_cast<long>(i), shown.end());
        }
    }
    return shown;
}

bool DialogsFixture::shows(const std::string& what) const {
    return findText(text(), what) != nullptr;
}

std::vector<TextRun> DialogsFixture::runsOf(const std::string& what) const {
    std::vector<TextRun> found;
    for (const TextRun& run : text()) {
        if (run.text == what) {
            found.push_back(run);
        }
    }
    return found;
}

void DialogsFixture::press(const TextRun& run) {
    int x = run.boxelCentreX(), y = run.boxelCentreY();
    xpsim::setMousePosition(x, y);
    xpsim::runFrames(1);
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(x, y, false, xplm_MouseUp);
}

void DialogsFixture::click(const std::string& label) {
    std::vector<TextRun> found = runsOf(label);
    ASSERT_FALSE(found.empty()) << label << " is not shown in\n" << allText(text());
    press(found.back());
    xpsim::runFrames(3);
}

void DialogsFixture::clickFirst(const std::string& label) {
    std::vector<TextRun> found = runsOf(label);
    ASSERT_FALSE(found.empty()) << label << " is not shown in\n" << allText(text());
    press(found.front());
    xpsim::runFrames(3);
}

void DialogsFixture::typeInto(const std::string& label, const std::string& typed) {
    ASSERT_TRUE(typeIntoField(panel->getWindowID(), panel->getImguiContext(), label, typed,
                              FieldSide::LeftOfLabel))
        << label << " is not shown in\n" << allText(text());
    xpsim::runFrames(2);
}

void DialogsFixture::clearField(const std::string& label) {
    typeInto(label, "");
    ASSERT_TRUE(xpsim::pressKey("a", xplm_ControlFlag));
    xpsim::runFrames(2);
    ASSERT_TRUE(xpsim::pressKey("BACK"));
    xpsim::runFrames(2);
}

void DialogsFixture::typeNumber(const std::string& label, const std::string& typed) {
    std::vector<TextRun> found = runsOf(label);
    ASSERT_FALSE(found.empty()) << label << " is not shown in\n" << allText(text());
    // The middle of the 100-wide field that ends a few boxels left of its label.
    int x = found.front().boxelLeft - 50;
    int y = found.front().boxelCentreY();
    // Past ImGui's double-click time since any earlier click, so that these
    // two clicks make the double click.
    ASSERT_TRUE(typeIntoDragAt(x, y, typed, 30)) << typed;
}

void DialogsFixture::setNumber(const std::string& label, const std::string& shown) {
    if (fieldValue(label) != shown) {
        typeNumber(label, shown);
        ASSERT_EQ(fieldValue(label), shown);
    }
}

std::string DialogsFixture::fieldValue(const std::string& label) const {
    std::vector<TextRun> shown = text();
    const TextRun* labelRun = nullptr;
    for (const TextRun& run : shown) {
        if (run.text == label) {
            labelRun = &run;
        }
    }
    if (labelRun == nullptr) {
        return "(no " + label + ")";
    }
    // The field's text: the nearest run on the label's line that ends left of it.
    const TextRun* value = nullptr;
    for (const TextRun& run : shown) {
        bool sameLine = run.boxelCentreY() >= labelRun->boxelBottom &&
                        run.boxelCentreY() <= labelRun->boxelTop;
        if (sameLine && run.boxelRight <= labelRun->boxelLeft &&
            (value == nullptr || run.boxelRight > value->boxelRight)) {
            value = &run;
        }
    }
    return value != nullptr ? value->text : "(empty)";
}

void DialogsFixture::expectDrawnAboveItsDimming() {
    // ImGui fades a modal's dimming in over a sixth of a second.
    xpsim::runFrames(15);
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(panel->getImguiContext());
    const ImVec4 dim = ImGui::GetStyle().Colors[ImGuiCol_ModalWindowDimBg];
    const ImVec4 body = ImGui::GetStyle().Colors[ImGuiCol_PopupBg];
    ImGui::SetCurrentContext(previous);

    unsigned char behind[4];
    ASSERT_TRUE(xpsim::pixelAt(behindX, behindY, behind));
    const float dimRgb[3] = {dim.x, dim.y, dim.z}, bodyRgb[3] = {body.x, body.y, body.z};
    for (int c = 0; c < 3; ++c) {
        float dimmed = behindBeforeDialog[c] * (1 - dim.w) + dimRgb[c] * 255 * dim.w;
        EXPECT_NEAR(int(behind[c]), dimmed, 3) << "the panel behind \"" << dialogTitle
                                          << "\", channel " << c << ", was "
                                          << int(behindBeforeDialog[c]);
    }

    // Left of the dialog's rows, in its frame's padding, half way down it.
    std::vector<TextRun> shown = text();
    ASSERT_FALSE(shown.empty());
    ASSERT_EQ(shown.front().text, dialogTitle) << allText(shown);
    int lowest = shown.front().boxelBottom;
    for (const TextRun& run : shown) lowest = std::min(lowest, run.boxelBottom);
    int x = shown.front().boxelLeft - 1;
    int y = (shown.front().boxelBottom + lowest) / 2;
    unsigned char inside[4];
    ASSERT_TRUE(xpsim::pixelAt(x, y, inside));
    for (int c = 0; c < 3; ++c) {
        // The body's colour over whatever it covers, white at the most.
        float brightest = bodyRgb[c] * 255 * body.w + 255 * (1 - body.w);
        EXPECT_LE(int(inside[c]), brightest + 2) << "the body of \"" << dialogTitle << "\" at "
                                            << x << "," << y << ", channel " << c;
    }
}

// The reader of what a window shows, proven on small ImGui windows of the
// test's own: text, place and colour from the draw data, and clicks and
// typing through xpsim that reach ImGui's widgets.
#include <imgui.h>

#include <string>

#include "sim_fixture.h"
#include "support/window_text.h"

namespace {

const std::string kFont = std::string(OVILUX_FIXTURES_DIR) +
                          "/xplane/Resources/fonts/Roboto-Regular.ttf";

// An ImGui context with X-Plane's Roboto, as a panel has.
ImGuiContext* makeContext(float width, float height) {
    ImGuiContext* context = ImGui::CreateContext();
    ImGui::SetCurrentContext(context);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(width, height);
    io.DeltaTime = 1.0f / 60;
    EXPECT_NE(io.Fonts->AddFontFromFileTTF(kFont.c_str(), 16.0f), nullptr);
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    return context;
}

void beginFullWindow(float width, float height) {
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(0, 0), ImGuiCond_Always);
    ImGui::SetNextWindowSize(ImVec2(width, height), ImGuiCond_Always);
    ImGui::Begin("Reader", nullptr,
                 ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize |
                     ImGuiWindowFlags_NoCollapse);
}

TEST(WindowText, ReadsTextPlaceAndColourFromTheDrawData) {
    ImGuiContext* context = makeContext(400, 300);
    beginFullWindow(400, 300);
    ImGui::Text("Hello World");
    ImGui::Button("Ok");
    ImGui::SameLine();
    ImGui::Button("Cancel");
    ImGui::TextColored(ImVec4(1, 0, 0, 1), "Alert: 3 files");
    ImGui::End();
    ImGui::Render();
    ImGui::SetCurrentContext(nullptr);

    std::vector<TextRun> runs = readWindowText(context, 100, 500);
    ASSERT_EQ(runs.size(), 4u) << allText(runs);
    EXPECT_EQ(allText(runs), "Hello World\nOk\nCancel\nAlert: 3 files\n");
    const TextRun& hello = runs[0];
    const TextRun& ok = runs[1];
    const TextRun& cancel = runs[2];
    const TextRun& alert = runs[3];
    // ImGui's default padding puts the first line at (8, 8).
    EXPECT_NEAR(hello.left, 8, 0.5);
    EXPECT_NEAR(hello.top, 8, 0.5);
    EXPECT_NEAR(hello.bottom - hello.top, 16, 0.5);
    EXPECT_GT(ok.top, hello.bottom - 0.5f);
    EXPECT_FLOAT_EQ(ok.top, cancel.top);
    EXPECT_LT(ok.right, cancel.left);
    EXPECT_GT(alert.top, ok.bottom);
    // Global boxels: the window's left plus x, its top minus y.
    EXPECT_EQ(hello.boxelLeft, 108);
    EXPECT_EQ(hello.boxelTop, 492);
    EXPECT_EQ(hello.boxelBottom, 476);
    EXPECT_EQ(alert.red, 255);
    EXPECT_EQ(alert.green, 0);
    EXPECT_EQ(hello.red, hello.green);  // the style's plain text colour is grey
    EXPECT_EQ(findText(runs, "Cancel"), &cancel);
    EXPECT_EQ(findText(runs, "3 files"), &alert);
    EXPECT_EQ(findText(runs, "Save"), nullptr);
    EXPECT_EQ(ImGui::GetCurrentContext(), nullptr);  // left as it was
    ImGui::DestroyContext(context);
}

TEST(WindowText, TextOutsideItsClipRectangleIsNotShown) {
    ImGuiContext* context = makeContext(200, 100);
    beginFullWindow(200, 100);
    ImGui::BeginChild("list", ImVec2(180, 30));
    for (int i = 0; i < 10; ++i) ImGui::Text("Row %d", i);
    ImGui::EndChild();
    ImGui::End();
    ImGui::Render();
    std::string shown = allText(readWindowText(context, 0, 100));
    EXPECT_NE(shown.find("Row 0"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Row 9"), std::string::npos) << shown;
    ImGui::DestroyContext(context);
}

// A window of the test's own on the simulated X-Plane: ImGui fed from the
// window's mouse and key callbacks, one ImGui frame per draw callback.
struct Panel {
    ImGuiContext* context = nullptr;
    XPLMWindowID id = nullptr;
    int okPresses = 0;
    char name[32] = "";
};
Panel panel;

void toImgui(XPLMWindowID id, int x, int y) {
    int l, t, r, b;
    XPLMGetWindowGeometry(id, &l, &t, &r, &b);
    ImGui::GetIO().MousePos = ImVec2(static_cast<float>(x - l), static_cast<float>(t - y));
}

int onClick(XPLMWindowID id, int x, int y, XPLMMouseStatus status, void*) {
    ImGui::SetCurrentContext(panel.context);
    toImgui(id, x, y);
    ImGui::GetIO().MouseDown[0] = status != xplm_MouseUp;
    return 1;
}

XPLMCursorStatus onCursor(XPLMWindowID id, int x, int y, void*) {
    ImGui::SetCurrentContext(panel.context);
    toImgui(id, x, y);
    return xplm_CursorDefault;
}

void onKey(XPLMWindowID, char key, XPLMKeyFlags flags, char, void*, int losingFocus) {
    ImGui::SetCurrentContext(panel.context);
    if (!losingFocus && (flags & xplm_DownFlag) && key >= 0x20 && key < 0x7F)
        ImGui::GetIO().AddInputCharacter(static_cast<unsigned>(key));
}

void onDraw(XPLMWindowID id, void*) {
    ImGui::SetCurrentContext(panel.context);
    int l, t, r, b;
    XPLMGetWindowGeometry(id, &l, &t, &r, &b);
    beginFullWindow(static_cast<float>(r - l), static_cast<float>(t - b));
    ImGui::Text("Name");
    ImGui::SameLine();
    ImGui::InputText("##name", panel.name, sizeof panel.name);
    if (ImGui::Button("Ok")) ++panel.okPresses;
    ImGui::End();
    ImGui::Render();
    if (ImGui::GetIO().WantTextInput && !XPLMHasKeyboardFocus(id)) XPLMTakeKeyboardFocus(id);
}

class WindowTextInXPlane : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        panel = Panel();
        panel.context = makeContext(300, 200);
        XPLMCreateWindow_t p{};
        p.structSize = sizeof(p);
        p.left = 200, p.top = 700, p.right = 500, p.bottom = 500;
        p.visible = 1;
        p.drawWindowFunc = onDraw;
        p.handleMouseClickFunc = onClick;
        p.handleCursorFunc = onCursor;
        p.handleKeyFunc = onKey;
        panel.id = XPLMCreateWindowEx(&p);
        xpsim::runFrames(1);
    }
    void TearDown() override {
        ImGui::DestroyContext(panel.context);
        SimTest::TearDown();
    }
};

TEST_F(WindowTextInXPlane, ClickingALabelPressesItsButton) {
    std::vector<TextRun> runs = readWindowText(panel.context, panel.id);
    const TextRun* ok = findText(runs, "Ok");
    ASSERT_NE(ok, nullptr) << allText(runs);
    EXPECT_GT(ok->boxelLeft, 200);
    EXPECT_LT(ok->boxelTop, 700);
    ASSERT_TRUE(clickText(panel.id, panel.context, "Ok"));
    xpsim::runFrames(2);
    EXPECT_EQ(panel.okPresses, 1);
    EXPECT_FALSE(clickText(panel.id, panel.context, "Save"));
}

TEST_F(WindowTextInXPlane, TypingIntoALabelledFieldFillsIt) {
    ASSERT_TRUE(typeIntoField(panel.id, panel.context, "Name", "Pilot 7"));
    EXPECT_STREQ(panel.name, "Pilot 7");
    EXPECT_EQ(xpsim::keyboardFocus(), panel.id);
    // The field shows what was typed.
    xpsim::runFrames(1);
    EXPECT_NE(findText(readWindowText(panel.context, panel.id), "Pilot 7"), nullptr);
}

}  // namespace

// ImGui windows driven the way X-Plane drives them: mouse, keys, visibility,
// VR, fonts and the ini file.
#include <cfloat>
#include <cstring>
#include <filesystem>

#include "support/named_pipe.h"
#include "unit/winkit/winkit_fixture.h"

namespace {

constexpr int kDown = 8;
constexpr int kUp = 16;
constexpr int kControl = 4;
constexpr int kAlt = 2;

class ImguiWindows : public WinkitFixture {};

// A window with one text field that takes the keyboard.
class TextFieldWindow : public ImguiWindows {
protected:
    void SetUp() override {
        ImguiWindows::SetUp();
        window = makeWindow();
        window->content = [this] {
            if (window->frames <= 2) {
                ImGui::SetKeyboardFocusHere();
            }
            ImGui::InputText("##field", field, sizeof(field));
        };
        xpsim::runFrames(3);
        ASSERT_TRUE(io(window).WantCaptureKeyboard);
    }
    void typeKey(char c, int flags = kDown) { key(window, c, flags, static_cast<char>(toupper(c))); }

    ProbeWindow* window = nullptr;
    char field[256] = {};
};

TEST_F(ImguiWindows, AClickBetweenTwoFramesLastsOneFrame) {
    ProbeWindow* window = makeWindow();
    std::vector<bool> down;
    int pressed = 0;
    window->content = [&] {
        down.push_back(ImGui::IsMouseDown(0));
        if (ImGui::Button("Press", ImVec2(100, 40))) {
            ++pressed;
        }
    };
    xpsim::runFrames(1);
    // The button lies 8 boxels in from the window's top-left corner.
    EXPECT_TRUE(xpsim::mouseClick(150, 580, false, xplm_MouseDown));
    EXPECT_TRUE(xpsim::mouseClick(150, 580, false, xplm_MouseUp));
    xpsim::runFrames(3);
    EXPECT_EQ(down, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(pressed, 1);
}

TEST_F(ImguiWindows, ACursorOutsideTheWindowIsAnAbsentMouse) {
    ProbeWindow* window = makeWindow();
    xpsim::runFrames(1);
    ImgWindow::HandleCursorFuncCB(window->getWindowID(), 120, 590, window);
    EXPECT_EQ(io(window).MousePos.x, 20.0f);
    EXPECT_EQ(io(window).MousePos.y, 10.0f);
    ImgWindow::HandleCursorFuncCB(window->getWindowID(), 600, 590, window);
    EXPECT_EQ(io(window).MousePos.x, -FLT_MAX);
    EXPECT_EQ(io(window).MousePos.y, -FLT_MAX);
}

TEST_F(TextFieldWindow, KeysReachImguiOnePerFrameInOrder) {
    EXPECT_TRUE(XPLMHasKeyboardFocus(window->getWindowID()));
    for (char c : std::string("hello")) {
        typeKey(c);
    }
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        xpsim::runFrames(1);
        seen.push_back(field);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"h", "he", "hel", "hell", "hello"}));
}

TEST_F(TextFieldWindow, OnlyPrintableKeysWithoutControlOrAltBecomeText) {
    typeKey('a', kUp);
    typeKey('b', kDown | kControl);
    typeKey('c', kDown | kAlt);
    key(window, '\t', kDown, 0x20);
    key(window, static_cast<char>(0xE9), kDown, 0x45);
    key(window, 0x7F, kDown, 0x20);
    typeKey('d');
    xpsim::runFrames(7);
    EXPECT_STREQ(field, "d");
}

TEST_F(TextFieldWindow, AKeyStormIsBounded) {
    for (int i = 0; i < 1000; ++i) {
        typeKey('x');
    }
    xpsim::runFrames(100);
    EXPECT_EQ(strlen(field), ImgWindow::kMaxQueuedKeys);
}

TEST_F(TextFieldWindow, LosingFocusLetsGoOfAHeldBackspace) {
    for (char c : std::string("abcdef")) {
        typeKey(c);
    }
    xpsim::runFrames(6);
    key(window, 8, kDown, 0x08);
    xpsim::runFrames(1);
    ASSERT_STREQ(field, "abcde");
    typeKey('z');
    key(window, 0, 0, 0, 1);
    EXPECT_FALSE(io(window).KeysDown[0x08]);
    xpsim::runFrames(60);
    EXPECT_STREQ(field, "abcde");

    // Another of our windows taking the keyboard loses nothing typed here, and
    // a key whose release went to that window does not repeat.
    ProbeWindow* other = makeWindow(600, 600, 900, 300);
    char otherField[16] = {};
    other->content = [&] { ImGui::InputText("##other", otherField, sizeof(otherField)); };
    xpsim::runFrames(1);
    for (char c : std::string("xyzw")) {
        typeKey(c);
    }
    key(window, 8, kDown, 0x08);
    xpsim::mouseClick(620, 590, false, xplm_MouseDown);
    xpsim::mouseClick(620, 590, false, xplm_MouseUp);
    xpsim::runFrames(60);
    EXPECT_TRUE(XPLMHasKeyboardFocus(other->getWindowID()));
    EXPECT_STREQ(field, "abcdexyz");
    EXPECT_FALSE(io(window).KeysDown[0x08]);
}

TEST_F(TextFieldWindow, HidingLetsGoOfKeysAndButtons) {
    key(window, 8, kDown | 1, 0x08);
    xpsim::runFrames(1);
    ASSERT_TRUE(io(window).KeysDown[0x08]);
    xpsim::mouseClick(150, 580, false, xplm_MouseDown);
    typeKey('q');
    window->SetVisible(false);
    EXPECT_FALSE(io(window).KeysDown[0x08]);
    EXPECT_FALSE(io(window).KeyShift);
    EXPECT_FALSE(io(window).MouseDown[0]);
    window->SetVisible(true);
    xpsim::runFrames(2);
    EXPECT_EQ(std::string(field).find('q'), std::string::npos);
}

TEST_F(ImguiWindows, KeysWhileImguiDoesNotWantTheKeyboardAreDropped) {
    ProbeWindow* window = makeWindow();
    char field[16] = {};
    int focus = 0;
    window->content = [&] {
        if (focus > 0) {
            ImGui::SetKeyboardFocusHere();
            --focus;
        }
        ImGui::InputText("##field", field, sizeof(field));
    };
    xpsim::runFrames(1);
    key(window, 'a', kDown, 'A');
    xpsim::runFrames(1);
    focus = 2;
    xpsim::runFrames(3);
    ASSERT_TRUE(io(window).WantCaptureKeyboard);
    key(window, 'b', kDown, 'B');
    xpsim::runFrames(1);
    EXPECT_STREQ(field, "b");
}

TEST_F(ImguiWindows, SetVisibleAsksOnShowOnlyWhenItShowsTheWindow) {
    ProbeWindow* window = new ProbeWindow(100, 600, 500, 300);
    window->init();
    window->allowShow = false;
    window->SetVisible(true);
    EXPECT_FALSE(window->GetVisible());
    EXPECT_EQ(window->showsAsked, 1);
    window->allowShow = true;
    window->SetVisible(true);
    EXPECT_TRUE(window->GetVisible());
    window->SetVisible(true);
    EXPECT_EQ(window->showsAsked, 2);
    window->SetVisible(false);
    window->SetVisible(false);
    EXPECT_FALSE(window->GetVisible());
    EXPECT_EQ(window->showsAsked, 2);
}

TEST_F(ImguiWindows, AVrRoundTripRestoresTheGeometry) {
    ProbeWindow* window = makeWindow(100, 600, 500, 300);
    xpsim::setValue("sim/graphics/VR/enabled", 1);
    // Shown again while visible: onShow is not asked, the VR placement follows.
    window->SetVisible(true);
    EXPECT_EQ(window->showsAsked, 1);
    EXPECT_EQ(xpsim::windowList().back().positioningMode, xplm_WindowVR);
    XPLMSetWindowGeometry(window->getWindowID(), 0, 900, 800, 100);
    xpsim::setValue("sim/graphics/VR/enabled", 0);
    xpsim::runFrames(1);  // the panel's flight loop follows X-Plane out of VR
    EXPECT_EQ(xpsim::windowList().back().positioningMode, xplm_WindowPositionFree);
    int l, t, r, b;
    geometry(window, &l, &t, &r, &b);
    EXPECT_EQ(l, 100);
    EXPECT_EQ(t, 600);
    EXPECT_EQ(r, 500);
    EXPECT_EQ(b, 300);
}

TEST_F(ImguiWindows, AnEmptyOrInvertedWindowSkipsItsFrame) {
    ProbeWindow* window = makeWindow();
    XPLMSetWindowGeometry(window->getWindowID(), 300, 300, 300, 500);
    xpsim::runFrames(2);
    EXPECT_EQ(window->frames, 0);
    XPLMSetWindowGeometry(window->getWindowID(), 300, 500, 200, 300);
    xpsim::runFrames(1);
    EXPECT_EQ(window->frames, 0);
    XPLMSetWindowGeometry(window->getWindowID(), 300, 500, 400, 300);
    xpsim::runFrames(1);
    EXPECT_EQ(window->frames, 1);
}

TEST_F(ImguiWindows, AMissingOrBrokenFontFallsBackToImguisOwn) {
    ProbeWindow* missing = makeWindow(100, 600, 500, 300, 1, xplane.path("Resources/fonts/None.ttf"));
    SimulatedXPlane::writeFile(xplane.path("Resources/fonts/Empty.ttf"), "");
    ProbeWindow* empty = makeWindow(100, 600, 500, 300, 1, xplane.path("Resources/fonts/Empty.ttf"));
    SimulatedXPlane::writeFile(xplane.path("Resources/fonts/Broken.ttf"), std::string(4000, 'x'));
    ProbeWindow* broken =
        makeWindow(100, 600, 500, 300, 1, xplane.path("Resources/fonts/Broken.ttf"));
    ProbeWindow* roboto = makeWindow(100, 600, 500, 300, 1,
                                     QfnImWindow::getXPlaneFontPath("Roboto-Regular.ttf"));
    xpsim::runFrames(2);
    for (ProbeWindow* window : {missing, empty, broken, roboto}) {
        EXPECT_EQ(window->frames, 2);
    }
    EXPECT_TRUE(logHas("Unable to load the font " + xplane.path("Resources/fonts/None.ttf") +
                       "; ImGui's default font is used"));
    EXPECT_TRUE(logHas("Unable to load the font " + xplane.path("Resources/fonts/Empty.ttf")));
    EXPECT_TRUE(logHas("Unable to build the fonts of window"));
    EXPECT_EQ(io(roboto).Fonts->Fonts[0]->FontSize, 18.0f);
    EXPECT_EQ(io(missing).Fonts->Fonts[0]->FontSize, 13.0f);  // ImGui's own font
}

TEST_F(ImguiWindows, ImguiIniLiesInThePluginsFolder) {
    // Another window's entry stays; what no window of ours can use goes: a
    // window placed beyond any desktop, and a table claiming 99,999 columns.
    std::string ini = xplane.pluginFolder() + "Imgui.ini";
    const std::string dialog = "[Window][Import Camera File]\nPos=10,20\nSize=300,200\nCollapsed=0\n";
    SimulatedXPlane::writeFile(ini, dialog + "\n[Window][Far]\nPos=99999999,5\nSize=100,100\n\n" +
                                        "[Table][0x12345678,99999]\nColumn 0  Width=-1000000000\n");
    ProbeWindow* window = makeWindow();
    window->SetWindowTitle("Probe");
    xpsim::runFrames(1);
    delete window;
    std::string written = SimulatedXPlane::readFile(ini);
    EXPECT_NE(written.find("[Window][Probe]\nPos=0,0\nSize=400,300\nCollapsed=0\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find(dialog), std::string::npos) << written;
    EXPECT_EQ(written.find("[Window][Far]"), std::string::npos) << written;
    EXPECT_EQ(written.find("[Table]"), std::string::npos) << written;
}

TEST_F(ImguiWindows, AnImguiIniThatIsNoRegularFileOrTooLargeIsLeftAsItIs) {
    std::string ini = xplane.pluginFolder() + "Imgui.ini";
    {
        // Opening a named pipe would hold the first frame until a writer came.
        NamedPipe pipe(ini);
        ProbeWindow* first = makeWindow();
        ProbeWindow* second = makeWindow(500, 600, 700, 300);
        xpsim::runFrames(1);
        EXPECT_FALSE(pipe.releasedABlockedReader());
        EXPECT_TRUE(pipe.stillThere());
        EXPECT_EQ(first->frames, 1);
        EXPECT_EQ(second->frames, 1);
    }
    // Gone before the windows, which write nothing in its place.
    xplane.disableAndStop();
    EXPECT_FALSE(SimulatedXPlane::exists(ini));
    std::string log = xpsim::logText();
    std::string line = "Unable to use the window settings " + ini +
                       " (not a regular file); the file is left as it is";
    EXPECT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line));

    std::string large = "[Window][Probe]\nPos=0,0\nSize=10,10\nCollapsed=0\n\n;" +
                        std::string(1 << 20, 'x') + "\n";
    SimulatedXPlane::writeFile(ini, large);
    xplane.startAndEnable();
    ProbeWindow* window = makeWindow();
    window->SetWindowTitle("Probe");
    xpsim::runFrames(1);
    delete window;
    EXPECT_TRUE(SimulatedXPlane::readFile(ini) == large);  // unchanged
    EXPECT_TRUE(logHas("Unable to use the window settings " + ini +
                       " (larger than 1 MB); the file is left as it is"));
}

TEST_F(ImguiWindows, UnusableMatricesLeaveBoxelsAsPixels) {
    xpsim::defineDataref("sim/graphics/view/modelview_matrix", xplmType_FloatArray, 16);
    xpsim::defineDataref("sim/graphics/view/projection_matrix", xplmType_FloatArray, 16);
    xpsim::defineDataref("sim/graphics/view/viewport", xplmType_IntArray, 4);
    ProbeWindow* window = makeWindow();
    window->content = [] { ImGui::TextUnformatted("drawn with w = 0"); };
    xpsim::runFrames(2);
    EXPECT_EQ(window->frames, 2);
}

// The scissor box comes from X-Plane's matrices in floating point: a boxel
// edge that lands a hair below its pixel must not cost the window a row.
TEST_F(ImguiWindows, EveryRowAndColumnOfTheWindowIsDrawn) {
    for (int top = 600; top < 640; top += 7) {
        ProbeWindow* window = makeWindow(101 + top % 13, top, 501, top - 262, 0);
        xpsim::runFrames(1);
        int l, t, r, b;
        geometry(window, &l, &t, &r, &b);
        unsigned char border[4], pixel[4], outside[4];
        // ImGui's window border runs round its outermost rows and columns.
        ASSERT_TRUE(xpsim::pixelAt((l + r) / 2, b, border));
        ASSERT_TRUE(xpsim::pixelAt((l + r) / 2, t, outside));
        ASSERT_NE(std::vector<int>(border, border + 3), std::vector<int>(outside, outside + 3));
        for (auto [x, y] : {std::pair<int, int>{(l + r) / 2, t - 1}, {l, (t + b) / 2},
                            {r - 1, (t + b) / 2}}) {
            ASSERT_TRUE(xpsim::pixelAt(x, y, pixel));
            EXPECT_EQ(std::vector<int>(pixel, pixel + 3), std::vector<int>(border, border + 3))
                << "top " << top << " at " << x << "," << y;
        }
        delete window;
    }
}

TEST_F(ImguiWindows, StoppingThePluginDeletesEveryWindow) {
    makeWindow();
    new ProbeWindow(0, 100, 100, 0);  // never initialised nor drawn
    xpsim::runFrames(1);
    ASSERT_EQ(ImgWindow::liveWindows().size(), 2u);
    xplane.disableAndStop();
    EXPECT_TRUE(ImgWindow::liveWindows().empty());
    EXPECT_EQ(xpsim::windowCount(), 0);
}

}  // namespace

TEST(WindowsWithoutPluginFolder, WriteNoIniFile) {
    xpsim::reset();
    char pattern[] = "/tmp/xpsim-noini-XXXXXX";
    std::string root = mkdtemp(pattern);
    xpsim::setRoot(root);
    std::string cwdIni = std::filesystem::current_path() / "Imgui.ini";
    bool before = std::filesystem::exists(cwdIni);
    {
        ProbeWindow* window = new ProbeWindow(100, 600, 500, 300);
        window->init();
        ImGui::SetCurrentContext(window->getImguiContext());
        EXPECT_EQ(ImGui::GetIO().IniFilename, nullptr);
        window->SetVisible(true);
        xpsim::runFrames(1);
        delete window;
    }
    EXPECT_EQ(std::filesystem::exists(cwdIni), before);
    xpsim::reset();
    std::filesystem::remove_all(root);
}

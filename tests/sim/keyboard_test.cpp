// Keys go to the window holding the keyboard focus, as down and up events
// with X-Plane's flags and virtual key codes; X-Plane's close box hides.
#include <vector>

#include "sim_fixture.h"

namespace {

struct KeyCall {
    XPLMWindowID window;
    char key;
    int flags;
    int vkey;
    int losingFocus;
    bool operator==(const KeyCall& o) const {
        return window == o.window && key == o.key && flags == o.flags && vkey == o.vkey &&
               losingFocus == o.losingFocus;
    }
};
std::vector<KeyCall> keyCalls;

void onKey(XPLMWindowID id, char key, XPLMKeyFlags flags, char vkey, void*, int losingFocus) {
    keyCalls.push_back({id, key, flags, static_cast<unsigned char>(vkey), losingFocus});
}

class Keyboard : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        keyCalls.clear();
    }
    XPLMWindowID make(const char* title,
                      XPLMWindowDecoration decoration = xplm_WindowDecorationRoundRectangle) {
        XPLMCreateWindow_t p{};
        p.structSize = sizeof(p);
        p.left = 100, p.top = 300, p.right = 300, p.bottom = 100;
        p.visible = 1;
        p.handleKeyFunc = onKey;
        p.decorateAsFloatingWindow = decoration;
        XPLMWindowID id = XPLMCreateWindowEx(&p);
        XPLMSetWindowTitle(id, title);
        return id;
    }
};

TEST_F(Keyboard, KeysGoToTheFocusedWindowOrToXPlane) {
    XPLMWindowID a = make("A");
    EXPECT_TRUE(xpsim::pressKey("RETURN"));
    EXPECT_TRUE(keyCalls.empty());
    EXPECT_EQ(xpsim::inputReachedXPlane().keys, 2);
    XPLMTakeKeyboardFocus(a);
    EXPECT_EQ(xpsim::keyboardFocus(), a);
    EXPECT_TRUE(xpsim::pressKey("a", xplm_ShiftFlag | xplm_ControlFlag));
    EXPECT_EQ(keyCalls, (std::vector<KeyCall>{{a, 'A', 1 | 4 | 8, 0x41, 0}, {a, 'A', 1 | 4 | 16, 0x41, 0}}));
    EXPECT_FALSE(xpsim::pressKey("NOSUCHKEY"));
    EXPECT_EQ(xpsim::inputReachedXPlane().keys, 2);
}

TEST_F(Keyboard, NamedKeysCarryXPlanesVirtualCodes) {
    XPLMTakeKeyboardFocus(make("A"));
    const std::pair<const char*, int> named[] = {
        {"RETURN", 0x0D}, {"TAB", 0x09},   {"BACK", 0x08},   {"ESCAPE", 0x1B},
        {"LEFT", 0x25},   {"UP", 0x26},    {"RIGHT", 0x27},  {"DOWN", 0x28},
        {"DELETE", 0x2E}, {"HOME", 0x24},  {"END", 0x23},    {"SPACE", 0x20},
        {"ENTER", 0xBB},  {"7", 0x37},     {"z", 0x5A},      {",", 0xB7},
    };
    for (const auto& [name, vkey] : named) {
        keyCalls.clear();
        ASSERT_TRUE(xpsim::pressKey(name)) << name;
        ASSERT_EQ(keyCalls.size(), 2u);
        EXPECT_EQ(keyCalls[0].vkey, vkey) << name;
        EXPECT_EQ(keyCalls[0].flags, xplm_DownFlag) << name;
        EXPECT_EQ(keyCalls[1].flags, xplm_UpFlag) << name;
    }
}

TEST_F(Keyboard, TypedTextIsEachCharacterDownAndUpWithShiftWhereNeeded) {
    XPLMWindowID a = make("A");
    XPLMTakeKeyboardFocus(a);
    EXPECT_TRUE(xpsim::typeText("Hi 5!"));
    std::vector<KeyCall> expected = {
        {a, 'H', 1 | 8, 0x48, 0},  {a, 'H', 1 | 16, 0x48, 0}, {a, 'i', 8, 0x49, 0},
        {a, 'i', 16, 0x49, 0},     {a, ' ', 8, 0x20, 0},      {a, ' ', 16, 0x20, 0},
        {a, '5', 8, 0x35, 0},      {a, '5', 16, 0x35, 0},     {a, '!', 1 | 8, 0x31, 0},
        {a, '!', 1 | 16, 0x31, 0},
    };
    EXPECT_EQ(keyCalls, expected);
    keyCalls.clear();
    EXPECT_FALSE(xpsim::typeText("caf\xc3\xa9"));  // nothing is sent
    EXPECT_TRUE(keyCalls.empty());
}

TEST_F(Keyboard, TheWindowLosingFocusIsTold) {
    XPLMWindowID a = make("A");
    XPLMWindowID b = make("B");
    XPLMTakeKeyboardFocus(a);
    XPLMTakeKeyboardFocus(b);
    EXPECT_EQ(keyCalls, (std::vector<KeyCall>{{a, 0, 0, 0, 1}}));
    // Hiding the focused window gives the keyboard back to X-Plane.
    XPLMSetWindowIsVisible(b, 0);
    EXPECT_EQ(keyCalls.back(), (KeyCall{b, 0, 0, 0, 1}));
    EXPECT_EQ(xpsim::keyboardFocus(), nullptr);
    EXPECT_EQ(XPLMHasKeyboardFocus(b), 0);
}

TEST_F(Keyboard, TheCloseBoxHidesAFloatingWindowOnly) {
    XPLMWindowID framed = make("Framed");
    XPLMWindowID bare = make("Bare", xplm_WindowDecorationNone);
    XPLMTakeKeyboardFocus(framed);
    EXPECT_EQ(xpsim::findWindow("Framed"), framed);
    EXPECT_EQ(xpsim::windowTitle(bare), "Bare");
    EXPECT_TRUE(xpsim::closeWindow("Framed"));
    EXPECT_EQ(XPLMGetWindowIsVisible(framed), 0);
    EXPECT_EQ(xpsim::keyboardFocus(), nullptr);
    EXPECT_FALSE(xpsim::closeWindow("Framed"));  // already hidden
    EXPECT_FALSE(xpsim::closeWindow("Bare"));    // no close box
    EXPECT_FALSE(xpsim::closeWindow("Missing"));
    EXPECT_EQ(XPLMGetWindowIsVisible(bare), 1);
}

}  // namespace

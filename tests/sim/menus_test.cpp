// Menus and draw callbacks as X-Plane offers them to a plug-in.
#include <cstdint>
#include <string>
#include <vector>

#include "sim/sim_fixture.h"

namespace {

std::vector<std::pair<intptr_t, intptr_t>> chosen;

void handler(void* menuRef, void* itemRef) {
    chosen.push_back({reinterpret_cast<intptr_t>(menuRef), reinterpret_cast<intptr_t>(itemRef)});
}

void* ref(intptr_t n) { return reinterpret_cast<void*>(n); }

class Menus : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        chosen.clear();
    }
};

TEST_F(Menus, ASubmenuShowsUnderItsParentItemsName) {
    XPLMMenuID plugins = XPLMFindPluginsMenu();
    int item = XPLMAppendMenuItem(plugins, "Tool", nullptr, 1);
    EXPECT_EQ(item, 0);
    XPLMMenuID sub = XPLMCreateMenu("Hidden Name", plugins, item, handler, ref(7));
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(XPLMAppendMenuItem(sub, "First", ref(10), 1), 0);
    EXPECT_EQ(XPLMAppendMenuItem(sub, "Second Item", ref(11), 1), 1);
    XPLMEnableMenuItem(sub, 0, 0);
    XPLMCheckMenuItem(sub, 1, xplm_Menu_Checked);

    std::vector<xpsim::MenuItemInfo> items = xpsim::menuItems("Plugins");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].path, "Plugins/Tool");
    EXPECT_EQ(items[1].path, "Plugins/Tool/First");
    EXPECT_FALSE(items[1].enabled);
    EXPECT_EQ(items[2].path, "Plugins/Tool/Second Item");
    EXPECT_EQ(items[2].check, xplm_Menu_Checked);
    EXPECT_EQ(xpsim::menuItems("Plugins/Tool").size(), 2u);

    std::string error;
    EXPECT_TRUE(xpsim::chooseMenuItem("Plugins/Tool/Second Item", &error)) << error;
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0], std::make_pair(intptr_t{7}, intptr_t{11}));
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Tool/First", &error));
    EXPECT_EQ(error, "the menu item Plugins/Tool/First is greyed");
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Tool/Third", &error));
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Tool", &error));
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Hidden Name/First", &error));
    // A greyed parent item cannot be opened.
    XPLMEnableMenuItem(plugins, item, 0);
    EXPECT_FALSE(xpsim::chooseMenuItem("Plugins/Tool/Second Item", &error));
    EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(Menus, RemovalClearingAndDestruction) {
    XPLMMenuID plugins = XPLMFindPluginsMenu();
    XPLMAppendMenuItem(plugins, "A", nullptr, 1);
    int b = XPLMAppendMenuItem(plugins, "B", nullptr, 1);
    XPLMAppendMenuItem(plugins, "C", nullptr, 1);
    XPLMMenuID sub = XPLMCreateMenu("B", plugins, b, handler, nullptr);
    XPLMAppendMenuItem(sub, "Inside", ref(1), 1);
    EXPECT_EQ(xpsim::menuCount(), 1);

    XPLMRemoveMenuItem(plugins, 0);
    std::vector<xpsim::MenuItemInfo> items = xpsim::menuItems("Plugins");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].path, "Plugins/B");
    EXPECT_EQ(items[2].path, "Plugins/C");

    XPLMClearAllMenuItems(sub);
    EXPECT_EQ(xpsim::menuItems("Plugins/B").size(), 0u);
    XPLMDestroyMenu(sub);
    EXPECT_EQ(xpsim::menuCount(), 0);
    // X-Plane's own menu stays.
    XPLMDestroyMenu(plugins);
    EXPECT_EQ(XPLMFindPluginsMenu(), plugins);
    EXPECT_EQ(xpsim::menuItems("Plugins").size(), 2u);
}

std::vector<std::string> drawn;

int before(XPLMDrawingPhase phase, int isBefore, void*) {
    drawn.push_back("before " + std::to_string(phase) + " " + std::to_string(isBefore));
    return 1;
}

int after(XPLMDrawingPhase phase, int isBefore, void*) {
    drawn.push_back("after " + std::to_string(phase) + " " + std::to_string(isBefore));
    return 1;
}

void drawWindow(XPLMWindowID, void*) { drawn.push_back("window"); }

class DrawCallbacks : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        drawn.clear();
    }
};

TEST_F(DrawCallbacks, TheWindowPhaseRunsItsCallbacksAroundTheWindows) {
    XPLMCreateWindow_t params = {};
    params.structSize = sizeof(params);
    params.left = 10;
    params.top = 100;
    params.right = 100;
    params.bottom = 10;
    params.visible = 1;
    params.drawWindowFunc = drawWindow;
    XPLMCreateWindowEx(&params);
    EXPECT_EQ(XPLMRegisterDrawCallback(after, xplm_Phase_Window, 0, nullptr), 1);
    EXPECT_EQ(XPLMRegisterDrawCallback(before, xplm_Phase_Window, 1, nullptr), 1);
    // Phases the simulator does not draw never come.
    XPLMRegisterDrawCallback(before, xplm_Phase_Panel, 1, nullptr);
    EXPECT_EQ(xpsim::drawCallbackCount(), 3);
    EXPECT_TRUE(xpsim::isDrawCallbackRegistered(before, xplm_Phase_Window, 1, nullptr));

    xpsim::runFrames(1);
    EXPECT_EQ(drawn, (std::vector<std::string>{"before 50 1", "window", "after 50 0"}));

    // Unregistering needs the same phase and order.
    EXPECT_EQ(XPLMUnregisterDrawCallback(before, xplm_Phase_Window, 0, nullptr), 0);
    EXPECT_EQ(XPLMUnregisterDrawCallback(before, xplm_Phase_Window, 1, nullptr), 1);
    EXPECT_FALSE(xpsim::isDrawCallbackRegistered(before, xplm_Phase_Window, 1, nullptr));
    drawn.clear();
    xpsim::runFrames(1);
    EXPECT_EQ(drawn, (std::vector<std::string>{"window", "after 50 0"}));
}

}  // namespace

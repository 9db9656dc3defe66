// Menus: X-Plane's Plugins menu, the menus plug-ins make in it or in the menu
// bar, and choosing an item by the names a user sees ("Plugins/Ovilux/Enable").
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

struct Menu;

struct MenuItem {
    std::string name;
    void* ref = nullptr;
    bool enabled = true;
    XPLMMenuCheck check = xplm_Menu_NoCheck;
    Menu* submenu = nullptr;
};

struct Menu {
    std::string name;  // shown only for a menu in the menu bar
    Menu* parent = nullptr;
    XPLMMenuHandler_f handler = nullptr;
    void* menuRef = nullptr;
    std::vector<MenuItem> items;
};

// The menu bar's menus in creation order; the Plugins menu (X-Plane's own)
// first. Submenus live here too, reached through their parent's item.
std::vector<std::unique_ptr<Menu>> menus;

Menu* pluginsMenu() {
    if (menus.empty() || menus.front()->name != "Plugins") {
        auto plugins = std::make_unique<Menu>();
        plugins->name = "Plugins";
        menus.insert(menus.begin(), std::move(plugins));
    }
    return menus.front().get();
}

Menu* find(XPLMMenuID id) {
    for (auto& m : menus)
        if (m.get() == id) return m.get();
    return nullptr;
}

bool validIndex(const Menu* m, int index) {
    return m && index >= 0 && index < static_cast<int>(m->items.size());
}

// The item's submenu no longer shows once the submenu is gone.
void detach(const Menu* gone) {
    for (auto& m : menus)
        for (MenuItem& item : m->items)
            if (item.submenu == gone) item.submenu = nullptr;
}

void destroy(Menu* m) {
    std::vector<Menu*> children;
    for (MenuItem& item : m->items)
        if (item.submenu) children.push_back(item.submenu);
    for (Menu* child : children)
        if (find(child)) destroy(child);
    detach(m);
    menus.erase(std::remove_if(menus.begin(), menus.end(),
                               [m](const std::unique_ptr<Menu>& p) { return p.get() == m; }),
                menus.end());
}

void collect(const Menu& m, const std::string& path, std::vector<MenuItemInfo>* out) {
    for (const MenuItem& item : m.items) {
        std::string itemPath = path + "/" + item.name;
        out->push_back({itemPath, item.enabled, item.check});
        if (item.submenu) collect(*item.submenu, itemPath, out);
    }
}

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash == std::string::npos ? slash : slash - start));
        if (slash == std::string::npos) return parts;
        start = slash + 1;
    }
}

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

}  // namespace

std::vector<MenuItemInfo> menuItems(const std::string& prefix) {
    pluginsMenu();
    std::vector<MenuItemInfo> all;
    for (auto& m : menus)
        if (!m->parent) collect(*m, m->name, &all);
    std::vector<MenuItemInfo> under;
    for (MenuItemInfo& item : all)
        if (item.path.compare(0, prefix.size() + 1, prefix + "/") == 0) under.push_back(item);
    return under;
}

bool chooseMenuItem(const std::string& path, std::string* error) {
    pluginsMenu();
    std::vector<std::string> parts = splitPath(path);
    Menu* menu = nullptr;
    for (auto& m : menus)
        if (!m->parent && m->name == parts[0]) menu = m.get();
    if (!menu || parts.size() < 2) return fail(error, "no menu item " + path);
    for (size_t i = 1; i < parts.size(); ++i) {
        auto item = std::find_if(menu->items.begin(), menu->items.end(),
                                 [&](const MenuItem& it) { return it.name == parts[i]; });
        if (item == menu->items.end()) return fail(error, "no menu item " + path);
        if (!item->enabled) return fail(error, "the menu item " + path + " is greyed");
        if (i + 1 < parts.size()) {
            if (!item->submenu) return fail(error, "no menu item " + path);
            menu = item->submenu;
            continue;
        }
        if (item->submenu) return fail(error, "the menu item " + path + " opens a submenu");
        if (menu->handler && detail::pluginCallbacksAllowed())
            menu->handler(menu->menuRef, item->ref);
        return true;
    }
    return true;
}

int menuCount() { return static_cast<int>(menus.size()) - 1; }

namespace detail {

void dropMenus() {
    menus.clear();
    pluginsMenu();
}

void resetMenus() { dropMenus(); }

}  // namespace detail
}  // namespace xpsim

XPLM_API XPLMMenuID XPLMFindPluginsMenu(void) { return xpsim::pluginsMenu(); }

XPLM_API XPLMMenuID XPLMCreateMenu(const char* inName, XPLMMenuID inParentMenu, int inParentItem,
                                   XPLMMenuHandler_f inHandler, void* inMenuRef) {
    using namespace xpsim;
    pluginsMenu();
    Menu* parent = nullptr;
    if (inParentMenu) {
        parent = find(inParentMenu);
        if (!validIndex(parent, inParentItem)) return nullptr;
    }
    auto m = std::make_unique<Menu>();
    m->name = inName ? inName : "";
    m->parent = parent;
    m->handler = inHandler;
    m->menuRef = inMenuRef;
    Menu* made = m.get();
    menus.push_back(std::move(m));
    if (parent) parent->items[inParentItem].submenu = made;
    return made;
}

XPLM_API void XPLMDestroyMenu(XPLMMenuID inMenuID) {
    xpsim::Menu* m = xpsim::find(inMenuID);
    // X-Plane's own Plugins menu is not the plug-in's to destroy.
    if (m && m != xpsim::pluginsMenu()) xpsim::destroy(m);
}

XPLM_API void XPLMClearAllMenuItems(XPLMMenuID inMenuID) {
    if (xpsim::Menu* m = xpsim::find(inMenuID)) m->items.clear();
}

XPLM_API int XPLMAppendMenuItem(XPLMMenuID inMenu, const char* inItemName, void* inItemRef,
                                int) {
    xpsim::Menu* m = xpsim::find(inMenu);
    if (!m) return -1;
    xpsim::MenuItem item;
    item.name = inItemName ? inItemName : "";
    item.ref = inItemRef;
    m->items.push_back(item);
    return static_cast<int>(m->items.size()) - 1;
}

XPLM_API void XPLMCheckMenuItem(XPLMMenuID inMenu, int index, XPLMMenuCheck inCheck) {
    xpsim::Menu* m = xpsim::find(inMenu);
    if (xpsim::validIndex(m, index)) m->items[index].check = inCheck;
}

XPLM_API void XPLMEnableMenuItem(XPLMMenuID inMenu, int index, int enabled) {
    xpsim::Menu* m = xpsim::find(inMenu);
    if (xpsim::validIndex(m, index)) m->items[index].enabled = enabled != 0;
}

XPLM_API void XPLMRemoveMenuItem(XPLMMenuID inMenu, int inIndex) {
    xpsim::Menu* m = xpsim::find(inMenu);
    if (xpsim::validIndex(m, inIndex)) m->items.erase(m->items.begin() + inIndex);
}

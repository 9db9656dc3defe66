// Verbs that use X-Plane's menus as a user does: list them, choose an item.
#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool menu(const Words& args, std::string* error) { return chooseMenuItem(args[0], error); }

bool menus(const Words& args, std::string*) {
    std::vector<MenuItemInfo> items = menuItems(args[0]);
    for (const MenuItemInfo& item : items)
        printLine("menu " + item.path + (item.enabled ? " enabled" : " disabled") +
                  (item.check == xplm_Menu_Checked ? " checked" : ""));
    printLine("menus " + args[0] + ": " + std::to_string(items.size()));
    return true;
}

}  // namespace

const Verb kMenuVerbs[] = {
    {"menu", 1, 1, "menu PATH", menu},
    {"menus", 1, 1, "menus PREFIX", menus},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner

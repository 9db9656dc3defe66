// Menus: the plug-ins menu, submenus and their items.
#pragma once

#include "XPLMDefs.h"

typedef void* XPLMMenuID;

typedef int XPLMMenuCheck;
enum {
    xplm_Menu_NoCheck = 0,
    xplm_Menu_Unchecked = 1,
    xplm_Menu_Checked = 2
};

// Called with the menu's reference and the chosen item's reference.
typedef void (*XPLMMenuHandler_f)(void* inMenuRef, void* inItemRef);

XPLM_API XPLMMenuID XPLMFindPluginsMenu(void);
// A null parent puts the menu in the menu bar under inName; otherwise it
// becomes the submenu of item inParentItem, which shows that item's own name.
XPLM_API XPLMMenuID XPLMCreateMenu(const char* inName, XPLMMenuID inParentMenu, int inParentItem,
                                   XPLMMenuHandler_f inHandler, void* inMenuRef);
XPLM_API void XPLMDestroyMenu(XPLMMenuID inMenuID);
XPLM_API void XPLMClearAllMenuItems(XPLMMenuID inMenuID);
// Returns the new item's index, or a negative number on failure.
XPLM_API int XPLMAppendMenuItem(XPLMMenuID inMenu, const char* inItemName, void* inItemRef,
                                int inDeprecatedAndIgnored);
XPLM_API void XPLMCheckMenuItem(XPLMMenuID inMenu, int index, XPLMMenuCheck inCheck);
XPLM_API void XPLMEnableMenuItem(XPLMMenuID inMenu, int index, int enabled);
// The items after it move up one index.
XPLM_API void XPLMRemoveMenuItem(XPLMMenuID inMenu, int inIndex);

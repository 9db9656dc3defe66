// The panel's construction, fonts and window flags, and its frame.
#include <imgui.h>

#include <cstdint>
#include <cstdio>

#include "libwinkit/font_file.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "positioning/commands/commands_handler.h"
#include "positioning/commands/commands_view_select.h"
#include "shell/host_info.h"
#include "shell/settings.h"

MiniControlPanelWidget::MiniControlPanelWidget(int left, int top, int right, int bottom,
                                               int decoration, bool)
    : QfnImWindow(left, top, right, bottom, decoration), docked(decoration == kMiniPanelDocked) {
    char title[128];
    snprintf(title, sizeof(title), "Ovilux %s Mini-Control Panel", getVersionString());
    SetWindowTitle(title);
    SetVisible(true);
}

void MiniControlPanelWidget::configureImguiContext() {
    const Settings* settings = getSettings();
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), settings->USE_SMALL_FONT ? 14.0f : 18.0f);
    windowFlags |= ImGuiWindowFlags_MenuBar;
    if (docked) {
        if (settings->ENABLE_TRANSPARENT_MINI_CONTROL_PANEL) {
            windowFlags |= ImGuiWindowFlags_NoBackground;
        }
    } else {
        windowFlags |= ImGuiWindowFlags_HorizontalScrollbar;
    }
}

void MiniControlPanelWidget::buildInterface() {
    MiniPanelCallbackScope scope(this);
    dragDockedHeight();
    populateMenuBar();
    populateCommandRow();
    populateFavoritesRow();
    populateCategoriesRow();
    populateCamerasRow();
}

void MiniControlPanelWidget::doCommand(int index) {
    oviluxCommandHandler(nullptr, xplm_CommandBegin,
                         reinterpret_cast<void*>(static_cast<intptr_t>(index)));
}

void MiniControlPanelWidget::selectViewID(int viewId) {
    viewSelectHandler(nullptr, xplm_CommandBegin,
                      reinterpret_cast<void*>(static_cast<intptr_t>(viewId)));
}

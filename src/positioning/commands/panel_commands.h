// What the plug-in's commands open, show or toggle among the panels. The
// panels register their side when the plug-in starts and remove it when it
// stops; until then these commands do nothing.
#pragma once

enum class PanelCommand {
    ToggleControlPanel,
    ToggleMiniControlPanel,
    OpenSettings,
    OpenSaveTarget,
    ToggleTargetInformation,
    ToggleTrafficDisplay,
};

// runner: the panels' side; null removes it.
void setPanelCommandRunner(void (*runner)(PanelCommand command));
void tellPanels(PanelCommand command);

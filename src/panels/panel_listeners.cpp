#include "panels/panel_listeners.h"

#include "cameras/set/control_panel_shown.h"
#include "panels/panels.h"
#include "panels/save_target_panel.h"
#include "panels/settings_panel.h"
#include "panels/target_info_panel.h"
#include "panels/traffic_display.h"
#include "panels/window_manager.h"
#include "positioning/commands/panel_commands.h"
#include "positioning/pipeline/engine_listeners.h"
#include "positioning/transitions/auto_advance.h"

namespace {
bool controlPanelShows() { return showNewControlPanel(kControlPanelQueryVisible); }

void hearEngine(EngineEvent event) {
    switch (event) {
        case EngineEvent::ControlOn:
        case EngineEvent::ControlOff:
            updateEnabledMenuItems();
            break;
        case EngineEvent::SessionEnding:
            showNewControlPanel(kControlPanelDestroy);
            showNewMiniControlPanel(kMiniPanelDestroy);
            break;
        case EngineEvent::CameraReleased:
            showTargetInfoPanel(true);
            break;
        case EngineEvent::FollowingTarget:
            enableDrawing();
            showTargetInfoPanel(false);
            break;
        case EngineEvent::NotFollowingTarget:
            diableDrawing();
            break;
        default:
            break;
    }
}

void runCommand(PanelCommand command) {
    switch (command) {
        case PanelCommand::ToggleControlPanel: toggleControlPanel(); break;
        case PanelCommand::ToggleMiniControlPanel: toggleMiniControlPanel(); break;
        case PanelCommand::OpenSettings: showNewSettingsPanel(true); break;
        case PanelCommand::OpenSaveTarget: showNewSaveTargetPanel(); break;
        case PanelCommand::ToggleTargetInformation: toggleTargetInformation(); break;
        case PanelCommand::ToggleTrafficDisplay: toggleTrafficDisplay(); break;
    }
}
}  // namespace

void connectPanels() {
    answerControlPanelVisable(controlPanelShows);
    addEngineListener(hearEngine);
    setPanelCommandRunner(runCommand);
}

void disconnectPanels() {
    setPanelCommandRunner(nullptr);
    removeEngineListener(hearEngine);
    answerControlPanelVisable(nullptr);
    holdAutoAdvance(false);
}

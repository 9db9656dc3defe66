#include "positioning/commands/commands_handler.h"

#include <cstdint>

#include "positioning/commands/commands_actions.h"
#include "positioning/commands/commands_table.h"
#include "positioning/commands/movement.h"
#include "positioning/commands/movement_pan.h"
#include "positioning/commands/panel_commands.h"
#include "positioning/input/mouse_buttons.h"
#include "positioning/input/mouse_move.h"
#include "positioning/transitions/transition_state.h"
#include "scene/view_reset.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "shell/plugin_state.h"

namespace {
bool isMouseMove(int index) { return index >= kCmdMouseMoveXY && index <= kCmdMouseMoveZoom; }

bool isPan(int index) { return index >= kCmdPanLeft && index <= kCmdPanLeftAndDown; }

int mouseMoveType(int index) {
    switch (index) {
        case kCmdMouseMoveXY: return 2;
        case kCmdMouseMoveXZ: return 1;
        case kCmdMouseMoveHeadingPitch: return 3;
        default: return 4;
    }
}

// The commands that work while camera control is off.
void switchCameraControl(int index) {
    switch (index) {
        case kCmdEnableOvilux:
            if (!isEnabled()) {
                enableOvilux();
            }
            break;
        case kCmdDisableOvilux:
            if (isEnabled()) {
                stopAnimationRequest();
                disableOvilux(0);
            }
            break;
        case kCmdToggleOvilux:
            if (isEnabled()) {
                stopAnimationRequest();
                disableOvilux(0);
            } else {
                enableOvilux();
            }
            break;
        case kCmdToggleTrafficDisplay:
            tellPanels(PanelCommand::ToggleTrafficDisplay);
            break;
        default:
            break;
    }
}
}  // namespace

int oviluxCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* reference) {
    int index = static_cast<int>(reinterpret_cast<intptr_t>(reference));
    if (index < 0 || index >= kNumberOfCommands) {
        return 1;
    }
    if (isMouseMove(index)) {
        // A release always ends the mode, even when a transition began or
        // camera control went off while the key was held.
        if (phase == xplm_CommandEnd) {
            mouseMove(0);
            return 1;
        }
        if (isEnabled() && !isCurrentlyAnimating()) {
            if (phase == xplm_CommandBegin) {
                mouseMove(mouseMoveType(index));
            }
            return 1;
        }
    }
    if (index == kCmdSimulateMiddleMouseButton && (isEnabled() || phase == xplm_CommandEnd)) {
        simulatedMiddleMouseButtonCommandHandler(commandRef, phase, reference);
        return 1;
    }
    if (isPan(index) && isEnabled() && !isCurrentlyAnimating() && !getWalkMode()) {
        stopAnimationRequest();
        viewPanHandler(commandRef, phase, index);
        return 1;
    }
    if (phase != xplm_CommandBegin) {
        return 1;
    }
    switchCameraControl(index);
    if (!isEnabled()) {
        return 1;
    }
    runCommandAction(index);
    setResetViewModes();
    return 1;
}

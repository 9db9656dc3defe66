// The options shown only with "Show Advanced Camera Options": advanced
// transitions, axis input, the external camera modes, offsets, zoom and
// field of view.
#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "cameras/set/camera.h"
#include "cameras/set/camera_editing.h"
#include "libwinkit/qfn_im_window.h"
#include "panels/control_panel/exclusive_modes.h"
#include "panels/control_panel/panel_fields.h"
#include "panels/control_panel/option_rows.h"
#include "positioning/input/joystick_axes.h"
#include "scene/fov.h"
#include "positioning/transitions/transition_state.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {

const ImVec4 kYellow(1.0f, 1.0f, 0.0f, 1.0f);
const float kFieldWidth = 90.0f;
const float kLargestValue = 30000.0f;

void hiddenRow(Camera* camera) {
    bool hidden = camera->hidden;
    if (checkboxCell("Hidden Camera", &hidden,
                     "Set this option to hide this camera in the Mini-Control Panel.") &&
        !hidden) {
        camera->hidden = false;
    }
    // Refused for the last visible camera of its category: the box springs back.
    if (hidden) {
        setHiddenCamera(camera);
    }
}

void advancedTransitionRow(Camera* camera) {
    static const char* const kKinds[] = {"None", "Linear", "Bezier"};
    int kind = camera->linearTransition ? 1 : camera->bezierTransition ? 2 : 0;
    ImGui::SetNextItemWidth(100.0f);
    if (ImGui::Combo("Advanced Transitions", &kind, kKinds, 3)) {
        camera->linearTransition = kind == 1;
        camera->bezierTransition = kind == 2;
    }
    ImGui::NextColumn();
}

// A transition lasts either a number of frames or a number of seconds.
void transitionLengthRows(Camera* camera) {
    ImGui::SetNextItemWidth(kFieldWidth);
    if (dragClampedInt("Transition Frames", &camera->linearTransitionFrames, 1.0f, 0, 30000)) {
        if (camera->linearTransitionFrames < 0) {
            camera->linearTransitionFrames = 0;
        }
        if (camera->linearTransitionFrames >= 1) {
            camera->transitionSeconds = 0;
        }
    }
    ImGui::NextColumn();
    ImGui::SetNextItemWidth(kFieldWidth);
    if (dragClamped("Transitions Seconds", &camera->transitionSeconds, 0.5f, 0.0f, kLargestValue,
                    "%.1f")) {
        if (camera->transitionSeconds < 0) {
            camera->transitionSeconds = 0;
        }
        if (camera->transitionSeconds > 0) {
            camera->linearTransitionFrames = 0;
        }
    }
    ImGui::NextColumn();
}

void delayRow(Camera* camera) {
    ImGui::SetNextItemWidth(kFieldWidth);
    dragClamped("Transition Delay", &camera->transitionDelay, 0.5f, 0.0f, kLargestValue, "%.1f");
    if (camera->transitionDelay < 0) {
        camera->transitionDelay = 0;
    }
    float remaining = getRemainingDelay();
    if (remaining > 0) {
        ImGui::SameLine();
        ImGui::TextColored(kYellow, "%.2f", remaining);
    }
    ImGui::NextColumn();
}

void axisInputRows(Camera* camera) {
    if (checkboxCell("Enable View Axis Input", &camera->enableViewAxis) &&
        camera->enableViewAxis) {
        findViewCameraAxisAssignments();
    }
    if (checkboxCell("Enable Camera Axis Input", &camera->enableCameraAxis) &&
        camera->enableCameraAxis) {
        findViewCameraAxisAssignments();
    }
}

void scenicFlyerRow(Camera* camera) {
    static const char* const kPanels[] = {"None", "GA Panel", "Glass Panel"};
    int panel = camera->scenicFlyerGA ? 1 : camera->scenicFlyerGlass ? 2 : 0;
    ImGui::SetNextItemWidth(120.0f);
    if (ImGui::Combo("Scenic Flyer", &panel, kPanels, 3)) {
        camera->scenicFlyerGA = panel == 1;
        camera->scenicFlyerGlass = panel == 2;
    }
    ImGui::NextColumn();
}

void externalModeRows(Camera* camera, bool airport) {
    if (!airport) {
        if (checkboxCell("Enable External Camera", &camera->external)) {
            externalChanged(camera, camera->external);
        }
        checkboxCell("Enable Level Camera", &camera->levelCamera);
    }
    if (checkboxCell("Enable Track Camera Heading", &camera->trackHeading)) {
        trackHeadingChanged(camera, camera->trackHeading);
    }
    if (checkboxCell("Enable Track Camera Pitch", &camera->trackPitch)) {
        trackPitchChanged(camera, camera->trackPitch);
    }
    if (!airport &&
        checkboxCell("Enable Cineflex Camera", &camera->cineflex,
                     "A Cineflex camera maintains a constant pitch, heading, and roll regardless "
                     "of the aircraft's orientation.") &&
        camera->cineflex) {
        cineflexTicked(camera);
    }
    scenicFlyerRow(camera);
    if (airport) {
        return;
    }
    if (checkboxCell("X-Plane 9 Chase View", &camera->xp9ChaseView) && camera->xp9ChaseView) {
        chaseViewTicked(camera);
    }
    if (checkboxCell("Circle View", &camera->circleView,
                     "Use a right mouse click with no drag to enter continous mouse circle mode. "
                     "Right click again to exit.\n\nUse a right mouse click and drag to circle "
                     "while dragging with the right mouse button down.\n\nNote: The amount of "
                     "rotation and vertical distance per mouse movement is determined by the pan "
                     "and movement speed setting. By default the circle view is set to a Very "
                     "Large increment.") &&
        camera->circleView) {
        circleViewTicked(camera);
    }
    if (checkboxCell("Target Following Camera", &camera->targetFollowing) &&
        camera->targetFollowing) {
        targetFollowingTicked(camera);
    }
    if (checkboxCell("Free Camera", &camera->freeCamera)) {
        freeCameraChanged(camera, camera->freeCamera);
    }
}

void aglRows(Camera* camera) {
    if (checkboxCell("AGL Camera", &camera->aglCamera,
                     "An AGL Camera will hug the ground at the height specified.") &&
        camera->aglCamera) {
        aglCameraTicked(camera);
    }
    if (!camera->aglCamera) {
        camera->heightAboveAgl = 0;
        emptyCell();
        return;
    }
    ImGui::SetNextItemWidth(kFieldWidth);
    dragClamped("AGL Height (Meters)", &camera->heightAboveAgl, 0.1f, 0.0f, kLargestValue, "%.1f");
    if (camera->heightAboveAgl < 0) {
        camera->heightAboveAgl = 0;
    }
    ImGui::NextColumn();
}

void cgOffsetRows(Camera* camera) {
    const char* const labels[3] = {"CG X Offset", "CG Y Offset", "CG Z Offset"};
    float* offsets[3] = {&camera->cgX, &camera->cgY, &camera->cgZ};
    for (int i = 0; i < 3; ++i) {
        ImGui::SetNextItemWidth(kFieldWidth);
        dragInRange(labels[i], offsets[i], 0.1f, ValueKind::Offset, "%.1f");
        ImGui::NextColumn();
    }
}

// The wheel zooms without end: the camera keeps a zoom its file's reader
// takes back, at least 1 as the reader makes it.
float storableZoom(float zoom) {
    float largest = static_cast<float>(valueRange(ValueKind::Zoom).max);
    if (!std::isfinite(zoom) || zoom < 1.0f) {
        return 1.0f;
    }
    return std::min(zoom, largest);
}

// Zoom the view with the wheel, then tick to keep that zoom for the camera.
void zoomRow(Camera* camera) {
    XPLMCameraPosition_t xplane{};
    XPLMReadCameraPosition(&xplane);
    bool zoomed = camera->zoom > 1.0f;
    char label[64];
    if (zoomed) {
        snprintf(label, sizeof(label), "Initial Zoom set to: %.2f###InitialZoom", camera->zoom);
    } else {
        snprintf(label, sizeof(label), "Set initial Zoom to: %.2f###InitialZoom", xplane.zoom);
    }
    if (checkboxCell(label, &zoomed,
                     "Zoom the view with the mouse scroll wheel and then set this check box to "
                     "have the camera set to that zoom factor when it is selected. Uncheck to "
                     "have the zoom for this camera set to the default.\n\nNote: if you are "
                     "using the Disable Zoom camera option you will need to shut that off "
                     "temporarily so you can zoom the camera. Once you have set the initial zoom "
                     "you can turn the Disable Zoom option back on if you wish.")) {
        camera->zoom = zoomed ? storableZoom(xplane.zoom) : 1.0f;
    }
}

void cameraOriginRow(Camera* camera) {
    if (!camera->external || camera->freeCamera) {
        emptyCell();
        return;
    }
    static const char* const kOrigins[] = {"Aircraft", "Carrier", "Frigate"};
    ImGui::SetNextItemWidth(120.0f);
    if (ImGui::Combo("Camera Origin", &camera->cameraOrigin, kOrigins, 3)) {
        cameraOriginChanged(camera);
    }
    ImGui::SameLine();
    QfnImWindow::HelpMarker(
        "Normally the camera's origin is the aircraft's center of gravity but you can set it "
        "here to either the Aircraft Carrier or the Frigate.\n\nNote: If you are not near water "
        "the Aircraft Carrier and Frigate positions may well be very far away from your "
        "position and the surrounding scenery will not render properly.");
    ImGui::NextColumn();
}

void fovRows(Camera* camera) {
    if (!getSettings()->ENABLE_FORCE_FOV) {
        return;
    }
    if (checkboxCell("Force FOV", &camera->enableFov) && camera->enableFov) {
        camera->fov = getDefaultFOV();
    }
    if (camera->enableFov) {
        ImGui::SetNextItemWidth(kFieldWidth);
        dragClamped("FOV Degrees", &camera->fov, 0.1f, 15.0f, 170.0f, "%.1f");
        ImGui::NextColumn();
    }
}

}  // namespace

void advancedOptionRows(Camera* camera, bool airport) {
    hiddenRow(camera);
    if (!airport) {
        if (camera->external) {
            emptyCell();
        } else {
            checkboxCell("Enable Cinema Verite", &camera->cinemaVerite);
        }
    }
    advancedTransitionRow(camera);
    checkboxCell("Enable Smooth Camera Joins", &camera->smoothCameraJoins);
    transitionLengthRows(camera);
    delayRow(camera);
    checkboxCell("Enable Auto Advance to Next Camera", &camera->autoAdvance);
    axisInputRows(camera);
    externalModeRows(camera, airport);
    aglRows(camera);
    cgOffsetRows(camera);
    zoomRow(camera);
    cameraOriginRow(camera);
    fovRows(camera);
}

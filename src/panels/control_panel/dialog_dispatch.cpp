#include <imgui.h>

#include "panels/control_panel/control_panel.h"

namespace {

const char* dialogTitle(int dialog) {
    switch (dialog) {
        case kDialogPasteCameraSet: return "Confirm Paste Camera Set";
        case kDialogShareCommunityFile: return "Share Community File";
        case kDialogBrowseCommunityFiles: return "Browse Community Files";
        case kDialogCreateOrbit: return "Create Orbit";
        case kDialogCreateFlyBy: return "Create FlyBy";
        case kDialogCreateAirportCameras: return "Create Airport Cameras";
        case kDialogNewCameraSet: return "Confirm Create New Camera Set";
        case kDialogViewIDs: return "Display View ID Assignments";
        case kDialogImportCameraFile:
        case kDialogImportFromBackup: return "Import Camera File";
        default: return nullptr;
    }
}

}  // namespace

void ControlPanelWidget::processModelDialog() {
    if (const char* title = dialogTitle(dialogRequest)) {
        if (dialogRequest != kDialogPasteCameraSet) {
            communityErrorText[0] = 0;
        }
        if (dialogRequest == kDialogImportCameraFile || dialogRequest == kDialogImportFromBackup) {
            importMode = dialogRequest;
            importPath[0] = 0;
            // An error about the last path would stand above an empty field.
            importError.clear();
        }
        ImGui::OpenPopup(title);
    }
    processShareCommunityFile(communityErrorText);
    processBrowseCommunityFiles(communityErrorText);
    processCreateOrbit();
    processCreateFlyBy();
    processCreateAirportCameras();
    processConfirmNewAircraftSet();
    processDisplayViewIDs();
    processImportCameraFile();
    dialogRequest = kDialogNone;
}

// The panel's menu bar: File, Edit, Airport File and the "Solid Background" box.
#include <imgui.h>

#include <cctype>
#include <cstdio>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "community/data_cache.h"
#include "libwinkit/message_box.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/copy_buffers.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/movement.h"
#include "positioning/pipeline/airport_toggle.h"

namespace {

const float kAirportCameraHeight = 200.0f;

// The reader ends an airport code at its first '-' or '.': only letters,
// digits and '_' make a file name that reads back as the same code.
bool isFileNameCode(const char* id) {
    if (id[0] == '\0') return false;
    for (const char* c = id; *c != '\0'; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c)) && *c != '_') return false;
    }
    return true;
}

void airportLabel(const DataCache::AirportLocation& airport, char* label, size_t size) {
    snprintf(label, size, "%.*s (%.1f NM) %.*s", static_cast<int>(sizeof(airport.id)),
             airport.id, airport.distance, static_cast<int>(sizeof(airport.name)),
             airport.name);
}

// The new file is the active one only when it was read as an airport file;
// anything else leaves the aircraft's set untouched.
void createAirportFile(const DataCache::AirportLocation& airport) {
    GlobalCameraFileNameEntry* entry = addGlobalCameraFile(airport.id);
    if (entry == nullptr) return;
    readCameras(entry);
    if (getCurrentActiveCameraFile() != entry || entry->fileType != 1) return;
    if (Camera* camera = getCurrentCamera()) {
        camera->latitude = airport.lat;
        camera->longitude = airport.lon;
        camera->elevation = airport.height + kAirportCameraHeight;
        refreshFreeCamera(camera);
    }
    saveCameras(false, false);
    DataCache::findCloseAirports(true);
}

}  // namespace

bool ControlPanelWidget::saveBeforeSwitch() {
    if (saveCameras(false, false)) {
        return true;
    }
    msgBox("ERROR",
           "The camera file could not be saved, so the camera set was not switched. Check that "
           "its folder can be written to.");
    return false;
}

void ControlPanelWidget::saveAllCameras(bool announce, bool backup) {
    saveFailed = saveCameras(announce, backup) == 0;
    saveCompletedFrames = saveFailed ? 0 : 1;
}

void ControlPanelWidget::populateAirportFileMenu() {
    if (!ImGui::BeginMenu("Airport File")) return;
    bool airportFile = isAirportCameraFile();
    std::vector<DataCache::AirportLocation>& airports = DataCache::findCloseAirports(false);
    bool anyWithout = false, anyWith = false;
    for (const DataCache::AirportLocation& airport : airports) {
        (airport.hasCameraFile ? anyWith : anyWithout) = true;
    }
    // A choice reads another file, which may rescan the list: its entry is
    // copied and acted on after the loop.
    DataCache::AirportLocation chosen{};
    int action = 0;  // 1 create, 2 open
    if (anyWithout && ImGui::BeginMenu("Create Airport File")) {
        for (size_t i = 0; i < airports.size(); ++i) {
            if (airports[i].hasCameraFile) continue;
            char label[400];
            airportLabel(airports[i], label, sizeof(label));
            ImGui::PushID(static_cast<int>(i));
            if (ImGui::MenuItem(label, nullptr, false, isFileNameCode(airports[i].id))) {
                chosen = airports[i];
                action = 1;
            }
            ImGui::PopID();
        }
        ImGui::EndMenu();
    }
    if (anyWith && ImGui::BeginMenu("Open Airport File")) {
        for (size_t i = 0; i < airports.size(); ++i) {
            if (!airports[i].hasCameraFile) continue;
            char label[400];
            airportLabel(airports[i], label, sizeof(label));
            ImGui::PushID(static_cast<int>(i));
            if (ImGui::MenuItem(label)) {
                chosen = airports[i];
                action = 2;
            }
            ImGui::PopID();
        }
        ImGui::EndMenu();
    }
    if (ImGui::MenuItem("Create Airport Cameras", nullptr, false, airportFile)) {
        dialogRequest = kDialogCreateAirportCameras;
    }
    if (ImGui::MenuItem("Close Airport Camera File", nullptr, false, airportFile)) {
        stopAnimationRequest();
        if (saveBeforeSwitch()) toggleAirportCameras();
    }
    ImGui::EndMenu();
    if (action != 0) {
        chosen.id[sizeof(chosen.id) - 1] = '\0';
        stopAnimationRequest();
        if (saveBeforeSwitch()) {
            if (action == 1) {
                createAirportFile(chosen);
            } else {
                readCameras(addGlobalCameraFile(chosen.id));
            }
        }
    }
}

void ControlPanelWidget::populateMenuBar() {
    if (!ImGui::BeginMenuBar()) return;
    bool airportFile = isAirportCameraFile();
    if (ImGui::BeginMenu("File")) {
        if (!airportFile && ImGui::MenuItem("New Aircraft Camera File")) {
            stopAnimationRequest();
            dialogRequest = kDialogNewCameraSet;
        }
        if (ImGui::MenuItem("Save All")) {
            stopAnimationRequest();
            saveAllCameras(true, false);
        }
        if (ImGui::MenuItem("Restore")) {
            stopAnimationRequest();
            if (GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile()) {
                readCameras(active);
            }
        }
        if (ImGui::MenuItem("Display View ID Assignments")) {
            stopAnimationRequest();
            dialogRequest = kDialogViewIDs;
        }
        if (!airportFile) {
            if (ImGui::MenuItem("Share Camera File with Community")) {
                stopAnimationRequest();
                dialogRequest = kDialogShareCommunityFile;
            }
            if (ImGui::MenuItem("Browse Community Aircraft Files")) {
                stopAnimationRequest();
                dialogRequest = kDialogBrowseCommunityFiles;
            }
            if (ImGui::MenuItem("Import Camera File")) {
                stopAnimationRequest();
                dialogRequest = kDialogImportCameraFile;
                importMode = kDialogImportCameraFile;
            }
            if (ImGui::MenuItem("Import Camera File from Backup")) {
                stopAnimationRequest();
                dialogRequest = kDialogImportFromBackup;
                importMode = kDialogImportFromBackup;
            }
        } else if (ImGui::MenuItem("Load Aircraft File")) {
            stopAnimationRequest();
            if (saveBeforeSwitch()) toggleAirportCameras();
        }
        if (ImGui::MenuItem("Close Window")) {
            closeRequested = true;
        }
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Edit")) {
        if (ImGui::MenuItem("Copy Camera Set")) {
            fillCategoryCache(copiedCameraSet());
        }
        ImGui::Separator();
        if (ImGui::MenuItem("Paste Camera Set", nullptr, false, isCameraSetCopied())) {
            dialogRequest = kDialogPasteCameraSet;
        }
        ImGui::EndMenu();
    }
    populateAirportFileMenu();
    ImGui::SetCursorPosX(ImGui::GetWindowWidth() - 180);
    ImGui::Checkbox("Solid Background", &getSettings()->ENABLE_SOLID_CONTROL_PANEL);
    HelpMarker(
        "The control panel needs to be in solid background mode in order to pop it out to an OS "
        "level window. If the window is popped out unchecking this will pop it back in as a "
        "translucent control panel.");
    ImGui::EndMenuBar();
}

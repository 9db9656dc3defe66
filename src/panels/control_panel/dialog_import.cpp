#include <imgui.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "libwinkit/file_dialog.h"
#include "panels/control_panel/camera_set_import.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"
#include "shell/host_info.h"
#include "shell/plugin_path.h"
#include "shell/regular_file.h"

namespace {

const char* const kFileNameHint =
    "Camera file names start with Ovilux_ followed by the aircraft name and then ending with a "
    ".csv extension";
const char* const kAutoCorrectHint =
    "This attempts to adjust the position of any imported cameras that are within 5 meters of "
    "the original pilot view camera so they are relative to the size of plane.";
const char* const kPathTooLong = "The file path is too long";
const char* const kNotRead = "The file could not be read; the camera set is unchanged";

}  // namespace

bool ControlPanelWidget::checkImportFile(const char* path) {
    // The field holds 511 characters: a full field may be a longer path cut.
    if (strlen(path) >= sizeof(importPath) - 1) {
        importError = kPathTooLong;
        return false;
    }
    // Never a named pipe: opening one would wait for a writer on the main thread.
    FILE* file = openRegularFileStream(path);
    if (file == nullptr) {
        importError = "File does not exist";
        return false;
    }
    char line[2001] = {};
    bool header = fgets(line, sizeof(line), file) != nullptr &&
                  strstr(line, "Category Name") != nullptr;
    fclose(file);
    importError = header ? "" : "Does not appear to be a valid Ovilux file";
    return header;
}

bool ControlPanelWidget::processFilePicker(bool open) {
    if (fileDialog != nullptr) {
        if (!fileDialog->GetVisible() || fileDialog->cancelled || fileDialog->openPressed) {
            if (fileDialog->openPressed && !fileDialog->cancelled) {
                std::string chosen = fileDialog->getFixedSelectedFile();
                if (chosen.size() >= sizeof(importPath)) {
                    importPath[0] = 0;
                    importError = kPathTooLong;
                } else {
                    snprintf(importPath, sizeof(importPath), "%s", chosen.c_str());
                    checkImportFile(importPath);
                }
            }
            FileDialog::removeInstance(fileDialog);
            fileDialog = nullptr;
        }
        return true;
    }
    if (open) {
        importError.clear();
        std::string root;
        if (importMode == kDialogImportFromBackup) {
            root = getPluginPathString() + "AircraftCameraBackups/";
        } else {
            root = getSystemPathStr() + "Aircraft/";
        }
        fileDialog = FileDialog::getInstance();
        fileDialog->show(root, "Ovilux_");
    }
    return false;
}

void ControlPanelWidget::importCameraFile() {
    // Checked again: the file may have gone or been replaced since it was typed.
    if (!checkImportFile(importPath)) {
        return;
    }
    GlobalCameraFileNameEntry entry;
    copyText(entry.path, sizeof(entry.path), importPath);
    if (!importCameraSet(entry, autoCorrectImport)) {
        importError = kNotRead;
        return;
    }
    ImGui::CloseCurrentPopup();
}

void ControlPanelWidget::processImportCameraFile() {
    if (!ImGui::BeginPopupModal("Import Camera File", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    if (processFilePicker(false)) {
        ImGui::TextColored(kDialogYellow, "Waiting for File Selection....");
        ImGui::EndPopup();
        return;
    }
    if (!importError.empty()) {
        ImGui::TextColored(kDialogRed, "%s", importError.c_str());
    } else {
        ImGui::TextUnformatted("");
    }
    if (ImGui::Button("Finder", ImVec2(kDialogButtonWidth, 0))) {
        importPath[0] = 0;
        processFilePicker(true);
    }
    ImGui::SameLine();
    ImGui::PushItemWidth(500);
    if (ImGui::InputText("File Path", importPath, sizeof(importPath))) {
        checkImportFile(importPath);
    }
    ImGui::PopItemWidth();
    ImGui::SameLine();
    HelpMarker(kFileNameHint);
    ImGui::TextUnformatted("");
    if (ImGui::Button("Cancel")) {
        ImGui::CloseCurrentPopup();
    }
    if (importPath[0] != 0 && importError.empty()) {
        ImGui::SameLine();
        if (ImGui::Button("Import Camera File##ImportCameraFile")) {
            importCameraFile();
        }
        ImGui::SameLine();
        ImGui::Checkbox("Try to Auto-Correct Cockpit", &autoCorrectImport);
        ImGui::SameLine();
        HelpMarker(kAutoCorrectHint);
    }
    ImGui::EndPopup();
}

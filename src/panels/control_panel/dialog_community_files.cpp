// The control panel's two community dialogs: sharing the aircraft's camera
// file with the community, and browsing the local community library to import
// one of its files. The paste confirmation is drawn here as well.
#include <imgui.h>
#include <strings.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "community/data_cache.h"
#include "community/share_camera_file.h"
#include "community/share_record.h"
#include "community/updater_widget.h"
#include "panels/control_panel/camera_set_import.h"
#include "panels/control_panel/community_dialogs.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/panel_fields.h"

namespace {

const char* const kSharePrompt =
    "You are about to share your camera file with the Ovilux community.\n\n%d camera file(s) "
    "for the aircraft type %s have been submitted so far\n\nBy pressing OK you agree that your "
    "uploads are being submitted to the community \nfree of charge and that the author name "
    "specified in the control panel will be \nvisible in the shared file. The author field does "
    "not need to be your real name, \na pseudonym is perfectly acceptable and may be preferable. "
    "We recommend that \nyou use a date for the version.\n\nPress Ok to share your camera file, "
    "press Cancel to return.";
const char* const kMissingFields = "You must fill in an Author and Version.";
const char* const kSameVersion =
    "The community version is the same as your current version.\n\nIf you have made changes "
    "and want to submit an updated file you\nmust have a different version number.";
const char* const kFilterHint =
    "Enter your search text here. It will find any files with a partial match in the Aircraft "
    "name or Author fields";
const char* const kAutoCorrectHint =
    "This attempts to adjust the position of any imported cameras that are within 5 meters of "
    "the original pilot view camera so they are relative to the size of plane.";
const char* const kNotRead = "The file could not be read; the camera set is unchanged";
const char* const kSharing =
    "Sharing your camera file with the community server, please wait...";

struct ShareDialog {
    // Until the prompt is composed for the aircraft loaded, once the
    // community cache is idle.
    bool justOpened = true;
    std::string promptText;
    // A share this dialog started runs; the dialog closes when it ends.
    bool sharing = false;
};

struct BrowseDialog {
    bool justOpened = true;
    std::vector<GlobalCameraFileNameEntry> filteredList;
    GlobalCameraFileNameEntry emptyEntry;
    char filter[101] = {};
    int current_Selection = 0;
    int total = 0;
    bool autoCorrect = false;
    std::string error;
    // The cache's read the list was filtered from: a later read replaced the
    // entries it holds copies of.
    int filteredRead = -1;
};

ShareDialog share;
BrowseDialog browse;

std::string formatted(const char* format, int number, const char* text) {
    char buffer[3000];
    snprintf(buffer, sizeof(buffer), format, number, text);
    return buffer;
}

void labelled(const char* label, const char* value) {
    ImGui::TextUnformatted(label);
    ImGui::SameLine(170);
    ImGui::TextUnformatted(value);
}

// Puts the selection back into 1..count, or 0 when nothing is listed.
void resetSelection() {
    int count = static_cast<int>(browse.filteredList.size());
    if (count == 0) {
        browse.current_Selection = 0;
    } else if (browse.current_Selection > count || browse.current_Selection < 1) {
        browse.current_Selection = 1;
    }
}

}  // namespace

void resetCommunityDialogs() {
    share = ShareDialog();
    browse.justOpened = true;
    browse.filteredList.clear();
    browse.filter[0] = 0;
    browse.current_Selection = 0;
    browse.total = 0;
    browse.autoCorrect = false;
    browse.error.clear();
    browse.filteredRead = -1;
}

int ControlPanelWidget::filterCommunityList(std::vector<GlobalCameraFileNameEntry>& list,
                                            const char* filter) {
    list.clear();
    std::vector<GlobalCameraFileNameEntry>& all = DataCache::getCommunityFileList();
    for (const GlobalCameraFileNameEntry& entry : all) {
        if (filter[0] == 0 || strstr(entry.properties.searchKey, filter) != nullptr) {
            list.push_back(entry);
        }
    }
    return static_cast<int>(all.size());
}

void ControlPanelWidget::processShareCommunityFile(char* errorText) {
    processConfirmPasteCameraSet();
    // Each opening starts afresh: what an earlier one composed may be about
    // another aircraft, and a panel destroyed with the dialog open (camera
    // control off, a new aircraft, a disable) leaves it behind.
    if (dialogRequest == kDialogShareCommunityFile) {
        share = ShareDialog();
    }
    if (!ImGui::BeginPopupModal("Share Community File", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    if (isSharingCameraFile()) {
        share.sharing = true;
        ImGui::TextUnformatted(kSharing);
        ImGui::Separator();
        if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
            cancelSharingCameraFile();
            share.sharing = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
        return;
    }
    if (share.sharing) {
        // The share ended; its box tells how.
        share.sharing = false;
        ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
        return;
    }
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    if (share.justOpened) {
        int read = 0, total = 0;
        if (DataCache::isCommunityFileCacheBusy(&read, &total)) {
            share.promptText = "                       Reading community file " +
                               std::to_string(read) + " of " + std::to_string(total) +
                               " ,please wait";
        } else {
            std::string aircraft = getAircraftName();
            share.promptText = formatted(kSharePrompt,
                                         countCommunityCameraTypes(aircraft.c_str()),
                                         aircraft.c_str());
            share.justOpened = false;
        }
    }
    ImGui::TextUnformatted(share.promptText.c_str());
    ImGui::Separator();
    // The message's lines are kept while there is none: the popup keeps the
    // size it was opened with, and its buttons stay in view.
    ImGui::TextColored(kDialogRed, "%s", errorText[0] != 0 ? errorText : "\n\n\n");
    ImGui::Separator();
    if (active == nullptr) {
        if (ImGui::Button("Cancel")) {
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
        return;
    }
    CameraFileProperty& properties = active->properties;
    ImGui::PushItemWidth(300);
    ImGui::InputText("Author", properties.author, sizeof(properties.author));
    ImGui::InputText("Version", properties.fileVersion, sizeof(properties.fileVersion));
    ImGui::PopItemWidth();
    ImGui::SameLine();
    if (ImGui::Button("Now", ImVec2(70, 0))) {
        copyText(properties.fileVersion, sizeof(properties.fileVersion), getDateTime().c_str());
    }
    if (ImGui::Button("Ok", ImVec2(kDialogButtonWidth, 0))) {
        errorText[0] = 0;
        if (properties.author[0] == 0 || properties.fileVersion[0] == 0) {
            snprintf(errorText, 2000, "%s", kMissingFields);
        } else {
            SharedCameraInfo* shared = getSharedCameraInfo();
            if (shared->valid && strcasecmp(shared->version, properties.fileVersion) == 0) {
                snprintf(errorText, 2000, "%s", kSameVersion);
            }
        }
        if (errorText[0] == 0) {
            shareCameraFile();
            // The dialog says it is sharing until the share ends.
            share.sharing = isSharingCameraFile();
            if (!share.sharing) {
                ImGui::CloseCurrentPopup();
            }
        }
    }
    ImGui::SetItemDefaultFocus();
    ImGui::SameLine();
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::EndPopup();
}

void ControlPanelWidget::processBrowseCommunityFiles(char*) {
    // Each opening filters afresh with the kept filter and selection; a panel
    // destroyed with the dialog open leaves what it showed, a failed import's
    // error among it.
    if (dialogRequest == kDialogBrowseCommunityFiles) {
        browse.justOpened = true;
    }
    if (!ImGui::BeginPopupModal("Browse Community Files", nullptr,
                                ImGuiWindowFlags_AlwaysAutoResize)) {
        return;
    }
    int read = 0, cached = 0;
    bool busy = DataCache::isCommunityFileCacheBusy(&read, &cached);
    if (!busy && (browse.justOpened || browse.filteredRead != DataCache::communityReadsDone())) {
        browse.emptyEntry = GlobalCameraFileNameEntry();
        browse.total = filterCommunityList(browse.filteredList, browse.filter);
        browse.filteredRead = DataCache::communityReadsDone();
        resetSelection();
        browse.error.clear();
        browse.justOpened = false;
    }
    int count = static_cast<int>(browse.filteredList.size());
    bool importable = false;
    if (busy) {
        ImGui::Text("             Analyzing file %d of %d, please wait...                   ",
                    read, cached);
    } else {
        if (ImGui::Button("Check for Updates")) {
            UpdaterWidget::create();
        }
        ImGui::SameLine();
        ImGui::Text("%d  Files filtered from a total of %d file(s)", count, browse.total);

        ImGui::PushButtonRepeat(true);
        if (ImGui::ArrowButton("##LeftFileArrow", ImGuiDir_Left) && browse.current_Selection > 1) {
            --browse.current_Selection;
        }
        ImGui::SameLine();
        ImGui::PushItemWidth(500);
        const char* format = browse.current_Selection > 0 ? "File: %d Selected" : "No Selection";
        if (ImGui::DragInt("##FileSection", &browse.current_Selection, 1.0f, 0, count, format)) {
            browse.current_Selection = browse.current_Selection < 0 ? 0 : browse.current_Selection;
            browse.current_Selection =
                browse.current_Selection > count ? count : browse.current_Selection;
        }
        ImGui::PopItemWidth();
        ImGui::SameLine();
        if (ImGui::ArrowButton("##RightFileArrow", ImGuiDir_Right) &&
            browse.current_Selection < count) {
            ++browse.current_Selection;
        }
        ImGui::PopButtonRepeat();

        ImGui::PushItemWidth(300);
        if (ImGui::InputText("Filter##CommunityFileFilter", browse.filter, sizeof(browse.filter),
                             ImGuiInputTextFlags_CharsUppercase)) {
            browse.total = filterCommunityList(browse.filteredList, browse.filter);
            count = static_cast<int>(browse.filteredList.size());
            browse.current_Selection = count > 0 ? 1 : 0;
        }
        ImGui::PopItemWidth();
        ImGui::SameLine();
        QfnImWindow::HelpMarker(kFilterHint);

        const GlobalCameraFileNameEntry& selected =
            browse.current_Selection > 0 && browse.current_Selection <= count
                ? browse.filteredList[browse.current_Selection - 1]
                : browse.emptyEntry;
        const CameraFileProperty& properties = selected.properties;
        char number[64];
        labelled("File Name:", selected.fileName);
        labelled("Aircraft:", properties.aircraft);
        labelled("Author:", properties.author);
        labelled("Version:", properties.fileVersion);
        snprintf(number, sizeof(number), "%d", properties.numberOfCameras);
        labelled("Cameras:", number);
        snprintf(number, sizeof(number), "%d", properties.numberOfCategories);
        labelled("Categories:", number);
        labelled("Created With:", ("Ovilux " + std::string(properties.oviluxVersion)).c_str());
        snprintf(number, sizeof(number), "%.2f", properties.defaultFov);
        labelled("Default FOV:", number);
        ImGui::TextColored(kDialogRed, "%s", browse.error.c_str());
        importable = browse.current_Selection > 0 && browse.current_Selection <= count;
    }
    if (ImGui::Button("Cancel", ImVec2(kDialogButtonWidth, 0))) {
        ImGui::CloseCurrentPopup();
    }
    ImGui::SetItemDefaultFocus();
    if (importable) {
        ImGui::SameLine();
        if (ImGui::Button("Import File", ImVec2(kDialogButtonWidth, 0))) {
            if (importCameraSet(browse.filteredList[browse.current_Selection - 1],
                                browse.autoCorrect)) {
                ImGui::CloseCurrentPopup();
            } else {
                browse.error = kNotRead;
            }
        }
        ImGui::SameLine();
        ImGui::Checkbox("Try to Auto-Correct Cockpit", &browse.autoCorrect);
        ImGui::SameLine();
        QfnImWindow::HelpMarker(kAutoCorrectHint);
    }
    ImGui::EndPopup();
}

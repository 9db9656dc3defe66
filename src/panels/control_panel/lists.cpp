// The category and camera lists, their context menus, the copy buffers'
// menu items, the view-ID combo and reordering by drag.
#include <imgui.h>

#include <cstdio>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_order.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/category_names.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/copy_buffers.h"
#include "panels/control_panel/item_names.h"
#include "panels/control_panel/panel_fields.h"
#include "positioning/commands/commands.h"
#include "positioning/commands/movement.h"

namespace {

const float kListWidth = 435.0f;
const float kItemWidth = 420.0f;
const int kAircraftViewIds = 50;
const int kAirportViewIds = 65;

// Set when a menu item reshaped the set: the lists stop drawing records that
// may have moved and show them again next frame.
bool setChanged = false;

void changed() { setChanged = true; }

// A selectable whose label is user text: the name is drawn as plain text over
// an unlabelled item, so no '#' or '%' of a name is read as anything else.
bool nameSelectable(const char* idPrefix, int uniqueId, const char* name, bool selected) {
    char id[32];
    snprintf(id, sizeof(id), "##%s_%d", idPrefix, uniqueId);
    bool clicked = ImGui::Selectable(id, selected, 0, ImVec2(kItemWidth, 0));
    ImGui::GetWindowDrawList()->AddText(ImGui::GetItemRectMin(),
                                        ImGui::GetColorU32(ImGuiCol_Text), name);
    return clicked;
}

// The vertical drag of a held item that left it: -1 up, 1 down, 0 none.
int dragDirection() {
    if (!ImGui::IsItemActive() || ImGui::IsItemHovered()) {
        return 0;
    }
    float dy = ImGui::GetMouseDragDelta(ImGuiMouseButton_Left).y;
    if (dy == 0.0f) {
        return 0;
    }
    return dy < 0 ? -1 : 1;
}

int highestViewId() { return isAirportCameraFile() ? kAirportViewIds : kAircraftViewIds; }

void viewIdLabel(int id, int holders, char* label, size_t size) {
    if (id == 0) {
        snprintf(label, size, "None");
    } else if (holders == 0) {
        snprintf(label, size, "%d", id);
    } else if (holders == 1) {
        snprintf(label, size, "%d Used", id);
    } else {
        snprintf(label, size, "%d Used [%d]", id, holders);
    }
}

// Holders of every ID in one pass over the set.
void countViewIdHolders(int holders[kMaxViewId + 1]) {
    for (int id = 0; id <= kMaxViewId; ++id) holders[id] = 0;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            int id = category->cameras[i].viewId;
            if (id > 0 && id <= kMaxViewId) ++holders[id];
        }
    }
}

bool categoryRoom() { return getNumberOfCategories() < kMaxCategories; }

bool cameraRoom() {
    Category* category = getCurrentCategory();
    return category != nullptr && category->numberOfCameras < kMaxCamerasPerCategory;
}

void copyCurrentCategory() {
    Category* category = getCurrentCategory();
    if (category == nullptr) return;
    *copiedCategory() = *category;
    setCameraName(copiedCategory()->name, copyName(category->name).c_str());
}

void copyCurrentCamera() {
    Camera* camera = getCurrentCamera();
    if (camera == nullptr) return;
    copyCamera(camera, copiedCamera());
    setCameraName(copiedCamera()->name, copyName(camera->name).c_str());
}

// The pasted category lands at the current index (replace, insert above) or
// below it; its name is made unique so the file reads back the same set.
void pasteCopiedCategory(PasteMode mode) {
    int index = getCurrentCategoryIndex();
    Category* target = getCurrentCategory();
    if (target == nullptr) return;
    stopAnimationRequest();
    if (!pasteCategory(copiedCategory(), target, mode)) return;
    int pasted = mode == PasteInsertAfter ? index + 1 : index;
    if (Category* category = getCategory(pasted)) {
        setCameraName(category->name, uniqueCategoryName(category->name, pasted).c_str());
    }
    changed();
}

void pasteCopiedCamera(PasteMode mode) {
    Camera* target = getCurrentCamera();
    if (target == nullptr) return;
    stopAnimationRequest();
    pasteCamera(copiedCamera(), target, mode);
    changed();
}

// Stops a playing transition (its frames point at camera records) and then
// reshapes the set.
void reshape(int (*operation)()) {
    stopAnimationRequest();
    operation();
    changed();
}

}  // namespace

void ControlPanelWidget::populateCameraListBoxes() {
    setChanged = false;
    float listHeight = getSettings()->USE_SMALL_FONT ? 155.0f : 185.0f;

    beginPanelBox("ChildCategoryLists", kListWidth, listHeight);
    if (ImGui::BeginMenuBar()) {
        if (ImGui::BeginMenu("Category")) {
            categoryMenuItems();
            ImGui::EndMenu();
        }
        HelpMarker(
            "Select the category and then drag up or down to change the order of the category. "
            "Use the right mouse button to open a context window to rename the category or to "
            "add or delete a category.");
        ImGui::EndMenuBar();
    }
    if (!setChanged) populateCategoryList();
    endPanelBox();

    ImGui::SameLine();
    beginPanelBox("ChildCameraLists", kListWidth, listHeight);
    if (ImGui::BeginMenuBar()) {
        if (ImGui::BeginMenu("Camera")) {
            if (cameraRoom() && ImGui::MenuItem("Add New Camera to End")) {
                reshape(addCameraToCategory);
            }
            ImGui::Separator();
            cameraCopyPasteMenu();
            ImGui::EndMenu();
        }
        HelpMarker(
            "Select the camera and then drag up or down to change the order of the Camera. Use "
            "the right mouse button to open a context window to rename the camera or to add or "
            "delete a camera.");
        if (!setChanged) populateViewIdRow();
        ImGui::EndMenuBar();
    }
    if (!setChanged) populateCameraList();
    endPanelBox();
}

void ControlPanelWidget::categoryMenuItems() {
    if (categoryRoom() && ImGui::MenuItem("Add New Category to End")) {
        reshape(addCategory);
    }
    ImGui::Separator();
    if (ImGui::MenuItem("Copy Category")) {
        copyCurrentCategory();
    }
    ImGui::Separator();
    bool full = isCategoryCopied();
    if (ImGui::BeginMenu("Paste Category")) {
        if (ImGui::MenuItem("Paste Over", nullptr, false, full)) pasteCopiedCategory(PasteReplace);
        if (ImGui::MenuItem("Insert Copy Below", nullptr, false, full)) {
            pasteCopiedCategory(PasteInsertAfter);
        }
        if (ImGui::MenuItem("Insert Copy Above", nullptr, false, full)) {
            pasteCopiedCategory(PasteInsertBefore);
        }
        if (ImGui::MenuItem("Clear All Camera View ID's", nullptr, false, full)) {
            if (Category* category = getCurrentCategory()) clearAllCategoryViewIDs(category);
        }
        ImGui::EndMenu();
    }
    ImGui::Separator();
    bool aircraftFile = !isAirportCameraFile();
    if (ImGui::MenuItem("Create Fly-By", nullptr, false, aircraftFile)) {
        dialogRequest = kDialogCreateFlyBy;
    }
    if (ImGui::MenuItem("Create Orbit", nullptr, false, aircraftFile)) {
        dialogRequest = kDialogCreateOrbit;
    }
}

void ControlPanelWidget::cameraCopyPasteMenu() {
    if (ImGui::MenuItem("Copy Camera")) {
        copyCurrentCamera();
    }
    ImGui::Separator();
    bool full = isCameraCopied();
    if (ImGui::BeginMenu("Paste Camera")) {
        if (ImGui::MenuItem("Paste Over", nullptr, false, full)) pasteCopiedCamera(PasteReplace);
        if (ImGui::MenuItem("Insert Copy Below", nullptr, false, full)) {
            pasteCopiedCamera(PasteInsertAfter);
        }
        if (ImGui::MenuItem("Insert Copy Above", nullptr, false, full)) {
            pasteCopiedCamera(PasteInsertBefore);
        }
        ImGui::EndMenu();
    }
}

void ControlPanelWidget::populateViewIdRow() {
    ImGui::SetCursorPosX(95);
    ImGui::SetNextItemWidth(135);
    Camera* current = getCurrentCamera();
    int highest = highestViewId();
    char preview[32] = "";
    if (current != nullptr) {
        int holders = 0;
        if (current->viewId > 0) findCamerasViewID(current->viewId, &holders);
        viewIdLabel(current->viewId, holders, preview, sizeof(preview));
    }
    if (ImGui::BeginCombo("View ID", preview)) {
        int holders[kMaxViewId + 1];
        countViewIdHolders(holders);
        for (int id = 0; id <= highest; ++id) {
            char label[32];
            viewIdLabel(id, holders[id], label, sizeof(label));
            ImGui::PushID(id);
            bool chosen = current != nullptr && current->viewId == id;
            if (ImGui::Selectable(label, chosen) && current != nullptr) {
                current->viewId = id;
                evaluateFavorites();
            }
            ImGui::PopID();
        }
        ImGui::EndCombo();
    }
    HelpMarker(
        "The view ID is used to map keys or joystick buttons to the Ovilux Select_View_ID_n "
        "commands. Use the left and right arrow buttons to go to the previous and next camera "
        "with an assigned View ID.\n\nNote: The View ID is one number higher than the quick look "
        "numpad keys. Numpad 0 is view ID 1, numpad 1 is view ID 2, etc.");
    ImGui::SetCursorPosX(340);
    if (ImGui::ArrowButton("##left", ImGuiDir_Left)) selectPreviousViewID();
    ImGui::SameLine();
    if (ImGui::ArrowButton("##right", ImGuiDir_Right)) selectNextViewID();
}

void ControlPanelWidget::populateCategoryList() {
    int count = getNumberOfCategories();
    int currentIndex = getCurrentCategoryIndex();
    for (int i = 0; i < count && !setChanged; ++i) {
        Category* category = getCategory(i);
        bool selected = i == currentIndex;
        if (nameSelectable("Cat", category->uniqueId, category->name, selected)) {
            setCategory(i);
        }
        if (selected) {
            ImGui::PushID(category->uniqueId);
            if (ImGui::BeginPopupContextItem("item context menu")) {
                categoryContextMenu();
                ImGui::EndPopup();
            }
            ImGui::PopID();
        }
        if (setChanged) break;
        int direction = dragDirection();
        if (direction != 0 && getCategory(i + direction) != nullptr) {
            stopAnimationRequest();
            swapCategories(i, i + direction);
            ImGui::ResetMouseDragDelta();
            changed();
        }
    }
}

void ControlPanelWidget::populateCameraList() {
    Category* category = getCurrentCategory();
    if (category == nullptr) return;
    int count = category->numberOfCameras;
    ImGuiListClipper clipper;
    clipper.Begin(count);
    while (clipper.Step() && !setChanged) {
        for (int i = clipper.DisplayStart; i < clipper.DisplayEnd && !setChanged; ++i) {
            Camera* camera = &category->cameras[i];
            bool selected = i == category->currentCameraIndex;
            if (nameSelectable("Cam", camera->uniqueId, camera->name, selected)) {
                setCameraIndex(i);
            }
            if (selected) {
                ImGui::PushID(camera->uniqueId);
                if (ImGui::BeginPopupContextItem("item context menu")) {
                    cameraContextMenu();
                    ImGui::EndPopup();
                }
                ImGui::PopID();
            }
            if (setChanged) break;
            int direction = dragDirection();
            int neighbour = i + direction;
            if (direction != 0 && neighbour >= 0 && neighbour < count) {
                stopAnimationRequest();
                swapCameras(i, neighbour);
                ImGui::ResetMouseDragDelta();
                changed();
            }
        }
    }
    // Leaving the clipper early is allowed once it has stepped.
    clipper.End();
}

void ControlPanelWidget::itemNameEditor(char* name, int categoryIndex, bool camera) {
    if (ImGui::IsWindowAppearing()) {
        snprintf(renameText, sizeof(renameText), "%s", name);
        renameError.clear();
    }
    ImGui::AlignTextToFramePadding();
    ImGui::TextUnformatted("Edit: ");
    ImGui::SameLine();
    ImGui::SetNextItemWidth(220);
    // The field takes the keys as the menu opens, its text selected for retyping.
    // A refused name keeps the field, so it can be typed over at once.
    if (ImGui::IsWindowAppearing() || refocusName) ImGui::SetKeyboardFocusHere();
    refocusName = false;
    bool entered = ImGui::InputText(
        "##edit", renameText, sizeof(renameText),
        ImGuiInputTextFlags_EnterReturnsTrue | ImGuiInputTextFlags_AutoSelectAll);
    ImGui::SameLine();
    bool ok = ImGui::Button("Ok");
    if (entered || ok) {
        const char* refusal = camera ? cameraNameRefusal(renameText, categoryIndex)
                                     : categoryNameRefusal(renameText, categoryIndex);
        if (refusal != nullptr) {
            renameError = refusal;
            refocusName = true;
        } else {
            setCameraName(name, renameText);
            renameError.clear();
            ImGui::CloseCurrentPopup();
        }
    }
    if (!renameError.empty()) {
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "%s", renameError.c_str());
    }
}

void ControlPanelWidget::categoryContextMenu() {
    Category* category = getCurrentCategory();
    if (category == nullptr) return;
    itemNameEditor(category->name, getCurrentCategoryIndex(), false);
    bool room = categoryRoom();
    bool full = isCategoryCopied();
    if (room && ImGui::Selectable("Add to End")) reshape(addCategory);
    if (room && ImGui::Selectable("Insert New Above")) reshape(insertCategory);
    if (getNumberOfCategories() > 1 && ImGui::Selectable("Delete")) reshape(deleteCategory);
    if (ImGui::Selectable("Copy")) copyCurrentCategory();
    if (full && ImGui::Selectable("Paste Over")) pasteCopiedCategory(PasteReplace);
    bool insertRoom = full && getNumberOfCategories() < getMaxCategories();
    if (insertRoom && ImGui::Selectable("Insert Copy Below")) {
        pasteCopiedCategory(PasteInsertAfter);
    }
    if (insertRoom && ImGui::Selectable("Insert Copy Above")) {
        pasteCopiedCategory(PasteInsertBefore);
    }
    if (full && ImGui::Selectable("Clear All Camera View ID's")) {
        clearAllCategoryViewIDs(category);
    }
}

void ControlPanelWidget::cameraContextMenu() {
    Category* category = getCurrentCategory();
    Camera* camera = getCurrentCamera();
    if (category == nullptr || camera == nullptr) return;
    itemNameEditor(camera->name, getCurrentCategoryIndex(), true);
    bool room = cameraRoom();
    bool full = isCameraCopied();
    if (room && ImGui::Selectable("Add to End")) reshape(addCameraToCategory);
    if (room && ImGui::Selectable("Insert New Above")) reshape(insertCameraInCategory);
    if (category->numberOfCameras > 1 && ImGui::Selectable("Delete")) reshape(deleteCamera);
    if (ImGui::Selectable("Copy")) {
        stopAnimationRequest();
        copyCurrentCamera();
    }
    if (full && ImGui::Selectable("Paste Over")) pasteCopiedCamera(PasteReplace);
    if (full && room && ImGui::Selectable("Insert Copy Below")) {
        pasteCopiedCamera(PasteInsertAfter);
    }
    if (full && room && ImGui::Selectable("Insert Copy Above")) {
        pasteCopiedCamera(PasteInsertBefore);
    }
}

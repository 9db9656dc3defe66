// The rows of buttons: favourites by view ID, categories, and the cameras of
// the current category. The current item's label is wrapped in braces.
#include <imgui.h>

#include <algorithm>
#include <cstdio>

#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "panels/mini_panel/mini_panel_colours.h"
#include "panels/mini_panel/mini_panel_set_view.h"
#include "shell/settings.h"

namespace {
const int kFavoritesHue = 2;
const int kCategoriesHue = 1;
const int kCamerasHue = 6;
const float kCameraLabelMargin = 20.0f;

// The name goes in as an argument, never as a format.
void makeLabel(char* label, size_t size, bool current, const char* name, const char* idKind,
               int id) {
    snprintf(label, size, "%s%s%s##%s%d", current ? "{" : "", name, current ? "}" : "", idKind,
             id);
}

int clampCount(int count, int most) { return std::max(0, std::min(count, most)); }

// Buttons of one row, one after another on a line.
void nextButton(bool* first) {
    if (!*first) {
        ImGui::SameLine();
    }
    *first = false;
}
}  // namespace

void MiniControlPanelWidget::populateFavoritesRow() {
    if (!haveFavorites() || getSettings()->HIDE_FAVORITES) {
        return;
    }
    const Camera* current = miniPanelCurrentCamera();
    int currentViewId = current != nullptr ? current->viewId : 0;
    // With an airport set active the favourites stay the aircraft set's.
    bool fromCache = isAirportFileActive();
    const CategoryCache* cache = getCategoryCache(kAircraftCameraFile);
    int categories = fromCache ? clampCount(cache->numberOfCategories, kMaxCategories)
                               : getNumberOfCategories();
    int selected = 0;
    bool first = true;
    pushRowColours(kFavoritesHue);
    for (int c = 0; c < categories; ++c) {
        const Category* category = fromCache ? &cache->categories[c] : getCategory(c);
        if (category == nullptr) {
            continue;
        }
        int cameras = clampCount(category->numberOfCameras, kMaxCamerasPerCategory);
        for (int i = 0; i < cameras; ++i) {
            const Camera& camera = category->cameras[i];
            if (camera.hidden || camera.viewId <= 0) {
                continue;
            }
            char label[96];
            makeLabel(label, sizeof(label), currentViewId > 0 && camera.viewId == currentViewId,
                      camera.name, "ViewID", camera.viewId);
            nextButton(&first);
            if (ImGui::Button(label)) {
                selected = camera.viewId;
            }
        }
    }
    ImGui::PopStyleColor(3);
    // Selected after the row: selecting may switch the set the row reads.
    if (selected > 0) {
        selectViewID(selected);
    }
}

void MiniControlPanelWidget::populateCategoriesRow() {
    int categories = getNumberOfCategories();
    int current = getCurrentCategoryIndex();
    bool first = true;
    pushRowColours(kCategoriesHue);
    for (int c = 0; c < categories; ++c) {
        const Category* category = getCategory(c);
        if (category == nullptr) {
            continue;
        }
        char label[96];
        makeLabel(label, sizeof(label), c == current, category->name, "Category_", c);
        nextButton(&first);
        if (ImGui::Button(label)) {
            setCategory(c);
        }
    }
    ImGui::PopStyleColor(3);
}

void MiniControlPanelWidget::populateCamerasRow() {
    const Category* category = miniPanelCurrentCategory();
    if (category == nullptr) {
        return;
    }
    float windowWidth = ImGui::GetWindowWidth();
    int cameras = clampCount(category->numberOfCameras, kMaxCamerasPerCategory);
    int current = category->currentCameraIndex;
    bool first = true;
    pushRowColours(kCamerasHue);
    for (int i = 0; i < cameras; ++i) {
        const Camera& camera = category->cameras[i];
        if (camera.hidden) {
            continue;
        }
        char label[96];
        makeLabel(label, sizeof(label), i == current, camera.name, "Camera_", i);
        if (!first) {
            ImGui::SameLine();
            float room = windowWidth - ImGui::GetCursorPosX();
            if (ImGui::CalcTextSize(camera.name).x + kCameraLabelMargin > room) {
                ImGui::NewLine();
            }
        }
        first = false;
        if (ImGui::Button(label)) {
            setCameraIndex(i);
        }
    }
    ImGui::PopStyleColor(3);
}

#include "panels/save_target_panel.h"

#include <imgui.h>

#include <memory>

#include "cameras/targets/target_camera.h"
#include "libwinkit/font_file.h"
#include "panels/panel_placement.h"

namespace {

std::shared_ptr<SaveTargetWidget>& holder() {
    static std::shared_ptr<SaveTargetWidget> panel;
    return panel;
}

}  // namespace

SaveTargetWidget::SaveTargetWidget(int left, int top, int right, int bottom, int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {
    SetWindowTitle("Save Camera as Target");
    SetVisible(true);
}

void SaveTargetWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
}

void SaveTargetWidget::createTarget() {
    if (name[0] == '\0') {
        errorText = "You must give the target a name";
        return;
    }
    if (!saveCameraAsTarget(name)) {
        errorText = "The target was not saved; X-Plane's Log.txt says why";
        return;
    }
    errorText.clear();
    SetVisible(false);
}

void SaveTargetWidget::buildInterface() {
    if (!errorText.empty()) {
        ImGui::Separator();
        ImGui::TextColored(ImVec4(1, 0, 0, 1), "%s", errorText.c_str());
        ImGui::Separator();
    } else {
        ImGui::TextUnformatted("");
    }
    ImGui::PushItemWidth(300);
    ImGui::InputText("Target Name", name, sizeof(name));
    ImGui::PopItemWidth();
    ImGui::TextUnformatted("");
    ImGui::SameLine(ImGui::GetWindowWidth() - 175);
    if (ImGui::Button("Cancel")) {
        SetVisible(false);
    }
    ImGui::SameLine();
    if (ImGui::Button("Create Target")) {
        createTarget();
    }
}

void showNewSaveTargetPanel() {
    std::shared_ptr<SaveTargetWidget>& panel = holder();
    if (!panel) {
        PanelRect r = newPanelRect(410, 100);
        panel = std::make_shared<SaveTargetWidget>(r.left, r.top, r.right, r.bottom, 1);
        panel->init();
        panel->center();
    } else {
        panel->SetVisible(true);
    }
}

void hideSaveTargetPanel() {
    if (holder()) {
        holder()->SetVisible(false);
    }
}

void deleteSaveTargetPanel() { holder().reset(); }

SaveTargetWidget* saveTargetPanel() { return holder().get(); }

#include "panels/traffic_display.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cameras/set/camera_set.h"
#include "libwinkit/font_file.h"
#include "panels/panel_placement.h"
#include "positioning/commands/commands_handler.h"
#include "positioning/commands/commands_table.h"
#include "scene/ai_view.h"
#include "shell/plugin_state.h"
#include "world/ai_traffic.h"

TrafficDisplayWidget* TrafficDisplayWidget::m_instance = nullptr;

namespace {
const float kDistanceColumn = 130.0f;
const float kZoomColumn = 240.0f;
const float kSliderTop = 65.0f;
const int kCarrierOrigin = 1;
const int kFrigateOrigin = 2;

// The external camera the controls act on: camera control on and the current
// camera external; null otherwise.
Camera* externalCamera() {
    if (!isEnabled()) {
        return nullptr;
    }
    Camera* camera = getCurrentCamera();
    return camera != nullptr && camera->external ? camera : nullptr;
}

const char* distanceHeading() {
    if (!isEnabled()) {
        return "From Aircraft";
    }
    const Camera* camera = getCurrentCamera();
    if (isAirportFileActive()) {
        return "From Airport";
    }
    if (camera == nullptr) {
        return "From Aircraft";
    }
    if (camera->cameraOrigin == kCarrierOrigin) {
        return "From Carrier";
    }
    if (camera->cameraOrigin == kFrigateOrigin) {
        return "From Frigate";
    }
    return camera->freeCamera ? "From Free Camera" : "From Aircraft";
}

// Inside the window's ImGui frame the window cannot be deleted.
bool buildingFrame(const TrafficDisplayWidget* display) {
    const ImGuiContext* context = display->getImguiContext();
    return context != nullptr && context->WithinFrameScope;
}
}  // namespace

TrafficDisplayWidget::TrafficDisplayWidget(int left, int top, int right, int bottom,
                                           int decoration)
    : QfnImWindow(left, top, right, bottom, decoration) {
    m_instance = this;
    SetWindowTitle("Ovilux Traffic Display");
}

TrafficDisplayWidget::~TrafficDisplayWidget() {
    if (m_instance == this) {
        m_instance = nullptr;
    }
}

TrafficDisplayWidget* TrafficDisplayWidget::getSingleInstance() { return m_instance; }

void TrafficDisplayWidget::doCommand(int index) {
    oviluxCommandHandler(nullptr, xplm_CommandBegin,
                         reinterpret_cast<void*>(static_cast<intptr_t>(index)));
}

void TrafficDisplayWidget::configureImguiContext() {
    addFontFile(getXPlaneFontPath("Roboto-Regular.ttf"), 18.0f);
}

void TrafficDisplayWidget::onHide() { SafeDelete(); }

void TrafficDisplayWidget::buildControls(bool external) {
    if (!external) {
        ImGui::TextUnformatted("");
        return;
    }
    if (!isAiPerspective()) {
        if (ImGui::Button("AI Perspective On")) {
            toggleAIPerspective();
        }
        return;
    }
    if (ImGui::Button("AI Perspective Off")) {
        toggleAIPerspective();
    }
    const Camera* camera = externalCamera();
    if (camera != nullptr && !camera->freeCamera) {
        ImGui::SameLine();
        HelpMarker("Use the arrow buttons \nto scale the AI perspective\nup or down");
        ImGui::SameLine();
        if (ImGui::ArrowButton("##ScaleDown", ImGuiDir_Down)) {
            doCommand(kCmdAIScaleDown);
        }
        ImGui::SameLine();
        if (ImGui::ArrowButton("##ScaleUp", ImGuiDir_Up)) {
            doCommand(kCmdAIScaleUp);
        }
    }
}

void TrafficDisplayWidget::buildHeadings(bool external) {
    ImGui::Separator();
    ImGui::TextUnformatted("Callsign");
    ImGui::SameLine(kDistanceColumn);
    ImGui::TextUnformatted(distanceHeading());
    if (external) {
        ImGui::SameLine(kZoomColumn);
        ImGui::TextUnformatted("Zoom");
    }
    ImGui::Separator();
}

void TrafficDisplayWidget::buildZoomSlider() {
    // The perspective button may have turned camera control's camera over.
    Camera* camera = externalCamera();
    if (camera == nullptr) {
        return;
    }
    int width = 0, height = 0;
    getSize(&width, &height);
    ImGui::SetCursorPos(ImVec2(kZoomColumn, kSliderTop));
    ImGui::VSliderFloat("##ZoomSlider", ImVec2(35.0f, static_cast<float>(height - 75)),
                        &camera->externalZoom, 1.0f, 50.0f, "%.1f");
}

void TrafficDisplayWidget::buildInterface() {
    // A copy: the sorted set is rebuilt by every other reader, and aircraft
    // come and go between frames.
    const std::multiset<AiSlot>& sorted = getSortedAiSlots();
    const std::vector<AiSlot> planes(sorted.begin(), sorted.end());
    bool external = externalCamera() != nullptr;
    buildControls(external);
    buildHeadings(external);
    bool choosing = external && isAiPerspective();
    for (const AiSlot& plane : planes) {
        std::string callsign = getTcasFlightID(plane.index);
        if (callsign.empty()) {
            callsign = "Unknown";
        }
        if (choosing) {
            char label[64];
            std::snprintf(label, sizeof(label), "%s##traffic_%d", callsign.c_str(), plane.index);
            bool current = plane.index == getCurrentAIPlane();
            if (ImGui::Checkbox(label, &current) && current) {
                setCurrentAIPlane(plane.index);
            }
        } else {
            ImGui::Text("%s", callsign.c_str());
        }
        ImGui::SameLine(kDistanceColumn);
        ImGui::Text("%10.1f NM", plane.distance);
    }
    if (external) {
        buildZoomSlider();
    }
}

void toggleTrafficDisplay() {
    TrafficDisplayWidget* live = TrafficDisplayWidget::getSingleInstance();
    bool shown = live != nullptr && live->GetVisible();
    if (live != nullptr) {
        if (buildingFrame(live)) {
            live->SetVisible(false);
            live->SafeDelete();
        } else {
            delete live;
        }
    }
    if (shown) {
        return;
    }
    PanelRect r = newPanelRect(300, 500);
    TrafficDisplayWidget* display =
        new TrafficDisplayWidget(r.left, r.top, r.right, r.bottom, xplm_WindowDecorationRoundRectangle);
    display->init();
    display->center();
    display->SetVisible(true);
}

void deleteTrafficDisplay() { delete TrafficDisplayWidget::getSingleInstance(); }

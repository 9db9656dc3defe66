// One frame of the mini control panel over a full camera set, 20 categories
// of 150 cameras with 60 favourites: its ImGui frame built, and the same
// frame drawn as X-Plane's draw callback does (Mesa's software rasteriser
// dominates the second figure; X-Plane draws on the graphics card).
#include <benchmark/benchmark.h>

#include <imgui.h>

#include <cstdio>
#include <filesystem>

#include "bench_panel_frame.h"
#include "bench_xplane.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "xpsim.h"

namespace {

const int kWidth = 1920;
const int kHeight = 150;

using BenchMiniPanel = BenchPanelFrame<MiniControlPanelWidget>;


void startWithFullSet() {
    std::string root = makeBenchXPlane();
    std::filesystem::create_directories(root + "/Resources/fonts");
    std::filesystem::copy_file(OVILUX_ROBOTO_FONT, root + "/Resources/fonts/Roboto-Regular.ttf");
    startBenchPlugin(root);
    xpsim::setUserAircraft("Aircraft/Bench/Bench.acf");
    initCategories();
    readCameras(nullptr);
    int viewId = 1;
    for (int c = 0; c < kMaxCategories; ++c) {
        if (c > 0) {
            addCategory();
        }
        snprintf(getCurrentCategory()->name, kNameSize, "Category %d", c + 1);
        while (getCurrentCategory()->numberOfCameras < kMaxCamerasPerCategory) {
            addCameraToCategory();
            Camera* camera = getCurrentCamera();
            snprintf(camera->name, kNameSize, "Camera %d", camera->indexInCategory + 1);
            if (camera->indexInCategory % 50 == 0 && viewId <= kMaxViewId) {
                camera->viewId = viewId++;
            }
        }
    }
    updateCameraReferences(false);
    refreshViewIdCameras();
}

void BM_MiniPanelBuild(benchmark::State& state) {
    startWithFullSet();
    BenchMiniPanel* panel = new BenchMiniPanel(0, kHeight, kWidth, 0, kMiniPanelDocked, false);
    panel->init();
    xpsim::runFrames(3);  // the font atlas is built and bound
    for (auto _ : state) {
        panel->buildFrame(kWidth, kHeight,
                          ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_MenuBar);
        benchmark::DoNotOptimize(ImGui::GetDrawData());
    }
    delete panel;
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_MiniPanelBuild)->Unit(benchmark::kMicrosecond);

void BM_MiniPanelBuildAndDraw(benchmark::State& state) {
    startWithFullSet();
    showNewMiniControlPanel(kMiniPanelShow);
    xpsim::runFrames(3);
    MiniControlPanelWidget* panel = miniControlPanel();
    for (auto _ : state) {
        ImgWindow::DrawWindowCB(panel->getWindowID(), panel);
    }
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_MiniPanelBuildAndDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

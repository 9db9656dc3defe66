// One frame of the control panel with a full set shown: 20 categories of 150
// cameras, names of 30 characters. Only the panel's ImGui frame is built (the
// lists, the menu bar, the view-ID row and the save row); drawing is the
// simulator's software OpenGL, measured for the settings panel.
#include <benchmark/benchmark.h>

#include <imgui.h>

#include <cstdio>

#include "bench_xplane.h"
#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/camera_selection.h"
#include "bench_panel_frame.h"
#include "panels/control_panel/control_panel.h"
#include "xpsim.h"

namespace {

using BenchControlPanel = BenchPanelFrame<ControlPanelWidget>;


void fillFullSet() {
    while (getNumberOfCategories() < kMaxCategories) addCategory();
    for (int c = 0; c < kMaxCategories; ++c) {
        setCategory(c);
        Category* category = getCurrentCategory();
        while (category->numberOfCameras < kMaxCamerasPerCategory) addCameraToCategory();
        snprintf(category->name, sizeof(category->name), "Category number %02d of the set", c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            snprintf(category->cameras[i].name, sizeof(category->cameras[i].name),
                     "Camera %03d with a longish name", i);
            category->cameras[i].viewId = (i % 7 == 0) ? 1 + i % 50 : 0;
        }
    }
    setCategory(kMaxCategories / 2);
    updateCameraReferences(true);
}

void BM_ControlPanelFrameFullSet(benchmark::State& state) {
    startBenchPlugin(makeBenchXPlane());
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::runFrames(2);
    fillFullSet();
    BenchControlPanel* panel = new BenchControlPanel(100, 930, 1000, 100, 1, false);
    panel->init();
    xpsim::runFrames(3);  // the font atlas is built and bound
    for (auto _ : state) {
        panel->buildFrame(900, 830, ImGuiWindowFlags_MenuBar);
        benchmark::DoNotOptimize(ImGui::GetDrawData());
    }
    delete panel;
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_ControlPanelFrameFullSet)->Unit(benchmark::kMicrosecond);

}  // namespace

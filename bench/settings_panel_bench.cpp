// One frame of the settings panel: its ImGui frame built (every control and
// the range repair), and the same frame drawn as X-Plane's draw callback does.
// The simulator draws with Mesa's software rasteriser, which dominates the
// second figure; X-Plane draws on the graphics card.
#include <benchmark/benchmark.h>

#include <imgui.h>

#include "bench_panel_frame.h"
#include "bench_xplane.h"
#include "panels/panel_placement.h"
#include "panels/settings_panel.h"
#include "xpsim.h"

namespace {

using BenchSettingsWidget = BenchPanelFrame<SettingsWidget>;


void BM_SettingsPanelBuild(benchmark::State& state) {
    startBenchPlugin(makeBenchXPlane());
    PanelRect r = newPanelRect(710, 600);
    BenchSettingsWidget* panel = new BenchSettingsWidget(r.left, r.top, r.right, r.bottom, 1);
    panel->init();
    xpsim::runFrames(3);  // the font atlas is built and bound
    for (auto _ : state) {
        panel->buildFrame(710, 600, ImGuiWindowFlags_NoTitleBar);
        benchmark::DoNotOptimize(ImGui::GetDrawData());
    }
    delete panel;
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_SettingsPanelBuild)->Unit(benchmark::kMicrosecond);

void BM_SettingsPanelBuildAndDraw(benchmark::State& state) {
    startBenchPlugin(makeBenchXPlane());
    showNewSettingsPanel(false);
    xpsim::runFrames(3);
    SettingsWidget* panel = settingsPanel();
    for (auto _ : state) {
        ImgWindow::DrawWindowCB(panel->getWindowID(), panel);
    }
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_SettingsPanelBuildAndDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

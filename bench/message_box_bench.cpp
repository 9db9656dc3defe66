// One message box's frame in the simulated X-Plane: the box made through
// msgBox and sized to its text, then its draw callback timed alone (the ImGui
// frame, the draw lists handed to OpenGL) on the simulator's OSMesa context.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_xplane.h"
#include "libwinkit/imgui_window.h"
#include "libwinkit/message_box.h"
#include "xpsim.h"

namespace {

const char* const kNewFileText =
    "Ovilux created a new camera file for this plane!\n\nOpen the Ovilux Control Panel and use "
    "the Browse Community Files button to load\ncamera definitions for a similar aircraft or "
    "create your own custom cameras.\n\nUse the Save All button in the control panel to save "
    "your camera definitions for this plane.";

// The box on screen, drawn twice so that it has its size and its font texture.
ImgWindow* openBox() {
    std::string root = makeBenchXPlane();
    std::filesystem::create_directories(root + "/Resources/fonts");
    std::filesystem::copy_file(OVILUX_ROBOTO_FONT, root + "/Resources/fonts/Roboto-Regular.ttf");
    startBenchPlugin(root);
    msgBox("INFO", kNewFileText);
    xpsim::runFrames(3);
    std::vector<MsgBoxView> boxes = liveMsgBoxes();
    return boxes.empty() ? nullptr : ImgWindow::fromWindowID(boxes.back().window);
}

void closeBox() {
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}

// The draw callback as X-Plane calls it in the window phase. OSMesa renders
// as it is called, so Mesa's software rasteriser is counted too.
void BM_MessageBoxFrame(benchmark::State& state) {
    ImgWindow* box = openBox();
    if (!box) {
        state.SkipWithError("no message box opened");
        return;
    }
    for (auto _ : state) {
        ImgWindow::DrawWindowCB(box->getWindowID(), box);
    }
    closeBox();
}

}  // namespace

BENCHMARK(BM_MessageBoxFrame)->Unit(benchmark::kMicrosecond);

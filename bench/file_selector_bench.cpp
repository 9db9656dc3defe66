// One frame of the file selector with a folder of 50,000 files open (a large
// liveries folder): its ImGui frame built, the tree's rows and the fields.
#include <benchmark/benchmark.h>

#include <imgui.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "bench_panel_frame.h"
#include "bench_xplane.h"
#include "libwinkit/file_dialog.h"
#include "xpsim.h"

namespace {

// A selector at 600 x 500, as getInstance() makes it.
class BenchFileDialog : public BenchPanelFrame<FileDialog> {
public:
    BenchFileDialog() : BenchPanelFrame<FileDialog>(100, 600, 700, 100, 1) {}
};

const int kFiles = 50000;

std::string makeFolder(const std::string& root) {
    std::string folder = root + "/Liveries/";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < kFiles; ++i) {
        std::string name = folder + "livery_" + std::to_string(i) + ".png";
        if (std::FILE* file = std::fopen(name.c_str(), "w")) {
            std::fclose(file);
        }
    }
    return folder;
}

bool waitPopupOpen(FileDialog* dialog) {
    ImGui::SetCurrentContext(dialog->getImguiContext());
    return ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId | ImGuiPopupFlags_AnyPopupLevel);
}

void BM_FileSelectorFrameWith50000FilesOpen(benchmark::State& state) {
    std::string root = makeBenchXPlane();
    std::string folder = makeFolder(root);
    startBenchPlugin(root);
    BenchFileDialog* dialog = new BenchFileDialog();
    dialog->init();
    dialog->show(folder, "");
    // The scan runs behind the wait popup; the tree shows once it closed.
    xpsim::runFrames(2);
    for (int i = 0; i < 10000 && waitPopupOpen(dialog); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        xpsim::runFrames(1);
    }
    for (auto _ : state) {
        dialog->buildFrame(600, 500, ImGuiWindowFlags_NoTitleBar);
        benchmark::DoNotOptimize(ImGui::GetDrawData());
    }
    FileDialog::removeInstance(dialog);
    xpsim::disablePlugin();
    xpsim::stopPlugin();
}
BENCHMARK(BM_FileSelectorFrameWith50000FilesOpen)->Unit(benchmark::kMicrosecond);

}  // namespace

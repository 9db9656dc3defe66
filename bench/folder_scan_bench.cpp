// The file selector reading a folder of 2,000 files (a large Aircraft folder's
// camera files), on the calling thread and on its worker, and filtering it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_xplane.h"
#include "libwinkit/directory_scan.h"
#include "libwinkit/file_directory.h"

namespace {

const int kFiles = 2000;
std::string folder;

void prepareFolder() {
    if (!folder.empty()) {
        return;
    }
    folder = makeBenchXPlane() + "/Scan/";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < kFiles; ++i) {
        std::string name = folder + (i % 4 == 0 ? "Ovilux_" : "livery_") + std::to_string(i) + ".cfg";
        if (std::FILE* file = std::fopen(name.c_str(), "w")) {
            std::fclose(file);
        }
    }
}

void BM_ScanFolderOf2000Files(benchmark::State& state) {
    prepareFolder();
    for (auto _ : state) {
        FileDirectory root(folder);
        DirctoryPopulateStatus status;
        root.populate(status);
        benchmark::DoNotOptimize(root.files.data());
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ScanFolderOf2000Files)->Unit(benchmark::kMicrosecond);

// Start to hand-over as the selector sees it: thread start, scan, filter.
void BM_ScanFolderOf2000FilesOnWorker(benchmark::State& state) {
    prepareFolder();
    DirectoryScan scan;
    for (auto _ : state) {
        scan.start(folder, "OVILUX_");
        while (!scan.finished()) {
        }
        benchmark::DoNotOptimize(scan.tree());
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ScanFolderOf2000FilesOnWorker)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_FilterFolderOf2000Files(benchmark::State& state) {
    prepareFolder();
    FileDirectory root(folder);
    DirctoryPopulateStatus status;
    root.populate(status);
    for (auto _ : state) {
        root.filter("OVILUX_");
        benchmark::DoNotOptimize(root.visible);
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_FilterFolderOf2000Files)->Unit(benchmark::kMicrosecond);

}  // namespace

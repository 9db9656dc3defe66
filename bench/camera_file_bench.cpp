// Reading and writing a full camera set, 20 categories of 150 cameras, as the
// aircraft's camera file in a temporary X-Plane folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_xplane.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "shell/speech.h"
#include "xpsim.h"

namespace {

std::string benchRoot;

// Made once: a full set, with every camera a little different, saved as the
// aircraft's camera file.
void prepareFullSet() {
    if (!benchRoot.empty()) {
        return;
    }
    benchRoot = makeBenchXPlane();
    xpsim::setUserAircraft("Aircraft/Bench/Bench.acf");

    initCategories();
    readCameras(nullptr);
    for (int c = 0; c < kMaxCategories; ++c) {
        if (c > 0) {
            addCategory();
        }
        while (getCurrentCategory()->numberOfCameras < kMaxCamerasPerCategory) {
            addCameraToCategory();
            Camera* camera = getCurrentCamera();
            camera->x = 0.01f * camera->indexInCategory;
            camera->heading = static_cast<float>(c * 7 % 360);
            camera->smoothTransition = (camera->indexInCategory % 2) == 0;
        }
    }
    saveCameras(false, false);
    SpeechManager::clear();
}

void BM_ReadFullCameraSet(benchmark::State& state) {
    prepareFullSet();
    for (auto _ : state) {
        initCategories();
        benchmark::DoNotOptimize(readCameras(nullptr));
    }
    state.SetItemsProcessed(state.iterations() * kMaxCategories * kMaxCamerasPerCategory);
}
BENCHMARK(BM_ReadFullCameraSet)->Unit(benchmark::kMillisecond);

void BM_SaveFullCameraSet(benchmark::State& state) {
    prepareFullSet();
    initCategories();
    readCameras(nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveCameras(false, false));
    }
    state.SetItemsProcessed(state.iterations() * kMaxCategories * kMaxCamerasPerCategory);
}
BENCHMARK(BM_SaveFullCameraSet)->Unit(benchmark::kMillisecond);

}  // namespace

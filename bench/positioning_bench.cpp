// The camera engine's per-frame cost inside the simulated X-Plane: one pipeline
// pass and one camera-control callback for a cockpit camera, an external
// tracking camera and a playing Bezier transition; and building a 30-second
// chained transition.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_xplane.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "positioning/pipeline/camera_control.h"
#include "positioning/transitions/frames.h"
#include "positioning/pipeline/pipeline.h"
#include "positioning/transitions/transition.h"
#include "positioning/transitions/transition_state.h"
#include "scene/view_reset.h"
#include "shell/plugin_state.h"
#include "shell/plugin_path.h"
#include "shell/settings.h"
#include "shell/speech.h"
#include "xplane/plugin_entry_points.h"
#include "xpsim.h"

namespace {

std::string benchRoot;
const int kCockpit = 0;
const int kBezier = 1;
const int kChain = 2;
const int kBezierCameras = 32;
const int kChainCameras = 7;  // six legs of five seconds at 60 frames per second

Camera* newCamera(const char* name) {
    addCameraToCategory();
    Camera* camera = getCurrentCamera();
    initCamera(camera);
    setCameraName(camera->name, name);
    return camera;
}

// Category 0: a zoomed cockpit camera and an external tracking camera. Category 1: a
// closed Bezier chain of 32 external cameras. Category 2: six chained legs.
void writeCameraFile() {
    initCategories();
    readCameras(nullptr);
    Camera* pilot = getCurrentCamera();
    pilot->x = -0.3f;
    pilot->y = 1.2f;
    pilot->z = -2.0f;
    pilot->trackIR = true;
    pilot->levelCamera = true;
    pilot->zoom = 2.0f;
    Camera* tracker = newCamera("Tracker");
    tracker->external = true;
    tracker->trackHeading = true;
    tracker->trackPitch = true;
    tracker->x = 15.0f;
    tracker->y = 3.0f;
    tracker->z = 25.0f;
    tracker->cgY = 0.5f;

    addCategory();
    for (int i = 0; i < kBezierCameras; ++i) {
        Camera* c = i == 0 ? getCurrentCamera() : newCamera("Orbit");
        initCamera(c);
        c->external = true;
        c->bezierTransition = i > 0;
        c->autoAdvance = true;
        c->linearTransitionFrames = 1000;
        c->x = 40.0f * static_cast<float>(i % 4) - 60.0f;
        c->y = 5.0f + static_cast<float>(i % 3);
        c->z = 40.0f * static_cast<float>((i / 4) % 4) - 60.0f;
        c->heading = static_cast<float>(i * 11 % 360);
    }

    addCategory();
    for (int i = 0; i < kChainCameras; ++i) {
        Camera* c = i == 0 ? getCurrentCamera() : newCamera("Leg");
        initCamera(c);
        c->external = true;
        c->smoothTransition = i % 2 == 1;
        c->linearTransition = i % 2 == 0 && i > 0;
        c->autoAdvance = i < kChainCameras - 1;
        c->smoothCameraJoins = true;
        c->linearTransitionFrames = 300;
        c->x = 10.0f * static_cast<float>(i);
        c->z = 30.0f - 5.0f * static_cast<float>(i);
        c->heading = static_cast<float>(i * 50 % 360);
    }
    saveCameras(false, false);
}

// The plug-in in a simulated X-Plane, camera control on for a test aircraft.
void prepare() {
    if (!benchRoot.empty()) {
        return;
    }
    benchRoot = makeBenchXPlane();
    startBenchPlugin(benchRoot);
    xpsim::setUserAircraft("Aircraft/Bench/Bench.acf");
    xpsim::placeAircraft(47.0, 8.0, 500.0, 30.0f);
    xpsim::setValue("sim/flightmodel/position/theta", 5.0);
    xpsim::setValue("sim/flightmodel/position/phi", 10.0);
    writeCameraFile();
    xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
    getSettings()->ENABLE_FORCE_FOV = true;
    xpsim::runFrames(5);
    SpeechManager::clear();
}

void show(int category, int index) {
    setCurrentCamera(&getCategory(category)->cameras[index]);
    setResetViewModes();
    xpsim::runFrames(3);
}

void BM_PipelinePass(benchmark::State& state, int category, int index) {
    prepare();
    show(category, index);
    for (auto _ : state) {
        processCameraPosition();
    }
}
BENCHMARK_CAPTURE(BM_PipelinePass, CockpitCamera, kCockpit, 0);
BENCHMARK_CAPTURE(BM_PipelinePass, ExternalTrackingCamera, kCockpit, 1);

void BM_CameraCallback(benchmark::State& state, int category, int index) {
    prepare();
    show(category, index);
    XPLMCameraPosition_t out{};
    void* pose = const_cast<CameraPosition*>(getPipelinePosition());
    Camera* camera = getCurrentCamera();
    if (!camera->external && controlZoom(&out, 0, &camera->zoom) == 0) {
        state.SkipWithError("the cockpit camera's zoom is not held");
        return;
    }
    for (auto _ : state) {
        if (camera->external) {
            benchmark::DoNotOptimize(controlFreeCamera(&out, 0, pose));
        } else {
            // A zoomed cockpit camera's callback: X-Plane's own cockpit view
            // at the camera's zoom.
            benchmark::DoNotOptimize(controlZoom(&out, 0, &camera->zoom));
        }
    }
}
BENCHMARK_CAPTURE(BM_CameraCallback, CockpitCamera, kCockpit, 0);
BENCHMARK_CAPTURE(BM_CameraCallback, ExternalTrackingCamera, kCockpit, 1);

// From the chain's first camera to its second: the pipeline builds the Bezier
// list through the closed chain (31 legs of 1000 frames).
void startBezier() {
    show(kBezier, 0);
    setCurrentCamera(&getCategory(kBezier)->cameras[1]);
    processCameraPosition();
}

void BM_PlayingBezierTransition(benchmark::State& state) {
    prepare();
    startBezier();
    void* pose = const_cast<CameraPosition*>(getPipelinePosition());
    XPLMCameraPosition_t out{};
    for (auto _ : state) {
        if (!isCurrentlyAnimating()) {
            state.PauseTiming();
            startBezier();
            state.ResumeTiming();
        }
        processCameraPosition();
        benchmark::DoNotOptimize(controlFreeCamera(&out, 0, pose));
    }
}
BENCHMARK(BM_PlayingBezierTransition);

void BM_BuildChainedTransition(benchmark::State& state) {
    prepare();
    show(kCockpit, 0);
    Category* chain = getCategory(kChain);
    int frames = 0;
    for (auto _ : state) {
        Frame* head = createTransition(&chain->cameras[0], &chain->cameras[1]);
        frames = countFrames(head);
        deleteRemaingFrames(head);
    }
    state.counters["frames"] = frames;
}
BENCHMARK(BM_BuildChainedTransition)->Unit(benchmark::kMicrosecond);

}  // namespace

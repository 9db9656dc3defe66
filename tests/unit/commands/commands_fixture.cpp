#include "commands_fixture.h"

#include <algorithm>

#include "scene/ai_view.h"
#include "positioning/commands/movement.h"
#include "shell/speech.h"

namespace {
const Column kViewId = static_cast<Column>(2);
}  // namespace

void CommandsFixture::SetUp() {
    PositioningFixture::SetUp();
    setAiPerspective(false);
}

void CommandsFixture::TearDown() {
    stopAllMovement();
    PositioningFixture::TearDown();
}

void CommandsFixture::startWithCameras() {
    start(
        {TestCameraRow("Cockpit", "Pilot View").set(kViewId, "1").pose(-0.3, 1.2, -2.0, 0, 0),
         TestCameraRow("Cockpit", "Panel").set(kViewId, "2").pose(0.1, 1.0, -1.6, 20, 330),
         TestCameraRow("Cockpit", "Copilot").set(kViewId, "3").pose(0.3, 1.2, -2.0, 0, 0),
         TestCameraRow("Outside", "Left Wing").set(kViewId, "4").pose(-6, 1, 1, 60, 350).on(kExternal),
         TestCameraRow("Outside", "Orbit").pose(0, 3, 20, 0, 350).on(kExternal).on(kCircle)});
    frames(1);
}

void CommandsFixture::startMovingToThePanel(int framesIntoTheMove) {
    start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 0),
           TestCameraRow("Cockpit", "Panel")
               .pose(0.1, 1.0, -1.6, 20, 330)
               .on(kLinear)
               .set(kFrames, 30.0)});
    frames(1);
    press("Next_Camera");
    frames(framesIntoTheMove);
}

void CommandsFixture::hold(const std::string& command, int n) {
    xpsim::commandBegin(command);
    frames(n);
    xpsim::commandEnd(command);
}

std::string CommandsFixture::currentName() const {
    Camera* camera = getCurrentCamera();
    return camera != nullptr ? camera->name : "";
}

Camera& CommandsFixture::current() const { return *getCurrentCamera(); }

int CommandsFixture::spoken(const std::string& text) const {
    const auto& texts = xpsim::spokenTexts();
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

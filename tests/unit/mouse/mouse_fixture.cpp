#include "mouse_fixture.h"

#include "shell/settings.h"

void MouseFixture::SetUp() {
    PositioningFixture::SetUp();
    xpsim::setMousePosition(960, 540);
}

void MouseFixture::TearDown() {
    // Settings are process-wide: give the next test the defaults back.
    *getSettings() = *getDefaultSettings();
    PositioningFixture::TearDown();
}

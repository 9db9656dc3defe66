// The plug-in with camera control on and its capture window over the
// simulated screen; the mouse driven as the user would.
#pragma once

#include "unit/positioning/positioning_fixture.h"

class MouseFixture : public PositioningFixture {
protected:
    void SetUp() override;
    void TearDown() override;
    // Right button at (x, y): down, or up.
    bool rightDown(int x, int y) { return xpsim::mouseClick(x, y, true, xplm_MouseDown); }
    bool rightUp(int x, int y) { return xpsim::mouseClick(x, y, true, xplm_MouseUp); }
    bool rightDrag(int x, int y) { return xpsim::mouseClick(x, y, true, xplm_MouseDrag); }
    bool paused() const { return sim("sim/time/paused") != 0; }
};

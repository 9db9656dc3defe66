// The plug-in with camera control on for the Cessna and a small camera set,
// driven through its commands and X-Plane's as key bindings would drive them.
#pragma once

#include <string>

#include "unit/positioning/positioning_fixture.h"

class CommandsFixture : public PositioningFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Cockpit: "Pilot View" (view ID 1), "Panel" (2), "Copilot" (3); Outside:
    // "Left Wing" (4, external), "Orbit" (external, circle view). One frame run.
    void startWithCameras();
    // "Pilot" and "Panel" in one category, with a 30-frame linear move to the
    // panel playing after the first few frames.
    void startMovingToThePanel(int framesIntoTheMove);

    // A plug-in command by its name after "QFN/Ovilux/".
    static std::string ours(const std::string& name) { return "QFN/Ovilux/" + name; }
    void press(const std::string& name) { xpsim::commandOnce(ours(name)); }
    // Begin, n frames with the continue phase, end.
    void hold(const std::string& command, int n);

    std::string currentName() const;
    Camera& current() const;
    int reached(const std::string& command) const { return xpsim::reachedXPlaneCount(command); }
    int spoken(const std::string& text) const;
};

// The values other plug-ins, head trackers and effect scripts exchange with the
// engine through the integration datarefs: the state it publishes and the
// offsets they add to the view. Plain stored values, zero at start.
#pragma once

struct IntegrationValues {
    int oviluxEnabled = 0;  // 0 off, 1 on, 2 on with head tracking
    int xpRealisticPresent = 0;
    int realViewPresent = 0;
    // XPRealistic or RealView offsets.
    float xOffset = 0;
    float yOffset = 0;
    float zOffset = 0;
    float pitchOffset = 0;
    float headingOffset = 0;
    float rollOffset = 0;
    int headtrackingPresent = 0;
    float headtrackingXOffset = 0;
    float headtrackingYOffset = 0;
    float headtrackingZOffset = 0;
    float headtrackingPitchOffset = 0;
    float headtrackingHeadingOffset = 0;
    float headtrackingRollOffset = 0;
    float effectScriptXOffset = 0;
    float effectScriptYOffset = 0;
    float effectScriptZOffset = 0;
    float effectScriptPitchOffset = 0;
    float effectScriptHeadingOffset = 0;
    float effectScriptRollOffset = 0;
};

IntegrationValues* getIntegrationValues();

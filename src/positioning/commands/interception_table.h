// X-Plane's commands that the plug-in takes over while camera control is on;
// a command's index is the reference constant of X_PlaneCommandHandler.
#pragma once

const int kXPlaneCommandCount = 109;

extern const char* const X_PlaneCommands[kXPlaneCommandCount];

// Rows of the table.
enum XPlaneCommandIndex {
    kXpRotUpSlow = 0,
    kXpRotLeftSlow = 3,
    kXpPanLeftFast = 12,
    kXpRotLeftFast = 19,
    kXpLeftUp = 20,
    kXpRightUp = 21,
    kXpGlanceRight = 22,
    kXpGlanceLeft = 23,
    kXpForward = 24,
    kXpForwardWithPanel = 25,
    kXpBack = 26,
    kXpStraightUp = 27,
    kXpStraightDown = 28,
    kXpUpLeft = 29,
    kXpUpRight = 30,
    kXpRight135 = 31,
    kXpLeft135 = 32,
    kXpRight90 = 33,
    kXpLeft90 = 34,
    kXpRight45 = 35,
    kXpLeft45 = 36,
    kXpMoveForward = 37,  // forward, backward, left, right, up, down
    kXpMoveForwardFast = 43,
    kXpMoveForwardSlow = 49,
    kXpMoveDownSlow = 54,
    kXpZoomIn = 55,
    kXpZoomOutFast = 60,
    kXpHatSwitchUp = 61,
    kXpHatSwitchUpLeft = 68,
    kXpQuickLookMem0 = 69,
    kXpQuickLookMem19 = 88,
    kXpQuickLook0 = 89,
    kXpQuickLook19 = 108,
};

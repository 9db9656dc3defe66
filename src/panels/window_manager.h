// The plug-in menu and the panels' lifetimes.
#pragma once

// Builds the plug-in menu.
void initUI();
// Removes the menu and the traffic display.
void cleanupUI();
// Enables or greys the menu items by the camera-control state.
void updateEnabledMenuItems();
void setTargetInformation(bool show);
bool getTargetInformation();

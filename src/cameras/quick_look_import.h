// X-Plane's quick-look views of the aircraft, offered as cameras of a new set.
#pragma once

// The number of quick-look views the aircraft's preferences hold.
int readQuickLookViews();
// Turns them into cameras of the fresh default set and saves it.
void importQuickLookViews();

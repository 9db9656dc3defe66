// X-Plane's quick-look views of the aircraft, offered as cameras of a new set.
#pragma once

// Reads the aircraft's quick-look views and remembers the aircraft and camera
// file they are offered for; the number of views.
int readQuickLookViews();
// The offer's answer: cockpit views become cameras of "Cockpit", chase,
// ride-along and circle views cameras of "External", each with the view ID of
// its number + 1; the file is saved. Refused with a message box when the
// aircraft or the active camera file changed since the offer; runs once per offer.
void importQuickLookViews();

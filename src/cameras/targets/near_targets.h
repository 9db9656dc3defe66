// The targets near the reference point, nearest first, and the current one
// of them, which a target-following camera aims at.
#pragma once

#include "cameras/targets/target.h"

// Room for the collection, its closing empty entry included.
const int kMaxCollectedTargets = 1000;

// Empties the collection (its entries may point at freed targets); the next
// request for the current target collects afresh.
void resetNearTargets();
// Stored targets within 55.56 km (30 nautical miles) of the reference, then
// the free target and the fixed targets other than the camera's own origin.
// The current index is the caller's to set.
void collectNearTargets();
// Refreshes every collected target and orders them nearest first; equal
// distances keep their collected order.
void evaluateAndSortTargetDistance();
// The current target, collecting afresh first when the reference moved more
// than 15 nautical miles since the last collection; null when none.
Target* getCurrentTarget();
// Next and previous wrap around the collection.
void selectNextTarget();
void selectPreviousTarget();
void selectNearestTarget();
// Unchanged when the free target is not collected.
void selectFreeTarget();

int getNumberOfCollectedTargets();
// Null outside the collection.
Target* getCollectedTarget(int index);
int getCurrentTargetIndex();

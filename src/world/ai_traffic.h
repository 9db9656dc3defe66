// The other aircraft X-Plane flies: AI and multiplayer traffic, read through
// the TCAS target datarefs when X-Plane offers them with more than one
// aircraft, else through the multiplayer datarefs. AI index i (from 0) is
// multiplayer plane i + 1 and TCAS target i + 1; 0 is the user's aircraft.
// Main thread only: the records returned by reference are overwritten by the
// next call, so callers copy what they keep.
#pragma once

#include <set>

// Multiplayer planes 1..19; TCAS targets 0..63.
const int kMultiplayerPlanes = 19;
const int kTcasTargets = 64;

struct AiPosition {
    float x;  // local metres
    float y;
    float z;
    float heading;  // psi
    float pitch;    // the
    float roll;     // phi
};

struct AiSlot {
    float distance;  // nautical miles from the reference point when made
    int index;
    // By distance alone: slots of equal distance keep their insertion order,
    // which is by index.
    bool operator<(const AiSlot& other) const { return distance < other.distance; }
};

// XPLMCountAircraft's active count less the user's aircraft.
int getActiveAIPlanes();
bool hasTcasSupport();
// All zero for an index no dataref holds.
const AiPosition& getAiPosition(int index);
// Nautical miles from the reference point (see ai_reference.h).
float getAIPlaneDistance(int index);
// Up to 7 characters; "" without TCAS or for an index no target holds.
const char* getTcasFlightID(int index);
// The mode-S ID with TCAS (0 for an index no target holds); else the index itself.
int getTcasId(int index);

// Every active aircraft by distance, rebuilt on each call.
const std::multiset<AiSlot>& getSortedAiSlots();
// One index on or back, wrapping round; 0 when there is no aircraft.
int getNextAiIndex(int index);
int getPreviousAiIndex(int index);
// One aircraft farther or nearer, wrapping round: from the farthest (or an
// index not in the set) next gives the nearest, from the nearest previous
// gives the farthest; 0 when there is no aircraft.
int getNextDistantAIPlane(int index);
int getPreviousDistantAIPlane(int index);

// The AI index whose TCAS target has the mode-S ID, or 0.
int findNewTcasSlot(int id);
// Keeps following one aircraft when X-Plane reorders its TCAS targets: when
// the index no longer has the ID, the index becomes the aircraft's new one
// and the ID that index's.
void checkSlotChange(int& index, int& id);

// Forgets the datarefs found and the sorted set (a new X-Plane session).
void resetAiTraffic();

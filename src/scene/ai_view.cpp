#include "scene/ai_view.h"

#include "scene/origin.h"
#include "world/ai_traffic.h"

namespace {
bool aiPerspective = false;
int currentAIPlane = 0;
int currentAIPlaneUniqueID = -1;
float aiScale = 1.0f;
}  // namespace

bool isAiPerspective() { return aiPerspective; }

void setAiPerspective(bool on) { aiPerspective = on; }

void resetAiPerspective() {
    aiPerspective = false;
    currentAIPlane = 0;
    currentAIPlaneUniqueID = -1;
}

void toggleAIPerspective() {
    int active = getActiveAIPlanes();
    if (active < 1) {
        aiPerspective = false;
        return;
    }
    if (aiPerspective) {
        aiPerspective = false;
        return;
    }
    if (currentAIPlane >= active) {
        currentAIPlane = 0;
    }
    aiPerspective = true;
    currentAIPlaneUniqueID = getTcasId(currentAIPlane);
}

int getCurrentAIPlane() { return currentAIPlane; }

void setCurrentAIPlane(int index) {
    if (index >= 0 && index < getActiveAIPlanes()) {
        currentAIPlane = index;
        currentAIPlaneUniqueID = getTcasId(index);
    }
}

int getCurrentAIPlaneUniqueID() { return currentAIPlaneUniqueID; }

float getAiScale() { return aiScale; }

void setAiScale(float scale) { aiScale = scale; }

bool followCurrentAIPlane() {
    if (aiPerspective && getActiveAIPlanes() < 1) {
        aiPerspective = false;
    }
    if (aiPerspective) {
        checkSlotChange(currentAIPlane, currentAIPlaneUniqueID);
    }
    return aiPerspective;
}

OriginPose getCurrentAIPlaneOrigin() {
    const AiPosition& ai = getAiPosition(currentAIPlane);
    OriginPose origin;
    origin.x = ai.x;
    origin.y = ai.y;
    origin.z = ai.z;
    origin.heading = ai.heading;
    origin.pitch = ai.pitch;
    origin.roll = ai.roll;
    return origin;
}

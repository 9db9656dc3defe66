#include "positioning/pipeline/ai_view.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/pipeline/origin.h"
#include "world/ai_reference.h"
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

namespace {
// AI distances count from where the view is: a free camera's own point, else
// its origin's.
bool currentCameraReference(double* x, double* y, double* z) {
    Camera* camera = getCurrentCamera();
    if (camera == nullptr) {
        return false;
    }
    if (camera->freeCamera) {
        *x = camera->x;
        *y = camera->y;
        *z = camera->z;
        return true;
    }
    OriginPose origin = getCameraOrigin(camera);
    *x = origin.x;
    *y = origin.y;
    *z = origin.z;
    return true;
}
}  // namespace

void registerAiReferencePoint() { setAiReferenceSource(currentCameraReference); }

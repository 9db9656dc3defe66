#include "positioning/commands/commands_ai_actions.h"

#include "scene/ai_view.h"
#include "positioning/commands/commands_table.h"
#include "world/ai_traffic.h"

namespace {
const float kAiScaleStep = 0.2f;
const float kMinAiScale = 0.2f;
const float kMaxAiScale = 6.0f;

void moveToAIPlane(int (*next)(int index)) {
    if (isAiPerspective()) {
        setCurrentAIPlane(next(getCurrentAIPlane()));
    }
}

void changeAiScale(float step) {
    float scale = getAiScale() + step;
    // Steps of 0.2 from 1.0 do not land on the limits exactly.
    if (scale > kMaxAiScale - 0.001f) {
        scale = kMaxAiScale;
    } else if (scale < kMinAiScale + 0.001f) {
        scale = kMinAiScale;
    }
    setAiScale(scale);
}
}  // namespace

void runAiCommand(int index) {
    switch (index) {
        case kCmdToggleAIPerspective: toggleAIPerspective(); break;
        case kCmdSelectNextAIPlane: moveToAIPlane(getNextAiIndex); break;
        case kCmdSelectPreviousAIPlane: moveToAIPlane(getPreviousAiIndex); break;
        case kCmdSelectNextDistantAIPlane: moveToAIPlane(getNextDistantAIPlane); break;
        case kCmdSelectPreviousDistantAIPlane: moveToAIPlane(getPreviousDistantAIPlane); break;
        case kCmdAIScaleUp: changeAiScale(kAiScaleStep); break;
        case kCmdAIScaleDown: changeAiScale(-kAiScaleStep); break;
        default: break;
    }
}

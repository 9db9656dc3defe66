#include "panels/control_panel/effect_combo.h"

#include "cameras/set/camera.h"

int effectOf(const Camera* camera) {
    if (camera->xpRealistic) {
        return kEffectXPRealistic;
    }
    if (camera->realView) {
        return kEffectRealView;
    }
    if (camera->headShake) {
        return kEffectHeadShake;
    }
    return camera->scriptId > 0 ? kEffectLuaScript : kEffectNone;
}

void applyEffect(Camera* camera, int effect) {
    camera->headShake = effect == kEffectHeadShake;
    camera->xpRealistic = effect == kEffectXPRealistic;
    camera->realView = effect == kEffectRealView;
    if (effect != kEffectLuaScript) {
        camera->scriptId = 0;
    } else if (camera->scriptId < 1) {
        camera->scriptId = 1;
    }
}

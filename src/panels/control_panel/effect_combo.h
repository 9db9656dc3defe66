// The effect plug-in of a camera as one choice: none, HeadShake, XPRealistic,
// RealView or a Lua script.
#pragma once

struct Camera;

enum EffectChoice { kEffectNone = 0, kEffectHeadShake, kEffectXPRealistic, kEffectRealView,
                    kEffectLuaScript };

// The effect a camera runs, with the camera reader's precedence when a
// camera holds several: XPRealistic, then RealView, then HeadShake.
int effectOf(const Camera* camera);
// Leaves only the chosen effect on the camera; a Lua script gets ID 1 or more.
void applyEffect(Camera* camera, int effect);

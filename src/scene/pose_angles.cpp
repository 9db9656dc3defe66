#include "scene/pose_angles.h"

#include <cmath>

#include "shell/angles.h"

float fixPitchRollAngle(float a) {
    float fixed = fixAngle(a);
    return fixed > 180.0f ? fixed - 360.0f : fixed;
}

float calculateNewAngle(float angle, float delta) {
    float result = angle + delta;
    if (result < 0.0f) {
        result += 360.0f;
    } else if (result > 360.0f) {
        result -= 360.0f;
    }
    return result;
}

float getDistance(float x1, float y1, float x2, float y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

float get3DDistance(double x1, double y1, double z1, double x2, double y2, double z2) {
    float dx = static_cast<float>(x2 - x1);
    float dy = static_cast<float>(y2 - y1);
    float dz = static_cast<float>(z2 - z1);
    return std::sqrt(dx * dx + dz * dz + dy * dy);
}

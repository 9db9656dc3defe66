// Angle arithmetic of poses.
#pragma once

// fixAngle, then angles above 180 lose 360: how X-Plane takes pitch and roll.
float fixPitchRollAngle(float a);
// angle + delta, plus 360 below 0, minus 360 above 360 (exactly 360 stays).
float calculateNewAngle(float angle, float delta);
float getDistance(float x1, float y1, float x2, float y2);
float get3DDistance(double x1, double y1, double z1, double x2, double y2, double z2);

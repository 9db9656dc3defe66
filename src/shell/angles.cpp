#include "shell/angles.h"

#include <algorithm>
#include <cmath>

namespace {
// The single-precision value of pi, which the stored distances were computed with.
const double kPi = 3.1415927410125732;
}

float radians(float degrees) { return degrees * 0.017453292f; }

float toDegrees(float radiansValue) { return radiansValue * 57.295776f; }

double deg2rad(double degrees) { return degrees * kPi / 180.0; }

double rad2deg(double radiansValue) { return radiansValue * 180.0 / kPi; }

float fixAngle(float degrees) {
    if (degrees < 0) {
        // A sliver below 0 comes to 360 itself in single precision: north.
        float wrapped = degrees + 360.0f;
        return wrapped < 360.0f ? wrapped : 0.0f;
    }
    if (degrees >= 360.0f) {
        return degrees - 360.0f;
    }
    return degrees;
}

double distanceLatLon(double lat1, double lon1, double lat2, double lon2, char unit) {
    double cosine = sin(deg2rad(lat1)) * sin(deg2rad(lat2)) +
                    cos(deg2rad(lat1)) * cos(deg2rad(lat2)) * cos(deg2rad(lon1 - lon2));
    // Rounding can push identical points just past 1, where acos is NaN.
    cosine = std::clamp(cosine, -1.0, 1.0);
    double miles = rad2deg(acos(cosine)) * 60 * 1.1515;
    if (unit == 'K') {
        return miles * 1.609344;
    }
    if (unit == 'N') {
        return miles * 0.8684;
    }
    return miles;
}

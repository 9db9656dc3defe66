// X-Plane's own 3-D cockpit view: the pilot's head in the user's aircraft.
#include <cmath>

#include "internal.h"

namespace xpsim::detail {
namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double degrees) { return degrees * kPi / 180.0; }
double degrees(double radians) { return radians * 180.0 / kPi; }

struct Vector {
    double x, y, z;
};

double dot(const Vector& a, const Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A camera's turn as X-Plane makes it (x east, y up, z south): heading, then
// pitch, then roll, each about the axis the turns before it left. Roll
// takes the right side down, pitch the nose up, heading north to east.
struct Attitude {
    double heading, pitch, roll;

    Vector turn(Vector v) const {
        double c = std::cos(radians(roll)), s = std::sin(radians(roll));
        v = {v.x * c + v.y * s, v.y * c - v.x * s, v.z};
        c = std::cos(radians(pitch));
        s = std::sin(radians(pitch));
        v = {v.x, v.y * c - v.z * s, v.z * c + v.y * s};
        c = std::cos(radians(heading));
        s = std::sin(radians(heading));
        return {v.x * c - v.z * s, v.y, v.z * c + v.x * s};
    }
};

// The attitude whose turn takes the view's forward (-z) to ahead and its
// right (+x) to right.
Attitude attitudeOf(const Vector& ahead, const Vector& right) {
    Attitude a{};
    a.heading = std::atan2(ahead.x, -ahead.z);
    a.pitch = std::asin(std::fmax(-1.0, std::fmin(1.0, ahead.y)));
    Vector levelRight{std::cos(a.heading), 0, std::sin(a.heading)};
    Vector levelUp{-std::sin(a.heading) * std::sin(a.pitch), std::cos(a.pitch),
                   std::cos(a.heading) * std::sin(a.pitch)};
    a.roll = std::atan2(-dot(right, levelUp), dot(right, levelRight));
    a.heading = std::fmod(degrees(a.heading) + 360.0, 360.0);
    a.pitch = degrees(a.pitch);
    a.roll = degrees(a.roll);
    return a;
}

}  // namespace

// The head's position (x right, y up, z aft) turned with the aircraft; the
// aircraft's turn followed by the head's.
XPLMCameraPosition_t viewPose() {
    Attitude aircraft{simValue("sim/flightmodel/position/psi"),
                      simValue("sim/flightmodel/position/theta"),
                      simValue("sim/flightmodel/position/phi")};
    Attitude head{simValue("sim/graphics/view/pilots_head_psi"),
                  simValue("sim/graphics/view/pilots_head_the"),
                  simValue("sim/graphics/view/pilots_head_phi")};
    Vector eye = aircraft.turn({simValue("sim/graphics/view/pilots_head_x"),
                                simValue("sim/graphics/view/pilots_head_y"),
                                simValue("sim/graphics/view/pilots_head_z")});
    Attitude view = attitudeOf(aircraft.turn(head.turn({0, 0, -1})),
                               aircraft.turn(head.turn({1, 0, 0})));
    XPLMCameraPosition_t pose{};
    pose.x = static_cast<float>(simValue("sim/flightmodel/position/local_x") + eye.x);
    pose.y = static_cast<float>(simValue("sim/flightmodel/position/local_y") + eye.y);
    pose.z = static_cast<float>(simValue("sim/flightmodel/position/local_z") + eye.z);
    pose.pitch = static_cast<float>(view.pitch);
    pose.heading = static_cast<float>(view.heading);
    pose.roll = static_cast<float>(view.roll);
    pose.zoom = 1.0f;
    return pose;
}

}  // namespace xpsim::detail

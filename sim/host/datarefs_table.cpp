// X-Plane's own datarefs as the simulator publishes them, with X-Plane's
// defaults. Add a row to publish another one.
#include <string>

#include "dataref.h"
#include "internal.h"

namespace xpsim::detail {
namespace {

constexpr XPLMDataTypeID kInt = xplmType_Int;
constexpr XPLMDataTypeID kFloat = xplmType_Float;
// X-Plane's double datarefs can be read as floats too.
constexpr XPLMDataTypeID kDouble = xplmType_Float | xplmType_Double;
constexpr XPLMDataTypeID kFloats = xplmType_FloatArray;
constexpr XPLMDataTypeID kInts = xplmType_IntArray;
constexpr XPLMDataTypeID kBytes = xplmType_Data;
constexpr bool RW = true;
constexpr bool RO = false;

struct Row {
    const char* name;
    XPLMDataTypeID types;
    int size;  // elements of an array, bytes of a byte array
    bool writable;
    double value;  // every element of an array
    void (*onChange)(Dataref&);
};

// View types: 1000 forward with 2-D panel, 1011 tower, 1013 runway, 1017 chase,
// 1018 circle, 1023 forward with HUD, 1026 3-D cockpit, 1028 free camera,
// 1031 external. X-Plane 12 starts in the 3-D cockpit.
const Row kRows[] = {
    {"sim/flightmodel/position/local_x", kDouble, 1, RW, 0, localPositionWritten},
    {"sim/flightmodel/position/local_y", kDouble, 1, RW, 0, localPositionWritten},
    {"sim/flightmodel/position/local_z", kDouble, 1, RW, 0, localPositionWritten},
    {"sim/flightmodel/position/latitude", kDouble, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/longitude", kDouble, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/elevation", kDouble, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/y_agl", kFloat, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/psi", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/theta", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/phi", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/hpath", kFloat, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/beta", kFloat, 1, RO, 0, nullptr},
    {"sim/flightmodel/position/local_vx", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/local_vy", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/local_vz", kFloat, 1, RW, 0, nullptr},
    {"sim/flightmodel/position/groundspeed", kFloat, 1, RO, 0, nullptr},

    {"sim/graphics/VR/enabled", kInt, 1, RO, 0, nullptr},
    {"sim/graphics/view/pilots_head_x", kFloat, 1, RW, -0.3, nullptr},
    {"sim/graphics/view/pilots_head_y", kFloat, 1, RW, 1.2, nullptr},
    {"sim/graphics/view/pilots_head_z", kFloat, 1, RW, -2.0, nullptr},
    {"sim/graphics/view/pilots_head_psi", kFloat, 1, RW, 0, nullptr},
    {"sim/graphics/view/pilots_head_the", kFloat, 1, RW, 0, nullptr},
    {"sim/graphics/view/pilots_head_phi", kFloat, 1, RW, 0, nullptr},
    {"sim/graphics/view/field_of_view_deg", kFloat, 1, RW, 60, nullptr},
    {"sim/graphics/view/field_of_view_roll_deg", kFloat, 1, RW, 0, nullptr},
    {"sim/graphics/view/cinema_verite", kInt, 1, RW, 0, nullptr},
    {"sim/graphics/view/hide_yoke", kInt, 1, RW, 0, nullptr},
    {"sim/graphics/view/eq_trackir", kInt, 1, RW, 0, nullptr},
    {"sim/graphics/view/view_type", kInt, 1, RO, 1026, viewTypeWritten},
    {"sim/graphics/view/view_is_external", kInt, 1, RO, 0, nullptr},
    // Where the camera was drawn from last frame.
    {"sim/graphics/view/view_x", kFloat, 1, RO, 0, nullptr},
    {"sim/graphics/view/view_y", kFloat, 1, RO, 0, nullptr},
    {"sim/graphics/view/view_z", kFloat, 1, RO, 0, nullptr},
    {"sim/graphics/view/view_pitch", kFloat, 1, RO, 0, nullptr},
    {"sim/graphics/view/view_heading", kFloat, 1, RO, 0, nullptr},
    {"sim/graphics/view/view_roll", kFloat, 1, RO, 0, nullptr},
    {"sim/private/controls/camera/kill_wheel_zoom", kFloat, 1, RW, 0, nullptr},
    // The window phase's matrices (column-major) and viewport; the drawing
    // surface writes them whenever the desktop changes.
    {"sim/graphics/view/modelview_matrix", kFloats, 16, RO, 0, nullptr},
    {"sim/graphics/view/projection_matrix", kFloats, 16, RO, 0, nullptr},
    {"sim/graphics/view/viewport", kInts, 4, RO, 0, nullptr},

    {"sim/operation/misc/frame_rate_period", kFloat, 1, RO, 1.0 / 60.0, nullptr},
    {"sim/time/total_running_time_sec", kFloat, 1, RO, 0, nullptr},
    {"sim/time/paused", kInt, 1, RO, 0, nullptr},

    // Index 0 the carrier, 1 the frigate.
    {"sim/world/boat/x_mtr", kFloats, 2, RO, 0, nullptr},
    {"sim/world/boat/y_mtr", kFloats, 2, RO, 0, nullptr},
    {"sim/world/boat/z_mtr", kFloats, 2, RO, 0, nullptr},
    {"sim/world/boat/heading_deg", kFloats, 2, RO, 0, nullptr},

    {"sim/aircraft/view/acf_size_z", kFloat, 1, RO, 8.28, nullptr},

    {"sim/joystick/joystick_axis_values", kFloats, 500, RO, 0, nullptr},
    {"sim/joystick/joystick_axis_assignments", kInts, 500, RW, 0, nullptr},
    {"sim/joystick/joystick_axis_reverse", kInts, 500, RW, 0, nullptr},
    {"sim/joystick/joystick_axis_minimum", kFloats, 500, RW, 0, nullptr},
    {"sim/joystick/joystick_axis_maximum", kFloats, 500, RW, 1, nullptr},
    {"sim/joystick/joy_mapped_axis_avail", kInts, 100, RO, 0, nullptr},
    {"sim/joystick/joy_mapped_axis_value", kFloats, 100, RO, 0, nullptr},

    // TCAS targets (X-Plane 11.50 on): target 0 is the user's aircraft, flight
    // IDs take 8 bytes a target. Filled from the simulator's AI traffic.
    {"sim/cockpit2/tcas/indicators/tcas_num_acf", kInt, 1, RO, 1, nullptr},
    {"sim/cockpit2/tcas/targets/position/x", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/y", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/z", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/lat", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/lon", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/ele", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/psi", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/the", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/position/phi", kFloats, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/modeS_id", kInts, 64, RO, 0, nullptr},
    {"sim/cockpit2/tcas/targets/flight_id", kBytes, 512, RO, 0, nullptr},
};

// Each multiplayer plane 1..19 has these, named
// "sim/multiplayer/position/planeN_" + suffix.
const Row kMultiplayerPlaneRows[] = {
    {"x", kDouble, 1, RW, 0, nullptr},
    {"y", kDouble, 1, RW, 0, nullptr},
    {"z", kDouble, 1, RW, 0, nullptr},
    {"the", kFloat, 1, RW, 0, nullptr},
    {"phi", kFloat, 1, RW, 0, nullptr},
    {"psi", kFloat, 1, RW, 0, nullptr},
    {"lat", kDouble, 1, RO, 0, nullptr},
    {"lon", kDouble, 1, RO, 0, nullptr},
    {"el", kDouble, 1, RO, 0, nullptr},
};
const int kMultiplayerPlanes = 19;

void install(const Row& row, const std::string& name) {
    Dataref& d = datarefRecord(name);
    publishWithStorage(d, Owner::Simulator, row.types, row.size, row.writable, row.value);
    d.onChange = row.onChange;
}

}  // namespace

void installSimDatarefs() {
    for (const Row& row : kRows) install(row, row.name);
    for (int plane = 1; plane <= kMultiplayerPlanes; ++plane)
        for (const Row& row : kMultiplayerPlaneRows)
            install(row, "sim/multiplayer/position/plane" + std::to_string(plane) + "_" + row.name);
}

void reinstallSimDatarefs(const std::string& prefix) {
    for (const Row& row : kRows)
        if (std::string(row.name).compare(0, prefix.size(), prefix) == 0) install(row, row.name);
}

}  // namespace xpsim::detail

// X-Plane's own commands as the simulator offers them, and what each does when
// a press reaches X-Plane. Add a row to offer another one.
#include <string>

#include "command.h"
#include "internal.h"

namespace xpsim::detail {
namespace {

void view(int viewType) { selectView(viewType); }

void togglePause(int) {
    setSimValue("sim/time/paused", simValue("sim/time/paused") != 0 ? 0 : 1);
}

// X-Plane's fixed look directions turn the pilot's head in the cockpit:
// heading (degrees right of the nose) and pitch (degrees up).
struct Look {
    float heading;
    float pitch;
};

const Look kLooks[] = {
    {0, 0},     // 0 forward
    {315, 45},  // 1 left and up
    {45, 45},   // 2 right and up
    {90, 0},    // 3 glance right
    {270, 0},   // 4 glance left
    {180, 0},   // 5 back
    {0, 90},    // 6 straight up
    {0, -90},   // 7 straight down
    {135, 0},   // 8 right 135
    {225, 0},   // 9 left 135
    {90, 0},    // 10 right 90
    {270, 0},   // 11 left 90
    {45, 0},    // 12 right 45
    {315, 0},   // 13 left 45
};

void look(int which) {
    setSimValue("sim/graphics/view/pilots_head_psi", kLooks[which].heading);
    setSimValue("sim/graphics/view/pilots_head_the", kLooks[which].pitch);
}

struct Row {
    const char* name;
    const char* description;
    void (*effect)(int);
    int argument;
};

const Row kRows[] = {
    {"sim/view/forward_with_panel", "Forward with 2-D panel.", view, 1000},
    {"sim/view/forward_with_hud", "Forward with HUD.", view, 1023},
    {"sim/view/3d_cockpit", "3-D cockpit.", view, 1026},
    {"sim/view/3d_cockpit_cmnd_look", "3-D cockpit, mouse look.", view, 1026},
    {"sim/view/free_camera", "Free camera.", view, 1028},
    {"sim/view/chase", "Chase.", view, 1017},
    {"sim/view/circle", "Circle.", view, 1018},
    {"sim/view/tower", "Tower.", view, 1011},
    {"sim/view/runway", "Runway.", view, 1013},
    {"sim/view/free_view_toggle", "Toggle free view.", nullptr, 0},
    {"sim/operation/pause_toggle", "Toggle paused.", togglePause, 0},

    {"sim/view/forward", "Look forward.", look, 0},
    {"sim/view/left_up", "Look left and up.", look, 1},
    {"sim/view/up_left", "Look up and left.", look, 1},
    {"sim/view/right_up", "Look right and up.", look, 2},
    {"sim/view/up_right", "Look up and right.", look, 2},
    {"sim/view/glance_right", "Glance right.", look, 3},
    {"sim/view/glance_left", "Glance left.", look, 4},
    {"sim/view/back", "Look back.", look, 5},
    {"sim/view/straight_up", "Look straight up.", look, 6},
    {"sim/view/straight_down", "Look straight down.", look, 7},
    {"sim/view/right_135", "Look right 135 degrees.", look, 8},
    {"sim/view/left_135", "Look left 135 degrees.", look, 9},
    {"sim/view/right_90", "Look right 90 degrees.", look, 10},
    {"sim/view/left_90", "Look left 90 degrees.", look, 11},
    {"sim/view/right_45", "Look right 45 degrees.", look, 12},
    {"sim/view/left_45", "Look left 45 degrees.", look, 13},

    {"sim/view/pan_left", "Pan left.", nullptr, 0},
    {"sim/view/pan_right", "Pan right.", nullptr, 0},
    {"sim/view/pan_up", "Pan up.", nullptr, 0},
    {"sim/view/pan_down", "Pan down.", nullptr, 0},
    {"sim/view/pan_left_fast", "Pan left fast.", nullptr, 0},
    {"sim/view/pan_right_fast", "Pan right fast.", nullptr, 0},
    {"sim/view/pan_up_fast", "Pan up fast.", nullptr, 0},
    {"sim/view/pan_down_fast", "Pan down fast.", nullptr, 0},

    {"sim/general/hat_switch_up", "Hat switch up.", nullptr, 0},
    {"sim/general/hat_switch_up_right", "Hat switch up and right.", nullptr, 0},
    {"sim/general/hat_switch_right", "Hat switch right.", nullptr, 0},
    {"sim/general/hat_switch_down_right", "Hat switch down and right.", nullptr, 0},
    {"sim/general/hat_switch_down", "Hat switch down.", nullptr, 0},
    {"sim/general/hat_switch_down_left", "Hat switch down and left.", nullptr, 0},
    {"sim/general/hat_switch_left", "Hat switch left.", nullptr, 0},
    {"sim/general/hat_switch_up_left", "Hat switch up and left.", nullptr, 0},
};

// Families of X-Plane's commands that differ only in a word of their names:
// the rotations, moves and zooms come in normal, slow and fast variants.
const char* const kRotations[] = {"rot_up", "rot_down", "rot_right", "rot_left"};
const char* const kMoves[] = {"forward", "backward", "left", "right", "up", "down"};
const char* const kZooms[] = {"zoom_in", "zoom_out"};
const char* const kVariants[] = {"", "_slow", "_fast"};

void offer(const std::string& name, const std::string& description, void (*effect)(int) = nullptr,
           int argument = 0) {
    Command& c = commandRecord(name);
    if (!c.present) c.created = nextCreationNumber();
    c.present = true;
    c.description = description;
    c.effect = effect;
    c.effectArgument = argument;
}

}  // namespace

void installSimCommands() {
    for (const Row& row : kRows) offer(row.name, row.description, row.effect, row.argument);
    for (const char* variant : kVariants) {
        for (const char* rotation : kRotations)
            offer(std::string("sim/general/") + rotation + variant, "Rotate the view.");
        for (const char* move : kMoves)
            offer(std::string("sim/general/") + move + variant, "Move the view.");
        for (const char* zoom : kZooms)
            offer(std::string("sim/general/") + zoom + variant, "Zoom the view.");
    }
    // X-Plane's twenty quick looks and the commands that memorize them; in the
    // simulator no quick look is stored, so they move nothing.
    for (int i = 0; i < 20; ++i) {
        offer("sim/view/quick_look_" + std::to_string(i), "Quick look " + std::to_string(i) + ".");
        offer("sim/view/quick_look_" + std::to_string(i) + "_mem",
              "Memorize quick look " + std::to_string(i) + ".");
    }
}

}  // namespace xpsim::detail

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

    {"sim/general/left", "Move left.", nullptr, 0},
    {"sim/general/right", "Move right.", nullptr, 0},
    {"sim/general/up", "Move up.", nullptr, 0},
    {"sim/general/down", "Move down.", nullptr, 0},
    {"sim/general/forward", "Move forward.", nullptr, 0},
    {"sim/general/backward", "Move backward.", nullptr, 0},
    {"sim/general/rot_left", "Rotate left.", nullptr, 0},
    {"sim/general/rot_right", "Rotate right.", nullptr, 0},
    {"sim/general/rot_up", "Rotate up.", nullptr, 0},
    {"sim/general/rot_down", "Rotate down.", nullptr, 0},
    {"sim/general/zoom_in", "Zoom in.", nullptr, 0},
    {"sim/general/zoom_out", "Zoom out.", nullptr, 0},
};

}  // namespace

void installSimCommands() {
    for (const Row& row : kRows) {
        Command& c = commandRecord(row.name);
        c.present = true;
        c.description = row.description;
        c.effect = row.effect;
        c.effectArgument = row.argument;
    }
    // X-Plane's twenty quick looks; they move the head without changing the view.
    for (int i = 0; i < 20; ++i) {
        Command& c = commandRecord("sim/view/quick_look_" + std::to_string(i));
        c.present = true;
        c.description = "Quick look " + std::to_string(i) + ".";
    }
}

}  // namespace xpsim::detail

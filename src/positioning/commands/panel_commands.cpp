#include "positioning/commands/panel_commands.h"

namespace {
void (*panelsRunner)(PanelCommand) = nullptr;
}  // namespace

void setPanelCommandRunner(void (*runner)(PanelCommand command)) { panelsRunner = runner; }

void tellPanels(PanelCommand command) {
    if (panelsRunner != nullptr) {
        panelsRunner(command);
    }
}

#include "panels/panel_lifetimes.h"

#include "panels/calibration_panel.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "panels/save_target_panel.h"
#include "panels/settings_panel.h"

void hidePanelsAtDisable() {
    CalibrateViewAxisWidget::deleteAll();
    hideSettingsPanel();
    hideSaveTargetPanel();
    // Its flight loop, which would carry out a deferred deletion, stops now.
    deleteMiniControlPanel();
}

void deletePanelsAtStop() {
    deleteSettingsPanel();
    deleteSaveTargetPanel();
    resetMiniControlPanel();
}

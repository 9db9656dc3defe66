#include "panels/panel_lifetimes.h"

#include "panels/calibration_panel.h"
#include "panels/control_panel/control_panel.h"
#include "panels/save_target_panel.h"
#include "panels/settings_panel.h"
#include "panels/target_info_panel.h"

void hidePanelsAtDisable() {
    CalibrateViewAxisWidget::deleteAll();
    deleteControlPanel();
    hideSettingsPanel();
    hideSaveTargetPanel();
    showTargetInfoPanel(true);
}

void deletePanelsAtStop() {
    deleteControlPanel();
    deleteSettingsPanel();
    deleteSaveTargetPanel();
}

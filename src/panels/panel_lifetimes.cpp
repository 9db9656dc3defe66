#include "panels/panel_lifetimes.h"

#include "community/share_camera_file.h"
#include "community/updater_widget.h"
#include "panels/calibration_panel.h"
#include "panels/control_panel/community_dialogs.h"
#include "panels/control_panel/control_panel.h"
#include "panels/control_panel/dialog_memory.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "panels/save_target_panel.h"
#include "panels/settings_panel.h"
#include "panels/target_info_panel.h"

void hidePanelsAtDisable() {
    CalibrateViewAxisWidget::deleteAll();
    deleteControlPanel();
    hideSettingsPanel();
    hideSaveTargetPanel();
    // Their exchanges are asked to end; the disable then cuts them off, and a
    // frame after the next enable, or the stop, joins their workers.
    UpdaterWidget::destroy();
    cancelSharingCameraFile();
    showTargetInfoPanel(true);
    // Its flight loop, which would carry out a deferred deletion, stops now.
    deleteMiniControlPanel();
}

void deletePanelsAtStop() {
    deleteControlPanel();
    deleteSettingsPanel();
    deleteSaveTargetPanel();
    UpdaterWidget::destroy();
    cancelSharingCameraFile();
    resetCommunityDialogs();
    resetControlPanelMemory();
    resetMiniControlPanel();
}

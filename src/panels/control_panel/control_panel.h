// The control panel: the editing window of the camera set. One panel at a
// time, held by showNewControlPanel, which is also its state machine.
#pragma once

#include <string>

#include "libwinkit/qfn_im_window.h"
#include "shell/settings.h"

class FileDialog;

enum ControlPanelState {
    kControlPanelStart = 0,
    kControlPanelToggle = 1,
    kControlPanelShow = 2,
    kControlPanelHide = 3,
    kControlPanelDestroy = 4,
    kControlPanelQueryVisible = 5,
    kControlPanelQueryAutoAdvance = 6,
    kControlPanelRebuildCheck = 7,
};

// The modal dialogs the panel opens, by the number its menus request.
enum ControlPanelDialog {
    kDialogNone = 0,
    kDialogPasteCameraSet = 1,
    kDialogShareCommunityFile = 2,
    kDialogBrowseCommunityFiles = 3,
    kDialogCreateOrbit = 4,
    kDialogCreateFlyBy = 5,
    kDialogCreateAirportCameras = 6,
    kDialogNewCameraSet = 7,
    kDialogViewIDs = 8,
    kDialogImportCameraFile = 9,
    kDialogImportFromBackup = 10,
};

class ControlPanelWidget : public QfnImWindow {
public:
    ControlPanelWidget(int left, int top, int right, int bottom, int decoration, bool translucent);
    ~ControlPanelWidget() override;

    bool allowAutoAdvance() const { return collapsed || autoAdvanceAllowed; }
    bool isTranslucent() const { return translucent; }
    // Opens the dialog of that number in the next frame, as its menu item does.
    void requestDialog(int dialog) { dialogRequest = dialog; }

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onFlightLoopCall() override;

private:
    void testForWindowMove();
    void populateMenuBar();
    void populateCameraListBoxes();
    void cameraCopyPasteMenu();
    void categoryContextMenu();
    void cameraContextMenu();
    void populateSaveRow();
    void processModelDialog();

    // The option editor below the lists.
    void populateTrackIR();
    void populateCameraMovement();
    void populateBasicOptions();
    bool cameraHasAdvancedOptions() const;

    // The modal dialogs, each drawing only while its popup is open.
    void processShareCommunityFile(char* errorText);
    void processBrowseCommunityFiles(char* errorText);
    void processCreateOrbit();
    void processCreateFlyBy();
    void processCreateAirportCameras();
    void processConfirmNewAircraftSet();
    void processDisplayViewIDs();
    void processImportCameraFile();
    bool processFilePicker(bool open);
    bool checkImportFile(const char* path);
    void processConfirmPasteCameraSet();
    void importCameraFile();

public:
    // Edit > "Copy Camera Set" fills it; "Paste Camera Set" puts it back. One
    // for the whole plug-in: copies outlive every panel.
    static struct CategoryCache copiedCameraSet;

private:

    int lastMouseX = 0;
    int lastMouseY = 0;
    bool moving = false;
    bool autoAdvanceAllowed = false;
    bool collapsed = false;
    bool closeRequested = false;
    bool createBackup = false;
    bool showAdvancedOptions = false;
    int dialogRequest = kDialogNone;
    int importMode = 0;
    bool translucent = false;
    int width = 0;
    int height = 0;
    char importPath[512] = {};
    FileDialog* fileDialog = nullptr;
    int saveCompletedFrames = 0;
    bool autoCorrectImport = false;
    std::string importError;

    friend ControlPanelWidget* controlPanel();
};

bool showNewControlPanel(int state);
// The panel, or null; for the window manager and the tests.
ControlPanelWidget* controlPanel();

// Whether a saved panel position can be used: its top-left corner lies on a
// monitor X-Plane reports.
bool isWindowPositionValid(const WindowPosition* position);

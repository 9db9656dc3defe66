// The control panel: the editing window of the camera set. One panel at a
// time, held by showNewControlPanel, which is also its state machine.
#pragma once

#include <string>
#include <vector>

#include "cameras/set/camera.h"
#include "libwinkit/qfn_im_window.h"
#include "shell/settings.h"

class FileDialog;
struct GlobalCameraFileNameEntry;

enum ControlPanelState {
    kControlPanelStart = 0,
    kControlPanelToggle = 1,
    kControlPanelShow = 2,
    kControlPanelHide = 3,
    kControlPanelDestroy = 4,
    kControlPanelQueryVisible = 5,
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
    // The top-left corner there, the panel as large as it shows itself, moved
    // and cut to stay within the monitor it is on.
    void moveOnMonitor(int left, int top);
    // Where the panel is: popped out (mode 2, the operating system's
    // rectangle) or floating (mode 1, global boxels).
    WindowPosition shownPlace() const;
    // Opens the dialog of that number in the next frame, as its menu item does.
    void requestDialog(int dialog) { dialogRequest = dialog; }

protected:
    void configureImguiContext() override;
    void buildInterface() override;
    void onFlightLoopCall() override;

private:
    // Collapse, restore and the close button of the translucent look; false
    // when the window is collapsed and nothing else is drawn.
    bool handleTranslucentFrame();
    // The translucent window's height: the whole panel with the advanced
    // camera options shown, 190 less without their rows. Expanding the
    // window and the options box's checkbox both size it by this.
    int translucentHeight() const;
    // Keeps the top-left corner, within the monitor the window is on: a
    // panel higher than the monitor is cut to it and scrolls.
    void resizeOnMonitor(int newWidth, int newHeight);
    void testForWindowMove();
    void populateMenuBar();
    void populateCameraListBoxes();
    void cameraCopyPasteMenu();
    void categoryContextMenu();
    void cameraContextMenu();
    void populateSaveRow();
    void processModelDialog();

    // The parts of the lists.
    void populateCategoryList();
    void populateCameraList();
    void populateViewIdRow();
    void categoryMenuItems();
    void populateAirportFileMenu();
    // The rename field of a context menu: typed into a buffer and applied on
    // Enter or "Ok" when the name is acceptable for the category at
    // categoryIndex, or for a camera of it.
    void itemNameEditor(char* name, int categoryIndex, bool camera);
    // Saves before the set is replaced by another file; false (and a message
    // box) when the save failed, so the set stays.
    bool saveBeforeSwitch();
    void saveAllCameras(bool announce, bool backup);

    // The option editor below the lists.
    void populateTrackIR();
    void populateCameraMovement();
    void populateBasicOptions();
    bool cameraHasAdvancedOptions() const;

    // The modal dialogs, each drawing only while its popup is open.
    void processShareCommunityFile(char* errorText);
    void processBrowseCommunityFiles(char* errorText);
    // Fills the list with the cached community files whose search key holds
    // the filter (all when it is empty); returns how many files are cached.
    static int filterCommunityList(std::vector<GlobalCameraFileNameEntry>& list,
                                   const char* filter);
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
    // The share and browse dialogs' red message; the paste confirmation
    // leaves it alone.
    char communityErrorText[2000] = {};
    // The last "Save All" failed: the save row shows why in red.
    bool saveFailed = false;
    // The name being edited in a context menu, and why it was refused.
    char renameText[kMaxNameLength + 1] = {};
    std::string renameError;
    bool refocusName = false;
    // Set while the window draws its frame: a destroy asked for then is deferred.
    bool insideFrame = false;

    friend ControlPanelWidget* controlPanel();
    friend bool showNewControlPanel(int state);
};

bool showNewControlPanel(int state);
// The panel, or null; for the window manager and the tests.
ControlPanelWidget* controlPanel();
// The plug-in is disabled or stops: the panel goes at once, since its own
// flight loop, which would carry out a deferred deletion, no longer runs.
void deleteControlPanel();


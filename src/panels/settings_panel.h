// The settings panel: every control edits the one settings record in place,
// so a change takes effect at once; "Save Settings" writes "Ovilux.ini".
#pragma once

#include <string>

#include "libwinkit/qfn_im_window.h"

class SettingsWidget : public QfnImWindow {
public:
    SettingsWidget(int left, int top, int right, int bottom, int decoration);

protected:
    void configureImguiContext() override;
    void buildInterface() override;

private:
    void buildSpeedRows();
    void buildSmoothingRows();
    void buildCheckboxes();
    void buildButtons();
    void restoreDefaults();

    // Read once: the monitor list is not refreshed while the panel lives.
    int monitorCount = 1;
    std::string errorText;
};

// Creates and shows the panel, or shows it; toggle true hides a visible one.
void showNewSettingsPanel(bool toggle);
// The plug-in is disabled: the panel hides, kept with its place.
void hideSettingsPanel();
// The plug-in stops: the panel goes.
void deleteSettingsPanel();
SettingsWidget* settingsPanel();

// Asks for a name and stores the current camera's position as a named target.
// One panel, kept with the typed name while the plug-in stays loaded.
#pragma once

#include <string>

#include "libwinkit/qfn_im_window.h"

class SaveTargetWidget : public QfnImWindow {
public:
    SaveTargetWidget(int left, int top, int right, int bottom, int decoration);

protected:
    void configureImguiContext() override;
    void buildInterface() override;

private:
    void createTarget();

    std::string errorText;
    char name[70] = {};
};

void showNewSaveTargetPanel();
void hideSaveTargetPanel();
void deleteSaveTargetPanel();
SaveTargetWidget* saveTargetPanel();

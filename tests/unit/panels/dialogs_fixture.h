// The control panel opened on the Cessna's cameras (or on an airport's), its
// dialogs opened from the panel's menus, and the clicks and typing a person
// would use on them.
#pragma once

#include <string>
#include <vector>

#include "panels/control_panel/control_panel.h"
#include "support/window_text.h"
#include "unit/generators/airport_fixture.h"

class DialogsFixture : public AirportFixture {
protected:
    void TearDown() override;

    ControlPanelWidget* openPanel();
    // Chooses the dialog's menu item in the panel's menus; the dialog shows
    // from the frame after.
    void openDialog(int dialog);

    // What the open dialog shows: the runs from its title on, since the
    // panel behind it shows some of the same texts ("Category", a camera's
    // name, a field's value on the same line). The whole panel when no
    // dialog is open.
    std::vector<TextRun> text() const;
    bool shows(const std::string& what) const;
    // Every run whose text is exactly this.
    std::vector<TextRun> runsOf(const std::string& what) const;
    // Presses the run's centre and lets the window see the release in the
    // next frame; the press takes effect in that frame.
    void press(const TextRun& run);
    // Presses the last control shown with this text (a popup's title comes
    // before its buttons) and runs the frames that show what it changed.
    void click(const std::string& label);
    // Presses the first control shown with this text (the first of its rows).
    void clickFirst(const std::string& label);
    // Clicks the text field left of its label and types.
    void typeInto(const std::string& label, const std::string& typed);
    // Clicks the text field left of its label and empties it (Ctrl+A, Backspace).
    void clearField(const std::string& label);
    // Double-clicks the number field left of its label (it then takes text),
    // types and presses return.
    void typeNumber(const std::string& label, const std::string& typed);
    // Types the number, as it is shown, unless the field shows it already.
    void setNumber(const std::string& label, const std::string& shown);
    // What the field left of its label shows.
    std::string fieldValue(const std::string& label) const;
    // Once the dimming has faded in: the open dialog's body keeps its own
    // dark background and the panel around it is dimmed.
    void expectDrawnAboveItsDimming();

    ControlPanelWidget* panel = nullptr;
    // The title of the dialog last opened.
    std::string dialogTitle;
    // A pixel of the panel far from any dialog, where and as it was drawn
    // just before the dialog last opened.
    int behindX = 0, behindY = 0;
    unsigned char behindBeforeDialog[4] = {};
};

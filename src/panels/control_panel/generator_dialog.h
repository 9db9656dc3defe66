// The form the fly-by and orbit dialogs share: a name, the generator's own
// fields, why the last "Create" made nothing, then "Cancel" and "Create".
#pragma once

#include <cstddef>
#include <functional>

struct GeneratorDialogForm {
    const char* title;   // the popup's
    const char* nameId;  // the name field's label and ImGui ID
    const char* noName;  // why a name of blanks only makes nothing
};

// What the form edits, kept by its dialog.
struct GeneratorDialogValues {
    char* name;
    size_t nameSize;
    // Why the last "Create" made nothing; null when it made something or
    // the dialog was opened since.
    const char** refusal;
};

// Draws the form while its popup is open. requested: the panel asks for the
// dialog this frame. fields draws the generator's own fields below the name;
// camerasFit tells whether the cameras would fit the camera file; create
// makes them, after which the dialog closes.
void drawGeneratorDialog(const GeneratorDialogForm& form, const GeneratorDialogValues& values,
                         bool requested, const std::function<void()>& fields,
                         const std::function<bool()>& camerasFit,
                         const std::function<void()>& create);

// Message boxes as a user meets them: shown on the frames after they were
// asked for, answered by clicking their buttons.
#pragma once

#include <string>
#include <vector>

#include "libwinkit/message_box.h"

// Runs the two frames that open the queued boxes and size them to their text.
std::vector<MsgBoxView> showMessageBoxes();
// The newest open box with that title; false when there is none.
bool findMessageBox(const std::string& title, MsgBoxView* out);
// Clicks the button (press and release between two frames), then runs the
// frames that let ImGui see the click, the box close and its action run.
void clickMessageBoxButton(const MsgBoxView& box, bool ok);

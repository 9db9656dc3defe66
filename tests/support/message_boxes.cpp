#include "support/message_boxes.h"

#include "xpsim.h"

std::vector<MsgBoxView> showMessageBoxes() {
    xpsim::runFrames(2);
    return liveMsgBoxes();
}

bool findMessageBox(const std::string& title, MsgBoxView* out) {
    std::vector<MsgBoxView> boxes = liveMsgBoxes();
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        if (it->title == title) {
            *out = *it;
            return true;
        }
    }
    return false;
}

void clickMessageBoxButton(const MsgBoxView& box, bool ok) {
    int x = ok ? box.okX : box.cancelX;
    int y = ok ? box.okY : box.cancelY;
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::mouseClick(x, y, false, xplm_MouseUp);
    // Pressed for one frame, released the next (the button fires), then the
    // box's flight loop runs the action and deletes it.
    xpsim::runFrames(3);
}

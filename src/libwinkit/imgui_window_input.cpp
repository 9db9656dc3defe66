// X-Plane's mouse, wheel and key events as ImGui input, and the keyboard
// focus.
#include <imgui.h>
#include <imgui_internal.h>

#include <cfloat>

#include "libwinkit/imgui_window.h"

namespace {
constexpr int kShiftFlag = 1;
constexpr int kAltFlag = 2;
constexpr int kControlFlag = 4;
constexpr int kUpFlag = 16;
// Not an X-Plane key: a mark in the queue after which the keys are let go.
constexpr int kLetGoMark = 1 << 8;

ImgWindow* windowOf(void* refcon) { return static_cast<ImgWindow*>(refcon); }

// The window of ours taking the keyboard while XPLMTakeKeyboardFocus runs:
// the window losing it then knows the focus moved between our windows.
const ImgWindow* focusTaker = nullptr;
}  // namespace

void ImgWindow::translateToImguiSpace(int x, int y, float& outX, float& outY) const {
    int insideX = x - left;
    int insideY = top - y;
    if (insideX < 0 || insideX > right - left || insideY < 0 || insideY > top - bottom) {
        // ImGui takes this for a mouse that is absent.
        outX = -FLT_MAX;
        outY = -FLT_MAX;
        return;
    }
    outX = static_cast<float>(insideX);
    outY = static_cast<float>(insideY);
}

void ImgWindow::translateImguiToBoxel(float x, float y, int& outX, int& outY) const {
    outX = static_cast<int>(left + x);
    outY = static_cast<int>(top - y);
}

void ImgWindow::setMousePosition(int x, int y) {
    ImGui::SetCurrentContext(imguiContext);
    float imguiX = 0, imguiY = 0;
    translateToImguiSpace(x, y, imguiX, imguiY);
    ImGui::GetIO().MousePos = ImVec2(imguiX, imguiY);
}

int ImgWindow::HandleMouseClickGeneric(int x, int y, XPLMMouseStatus status, int button) {
    if (!imguiContext) {
        return 1;
    }
    setMousePosition(x, y);
    ImGuiIO& io = ImGui::GetIO();
    if (status == xplm_MouseDown || status == xplm_MouseDrag) {
        io.MouseDown[button] = true;
        pressedSinceFrame = pressedSinceFrame || status == xplm_MouseDown;
    } else if (status == xplm_MouseUp) {
        // Let go after the next render: a click between two frames lasts one.
        pendingMouseUp = button;
    }
    return 1;
}

int ImgWindow::HandleMouseClickCB(XPLMWindowID, int x, int y, XPLMMouseStatus status,
                                  void* refcon) {
    return windowOf(refcon)->HandleMouseClickGeneric(x, y, status, 0);
}

int ImgWindow::HandleRightClickFuncCB(XPLMWindowID, int x, int y, XPLMMouseStatus status,
                                      void* refcon) {
    return windowOf(refcon)->HandleMouseClickGeneric(x, y, status, 1);
}

int ImgWindow::HandleMouseWheelFuncCB(XPLMWindowID, int x, int y, int wheel, int clicks,
                                      void* refcon) {
    ImgWindow* window = windowOf(refcon);
    if (!window->imguiContext) {
        return 1;
    }
    window->setMousePosition(x, y);
    ImGuiIO& io = ImGui::GetIO();
    if (wheel == 0) {
        io.MouseWheel = static_cast<float>(clicks);
    } else if (wheel == 1) {
        io.MouseWheelH = static_cast<float>(clicks);
    }
    return 1;
}

XPLMCursorStatus ImgWindow::HandleCursorFuncCB(XPLMWindowID, int x, int y, void* refcon) {
    ImgWindow* window = windowOf(refcon);
    if (window->imguiContext) {
        window->setMousePosition(x, y);
    }
    return xplm_CursorDefault;
}

void ImgWindow::HandleKeyFuncCB(XPLMWindowID, char key, XPLMKeyFlags flags, char vkey,
                                void* refcon, int losingFocus) {
    windowOf(refcon)->handleKey(key, flags, vkey, losingFocus);
}

void ImgWindow::handleKey(char key, XPLMKeyFlags flags, char vkey, int losingFocus) {
    if (losingFocus) {
        loseKeyboardFocus();
        return;
    }
    bool up = (flags & kUpFlag) != 0;
    unsigned char code = static_cast<unsigned char>(vkey);
    // A full queue drops presses, never the release of a key it holds down:
    // ImGui would hold that key and repeat it into the field for good. At
    // most one release per key goes past the bound.
    if (keyQueue.size() >= kMaxQueuedKeys && !(up && keysQueuedDown[code])) {
        return;
    }
    keysQueuedDown[code] = !up;
    keyQueue.push_back(KeyPress{key, flags, vkey});
}

void ImgWindow::loseKeyboardFocus() {
    // A key held as focus goes must not repeat into the field later.
    letGoOfKeys();
    if (focusTaker == nullptr || focusTaker == this) {
        keyQueue.clear();
    } else if (!keyQueue.empty() && keyQueue.back().flags != kLetGoMark) {
        // Another of our windows took the keyboard: what was typed here before
        // still reaches this window, and then its keys are let go again, since
        // their releases now go to the other window.
        keyQueue.push_back(KeyPress{0, kLetGoMark, 0});
    }
    keysQueuedDown.reset();
}

void ImgWindow::takeOrReturnKeyboardFocus() {
    // Only a text field being edited takes the keyboard, and only when it
    // becomes active or is clicked: ImGui also wants the keyboard while a modal
    // popup is open, and two windows wanting it every frame would take it from
    // each other every frame.
    bool editing = GImGui->WantTextInputNextFrame == 1;  // set by an active text field
    bool held = XPLMHasKeyboardFocus(windowID) != 0;
    bool justEdited = editing && (!textFieldWasActive || pressedSinceFrame);
    textFieldWasActive = editing;
    pressedSinceFrame = false;
    if (justEdited && !held) {
        focusTaker = this;
        XPLMTakeKeyboardFocus(windowID);
        focusTaker = nullptr;
    } else if (!editing && held) {
        XPLMTakeKeyboardFocus(nullptr);
        loseKeyboardFocus();
    }
}

void ImgWindow::feedOneKey() {
    if (keyQueue.empty()) {
        return;
    }
    KeyPress press = keyQueue.front();
    keyQueue.pop_front();
    if (press.flags == kLetGoMark) {
        letGoOfKeys();
        return;
    }
    ImGuiIO& io = ImGui::GetIO();
    if (!io.WantCaptureKeyboard) {
        return;
    }
    bool up = (press.flags & kUpFlag) != 0;
    io.KeysDown[static_cast<unsigned char>(press.vkey)] = !up;
    io.KeyShift = (press.flags & kShiftFlag) != 0;
    io.KeyAlt = (press.flags & kAltFlag) != 0;
    io.KeyCtrl = (press.flags & kControlFlag) != 0;
    // Printable ASCII only: control characters and the upper half are keys, not text.
    unsigned char c = static_cast<unsigned char>(press.key);
    if (!up && !io.KeyCtrl && !io.KeyAlt && c >= 0x20 && c <= 0x7E) {
        io.AddInputCharacter(c);
    }
}

void ImgWindow::letGoOfKeys() {
    if (!imguiContext) {
        return;
    }
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(imguiContext);
    ImGuiIO& io = ImGui::GetIO();
    for (bool& down : io.KeysDown) {
        down = false;
    }
    io.KeyShift = io.KeyCtrl = io.KeyAlt = io.KeySuper = false;
    ImGui::SetCurrentContext(previous);
}

void ImgWindow::releaseInput() {
    keyQueue.clear();
    keysQueuedDown.reset();
    pendingMouseUp = -1;
    textFieldWasActive = false;
    pressedSinceFrame = false;
    letGoOfKeys();
    if (!imguiContext) {
        return;
    }
    ImGuiContext* previous = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(imguiContext);
    for (bool& down : ImGui::GetIO().MouseDown) {
        down = false;
    }
    ImGui::SetCurrentContext(previous);
}

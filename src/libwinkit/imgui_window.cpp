#include "libwinkit/imgui_window.h"

#include <imgui.h>

#include <algorithm>

#include "libwinkit/imgui_ini_file.h"
#include "libwinkit/window_datarefs.h"
#include "xplane/gl.h"

namespace {
// No title bar, not resizable, not collapsible.
constexpr ImGuiWindowFlags kDefaultWindowFlags =
    ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse;

std::vector<ImgWindow*> windows;
}  // namespace

ImgWindow::ImgWindow(int left, int top, int right, int bottom, int decoration, int layer)
    : top(top),
      bottom(bottom),
      left(left),
      right(right),
      layer(layer),
      decoration(decoration),
      windowFlags(kDefaultWindowFlags) {
    XPLMCreateWindow_t params{};
    params.structSize = sizeof(params);
    params.left = left;
    params.top = top;
    params.right = right;
    params.bottom = bottom;
    params.visible = 0;
    params.drawWindowFunc = DrawWindowCB;
    params.handleMouseClickFunc = HandleMouseClickCB;
    params.handleKeyFunc = HandleKeyFuncCB;
    params.handleCursorFunc = HandleCursorFuncCB;
    params.handleMouseWheelFunc = HandleMouseWheelFuncCB;
    params.refcon = this;
    params.decorateAsFloatingWindow = decoration;
    params.layer = layer;
    params.handleRightClickFunc = HandleRightClickFuncCB;
    windowID = XPLMCreateWindowEx(&params);
    windows.push_back(this);
}

ImgWindow::~ImgWindow() {
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    if (imguiContext) {
        ImGui::SetCurrentContext(imguiContext);
        // A window never drawn has no texture to give back.
        if (fontTexture != 0) {
            GLuint texture = static_cast<GLuint>(fontTexture);
            glDeleteTextures(1, &texture);
        }
        saveImguiIniSettings();
        ImGui::DestroyContext(imguiContext);
        ImGui::SetCurrentContext(nullptr);
    }
    XPLMDestroyWindow(windowID);
    keyQueue.clear();
}

void ImgWindow::init() {
    imguiContext = ImGui::CreateContext();
    ImGui::SetCurrentContext(imguiContext);
    findWindowDatarefs();

    ImGuiIO& io = ImGui::GetIO();
    // ImGui would open the path itself and trust whatever it finds there.
    io.IniFilename = nullptr;
    loadImguiIniSettings();
    // The renderer draws from each command's first vertex, so ImGui may give
    // a window more vertices than 16-bit indices reach.
    io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;

    // ImGui's keys as X-Plane's virtual key codes.
    io.KeyMap[ImGuiKey_Tab] = 0x09;
    io.KeyMap[ImGuiKey_LeftArrow] = 0x25;
    io.KeyMap[ImGuiKey_RightArrow] = 0x27;
    io.KeyMap[ImGuiKey_UpArrow] = 0x26;
    io.KeyMap[ImGuiKey_DownArrow] = 0x28;
    io.KeyMap[ImGuiKey_PageUp] = 0x21;
    io.KeyMap[ImGuiKey_PageDown] = 0x22;
    io.KeyMap[ImGuiKey_Home] = 0x24;
    io.KeyMap[ImGuiKey_End] = 0x23;
    io.KeyMap[ImGuiKey_Insert] = 0x2D;
    io.KeyMap[ImGuiKey_Delete] = 0x2E;
    io.KeyMap[ImGuiKey_Backspace] = 0x08;
    io.KeyMap[ImGuiKey_Space] = 0x20;
    io.KeyMap[ImGuiKey_Enter] = 0x0D;
    io.KeyMap[ImGuiKey_Escape] = 0x1B;
    io.KeyMap[ImGuiKey_KeyPadEnter] = 0xBB;
    io.KeyMap[ImGuiKey_A] = 0x41;
    io.KeyMap[ImGuiKey_C] = 0x43;
    io.KeyMap[ImGuiKey_V] = 0x56;
    io.KeyMap[ImGuiKey_X] = 0x58;
    io.KeyMap[ImGuiKey_Y] = 0x59;
    io.KeyMap[ImGuiKey_Z] = 0x5A;

    ImGui::GetStyle().WindowRounding = 0;
    configureImguiContext();
}

void ImgWindow::SetWindowTitle(const std::string& title) {
    windowTitle = title;
    XPLMSetWindowTitle(windowID, windowTitle.c_str());
}

bool ImgWindow::GetVisible() const { return XPLMGetWindowIsVisible(windowID) != 0; }

void ImgWindow::SetVisible(bool show) {
    if (show) {
        moveForVR();
    }
    if (GetVisible() == show) {
        return;
    }
    if (show && !onShow()) {
        return;
    }
    if (!show) {
        releaseInput();
    }
    XPLMSetWindowIsVisible(windowID, show ? 1 : 0);
}

void ImgWindow::moveForVR() {
    if (!windowDatarefs().vrEnabled) {
        findWindowDatarefs();
    }
    XPLMDataRef vr = windowDatarefs().vrEnabled;
    bool vrOn = vr != nullptr && XPLMGetDatai(vr) != 0;
    if (vrOn && !inVR) {
        XPLMGetWindowGeometry(windowID, &geometryBeforeVR.left, &geometryBeforeVR.top,
                              &geometryBeforeVR.right, &geometryBeforeVR.bottom);
        XPLMSetWindowPositioningMode(windowID, xplm_WindowVR, 0);
        inVR = true;
    } else if (!vrOn && inVR) {
        XPLMSetWindowPositioningMode(windowID, xplm_WindowPositionFree, -1);
        XPLMSetWindowGeometry(windowID, geometryBeforeVR.left, geometryBeforeVR.top,
                              geometryBeforeVR.right, geometryBeforeVR.bottom);
        inVR = false;
    }
}

void ImgWindow::DrawWindowCB(XPLMWindowID, void* refcon) {
    ImgWindow* window = static_cast<ImgWindow*>(refcon);
    if (window->imguiContext != nullptr && window->updateImgui()) {
        ImGui::SetCurrentContext(window->imguiContext);
        ImGui::Render();
        window->RenderImGui(ImGui::GetDrawData());
        ImGui::SetCurrentContext(window->imguiContext);
        if (ImGui::GetIO().WantSaveIniSettings) {
            saveImguiIniSettings();
        }
    }
    if (window->selfDestruct) {
        delete window;
    }
}

bool ImgWindow::updateImgui() {
    ImGui::SetCurrentContext(imguiContext);
    ImGuiIO& io = ImGui::GetIO();
    XPLMGetWindowGeometry(windowID, &left, &top, &right, &bottom);
    int width = right - left;
    int height = top - bottom;
    // ImGui asserts on a negative display size; an empty window shows nothing.
    if (width <= 0 || height <= 0) {
        return false;
    }
    if (fontUnbound) {
        bindFont();
    }
    feedOneKey();

    XPLMDataRef period = windowDatarefs().frameRatePeriod;
    float delta = period ? XPLMGetDataf(period) : 0.0f;
    if (delta > 0.0f) {
        io.DeltaTime = delta;
    }
    io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
    io.DisplayFramebufferScale = ImVec2(1, 1);
    ImGui::NewFrame();

    ImGui::SetNextWindowPos(ImVec2(0, 0), ImGuiCond_Always);
    ImGui::SetNextWindowSize(ImVec2(static_cast<float>(width), static_cast<float>(height)),
                             ImGuiCond_Always);
    // ImGui asserts on an empty window name; an untitled window gets a hidden one.
    ImGui::Begin(windowTitle.empty() ? "##untitled" : windowTitle.c_str(), &windowOpen,
                 windowFlags);
    buildInterface();
    // buildInterface may have made another window (and its context) current.
    ImGui::SetCurrentContext(imguiContext);
    ImGui::End();

    takeOrReturnKeyboardFocus();
    fontUnbound = false;
    return true;
}

const std::vector<ImgWindow*>& ImgWindow::liveWindows() { return windows; }

ImgWindow* ImgWindow::fromWindowID(XPLMWindowID id) {
    for (ImgWindow* window : windows) {
        if (window->windowID == id) {
            return window;
        }
    }
    return nullptr;
}

bool ImgWindow::isLive(const ImgWindow* window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

void ImgWindow::destroyAllWindows() {
    // Newest first: a window's destructor may delete others it owns.
    while (!windows.empty()) {
        delete windows.back();
    }
    forgetImguiIniSettings();
}

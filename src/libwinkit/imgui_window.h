// ImgWindow: one X-Plane window holding its own Dear ImGui context and font
// atlas. X-Plane's mouse, wheel and key events become ImGui input; every draw
// callback runs one ImGui frame around the subclass's buildInterface() and
// draws it with fixed-function OpenGL in X-Plane's window coordinates.
#pragma once

#include <bitset>
#include <deque>
#include <string>
#include <vector>

#include "xplane/sdk.h"

struct ImGuiContext;
struct ImDrawData;
typedef int ImGuiWindowFlags;

class ImgWindow {
public:
    struct KeyPress {
        char key;
        int flags;  // X-Plane key flags: shift 1, alt 2, control 4, down 8, up 16
        char vkey;
    };
    // Presses and characters waiting for ImGui beyond this many are dropped
    // (a key storm); the release of a key they hold down never is.
    static constexpr size_t kMaxQueuedKeys = 64;

    ImgWindow(int left, int top, int right, int bottom, int decoration, int layer);
    ImgWindow(const ImgWindow&) = delete;
    ImgWindow& operator=(const ImgWindow&) = delete;

    // Once, after the most derived constructor: makes the context (left
    // current) and lets the subclass configure it.
    void init();
    void SetWindowTitle(const std::string& title);
    bool GetVisible() const;
    XPLMWindowID getWindowID() const { return windowID; }
    void moveForVR();

    // The window's ImGui context: what tests read the window's content from.
    ImGuiContext* getImguiContext() const { return imguiContext; }

    // Every ImgWindow alive, in creation order; null for a window that is not one.
    static const std::vector<ImgWindow*>& liveWindows();
    static ImgWindow* fromWindowID(XPLMWindowID id);
    static bool isLive(const ImgWindow* window);
    // The plug-in stops: every window still alive is deleted.
    static void destroyAllWindows();

    // X-Plane's callbacks; each receives the window as reference constant.
    static void DrawWindowCB(XPLMWindowID id, void* refcon);
    static int HandleMouseClickCB(XPLMWindowID id, int x, int y, XPLMMouseStatus status,
                                  void* refcon);
    static int HandleRightClickFuncCB(XPLMWindowID id, int x, int y, XPLMMouseStatus status,
                                      void* refcon);
    static void HandleKeyFuncCB(XPLMWindowID id, char key, XPLMKeyFlags flags, char vkey,
                                void* refcon, int losingFocus);
    static XPLMCursorStatus HandleCursorFuncCB(XPLMWindowID id, int x, int y, void* refcon);
    static int HandleMouseWheelFuncCB(XPLMWindowID id, int x, int y, int wheel, int clicks,
                                      void* refcon);

protected:
    virtual void configureImguiContext() = 0;
    virtual void buildInterface() = 0;
    virtual bool onShow() { return true; }

public:
    virtual void SafeDelete() { selfDestruct = true; }
    virtual ~ImgWindow();
    virtual void SetVisible(bool show);

protected:
    // Keys, modifiers and buttons let go, the key queue emptied: nothing held
    // down survives a hide.
    void releaseInput();
    void translateImguiToBoxel(float x, float y, int& outX, int& outY) const;

    float modelviewMatrix[16] = {};
    float projectionMatrix[16] = {};
    int viewport[4] = {};
    bool selfDestruct = false;
    std::string windowTitle;
    XPLMWindowID windowID = nullptr;
    ImGuiContext* imguiContext = nullptr;
    int fontTexture = 0;
    bool inVR = false;
    int top, bottom, left, right;
    struct Geometry {
        int top = 0, bottom = 0, left = 0, right = 0;
    } geometryBeforeVR;
    int layer;
    int pendingMouseUp = -1;
    std::deque<KeyPress> keyQueue;
    // Virtual keys whose last event queued, or given to ImGui, was a press.
    std::bitset<256> keysQueuedDown;
    bool fontUnbound = true;
    // A text field was being edited in the last frame.
    bool textFieldWasActive = false;
    // A button went down in the window since its last frame.
    bool pressedSinceFrame = false;
    int decoration;
    ImGuiWindowFlags windowFlags;
    bool windowOpen = true;

private:
    // False when the window's geometry leaves nothing to draw: the frame is skipped.
    bool updateImgui();
    void RenderImGui(ImDrawData* drawData);
    void bindFont();
    void updateMatrices();
    void boxelsToNative(int x, int y, int& outX, int& outY) const;
    void translateToImguiSpace(int x, int y, float& outX, float& outY) const;
    int HandleMouseClickGeneric(int x, int y, XPLMMouseStatus status, int button);
    void setMousePosition(int x, int y);
    void handleKey(char key, XPLMKeyFlags flags, char vkey, int losingFocus);
    void loseKeyboardFocus();
    void feedOneKey();
    // Keys and modifiers let go; the queue and the mouse stay.
    void letGoOfKeys();
    void takeOrReturnKeyboardFocus();
};

// Column-major 4x4 matrix times a 4-vector.
void multMatrixVec4f(float out[4], const float matrix[16], const float vector[4]);

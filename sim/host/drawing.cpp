// The window phase drawn for real: one OSMesa surface as large as the desktop,
// X-Plane's window projection (boxels are pixels, y up) and the view datarefs
// that describe it. The context is made only when a window draws with GL, so
// the many tests whose windows never do stay free of it.
#include <GL/gl.h>
#include <GL/osmesa.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include "internal.h"
#include "xpsim.h"

// Mesa keeps a few allocations of its own until exit; they are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\nleak:libLLVM\n";
}

namespace xpsim {
namespace {

// What X-Plane's world would show behind the windows.
constexpr float kBackground[4] = {0.25f, 0.35f, 0.45f, 1.0f};
// The frame X-Plane draws around a window decorated as a floating window:
// a title bar above the window's top and a thin border.
constexpr int kTitleBar = 28;
constexpr int kBorder = 4;

OSMesaContext context = nullptr;
std::vector<unsigned char> pixels;  // RGBA, bottom row first
DesktopBounds surface;              // what `pixels` covers
bool inPhase = false;
bool phasePrepared = false;  // the current phase has set up and cleared GL
bool lastFrameDrawn = false;  // false: the last phase ran without GL
int imbalances = 0;

int width(const DesktopBounds& b) { return b.right - b.left; }
int height(const DesktopBounds& b) { return b.top - b.bottom; }

bool sameBounds(const DesktopBounds& a, const DesktopBounds& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Makes the context (once) and the surface (again when the desktop changed)
// current; false while there is no display.
bool makeCurrent() {
    DesktopBounds desktop = desktopBounds();
    if (width(desktop) <= 0 || height(desktop) <= 0) return false;
    if (!context) {
        // llvmpipe's rasteriser threads would make rendering order-dependent.
        setenv("LP_NUM_THREADS", "0", 0);
        context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
        if (!context) {
            std::fputs("xpsim: cannot create the OSMesa context\n", stderr);
            return false;
        }
    }
    if (!sameBounds(desktop, surface) || pixels.empty()) {
        surface = desktop;
        pixels.assign(static_cast<size_t>(width(surface)) * height(surface) * 4, 0);
    }
    return OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, width(surface),
                             height(surface)) == GL_TRUE;
}

void loadWindowMatrices() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(surface.left, surface.right, surface.bottom, surface.top, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The start of a phase that draws: fresh matrices and a cleared desktop.
void preparePhase() {
    glViewport(0, 0, width(surface), height(surface));
    glDisable(GL_SCISSOR_TEST);
    loadWindowMatrices();
    glClearColor(kBackground[0], kBackground[1], kBackground[2], kBackground[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    phasePrepared = true;
    lastFrameDrawn = true;
}

struct StackDepths {
    int attributes, clientAttributes, modelview, projection, texture;
};

StackDepths stackDepths() {
    StackDepths d{};
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &d.attributes);
    glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &d.clientAttributes);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &d.modelview);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &d.projection);
    glGetIntegerv(GL_TEXTURE_STACK_DEPTH, &d.texture);
    return d;
}

// A pop past the bottom leaves the depth alone and only raises an error.
bool stackErrorRaised() {
    bool raised = false;
    for (GLenum e = glGetError(); e != GL_NO_ERROR; e = glGetError())
        if (e == GL_STACK_OVERFLOW || e == GL_STACK_UNDERFLOW) raised = true;
    return raised;
}

void popBack(GLenum matrixMode, int depth) {
    glMatrixMode(matrixMode);
    for (; depth > 1; --depth) glPopMatrix();
}

// Puts the stacks back to the phase's own depths so the next window starts
// where X-Plane would start it.
void rebalance(const StackDepths& d) {
    for (int i = d.attributes; i > 0; --i) glPopAttrib();
    for (int i = d.clientAttributes; i > 0; --i) glPopClientAttrib();
    popBack(GL_MODELVIEW, d.modelview);
    popBack(GL_PROJECTION, d.projection);
    popBack(GL_TEXTURE, d.texture);
    glGetError();
}

void checkStacks(const std::string& title) {
    StackDepths d = stackDepths();
    bool raised = stackErrorRaised();
    if (!raised && d.attributes == 0 && d.clientAttributes == 0 && d.modelview == 1 &&
        d.projection == 1 && d.texture == 1)
        return;
    ++imbalances;
    std::fprintf(stderr,
                 "xpsim: window \"%s\" left the GL stacks unbalanced: attributes %d, client "
                 "attributes %d, modelview %d, projection %d, texture %d%s\n",
                 title.c_str(), d.attributes, d.clientAttributes, d.modelview, d.projection,
                 d.texture, raised ? ", a push or pop past the stack's end" : "");
    rebalance(d);
}

void drawFrame(const WindowInfo& w) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.12f, 0.13f, 0.16f, 1.0f);
    glRectf(w.left - kBorder, w.bottom - kBorder, w.right + kBorder, w.top + kTitleBar);
}

// The desktop as the last frame left it: a frame drawn without GL shows only
// the background. False outside the desktop.
DesktopBounds shownBounds() { return lastFrameDrawn && context ? surface : desktopBounds(); }

void finishDrawing() {
    if (lastFrameDrawn && context) glFinish();
}

bool readPixel(int x, int y, unsigned char rgba[4]) {
    DesktopBounds d = shownBounds();
    if (x < d.left || x >= d.right || y < d.bottom || y >= d.top) return false;
    if (!lastFrameDrawn || !context) {
        for (int i = 0; i < 4; ++i)
            rgba[i] = static_cast<unsigned char>(kBackground[i] * 255 + 0.5f);
        return true;
    }
    size_t at = (static_cast<size_t>(y - d.bottom) * width(d) + (x - d.left)) * 4;
    for (int i = 0; i < 4; ++i) rgba[i] = pixels[at + i];
    return true;
}

}  // namespace

int graphicsStackImbalances() { return imbalances; }

bool drawingContextExists() { return context != nullptr; }

bool pixelAt(int x, int y, unsigned char rgba[4]) {
    finishDrawing();
    return readPixel(x, y, rgba);
}

bool screenshot(const std::string& pngPath) {
    DesktopBounds d = shownBounds();
    int w = width(d), h = height(d);
    if (w <= 0 || h <= 0) return false;
    finishDrawing();
    // PNG rows run top down; the surface's run bottom up.
    std::vector<unsigned char> image(static_cast<size_t>(w) * h * 4);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            readPixel(d.left + col, d.top - 1 - row,
                      &image[(static_cast<size_t>(row) * w + col) * 4]);
    return stbi_write_png(pngPath.c_str(), w, h, 4, image.data(), w * 4) != 0;
}

namespace detail {

void desktopChanged() {
    DesktopBounds d = desktopBounds();
    float l = static_cast<float>(d.left), r = static_cast<float>(d.right);
    float b = static_cast<float>(d.bottom), t = static_cast<float>(d.top);
    // glOrtho(l, r, b, t, -1, 1), column-major; the modelview is the identity.
    float projection[16] = {};
    if (r > l && t > b) {
        projection[0] = 2 / (r - l);
        projection[5] = 2 / (t - b);
        projection[10] = -1;
        projection[12] = -(r + l) / (r - l);
        projection[13] = -(t + b) / (t - b);
        projection[15] = 1;
    }
    for (int i = 0; i < 16; ++i) {
        setSimValue("sim/graphics/view/modelview_matrix", i % 5 == 0 ? 1 : 0, i);
        setSimValue("sim/graphics/view/projection_matrix", projection[i], i);
    }
    int viewport[4] = {0, 0, d.right - d.left, d.top - d.bottom};
    for (int i = 0; i < 4; ++i) setSimValue("sim/graphics/view/viewport", viewport[i], i);
}

void beginWindowPhase() {
    inPhase = true;
    phasePrepared = false;
    lastFrameDrawn = false;
    if (context && makeCurrent()) preparePhase();
}

void beforeWindowDraw(const WindowInfo& w) {
    if (!phasePrepared) return;
    loadWindowMatrices();
    if (w.decoration == xplm_WindowDecorationRoundRectangle) drawFrame(w);
}

void afterWindowDraw(const std::string& title) {
    if (phasePrepared) checkStacks(title);
}

void endWindowPhase() {
    inPhase = false;
    if (phasePrepared) glFlush();
}

bool useGraphics() {
    if (!makeCurrent()) return false;
    if (inPhase && !phasePrepared) preparePhase();
    return true;
}

void resetDrawing() {
    if (context) OSMesaDestroyContext(context);
    context = nullptr;
    pixels.clear();
    surface = {};
    inPhase = phasePrepared = lastFrameDrawn = false;
    imbalances = 0;
}

}  // namespace detail
}  // namespace xpsim

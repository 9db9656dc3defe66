// Windows drawn for real: the OSMesa surface, X-Plane's window projection,
// the graphics state and textures, the stack check and screenshots.
#include <GL/gl.h>

#include <array>
#include <filesystem>

#include <stb/stb_image.h>

#include "sim_fixture.h"

namespace {

using Rgba = std::array<unsigned char, 4>;

Rgba pixel(int x, int y) {
    Rgba out{};
    EXPECT_TRUE(xpsim::pixelAt(x, y, out.data())) << x << "," << y;
    return out;
}

struct Scene {
    int pushes = 0;  // attribute pushes a callback leaves behind
    bool useGraphics = true;
};
Scene scene;

// Fills the window's geometry with the colour given as reference constant.
void drawFilled(XPLMWindowID id, void* refcon) {
    if (!scene.useGraphics) return;
    XPLMSetGraphicsState(0, 0, 0, 0, 0, 0, 0);
    int l, t, r, b;
    XPLMGetWindowGeometry(id, &l, &t, &r, &b);
    auto colour = static_cast<const unsigned char*>(refcon);
    glColor3ub(colour[0], colour[1], colour[2]);
    glRecti(l, b, r, t);
    for (int i = 0; i < scene.pushes; ++i) glPushAttrib(GL_ENABLE_BIT);
}

const unsigned char kRed[3] = {255, 0, 0};
const unsigned char kGreen[3] = {0, 255, 0};

class Drawing : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        scene = Scene();
    }
    XPLMWindowID make(int l, int t, int r, int b, const unsigned char* colour,
                      XPLMWindowDecoration decoration = xplm_WindowDecorationNone) {
        XPLMCreateWindow_t p{};
        p.structSize = sizeof(p);
        p.left = l, p.top = t, p.right = r, p.bottom = b;
        p.visible = 1;
        p.drawWindowFunc = drawFilled;
        p.refcon = const_cast<unsigned char*>(colour);
        p.decorateAsFloatingWindow = decoration;
        return XPLMCreateWindowEx(&p);
    }
};

TEST_F(Drawing, NoContextUntilAWindowAsksForGraphics) {
    scene.useGraphics = false;
    make(100, 300, 300, 100, kRed);
    xpsim::runFrames(2);
    EXPECT_FALSE(xpsim::drawingContextExists());
    // Only the background is shown.
    EXPECT_EQ(pixel(150, 150), pixel(1000, 1000));
    scene.useGraphics = true;
    xpsim::runFrames(1);
    EXPECT_TRUE(xpsim::drawingContextExists());
    EXPECT_EQ(pixel(150, 150), (Rgba{255, 0, 0, 255}));
}

TEST_F(Drawing, BoxelsArePixelsWithYUpAndLaterWindowsInFront) {
    make(100, 300, 300, 100, kRed);
    make(200, 400, 400, 200, kGreen);
    xpsim::runFrames(1);
    Rgba background = pixel(50, 50);
    EXPECT_EQ(pixel(100, 100), (Rgba{255, 0, 0, 255}));  // the bottom-left pixel is inside
    EXPECT_EQ(pixel(99, 100), background);
    EXPECT_EQ(pixel(100, 99), background);
    EXPECT_EQ(pixel(250, 250), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(pixel(399, 399), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(pixel(400, 399), background);
    EXPECT_FALSE(xpsim::pixelAt(1920, 0, background.data()));
}

TEST_F(Drawing, EachFrameStartsFromAClearedDesktop) {
    XPLMWindowID red = make(100, 300, 300, 100, kRed);
    xpsim::runFrames(1);
    XPLMSetWindowGeometry(red, 500, 700, 700, 500);
    xpsim::runFrames(1);
    EXPECT_EQ(pixel(150, 150), pixel(50, 50));
    EXPECT_EQ(pixel(550, 550), (Rgba{255, 0, 0, 255}));
    // Hidden, nothing is drawn and nothing stays.
    XPLMSetWindowIsVisible(red, 0);
    xpsim::runFrames(1);
    EXPECT_EQ(pixel(550, 550), pixel(50, 50));
}

TEST_F(Drawing, AMonitorLeftOfTheMainOneIsPartOfTheSurface) {
    xpsim::setMonitor(1, -1280, 1024, 0, 0);
    make(-1280, 100, -1180, 0, kGreen);
    xpsim::runFrames(1);
    EXPECT_EQ(pixel(-1280, 0), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(pixel(-1181, 99), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(pixel(-1180, 50), pixel(10, 10));
}

TEST_F(Drawing, AFloatingWindowGetsXPlanesFrame) {
    make(100, 300, 300, 100, kRed, xplm_WindowDecorationRoundRectangle);
    // The frame is drawn before the window's callback: from the frame after
    // the one whose callback made the context.
    xpsim::runFrames(2);
    Rgba background = pixel(50, 50);
    EXPECT_NE(pixel(150, 310), background);  // the title bar above the window
    EXPECT_EQ(pixel(150, 150), (Rgba{255, 0, 0, 255}));
}

TEST_F(Drawing, UnbalancedStacksAreReportedAndMended) {
    make(100, 300, 300, 100, kRed);
    make(200, 400, 400, 200, kGreen);
    xpsim::runFrames(1);
    EXPECT_EQ(xpsim::graphicsStackImbalances(), 0);
    scene.pushes = 1;
    testing::internal::CaptureStderr();
    xpsim::runFrames(1);
    std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(xpsim::graphicsStackImbalances(), 2);
    EXPECT_NE(report.find("left the GL stacks unbalanced: attributes 1"), std::string::npos)
        << report;
    GLint depth = -1;
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 0);
}

TEST_F(Drawing, TextureNumbersAreGLTextures) {
    int numbers[2] = {0, 0};
    XPLMGenerateTextureNumbers(numbers, 2);
    EXPECT_NE(numbers[0], 0);
    EXPECT_NE(numbers[0], numbers[1]);
    XPLMBindTexture2d(numbers[1], 0);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, numbers[1]);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(numbers[1])));
    XPLMSetGraphicsState(0, 1, 0, 1, 1, 0, 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    XPLMSetGraphicsState(1, 0, 1, 0, 0, 1, 1);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(Drawing, AScreenshotIsTheDesktopAsAPng) {
    xpsim::setScreenSize(640, 480);
    make(0, 480, 10, 470, kRed);  // the top-left corner
    xpsim::runFrames(1);
    std::string file = root_ + "/shot.png";
    ASSERT_TRUE(xpsim::screenshot(file));
    int w = 0, h = 0, channels = 0;
    unsigned char* image = stbi_load(file.c_str(), &w, &h, &channels, 4);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ((Rgba{image[0], image[1], image[2], image[3]}), (Rgba{255, 0, 0, 255}));
    size_t last = (static_cast<size_t>(h) * w - 1) * 4;  // the bottom right
    EXPECT_EQ((Rgba{image[last], image[last + 1], image[last + 2], image[last + 3]}),
              pixel(639, 0));
    stbi_image_free(image);
    // Drawing is deterministic: the same frame gives the same file.
    xpsim::runFrames(1);
    ASSERT_TRUE(xpsim::screenshot(root_ + "/again.png"));
    EXPECT_EQ(std::filesystem::file_size(file), std::filesystem::file_size(root_ + "/again.png"));
}

}  // namespace

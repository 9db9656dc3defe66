// XPLMGraphics: the graphics state and textures a plug-in asks for, on the
// simulator's OpenGL context (made here when a plug-in first asks).
#include <GL/gl.h>

#include "internal.h"
#include "xpsim.h"

XPLM_API void XPLMSetGraphicsState(int inEnableFog, int inNumberTexUnits, int inEnableLighting,
                                   int inEnableAlphaTesting, int inEnableAlphaBlending,
                                   int inEnableDepthTesting, int inEnableDepthWriting) {
    if (!xpsim::detail::useGraphics()) return;
    auto enable = [](GLenum what, int on) { on ? glEnable(what) : glDisable(what); };
    enable(GL_FOG, inEnableFog);
    enable(GL_LIGHTING, inEnableLighting);
    enable(GL_ALPHA_TEST, inEnableAlphaTesting);
    enable(GL_BLEND, inEnableAlphaBlending);
    if (inEnableAlphaBlending) glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    enable(GL_DEPTH_TEST, inEnableDepthTesting);
    glDepthMask(inEnableDepthWriting ? GL_TRUE : GL_FALSE);
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    for (int unit = units - 1; unit >= 0; --unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        enable(GL_TEXTURE_2D, unit < inNumberTexUnits);
    }
}

XPLM_API void XPLMGenerateTextureNumbers(int* outTextureIDs, int inCount) {
    if (!outTextureIDs || inCount <= 0) return;
    if (!xpsim::detail::useGraphics()) {
        for (int i = 0; i < inCount; ++i) outTextureIDs[i] = 0;
        return;
    }
    glGenTextures(inCount, reinterpret_cast<GLuint*>(outTextureIDs));
}

XPLM_API void XPLMBindTexture2d(int inTextureNum, int inTextureUnit) {
    if (!xpsim::detail::useGraphics()) return;
    glActiveTexture(GL_TEXTURE0 + inTextureUnit);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(inTextureNum));
    glActiveTexture(GL_TEXTURE0);
}

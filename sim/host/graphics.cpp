// XPLMGraphics: the graphics state and texture numbers a plug-in asks for.
#include "xpsim.h"

namespace xpsim {
namespace {
int nextTextureNumber = 1;
int boundTexture = 0;
}  // namespace
}  // namespace xpsim

XPLM_API void XPLMSetGraphicsState(int /*inEnableFog*/, int /*inNumberTexUnits*/,
                                   int /*inEnableLighting*/, int /*inEnableAlphaTesting*/,
                                   int /*inEnableAlphaBlending*/, int /*inEnableDepthTesting*/,
                                   int /*inEnableDepthWriting*/) {}

XPLM_API void XPLMGenerateTextureNumbers(int* outTextureIDs, int inCount) {
    for (int i = 0; outTextureIDs != nullptr && i < inCount; ++i)
        outTextureIDs[i] = xpsim::nextTextureNumber++;
}

XPLM_API void XPLMBindTexture2d(int inTextureNum, int /*inTextureUnit*/) {
    xpsim::boundTexture = inTextureNum;
}

// ImGui's draw lists through fixed-function OpenGL, in boxels, with the scissor
// box in native pixels; and the font atlas as a texture.
#include <imgui.h>
#include <imgui_freetype.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "libwinkit/imgui_window.h"
#include "libwinkit/window_datarefs.h"
#include "shell/log.h"
#include "xplane/gl.h"

void multMatrixVec4f(float out[4], const float m[16], const float v[4]) {
    for (int row = 0; row < 4; ++row) {
        out[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
    }
}

void ImgWindow::updateMatrices() {
    const WindowDatarefs& refs = windowDatarefs();
    if (refs.modelviewMatrix) {
        XPLMGetDatavf(refs.modelviewMatrix, modelviewMatrix, 0, 16);
    }
    if (refs.projectionMatrix) {
        XPLMGetDatavf(refs.projectionMatrix, projectionMatrix, 0, 16);
    }
    if (refs.viewport) {
        XPLMGetDatavi(refs.viewport, viewport, 0, 4);
    }
}

void ImgWindow::boxelsToNative(int x, int y, int& outX, int& outY) const {
    // Without X-Plane's matrices (or with unusable ones) boxels are pixels.
    outX = x;
    outY = y;
    const WindowDatarefs& refs = windowDatarefs();
    if (!refs.modelviewMatrix || !refs.projectionMatrix || !refs.viewport) {
        return;
    }
    float boxel[4] = {static_cast<float>(x), static_cast<float>(y), 0, 1};
    float eye[4], clip[4];
    multMatrixVec4f(eye, modelviewMatrix, boxel);
    multMatrixVec4f(clip, projectionMatrix, eye);
    if (clip[3] == 0.0f || !std::isfinite(clip[3])) {
        return;
    }
    double nx = (clip[0] / clip[3] * 0.5 + 0.5) * viewport[2] + viewport[0];
    double ny = (clip[1] / clip[3] * 0.5 + 0.5) * viewport[3] + viewport[1];
    if (!std::isfinite(nx) || !std::isfinite(ny) || std::fabs(nx) > 1e7 || std::fabs(ny) > 1e7) {
        return;
    }
    // Boxel edges land on pixel edges; the matrices' floating point may put
    // one a hair below, which truncation would turn into a lost row.
    outX = static_cast<int>(std::lround(nx));
    outY = static_cast<int>(std::lround(ny));
}

void ImgWindow::RenderImGui(ImDrawData* drawData) {
    ImGuiIO& io = ImGui::GetIO();
    drawData->ScaleClipRects(io.DisplayFramebufferScale);
    updateMatrices();

    XPLMSetGraphicsState(0, 1, 0, 1, 1, 0, 0);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_CULL_FACE);
    glEnable(GL_SCISSOR_TEST);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnable(GL_TEXTURE_2D);

    // ImGui's (x, y) lands on boxel (left + x, top - y).
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(static_cast<GLfloat>(left), static_cast<GLfloat>(-top), 0.0f);

    for (int n = 0; n < drawData->CmdListsCount; ++n) {
        const ImDrawList* list = drawData->CmdLists[n];
        // Each command names its own indices and first vertex: ImGui puts a
        // modal's dimming first in the list with its indices last, and splits
        // lists of more than 64K vertices with vertex offsets.
        for (const ImDrawCmd& cmd : list->CmdBuffer) {
            if (cmd.UserCallback == ImDrawCallback_ResetRenderState) {
                continue;  // a marker, not a function: no callback here changes GL state
            }
            if (cmd.UserCallback) {
                cmd.UserCallback(list, &cmd);
                continue;
            }
            // An empty clip rectangle would make glScissor fail and leave
            // the previous command's box in force.
            if (cmd.ClipRect.z <= cmd.ClipRect.x || cmd.ClipRect.w <= cmd.ClipRect.y) {
                continue;
            }
            const unsigned char* vertices =
                reinterpret_cast<const unsigned char*>(list->VtxBuffer.Data + cmd.VtxOffset);
            glVertexPointer(2, GL_FLOAT, sizeof(ImDrawVert), vertices + offsetof(ImDrawVert, pos));
            glTexCoordPointer(2, GL_FLOAT, sizeof(ImDrawVert), vertices + offsetof(ImDrawVert, uv));
            glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(ImDrawVert),
                           vertices + offsetof(ImDrawVert, col));
            XPLMBindTexture2d(static_cast<int>(reinterpret_cast<intptr_t>(cmd.TextureId)), 0);
            int x1, y1, x2, y2;
            translateImguiToBoxel(cmd.ClipRect.x, cmd.ClipRect.y, x1, y1);
            translateImguiToBoxel(cmd.ClipRect.z, cmd.ClipRect.w, x2, y2);
            boxelsToNative(x1, y1, x1, y1);
            boxelsToNative(x2, y2, x2, y2);
            glScissor(x1, y2, x2 - x1, y1 - y2);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(cmd.ElemCount),
                           sizeof(ImDrawIdx) == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                           list->IdxBuffer.Data + cmd.IdxOffset);
        }
    }

    glPopMatrix();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    XPLMBindTexture2d(0, 0);
    glPopAttrib();
    glPopClientAttrib();

    if (pendingMouseUp >= 0) {
        io.MouseDown[pendingMouseUp] = false;
        pendingMouseUp = -1;
    }
}

void ImgWindow::bindFont() {
    ImFontAtlas* atlas = ImGui::GetIO().Fonts;
    if (!ImGuiFreeType::BuildFontAtlas(atlas, ImGuiFreeTypeBuilderFlags_ForceAutoHint)) {
        // A file FreeType cannot read as a font: ImGui would abort at NewFrame.
        sLogMsg("Unable to build the fonts of window \"%s\"; ImGui's default font is used",
                windowTitle.c_str());
        atlas->Clear();
        ImGui::GetIO().FontDefault = nullptr;
        atlas->AddFontDefault();
        ImGuiFreeType::BuildFontAtlas(atlas, ImGuiFreeTypeBuilderFlags_ForceAutoHint);
    }
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    atlas->GetTexDataAsRGBA32(&pixels, &width, &height);

    XPLMGenerateTextureNumbers(&fontTexture, 1);
    XPLMBindTexture2d(fontTexture, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);

    atlas->SetTexID(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(fontTexture)));
    ImGui::GetIO().ConfigMacOSXBehaviors = false;
}

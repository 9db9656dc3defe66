#include "support/window_text.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "xpsim.h"

namespace {

struct GlyphName {
    const ImFont* font;
    const ImFontGlyph* glyph;
};

using UvRect = std::tuple<float, float, float, float>;

// Every glyph of every font in the atlas by its UV rectangle.
std::map<UvRect, GlyphName> glyphsByUv(const ImFontAtlas& atlas) {
    std::map<UvRect, GlyphName> out;
    for (const ImFont* font : atlas.Fonts)
        for (const ImFontGlyph& g : font->Glyphs)
            if (g.Visible) out.emplace(UvRect{g.U0, g.V0, g.U1, g.V1}, GlyphName{font, &g});
    return out;
}

// One glyph as drawn, in ImGui space with the font's scale worked back out.
struct PlacedGlyph {
    unsigned codepoint;
    const ImFont* font;
    float penX, lineTop, advance, lineHeight, space;
    ImU32 colour;
    bool cut;
};

void appendUtf8(std::string& out, unsigned c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// ImGui draws a glyph as one quad: vertices top-left, top-right,
// bottom-right, bottom-left, indices (0 1 2) (0 2 3).
bool isQuad(const ImDrawIdx* idx) {
    return idx[1] == idx[0] + 1 && idx[2] == idx[0] + 2 && idx[3] == idx[0] &&
           idx[4] == idx[0] + 2 && idx[5] == idx[0] + 3;
}

bool outside(const ImVec2& a, const ImVec2& c, const ImVec4& clip) {
    return c.x <= clip.x || a.x >= clip.z || c.y <= clip.y || a.y >= clip.w;
}

bool inside(const ImVec2& a, const ImVec2& c, const ImVec4& clip) {
    return a.x >= clip.x && c.x <= clip.z && a.y >= clip.y && c.y <= clip.w;
}

std::vector<PlacedGlyph> placedGlyphs(const ImDrawData& data, const ImFontAtlas& atlas) {
    std::map<UvRect, GlyphName> names = glyphsByUv(atlas);
    std::vector<PlacedGlyph> out;
    for (int l = 0; l < data.CmdListsCount; ++l) {
        const ImDrawList& list = *data.CmdLists[l];
        for (const ImDrawCmd& cmd : list.CmdBuffer) {
            if (cmd.UserCallback) continue;
            const ImDrawIdx* idx = list.IdxBuffer.Data + cmd.IdxOffset;
            const ImDrawVert* vtx = list.VtxBuffer.Data + cmd.VtxOffset;
            // Triangles come in threes; a glyph quad starts on any of them.
            for (unsigned i = 0; i + 6 <= cmd.ElemCount;) {
                if (!isQuad(idx + i)) {
                    i += 3;
                    continue;
                }
                const ImDrawVert& a = vtx[idx[i]];
                const ImDrawVert& c = vtx[idx[i] + 2];
                auto found = names.find(UvRect{a.uv.x, a.uv.y, c.uv.x, c.uv.y});
                if (found == names.end()) {
                    i += 3;
                    continue;
                }
                i += 6;
                if (outside(a.pos, c.pos, cmd.ClipRect)) continue;
                const ImFontGlyph& g = *found->second.glyph;
                const ImFont* font = found->second.font;
                float scale = g.X1 != g.X0 ? (c.pos.x - a.pos.x) / (g.X1 - g.X0)
                                           : (c.pos.y - a.pos.y) / (g.Y1 - g.Y0);
                const ImFontGlyph* blank = font->FindGlyphNoFallback(' ');
                float space = (blank ? blank->AdvanceX : font->FallbackAdvanceX) * scale;
                out.push_back({g.Codepoint, font, a.pos.x - g.X0 * scale - data.DisplayPos.x,
                               a.pos.y - g.Y0 * scale - data.DisplayPos.y, g.AdvanceX * scale,
                               font->FontSize * scale, space, a.col,
                               !inside(a.pos, c.pos, cmd.ClipRect)});
            }
        }
    }
    return out;
}

constexpr float kTolerance = 0.5f;
constexpr int kMostBlanksInARun = 2;

// The blanks between two glyphs of one run, or -1 when the second starts a
// new run.
int blanksBetween(const PlacedGlyph& before, const PlacedGlyph& after) {
    if (after.font != before.font || after.colour != before.colour ||
        std::fabs(after.lineTop - before.lineTop) > kTolerance ||
        std::fabs(after.lineHeight - before.lineHeight) > kTolerance)
        return -1;
    float gap = after.penX - (before.penX + before.advance);
    if (std::fabs(gap) <= kTolerance) return 0;
    if (before.space <= 0) return -1;
    int blanks = static_cast<int>(std::lround(gap / before.space));
    if (blanks < 1 || blanks > kMostBlanksInARun ||
        std::fabs(gap - blanks * before.space) > kTolerance)
        return -1;
    return blanks;
}

// Glyph positions carry float error: the nearest boxel, not the one below.
void finishRun(TextRun& run, int windowLeft, int windowTop) {
    run.boxelLeft = windowLeft + static_cast<int>(std::lround(run.left));
    run.boxelRight = windowLeft + static_cast<int>(std::lround(run.right));
    run.boxelTop = windowTop - static_cast<int>(std::lround(run.top));
    run.boxelBottom = windowTop - static_cast<int>(std::lround(run.bottom));
}

TextRun startRun(const PlacedGlyph& g) {
    TextRun run;
    run.left = g.penX;
    run.top = g.lineTop;
    run.bottom = g.lineTop + g.lineHeight;
    run.red = static_cast<std::uint8_t>(g.colour >> IM_COL32_R_SHIFT);
    run.green = static_cast<std::uint8_t>(g.colour >> IM_COL32_G_SHIFT);
    run.blue = static_cast<std::uint8_t>(g.colour >> IM_COL32_B_SHIFT);
    run.alpha = static_cast<std::uint8_t>(g.colour >> IM_COL32_A_SHIFT);
    return run;
}

}  // namespace

std::vector<TextRun> readText(const ImDrawData& drawData, const ImFontAtlas& atlas,
                              int windowLeft, int windowTop) {
    std::vector<TextRun> runs;
    const PlacedGlyph* previous = nullptr;
    std::vector<PlacedGlyph> glyphs = placedGlyphs(drawData, atlas);
    for (const PlacedGlyph& g : glyphs) {
        int blanks = previous ? blanksBetween(*previous, g) : -1;
        if (blanks < 0) {
            if (!runs.empty()) finishRun(runs.back(), windowLeft, windowTop);
            runs.push_back(startRun(g));
        }
        TextRun& run = runs.back();
        run.text.append(static_cast<size_t>(std::max(blanks, 0)), ' ');
        appendUtf8(run.text, g.codepoint);
        run.right = g.penX + g.advance;
        run.cut = run.cut || g.cut;
        previous = &g;
    }
    if (!runs.empty()) finishRun(runs.back(), windowLeft, windowTop);
    return runs;
}

std::vector<TextRun> readWindowText(ImGuiContext* context, int windowLeft, int windowTop) {
    if (!context) return {};
    ImGuiContext* kept = ImGui::GetCurrentContext();
    ImGui::SetCurrentContext(context);
    std::vector<TextRun> runs;
    if (const ImDrawData* data = ImGui::GetDrawData())
        runs = readText(*data, *ImGui::GetIO().Fonts, windowLeft, windowTop);
    ImGui::SetCurrentContext(kept);
    return runs;
}

std::vector<TextRun> readWindowText(ImGuiContext* context, XPLMWindowID window) {
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetWindowGeometry(window, &left, &top, &right, &bottom);
    return readWindowText(context, left, top);
}

const TextRun* findText(const std::vector<TextRun>& runs, const std::string& text) {
    for (const TextRun& run : runs)
        if (run.text == text) return &run;
    for (const TextRun& run : runs)
        if (run.text.find(text) != std::string::npos) return &run;
    return nullptr;
}

std::string allText(const std::vector<TextRun>& runs) {
    std::string out;
    for (const TextRun& run : runs) out += run.text + "\n";
    return out;
}

namespace {

void pressAt(int x, int y) {
    xpsim::setMousePosition(x, y);
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(x, y, false, xplm_MouseUp);
}

// Frames for a click's release to reach the window and for it to take the
// keyboard afterwards.
constexpr int kFramesAfterClick = 3;
constexpr int kGapToField = 12;

}  // namespace

bool clickText(XPLMWindowID window, ImGuiContext* context, const std::string& text) {
    std::vector<TextRun> runs = readWindowText(context, window);
    const TextRun* run = findText(runs, text);
    if (!run) return false;
    pressAt(run->boxelCentreX(), run->boxelCentreY());
    return true;
}

bool typeIntoField(XPLMWindowID window, ImGuiContext* context, const std::string& label,
                   const std::string& text, FieldSide side) {
    std::vector<TextRun> runs = readWindowText(context, window);
    const TextRun* run = findText(runs, label);
    if (!run) return false;
    int x = side == FieldSide::RightOfLabel ? run->boxelRight + kGapToField
                                            : run->boxelLeft - kGapToField;
    pressAt(x, run->boxelCentreY());
    xpsim::runFrames(kFramesAfterClick);
    for (char c : text) {
        if (!xpsim::typeText(std::string(1, c))) return false;
        xpsim::runFrames(2);  // its down and its up
    }
    return true;
}

bool typeIntoDragAt(int x, int y, const std::string& text, int settleFrames) {
    xpsim::setMousePosition(x, y);
    xpsim::runFrames(settleFrames);
    for (int press = 0; press < 2; ++press) {
        xpsim::mouseClick(x, y, false, xplm_MouseDown);
        xpsim::runFrames(1);
        xpsim::mouseClick(x, y, false, xplm_MouseUp);
        // The window lets go after the frame that saw the release.
        xpsim::runFrames(2);
    }
    xpsim::runFrames(2);
    for (char c : text) {
        if (!xpsim::typeText(std::string(1, c))) return false;
        xpsim::runFrames(2);
    }
    if (!xpsim::pressKey("RETURN")) return false;
    xpsim::runFrames(3);
    return true;
}

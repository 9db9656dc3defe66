// What an ImGui window shows, read back from its draw data: every glyph quad
// is mapped to its character through the context's own font atlas (a glyph's
// UV rectangle names it) and glyphs on one line, side by side and of one
// colour, make a text run. Tests read and press a window's controls with it
// as a person would: "the text Update Complete is shown", "press Ok".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xplane/sdk.h"

struct ImDrawData;
struct ImFontAtlas;
struct ImGuiContext;

struct TextRun {
    std::string text;  // UTF-8; the gaps of one or two blanks between glyphs become blanks
    // ImGui space (the window's top-left the origin, y down): the run's line box.
    float left = 0, top = 0, right = 0, bottom = 0;
    // The same box in global boxels (y up), given the window's left and top.
    int boxelLeft = 0, boxelTop = 0, boxelRight = 0, boxelBottom = 0;
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
    // Some glyph of it lies only partly inside its clip rectangle: the run is
    // shown cut (a line half scrolled out of a region, say).
    bool cut = false;

    int boxelCentreX() const { return (boxelLeft + boxelRight) / 2; }
    int boxelCentreY() const { return (boxelTop + boxelBottom) / 2; }
};

// Runs in drawing order. Glyphs wholly outside their command's clip
// rectangle are not seen, those partly outside cut their run; text drawn
// with another atlas is not seen.
std::vector<TextRun> readText(const ImDrawData& drawData, const ImFontAtlas& atlas,
                              int windowLeft = 0, int windowTop = 0);
// The context's last rendered frame (empty before its first); the current
// ImGui context is left as it was.
std::vector<TextRun> readWindowText(ImGuiContext* context, int windowLeft, int windowTop);
// The window's geometry from X-Plane.
std::vector<TextRun> readWindowText(ImGuiContext* context, XPLMWindowID window);

// The first run whose text is exactly `text`, else the first that contains
// it; null when none.
const TextRun* findText(const std::vector<TextRun>& runs, const std::string& text);
// Every run's text, one a line, for assertions and failure messages.
std::string allText(const std::vector<TextRun>& runs);

// Presses the left button on the text's centre through xpsim: the mouse
// moves there, down, one frame, up. The caller runs the frames in which the
// window sees the release. False (nothing pressed) when the text is not shown.
bool clickText(XPLMWindowID window, ImGuiContext* context, const std::string& text);

// Where a field sits beside its label: the panels' "Label" then the field on
// the same line, or ImGui's own labelled widgets, whose label follows them.
enum class FieldSide { RightOfLabel, LeftOfLabel };
// Clicks the field beside the label (a few boxels from its end), lets the
// window take the keyboard, and types the text one key a frame (a window takes
// one key event a frame). False when the label is not shown.
bool typeIntoField(XPLMWindowID window, ImGuiContext* context, const std::string& label,
                   const std::string& text, FieldSide side = FieldSide::RightOfLabel);
// Rests the mouse on the drag field at (x, y) for settleFrames (longer than
// ImGui's double-click time keeps earlier clicks from pairing with these),
// double-clicks it so ImGui edits it as text, types the text one key a frame
// and presses return. False when a key cannot be typed.
bool typeIntoDragAt(int x, int y, const std::string& text, int settleFrames);

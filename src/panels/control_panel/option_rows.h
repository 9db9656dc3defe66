// The rows of the options box. Each control takes the next cell of the box's
// three columns; a row whose condition hides it keeps its cell empty where the
// layout needs it to.
#pragma once

struct Camera;
struct GlobalCameraFileNameEntry;

// Rows that are always shown. activeFile may be null (its row is left empty).
void basicOptionRows(Camera* camera, GlobalCameraFileNameEntry* activeFile, bool airport);
void advancedOptionRows(Camera* camera, bool airport);

// A checkbox in its own cell, with a help hint when given; whether it changed.
bool checkboxCell(const char* label, bool* value, const char* help = nullptr);
void emptyCell();

// Rows of a camera file: splitting a line into fields and placing a row as the
// next camera of its category.
#pragma once

// Splits in place at ','; empty fields are dropped. Returns the number of
// fields; at most capacity of them are stored.
int splitCameraFileFields(char* line, char** fields, int capacity);
// The header begins "Category Name,Camera Name" in any case.
bool isCameraFileHeader(char** fields);

// What the camera-file reader makes of a line; every reader of the format
// asks it, so that what they count is what an import reads.
enum class CameraFileRow {
    Skipped,   // blank, or no fields
    Header,
    TooShort,  // fewer fields than a camera needs: the reader refuses the whole file here
    Camera,
};
// A row needs at least this many fields.
const int kMinimumCameraFileFields = 10;
// Splits the line in place as splitCameraFileFields does (count is set to the
// number of fields, even those past capacity, which is at least
// kMinimumCameraFileFields) and says what it is.
CameraFileRow splitCameraFileRow(char* line, char** fields, int capacity, int* count);
// One row into the next camera of its category, without rebuilding the links
// (the reader rebuilds them once at the end); 0 when it cannot be placed.
// previousCategory (or null) holds the category of the previous row of a read
// that began with no categories, -1 at first, and is kept up to date.
int placeCameraRow(char** fields, int count, int* previousCategory);
// Whether placeCameraRow would find room for the row: its category exists with
// fewer than the most cameras, or can still be made.
bool cameraRowHasRoom(char** fields);

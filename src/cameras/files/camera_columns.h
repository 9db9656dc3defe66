// The 70 columns of a camera-file row. One table serves the writer and the
// reader, so a column can never be written in one place and read in another.
#pragma once

#include <string>

#include "cameras/set/camera.h"
#include "cameras/files/camera_file_entry.h"

struct CameraRow {
    const Category* category = nullptr;
    int categoryIndex = 0;
    Camera* camera = nullptr;
    CameraFileProperty* properties = nullptr;  // of the active file
    bool airportFile = false;
    std::string aircraftName;  // written for aircraft files
    bool reachedElevation = false;  // set by the reader
};

struct CameraColumn {
    const char* label;
    bool leadingBlank;
    // Appends the field's text, without its separator.
    void (*write)(std::string& out, const CameraRow& row);
    // Reads one field, already split from the row; never called for column 0.
    void (*read)(const char* field, CameraRow& row);
};

const int kCameraFileColumns = 70;
// A line is at most this long; rows the writer makes always fit.
const int kMaxCameraFileLine = 1999;

const CameraColumn& cameraColumn(int index);
// The labels joined by ',', then a blank and a line feed.
std::string cameraFileHeader();
// One row and its line feed, the same in every locale. False when a number in
// it is not finite: such a row must not reach a file.
bool appendCameraRow(std::string& out, const CameraRow& row);
// Fields 1 up to count - 1 (at most 69) into row.camera and row.properties. A
// number outside its column's range (shell/value_ranges.h) is refused and the
// field keeps its reset value.
void readCameraRow(char** fields, int count, CameraRow& row);
// Around the rows of one file: the refusals are logged with its path, the
// first few in full and then one line with the count of the rest.
void beginCameraValueChecks(const std::string& path);
void endCameraValueChecks();

// An X-Plane folder with the plug-in enabled and the Cessna as the user's
// aircraft, and helpers to write camera files the way a user's would look.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cameras/set/camera_set.h"
#include "support/simulated_xplane.h"

const char* const kCessna = "Aircraft/Laminar Research/Cessna 172 SP/Cessna_172SP.acf";
const char* const kCessnaFolder = "Aircraft/Laminar Research/Cessna 172 SP/";
const char* const kGlider = "Aircraft/Extra Aircraft/Glider/ASK21.acf";

class CameraFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // XPluginStart and XPluginEnable; the camera-file list is built here.
    void enablePlugin();
    void loadAircraft(const char* relativePath);

    std::string cameraFilePath() const;
    std::string readCameraFile() const;
    void writeCameraFile(const std::string& text) const;

    bool logHas(const std::string& text) const;
    int countInLog(const std::string& text) const;
    // Title and text of every message box open, then of those still to open.
    std::vector<std::pair<std::string, std::string>> messageBoxes() const;

    SimulatedXPlane xplane;
};

// The 70 fields of a row as the writer makes them for a reset cockpit camera.
std::vector<std::string> rowFields(const std::string& category, const std::string& name,
                                   int viewId = 0);
std::string joinRow(const std::vector<std::string>& fields);
std::string headerLine();

// The cameras of the set by category and index, for short assertions.
Camera& cameraAt(int category, int index);

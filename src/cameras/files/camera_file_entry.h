// One entry of the camera-file list, and the properties of its file.
#pragma once

struct CameraFileProperty {
    int numberOfCategories = 0;
    int numberOfCameras = 0;
    char author[40] = {};
    char fileVersion[40] = {};
    char oviluxVersion[40] = {};
    char searchKey[100] = {};
    char aircraft[1000] = {};
    float defaultFov = 0;
    bool manualEnable = false;
};

struct GlobalCameraFileNameEntry {
    char fileName[1000] = {};
    char path[2000] = {};
    int fileType = 0;  // 0 aircraft camera file, 1 airport camera file
    int isCommunityFile = 0;
    int directoryIndex = 0;
    int savedCategory = 0;
    int savedCameraIndex = 0;
    CameraFileProperty properties;
    double airportLat = 0;
    double airportLon = 0;
    GlobalCameraFileNameEntry* next = nullptr;
    GlobalCameraFileNameEntry* prev = nullptr;
};

const int kAircraftCameraFile = 0;
const int kAirportCameraFile = 1;

// Empty author, file version, aircraft and search key, no counts, no default
// field of view, manual enable off, and this plug-in's version.
void resetCameraFileProperties(CameraFileProperty* properties);
// Copies text into one of the fixed fields, cut to fit.
void copyText(char* field, int size, const char* text);

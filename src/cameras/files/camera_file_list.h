// The camera files the plug-in can make active: the aircraft's, always the
// head of the list, then the airport camera files of "MyAirportCameras" and
// "CommunityAirportCameras" in the plug-in's folder.
#pragma once

#include <string>

#include "cameras/files/camera_file_entry.h"

const int kMyAirportCameras = 0;
const int kCommunityAirportCameras = 1;

// Builds the list; when one exists already (a re-enable), the active entry is
// carried over so that the camera set keeps its file, and the airport
// locations are looked up again.
void initGlobalCameras();
// A fresh list: the aircraft entry, then one entry per regular file of each
// airport folder, in the order the host lists them.
GlobalCameraFileNameEntry* getCameraFileNames();
// The aircraft entry; made on first use when the list was never built.
GlobalCameraFileNameEntry* getGlobalCameraFileNameList();
// Frees the entry and every entry after it (null: the whole list).
void removeGlobalCameras(GlobalCameraFileNameEntry* entry);
// Allocates an entry; the list frees it.
GlobalCameraFileNameEntry* createCameraFileEntry(int fileType);
const char* getAirportCameraDirectoryName(int directoryIndex);
// The plug-in folder + the entry's airport folder + "/" + its file name.
std::string getGlobalCameraPath(GlobalCameraFileNameEntry* entry);

// Airport files by ICAO code: the code is the file name before its first "-",
// or before its first "." when it has no "-" (KSFO.csv, KSFO-Bay Tour.csv).
// Empty for the aircraft entry and for names with neither.
std::string getAirportIcaoCode(GlobalCameraFileNameEntry* entry);
// The entry's airport position from the navigation database, when it knows it.
void getAirportLocation(GlobalCameraFileNameEntry* entry);
void getAirportLocations();
// The airport file whose name holds the code (case ignored); a file of
// "MyAirportCameras" beats community files, of which the last listed wins.
// An empty code matches nothing.
GlobalCameraFileNameEntry* findCameraByIcaoCode(const char* icao);
// The ID of the airport nearest the user's aircraft; empty when none.
std::string getNearestAirportIcaoCode();
// The nearest airport's file, else the nearest file within 20 nautical miles.
GlobalCameraFileNameEntry* findNearestAirportCameraFile();
// The file for the code (null: the nearest airport), a new entry in
// "MyAirportCameras" when there is none; null for an empty code.
GlobalCameraFileNameEntry* addGlobalCameraFile(const char* icao);

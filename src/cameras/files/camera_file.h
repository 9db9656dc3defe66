// The camera file: one header line and one comma-separated row of 70 columns
// per camera, for the aircraft's file beside the aircraft, airport files,
// community files and imported files alike.
#pragma once

#include <string>

#include "cameras/files/camera_file_entry.h"

// Replaces the set by the file chosen from the entry (null: the aircraft's).
// 1 when the file was read whole (or did not exist yet and got the default
// set); 0 when it could not be read, ended in a short row, or, for a community
// or imported file, did not open (the set and the aircraft's file are then
// left as they were) or held no camera (the set is then the default one).
int readCameras(GlobalCameraFileNameEntry* entry);
// One tokenised row into the next camera of its category; 0 when it cannot be
// placed.
int addCamera(char** fields, int count);
// Writes the whole set to the active file; backup also copies an aircraft
// file to the backup folder; announce speaks "Cameras Saved". 1 when written.
int saveCameras(bool announce, bool backup);
// Copies the file at path to its place in "AircraftCameraBackups"; 1 when done.
int backUpCameraFile(const char* path);
// readCameras(null), then category 0 and its camera 0 become current.
void restoreAndHomeCameras();

// True when the aircraft's camera file (new name only) opens for reading.
bool testForCameraFile();
// The aircraft's folder + "/Ovilux_" + aircraft file name up to its first
// '.' + ".csv"; empty when there is no user aircraft.
std::string getAircraftCameraFilePath();
// The older name, only ever read: the aircraft's folder + "/Ovilux.csv".
std::string getCameraFilePath();
std::string getAircraftCameraFileName();
// The aircraft file's name up to its first '.'.
std::string getAircraftName();
// Where backUpCameraFile puts the copy of path; empty when path lies in no
// "/Aircraft/" folder.
std::string getBackupFilePath(const char* path);
// Local time as "%Y-%m-%d %H:%M:%S".
std::string getDateTime();

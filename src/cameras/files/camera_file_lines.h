// Lines of a camera file, one at a time, never more than the longest line
// allowed: longer lines are consumed whole and reported, never split.
#pragma once

#include <cstdio>

#include "cameras/files/camera_columns.h"

// Room for the longest line, a carriage return and the terminator.
const int kCameraFileLineBuffer = kMaxCameraFileLine + 2;

enum class CameraFileLine { Read, TooLong, End };

// Reads the next line into line (kCameraFileLineBuffer bytes) without its line
// feed or trailing carriage return.
CameraFileLine readCameraFileLine(FILE* file, char* line);

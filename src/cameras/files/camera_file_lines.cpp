#include "cameras/files/camera_file_lines.h"

CameraFileLine readCameraFileLine(FILE* file, char* line) {
    int length = 0;
    bool tooLong = false;
    int c = getc_unlocked(file);
    if (c == EOF) {
        line[0] = 0;
        return CameraFileLine::End;
    }
    for (; c != EOF && c != '\n'; c = getc_unlocked(file)) {
        if (length < kCameraFileLineBuffer - 1) {
            line[length++] = static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    if (!tooLong && length > 0 && line[length - 1] == '\r') {
        --length;
    }
    line[length] = 0;
    if (tooLong || length > kMaxCameraFileLine) {
        line[0] = 0;
        return CameraFileLine::TooLong;
    }
    return CameraFileLine::Read;
}

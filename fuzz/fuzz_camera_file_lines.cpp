// Any bytes as a camera file: the block reader gives the same lines, the same
// too-long lines and the same fields as reading one character at a time did.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cameras/files/camera_columns.h"
#include "cameras/files/camera_file_lines.h"
#include "cameras/files/camera_file_rows.h"

namespace {

// The reader of one character at a time, the reference.
CameraFileLine readOneAtATime(FILE* file, char* line) {
    int length = 0;
    bool tooLong = false;
    int c = getc(file);
    if (c == EOF) {
        line[0] = 0;
        return CameraFileLine::End;
    }
    for (; c != EOF && c != '\n'; c = getc(file)) {
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

int splitOneAtATime(char* line, std::vector<std::string>* fields) {
    int count = 0;
    char* field = line;
    for (char* c = line;; ++c) {
        bool end = *c == 0;
        if (end || *c == ',') {
            *c = 0;
            if (*field != 0) {
                fields->push_back(field);
                ++count;
            }
            field = c + 1;
        }
        if (end) {
            return count;
        }
    }
}

bool isBlankOneAtATime(const char* text) {
    for (; *text != 0; ++text) {
        if (!isspace(static_cast<unsigned char>(*text))) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    std::vector<char> bytes(data, data + size);
    FILE* reference = fmemopen(bytes.data(), size, "r");
    FILE* blocks = fmemopen(bytes.data(), size, "r");
    if (reference == nullptr || blocks == nullptr) {
        abort();
    }
    CameraFileLines lines(blocks);
    char expected[kCameraFileLineBuffer];
    for (;;) {
        CameraFileLine wanted = readOneAtATime(reference, expected);
        char* got = nullptr;
        CameraFileLine status = lines.next(&got);
        if (status != wanted) {
            fprintf(stderr, "line status differs\n");
            abort();
        }
        if (status == CameraFileLine::End) {
            break;
        }
        if (status == CameraFileLine::TooLong) {
            continue;
        }
        if (strcmp(got, expected) != 0 || isBlankText(got) != isBlankOneAtATime(expected)) {
            fprintf(stderr, "line differs\n");
            abort();
        }
        std::vector<std::string> wantedFields;
        int wantedCount = splitOneAtATime(expected, &wantedFields);
        char* fields[kCameraFileColumns];
        int count = splitCameraFileFields(got, fields, kCameraFileColumns);
        if (count != wantedCount) {
            fprintf(stderr, "field count differs\n");
            abort();
        }
        for (int i = 0; i < count && i < kCameraFileColumns; ++i) {
            if (wantedFields[static_cast<size_t>(i)] != fields[i]) {
                fprintf(stderr, "field %d differs\n", i);
                abort();
            }
        }
    }
    fclose(reference);
    fclose(blocks);
    return 0;
}

#include "cameras/targets/target.h"

#include <cstring>

#include "shell/strings.h"

namespace {
// The file has no quoting: a comma or line break would split the record.
void copyField(char* field, size_t room, const char* text) {
    size_t length = strnlen(text, room - 1);
    memcpy(field, text, length);
    field[length] = 0;
    for (char* c = field; *c != 0; ++c) {
        if (*c == ',' || *c == '\r' || *c == '\n') {
            *c = ' ';
        }
    }
}
}  // namespace

bool setTargetName(Target* target, const char* text) {
    char name[kMaxTargetNameLength + 1];
    copyField(name, sizeof(name), text);
    const char* trimmed = trimWhiteSpace(name);
    memmove(target->name, trimmed, strlen(trimmed) + 1);
    return target->name[0] != 0;
}

void setTargetDate(Target* target, const char* text) {
    copyField(target->date, sizeof(target->date), text);
}

// NaN fails every comparison, so it is refused too.
bool isValidLatitude(double latitude) { return latitude >= -90.0 && latitude <= 90.0; }

bool isValidLongitude(double longitude) { return longitude >= -180.0 && longitude <= 180.0; }

#include "community/community_file_names.h"

#include <cstring>

bool isPlainCommunityFileName(const char* name) {
    if (name == nullptr || name[0] == 0 || strcmp(name, ".") == 0 || strcmp(name, "..") == 0) {
        return false;
    }
    size_t length = 0;
    for (const char* c = name; *c != 0; ++c, ++length) {
        unsigned char byte = static_cast<unsigned char>(*c);
        if (byte < 0x20 || byte == 0x7f || byte == '/' || byte == '\\' ||
            length >= kMaxCommunityFileName) {
            return false;
        }
    }
    return true;
}

#include "shell/file_replace.h"

#include <cstdio>
#include <unistd.h>

bool replaceFileContents(const std::string& path, const std::string& contents) {
    std::string temporary = path + ".tmp";
    FILE* file = fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    written = fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    written = fclose(file) == 0 && written;
    if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
        remove(temporary.c_str());
        return false;
    }
    return true;
}

#include "libwinkit/file_name.h"

#include <cctype>

FileName::FileName(std::string fileName) : name(std::move(fileName)), upperName(name) {
    for (char& c : upperName) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
}

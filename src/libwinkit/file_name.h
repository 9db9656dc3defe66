// One file of a scanned folder, as the file selector lists it.
#pragma once

#include <string>

struct FileName {
    explicit FileName(std::string fileName);

    std::string name;
    std::string upperName;  // `name` upper-cased, for filtering
    bool selected = false;
    bool visible = true;
};

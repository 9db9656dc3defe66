// The names the control panel gives categories and cameras. The camera file
// keeps 30 characters of a name, and its reader merges categories whose names
// are equal ignoring case: a name that would not read back the same is refused.
#pragma once

#include <string>

// Why the text cannot become the name of the category at categoryIndex (or of
// a camera when categoryIndex is -1); null when it can.
const char* nameRefusal(const char* text, int categoryIndex);
// The name itself when no other category has it, else the name numbered
// ("NAME 2", "NAME 3", ...) and cut so that it fits the 30 characters.
std::string uniqueCategoryName(const char* name, int categoryIndex);

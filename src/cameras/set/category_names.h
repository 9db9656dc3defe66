// Category names as the camera file keeps them: a name holds 30 characters,
// the writer turns commas into blanks, and the reader puts the rows of
// categories whose names are then equal, ignoring case, into one category.
#pragma once

#include <string>

// Whether the two names read back from the file as the same text.
bool sameNameInFile(const char* first, const char* second);
// Whether a category other than the one at categoryIndex has a name that
// reads back as this one.
bool categoryNameTaken(const char* name, int categoryIndex);
// "BASE N" for the first N from `first` on that no other category has, the
// base cut so that the whole fits 30 characters.
std::string numberedCategoryName(const char* base, int first, int categoryIndex);
// The name itself when no other category has it, else the name numbered
// ("NAME 2", "NAME 3", ...).
std::string uniqueCategoryName(const char* name, int categoryIndex);

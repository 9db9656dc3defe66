// Reading xpsim scripts: one verb a line, words split at blanks, a word in
// double quotes may hold blanks.
#pragma once

#include <string>
#include <vector>

namespace xpsim::runner {

// False (with a message) for an unterminated quote. Blank lines and comments
// give no words.
bool splitWords(const std::string& line, std::vector<std::string>* words, std::string* error);

}  // namespace xpsim::runner

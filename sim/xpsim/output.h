// The runner's standard output: whole lines, flushed at once, so that they
// stay in order with whatever the plug-in prints itself.
#pragma once

#include <string>

namespace xpsim::runner {

void printLine(const std::string& line);

}  // namespace xpsim::runner

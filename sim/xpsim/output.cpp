#include "output.h"

#include <cstdio>

namespace xpsim::runner {

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace xpsim::runner

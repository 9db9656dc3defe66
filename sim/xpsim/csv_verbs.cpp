// Verbs that show parts of comma-separated files, such as camera files whose
// later columns hold the time they were made.
#include <fstream>
#include <sstream>

#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

// The line up to (not including) its n-th comma: its first n fields.
std::string firstFields(const std::string& line, long n) {
    size_t at = 0;
    for (long field = 1; field <= n; ++field) {
        size_t comma = line.find(',', at);
        if (comma == std::string::npos) return line;
        if (field == n) return line.substr(0, comma);
        at = comma + 1;
    }
    return line;
}

bool cut(const Words& args, std::string* error) {
    long n = 0;
    if (!parseInteger(args[1], &n) || n < 1) return fail(error, "bad field count " + args[1]);
    std::ifstream in(underRoot(args[0]), std::ios::binary);
    if (!in) {
        printLine("cut: " + args[0] + " missing");
        return true;
    }
    std::string line;
    while (std::getline(in, line)) printLine(args[0] + ": " + firstFields(line, n));
    return true;
}

}  // namespace

const Verb kCsvVerbs[] = {
    {"cut", 2, 2, "cut FILE N", cut},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner

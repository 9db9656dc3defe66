#include "verbs.h"

#include <cerrno>
#include <cstdlib>

#include "xpsim.h"

namespace xpsim::runner {
namespace {

const Verb* find(const std::string& name) {
    for (const Verb* family :
         {kSimulatorVerbs, kFileVerbs, kTrafficVerbs, kCommandVerbs, kCsvVerbs,
          kInputVerbs, kWindowVerbs, kMenuVerbs, kClipboardVerbs})
        for (const Verb* verb = family; verb->name; ++verb)
            if (name == verb->name) return verb;
    return nullptr;
}

}  // namespace

bool runVerb(const Words& words, std::string* error) {
    const Verb* verb = find(words[0]);
    if (!verb) return fail(error, "unknown verb " + words[0]);
    Words args(words.begin() + 1, words.end());
    int count = static_cast<int>(args.size());
    if (count < verb->minArgs || (verb->maxArgs >= 0 && count > verb->maxArgs))
        return fail(error, std::string("usage: ") + verb->usage);
    return verb->run(args, error);
}

bool parseInteger(const std::string& text, long* out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0') return false;
    *out = value;
    return true;
}

bool parseReal(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (*end != '\0') return false;
    *out = value;
    return true;
}

bool fail(std::string* error, const std::string& message) {
    *error = message;
    return false;
}

std::string underRoot(const std::string& path) {
    return !path.empty() && path[0] == '/' ? path : root() + path;
}

}  // namespace xpsim::runner

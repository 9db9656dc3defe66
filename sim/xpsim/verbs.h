// The script's verbs.
#pragma once

#include <string>
#include <vector>

namespace xpsim::runner {

using Words = std::vector<std::string>;

struct Verb {
    const char* name;
    int minArgs;
    int maxArgs;  // -1: any number
    const char* usage;
    bool (*run)(const Words& args, std::string* error);
};

// Runs one line's words (the verb first); false with a message when it fails.
bool runVerb(const Words& words, std::string* error);

// The verbs by family, each ending in a null entry.
extern const Verb kSimulatorVerbs[];
extern const Verb kFileVerbs[];
extern const Verb kTrafficVerbs[];
extern const Verb kCommandVerbs[];
extern const Verb kCsvVerbs[];
extern const Verb kInputVerbs[];
extern const Verb kWindowVerbs[];
extern const Verb kMenuVerbs[];
extern const Verb kClipboardVerbs[];

// Whole-word numbers; integers also in hex ("0x01000000").
bool parseInteger(const std::string& text, long* out);
bool parseReal(const std::string& text, double* out);
bool fail(std::string* error, const std::string& message);
// A path under the root unless it is absolute.
std::string underRoot(const std::string& path);
// The folder of the script being run ("" for standard input): `copy` takes
// its sources from there, so scenarios keep their files beside them.
void setScriptFolder(const std::string& folder);

}  // namespace xpsim::runner

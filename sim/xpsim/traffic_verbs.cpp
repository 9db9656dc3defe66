// Verbs that place and move AI and multiplayer traffic.
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool index(const std::string& text, int* out, std::string* error) {
    long value = 0;
    if (!parseInteger(text, &value) || value < 0 || value >= kMaxAiAircraft)
        return fail(error, "bad AI index " + text);
    *out = static_cast<int>(value);
    return true;
}

bool noAircraft(int at, std::string* error) {
    return fail(error, "no AI aircraft " + std::to_string(at) + " (there are " +
                           std::to_string(aiAircraftCount()) + ")");
}

bool ai(const Words& args, std::string* error) {
    int at = 0;
    if (!index(args[0], &at, error)) return false;
    double values[6] = {0, 0, 0, 0, 0, 0};
    for (size_t i = 1; i < args.size(); ++i)
        if (!parseReal(args[i], &values[i - 1])) return fail(error, "bad number " + args[i]);
    if (!placeAiAircraft(at, values[0], values[1], values[2], static_cast<float>(values[3]),
                         static_cast<float>(values[4]), static_cast<float>(values[5])))
        return noAircraft(at, error);
    return true;
}

bool aiRemove(const Words& args, std::string* error) {
    int at = 0;
    if (!index(args[0], &at, error)) return false;
    return removeAiAircraft(at) || noAircraft(at, error);
}

bool aiSwap(const Words& args, std::string* error) {
    int first = 0, second = 0;
    if (!index(args[0], &first, error) || !index(args[1], &second, error)) return false;
    if (swapAiAircraft(first, second)) return true;
    return noAircraft(first < aiAircraftCount() ? second : first, error);
}

bool aiId(const Words& args, std::string* error) {
    int at = 0;
    long modeS = 0;
    if (!index(args[0], &at, error)) return false;
    if (!parseInteger(args[1], &modeS)) return fail(error, "bad mode-S ID " + args[1]);
    return setAiIdentity(at, static_cast<int>(modeS), args.size() > 2 ? args[2] : "") ||
           noAircraft(at, error);
}

bool tcas(const Words& args, std::string* error) {
    if (args[0] != "on" && args[0] != "off") return fail(error, "usage: tcas on|off");
    setTcasAvailable(args[0] == "on");
    return true;
}

}  // namespace

const Verb kTrafficVerbs[] = {
    {"ai", 4, 7, "ai INDEX LAT LON ELEV_M [HEADING [PITCH [ROLL]]]", ai},
    {"ai-remove", 1, 1, "ai-remove INDEX", aiRemove},
    {"ai-swap", 2, 2, "ai-swap INDEX INDEX", aiSwap},
    {"ai-id", 2, 3, "ai-id INDEX MODE_S [FLIGHT_ID]", aiId},
    {"tcas", 1, 1, "tcas on|off", tcas},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner

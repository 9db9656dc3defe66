// Verbs that drive the simulated X-Plane and the plug-in in it.
#include <chrono>
#include <cstdio>
#include <thread>

#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool aircraft(const Words& args, std::string*) {
    setUserAircraft(args[0]);
    sendMessage(XPLM_MSG_PLANE_LOADED, 0);
    return true;
}

bool message(const Words& args, std::string* error) {
    long number = 0, param = 0;
    if (!parseInteger(args[0], &number)) return fail(error, "bad message number " + args[0]);
    if (args.size() > 1 && !parseInteger(args[1], &param))
        return fail(error, "bad message parameter " + args[1]);
    sendMessage(static_cast<int>(number), static_cast<intptr_t>(param));
    return true;
}

bool frameCount(const std::string& text, long* n, std::string* error) {
    if (!parseInteger(text, n) || *n < 0) return fail(error, "bad frame count " + text);
    return true;
}

bool frames(const Words& args, std::string* error) {
    long n = 0;
    if (!frameCount(args[0], &n, error)) return false;
    runFrames(static_cast<int>(n));
    return true;
}

bool command(const Words& args, std::string* error) {
    if (!hasCommand(args[0])) return fail(error, "unknown command " + args[0]);
    if (args[1] == "once")
        commandOnce(args[0]);
    else if (args[1] == "begin")
        commandBegin(args[0]);
    else if (args[1] == "end")
        commandEnd(args[0]);
    else
        return fail(error, "usage: command NAME once|begin|end");
    return true;
}

bool hold(const Words& args, std::string* error) {
    long n = 0;
    if (!hasCommand(args[0])) return fail(error, "unknown command " + args[0]);
    if (!frameCount(args[1], &n, error)) return false;
    commandBegin(args[0]);
    runFrames(static_cast<int>(n));
    commandEnd(args[0]);
    return true;
}

bool set(const Words& args, std::string* error) {
    return writeDatarefFromText(args[0], args[1], error);
}

// While X-Plane's camera is its own (nobody holds it, or the callback gave it
// back) its zoom is X-Plane's, whatever the plug-in once handed it.
bool printCamera() {
    XPLMCameraPosition_t pose{};
    if (!cameraControlledByPlugin() || !lastCameraPose(&pose)) {
        printLine("camera = none");
        return true;
    }
    char line[256];
    std::snprintf(line, sizeof line, "camera = %.6f %.6f %.6f %.6f %.6f %.6f %.6f", pose.x, pose.y,
                  pose.z, pose.pitch, pose.heading, pose.roll, pose.zoom);
    printLine(line);
    return true;
}

bool print(const Words& args, std::string* error) {
    if (args[0] == "camera") return printCamera();
    std::string value;
    if (!formatDataref(args[0], &value, error)) return false;
    printLine(args[0] + " = " + value);
    return true;
}

bool place(const Words& args, std::string* error) {
    double values[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < args.size(); ++i)
        if (!parseReal(args[i], &values[i])) return fail(error, "bad number " + args[i]);
    placeAircraft(values[0], values[1], values[2], static_cast<float>(values[3]));
    return true;
}

bool terrain(const Words& args, std::string* error) {
    if (args[0] == "miss") {
        setProbesMiss(true);
        return true;
    }
    double elevation = 0;
    if (!parseReal(args[0], &elevation)) return fail(error, "bad elevation " + args[0]);
    setTerrain(elevation);
    setProbesMiss(false);
    return true;
}

bool slope(const Words& args, std::string* error) {
    double east = 0, south = 0;
    if (!parseReal(args[0], &east)) return fail(error, "bad rise " + args[0]);
    if (!parseReal(args[1], &south)) return fail(error, "bad rise " + args[1]);
    setTerrainSlope(east, south);
    return true;
}

bool dataref(const Words& args, std::string* error) {
    return defineDatarefFromText(args[0], args[1], args.size() > 2 ? args[2] : "", error);
}

bool plugin(const Words& args, std::string*) {
    addPlugin(args[0], args.size() > 1 ? args[1] : args[0]);
    return true;
}

bool enable(const Words&, std::string* error) {
    if (!enablePlugin()) return fail(error, "the plug-in did not enable");
    return true;
}

bool disable(const Words&, std::string*) {
    disablePlugin();
    return true;
}

bool wait(const Words& args, std::string* error) {
    long ms = 0;
    if (!parseInteger(args[0], &ms) || ms < 0) return fail(error, "bad time " + args[0]);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return true;
}

}  // namespace

const Verb kSimulatorVerbs[] = {
    {"aircraft", 1, 1, "aircraft PATH", aircraft},
    {"message", 1, 2, "message N [P]", message},
    {"frames", 1, 1, "frames N", frames},
    {"command", 2, 2, "command NAME once|begin|end", command},
    {"hold", 2, 2, "hold NAME N", hold},
    {"set", 2, 2, "set NAME[I] VALUE", set},
    {"print", 1, 1, "print NAME[I] | print camera", print},
    {"place", 3, 4, "place LAT LON ELEV_M [HEADING]", place},
    {"terrain", 1, 1, "terrain ELEV_M | terrain miss", terrain},
    {"slope", 2, 2, "slope RISE_EAST RISE_SOUTH", slope},
    {"dataref", 2, 3, "dataref NAME TYPE [VALUE]", dataref},
    {"plugin", 1, 2, "plugin SIGNATURE [NAME]", plugin},
    {"enable", 0, 0, "enable", enable},
    {"disable", 0, 0, "disable", disable},
    {"wait", 1, 1, "wait MS", wait},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner

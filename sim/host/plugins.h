// The plug-in under test and the other plug-ins X-Plane knows of.
#pragma once

#include <string>
#include <vector>

#include "xpsim.h"

namespace xpsim::detail {

constexpr XPLMPluginID kPluginUnderTest = 1;

struct PluginSlot {
    PluginEntryPoints entry{};
    void* handle = nullptr;  // from dlopen
    bool attached = false;
    bool started = false;
    bool enabled = false;
    std::string path;
    std::string name;
    std::string signature;
    std::string description;
};

struct OtherPlugin {
    XPLMPluginID id;
    std::string signature;
    std::string name;
};

PluginSlot& pluginSlot();
std::vector<OtherPlugin>& otherPlugins();

}  // namespace xpsim::detail

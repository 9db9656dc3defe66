// Loading the plug-in and walking it through X-Plane's lifecycle.
#include <dlfcn.h>

#include <cstring>

#include "internal.h"
#include "plugins.h"

namespace xpsim {
namespace detail {

PluginSlot& pluginSlot() {
    static PluginSlot slot;
    return slot;
}

std::vector<OtherPlugin>& otherPlugins() {
    static std::vector<OtherPlugin> plugins;
    return plugins;
}

bool pluginCallbacksAllowed() {
    const PluginSlot& slot = pluginSlot();
    return !slot.attached || slot.enabled;
}

namespace {

void closeHandle() {
    PluginSlot& slot = pluginSlot();
    if (slot.handle) dlclose(slot.handle);
    slot = PluginSlot{};
}

// The plug-in's code may be gone after this: nothing may call into it. X-Plane
// keeps commands, and the handlers still registered on them, for the whole
// run: a plug-in removes its own at stop.
void forgetPluginCode() {
    resetFlightLoops();
    dropAccessorDatarefs();
    dropCameraController();
    dropWindows();
    dropMenus();
    dropDrawCallbacks();
}

template <typename F>
bool lookUp(void* handle, const char* symbol, F* out, std::string* error) {
    void* address = dlsym(handle, symbol);
    if (!address) {
        if (error) *error = std::string("missing entry point ") + symbol;
        return false;
    }
    *out = reinterpret_cast<F>(address);
    return true;
}

}  // namespace

void resetPlugins() {
    closeHandle();
    otherPlugins().clear();
}

}  // namespace detail

using detail::pluginSlot;

bool loadPlugin(const std::string& xplPath, std::string* error) {
    unloadPlugin();
    void* handle = dlopen(xplPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) *error = dlerror();
        return false;
    }
    PluginEntryPoints entry{};
    if (!detail::lookUp(handle, "XPluginStart", &entry.start, error) ||
        !detail::lookUp(handle, "XPluginEnable", &entry.enable, error) ||
        !detail::lookUp(handle, "XPluginDisable", &entry.disable, error) ||
        !detail::lookUp(handle, "XPluginStop", &entry.stop, error) ||
        !detail::lookUp(handle, "XPluginReceiveMessage", &entry.receive, error)) {
        dlclose(handle);
        return false;
    }
    attachPlugin(entry, xplPath);
    pluginSlot().handle = handle;
    return true;
}

void attachPlugin(const PluginEntryPoints& entryPoints, const std::string& pluginFilePath) {
    if (pluginSlot().handle) unloadPlugin();
    detail::PluginSlot& slot = pluginSlot();
    slot = detail::PluginSlot{};
    slot.entry = entryPoints;
    slot.attached = true;
    slot.path = pluginFilePath;
}

bool startPlugin() {
    detail::PluginSlot& slot = pluginSlot();
    if (!slot.attached || slot.started || !slot.entry.start) return false;
    char name[256] = {};
    char signature[256] = {};
    char description[256] = {};
    int ok = slot.entry.start(name, signature, description);
    name[255] = signature[255] = description[255] = '\0';
    slot.name = name;
    slot.signature = signature;
    slot.description = description;
    slot.started = ok != 0;
    return slot.started;
}

bool enablePlugin() {
    detail::PluginSlot& slot = pluginSlot();
    if (!slot.started) return false;
    if (slot.enabled) return true;
    slot.enabled = slot.entry.enable && slot.entry.enable() != 0;
    return slot.enabled;
}

void disablePlugin() {
    detail::PluginSlot& slot = pluginSlot();
    if (!slot.enabled) return;
    slot.enabled = false;
    if (slot.entry.disable) slot.entry.disable();
}

void stopPlugin() {
    detail::PluginSlot& slot = pluginSlot();
    if (!slot.started) return;
    disablePlugin();
    slot.started = false;
    if (slot.entry.stop) slot.entry.stop();
}

void unloadPlugin() {
    if (!pluginSlot().attached) return;
    detail::forgetPluginCode();
    detail::closeHandle();
}

bool isPluginAttached() { return pluginSlot().attached; }
bool isPluginEnabled() { return pluginSlot().enabled; }
const std::string& pluginName() { return pluginSlot().name; }
const std::string& pluginSignature() { return pluginSlot().signature; }
const std::string& pluginDescription() { return pluginSlot().description; }

void sendMessage(int message, intptr_t param) {
    detail::PluginSlot& slot = pluginSlot();
    if (slot.enabled && slot.entry.receive)
        slot.entry.receive(XPLM_PLUGIN_XPLANE, message, reinterpret_cast<void*>(param));
}

XPLMPluginID addPlugin(const std::string& signature, const std::string& name) {
    auto& others = detail::otherPlugins();
    for (const auto& other : others)
        if (other.signature == signature) return other.id;
    XPLMPluginID id = detail::kPluginUnderTest + 1 + static_cast<XPLMPluginID>(others.size());
    others.push_back({id, signature, name});
    return id;
}

}  // namespace xpsim

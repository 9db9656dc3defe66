// XPLMPlugin: plug-in identities and messages between plug-ins.
#include <cstdio>
#include <cstring>
#include <vector>

#include "internal.h"
#include "plugins.h"

namespace xpsim {
namespace {

std::vector<SentMessage>& sent() {
    static std::vector<SentMessage> messages;
    return messages;
}

// Plug-in-defined messages whose parameter is a C string by convention
// (DataRefTool's add-dataref and add-command among them).
bool carriesText(int message) { return message >= 0x01000000 && message <= 0x01FFFFFF; }

const detail::OtherPlugin* other(XPLMPluginID id) {
    for (const auto& plugin : detail::otherPlugins())
        if (plugin.id == id) return &plugin;
    return nullptr;
}

void copyOut(char* out, const std::string& text) {
    if (out) std::snprintf(out, 256, "%s", text.c_str());
}

}  // namespace

const std::vector<SentMessage>& sentMessages() { return sent(); }

}  // namespace xpsim

using xpsim::detail::kPluginUnderTest;
using xpsim::detail::pluginSlot;

XPLM_API XPLMPluginID XPLMGetMyID(void) { return kPluginUnderTest; }

XPLM_API int XPLMCountPlugins(void) {
    return (pluginSlot().attached ? 1 : 0) + static_cast<int>(xpsim::detail::otherPlugins().size());
}

// The plug-in under test first, then the others in the order they were added.
XPLM_API XPLMPluginID XPLMGetNthPlugin(int inIndex) {
    if (inIndex < 0) return XPLM_NO_PLUGIN_ID;
    if (pluginSlot().attached) {
        if (inIndex == 0) return kPluginUnderTest;
        --inIndex;
    }
    const auto& others = xpsim::detail::otherPlugins();
    return inIndex < static_cast<int>(others.size()) ? others[inIndex].id : XPLM_NO_PLUGIN_ID;
}

XPLM_API XPLMPluginID XPLMFindPluginByPath(const char* inPath) {
    if (!inPath || !pluginSlot().attached || pluginSlot().path != inPath) return XPLM_NO_PLUGIN_ID;
    return kPluginUnderTest;
}

XPLM_API XPLMPluginID XPLMFindPluginBySignature(const char* inSignature) {
    if (!inSignature) return XPLM_NO_PLUGIN_ID;
    if (pluginSlot().attached && pluginSlot().signature == inSignature) return kPluginUnderTest;
    for (const auto& plugin : xpsim::detail::otherPlugins())
        if (plugin.signature == inSignature) return plugin.id;
    return XPLM_NO_PLUGIN_ID;
}

// Unknown IDs give empty texts.
XPLM_API void XPLMGetPluginInfo(XPLMPluginID inPlugin, char* outName, char* outFilePath,
                                char* outSignature, char* outDescription) {
    std::string name, path, signature, description;
    if (inPlugin == kPluginUnderTest && pluginSlot().attached) {
        const auto& slot = pluginSlot();
        name = slot.name;
        path = slot.path;
        signature = slot.signature;
        description = slot.description;
    } else if (const auto* plugin = xpsim::other(inPlugin)) {
        name = plugin->name;
        signature = plugin->signature;
    }
    xpsim::copyOut(outName, name);
    xpsim::copyOut(outFilePath, path);
    xpsim::copyOut(outSignature, signature);
    xpsim::copyOut(outDescription, description);
}

XPLM_API int XPLMIsPluginEnabled(XPLMPluginID inPluginID) {
    if (inPluginID == kPluginUnderTest) return pluginSlot().enabled ? 1 : 0;
    return xpsim::other(inPluginID) ? 1 : 0;
}

// Recorded; a message to the plug-in under test itself is delivered as X-Plane
// would, with the sender's ID.
XPLM_API void XPLMSendMessageToPlugin(XPLMPluginID inPlugin, int inMessage, void* inParam) {
    xpsim::SentMessage record{inPlugin, inMessage, {}, reinterpret_cast<intptr_t>(inParam)};
    if (inParam && xpsim::carriesText(inMessage)) {
        const char* text = static_cast<const char*>(inParam);
        record.paramText.assign(text, strnlen(text, 4096));
    }
    xpsim::sent().push_back(record);
    const auto& slot = pluginSlot();
    if (inPlugin == kPluginUnderTest && slot.enabled && slot.entry.receive)
        slot.entry.receive(kPluginUnderTest, inMessage, inParam);
}

namespace xpsim::detail {

void resetSentMessages() { sent().clear(); }

}  // namespace xpsim::detail

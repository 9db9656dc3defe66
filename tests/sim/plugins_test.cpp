#include <cstring>
#include <string>
#include <vector>

#include "sim_fixture.h"

namespace {

struct Heard {
    std::vector<std::string> events;
};
Heard* heard;

int start(char* name, char* signature, char* description) {
    std::strcpy(name, "Tested");
    std::strcpy(signature, "test.signature");
    std::strcpy(description, "Under test");
    heard->events.push_back("start");
    return 1;
}
int handle(XPLMCommandRef, XPLMCommandPhase, void*) { return 1; }
int enable() {
    heard->events.push_back("enable");
    XPLMRegisterCommandHandler(XPLMCreateCommand("test/left_behind", "Left behind."), handle, 0,
                               nullptr);
    return 1;
}
void disable() { heard->events.push_back("disable"); }
void stop() { heard->events.push_back("stop"); }
void receive(XPLMPluginID from, int message, void* param) {
    heard->events.push_back("message " + std::to_string(from) + " " + std::to_string(message) +
                            " " + std::to_string(reinterpret_cast<intptr_t>(param)));
}

class SimPlugins : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        heard = &heard_;
        xpsim::attachPlugin({start, enable, disable, stop, receive}, "/xp/Resources/plugins/T.xpl");
    }
    Heard heard_;
};

TEST_F(SimPlugins, LifecycleAndMessagesOnlyWhileEnabled) {
    ASSERT_TRUE(xpsim::startPlugin());
    xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);  // not enabled yet: unheard
    ASSERT_TRUE(xpsim::enablePlugin());
    xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
    xpsim::stopPlugin();
    EXPECT_EQ(heard_.events,
              (std::vector<std::string>{"start", "enable", "message 0 102 0", "disable", "stop"}));
    EXPECT_EQ(xpsim::pluginName(), "Tested");
    // X-Plane keeps commands, and a handler the plug-in left on one, after
    // the module is unloaded.
    xpsim::unloadPlugin();
    EXPECT_EQ(xpsim::handlerCount("test/left_behind"), 1);
}

TEST_F(SimPlugins, IdentitiesAndLookUps) {
    xpsim::startPlugin();
    xpsim::enablePlugin();
    XPLMPluginID other = xpsim::addPlugin("com.example.tool", "Tool");
    EXPECT_EQ(other, 2);
    EXPECT_EQ(XPLMGetMyID(), 1);
    EXPECT_EQ(XPLMCountPlugins(), 2);
    EXPECT_EQ(XPLMGetNthPlugin(1), other);
    EXPECT_EQ(XPLMFindPluginBySignature("test.signature"), 1);
    EXPECT_EQ(XPLMFindPluginBySignature("com.example.tool"), other);
    EXPECT_EQ(XPLMFindPluginBySignature("absent"), XPLM_NO_PLUGIN_ID);
    EXPECT_EQ(XPLMFindPluginByPath("/xp/Resources/plugins/T.xpl"), 1);
    char name[256], path[256], signature[256], description[256];
    XPLMGetPluginInfo(1, name, path, signature, description);
    EXPECT_STREQ(path, "/xp/Resources/plugins/T.xpl");
    EXPECT_STREQ(description, "Under test");
    XPLMGetPluginInfo(other, name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, "Tool");
    EXPECT_EQ(XPLMIsPluginEnabled(1), 1);
}

TEST_F(SimPlugins, SentMessagesAreRecordedWithTextParameters) {
    xpsim::startPlugin();
    xpsim::enablePlugin();
    XPLMPluginID tool = xpsim::addPlugin("xplanesdk.examples.DataRefEditor", "DRE");
    char dataref[] = "test/dataref";
    XPLMSendMessageToPlugin(tool, 0x01000000, dataref);
    XPLMSendMessageToPlugin(tool, 7, dataref);
    XPLMSendMessageToPlugin(1, 0x01000099, nullptr);  // to itself: delivered
    const auto& sent = xpsim::sentMessages();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].paramText, "test/dataref");
    EXPECT_EQ(sent[1].paramText, "");
    EXPECT_EQ(heard_.events.back(), "message 1 16777369 0");
}

TEST_F(SimPlugins, FeaturesAndVersions) {
    EXPECT_EQ(XPLMHasFeature("XPLM_USE_NATIVE_PATHS"), 1);
    EXPECT_EQ(XPLMIsFeatureEnabled("XPLM_USE_NATIVE_PATHS"), 0);
    XPLMEnableFeature("XPLM_USE_NATIVE_PATHS", 1);
    EXPECT_TRUE(xpsim::isFeatureEnabled("XPLM_USE_NATIVE_PATHS"));
    XPLMEnableFeature("NOT_A_FEATURE", 1);
    EXPECT_EQ(XPLMIsFeatureEnabled("NOT_A_FEATURE"), 0);
    xpsim::setVersions(11550, 303);
    int xplane = 0, xplm = 0;
    XPLMHostApplicationID host = 0;
    XPLMGetVersions(&xplane, &xplm, &host);
    EXPECT_EQ(xplane, 11550);
    EXPECT_EQ(xplm, 303);
    EXPECT_EQ(host, 1);  // X-Plane's own host ID
}

}  // namespace

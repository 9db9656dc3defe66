// The plug-in's commands as X-Plane sees them: which exist, with how many
// handlers, across a disable and a new enable, and what DataRefTool is told.
#include <string>
#include <vector>

#include "commands_fixture.h"
#include "shell/plugin_state.h"

namespace {

using CommandCreation = CommandsFixture;

std::vector<std::string> numbered(const char* format, int first, int last) {
    std::vector<std::string> names;
    for (int n = first; n <= last; ++n) {
        char name[80];
        snprintf(name, sizeof name, format, n);
        names.push_back(name);
    }
    return names;
}

TEST_F(CommandCreation, EnableCreatesTheTableThenTheFourFamiliesEachWithOneHandler) {
    startWithCameras();
    std::vector<std::string> names = xpsim::commandNames("QFN/Ovilux/");
    ASSERT_EQ(names.size(), 201u);
    EXPECT_EQ(names[0], "QFN/Ovilux/Save_All_Cameras");
    EXPECT_EQ(names[3], "QFN/Ovilux/Toggle_Ovilux_on_or_off");
    EXPECT_EQ(names[65], "QFN/Ovilux/Toggle_Traffic_Display");
    std::vector<std::string> families;
    for (const auto& part : {numbered("QFN/Ovilux/Select_View_ID_%d", 1, 50),
                             numbered("QFN/Ovilux/Momentary_Select_View_ID_%d", 1, 50),
                             numbered("QFN/Ovilux/Select_Airport_View_ID_%d", 51, 65),
                             numbered("QFN/Ovilux/Select_Category_%d", 1, 20)}) {
        families.insert(families.end(), part.begin(), part.end());
    }
    EXPECT_EQ(std::vector<std::string>(names.begin() + 66, names.end()), families);
    for (const std::string& name : names) {
        EXPECT_EQ(xpsim::handlerCount(name), 1) << name;
    }
}

TEST_F(CommandCreation, AnotherEnableKeepsOneHandlerSoOnePressActsOnce) {
    startWithCameras();
    EXPECT_EQ(xpsim::handlerCount("sim/general/forward"), 1);
    xpsim::disablePlugin();
    EXPECT_EQ(xpsim::handlerCount("sim/general/forward"), 0);
    xpsim::enablePlugin();
    for (const std::string& name : xpsim::commandNames("QFN/Ovilux/")) {
        ASSERT_EQ(xpsim::handlerCount(name), 1) << name;
    }
    // Camera control is off after the new enable: one toggle switches it on,
    // the next one off again.
    ASSERT_EQ(isEnabled(), 0);
    press("Toggle_Ovilux_on_or_off");
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_EQ(xpsim::handlerCount("sim/general/forward"), 1);
    press("Toggle_Ovilux_on_or_off");
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_EQ(xpsim::handlerCount("sim/general/forward"), 0);
}

TEST_F(CommandCreation, DataRefToolIsToldTheNumberedCommandsWithItsCommandMessage) {
    xpsim::addPlugin("com.leecbaker.datareftool", "DataRefTool");
    startWithCameras();
    std::vector<std::string> announced;
    for (const xpsim::SentMessage& sent : xpsim::sentMessages()) {
        EXPECT_EQ(sent.message, 0x01000099);
        announced.push_back(sent.paramText);
    }
    ASSERT_EQ(announced.size(), 135u);
    EXPECT_EQ(announced.front(), "QFN/Ovilux/Select_View_ID_1");
    EXPECT_EQ(announced[50], "QFN/Ovilux/Momentary_Select_View_ID_1");
    EXPECT_EQ(announced[100], "QFN/Ovilux/Select_Airport_View_ID_51");
    EXPECT_EQ(announced.back(), "QFN/Ovilux/Select_Category_20");
}

TEST_F(CommandCreation, WithoutDataRefToolNothingIsSent) {
    xpsim::addPlugin("com.example.other", "Other");
    startWithCameras();
    EXPECT_TRUE(xpsim::sentMessages().empty());
}

}  // namespace

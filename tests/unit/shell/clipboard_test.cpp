// The clipboard on Linux: the desktop's tool gets the text without the frame
// waiting for it; without a tool the text goes to the log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell/clipboard.h"
#include "support/simulated_xplane.h"
#include "xpsim.h"

namespace {

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        xpsim::installClipboardTool();
        xplane.startAndEnable();
    }
    void TearDown() override { xplane.disableAndStop(); }

    SimulatedXPlane xplane;
};

TEST_F(Clipboard, TheDesktopToolReceivesTheWholeText) {
    setClipboard("https://example.invalid/ovilux/2.4.4 Release notes");
    std::string pasted;
    ASSERT_TRUE(xpsim::clipboardText(&pasted));
    EXPECT_EQ(pasted, "https://example.invalid/ovilux/2.4.4 Release notes");

    setClipboard("second \"copy\" with $HOME and ; no shell");
    ASSERT_TRUE(xpsim::clipboardText(&pasted));
    EXPECT_EQ(pasted, "second \"copy\" with $HOME and ; no shell");
}

TEST_F(Clipboard, WithoutADisplayTheTextIsLogged) {
    std::string display = getenv("DISPLAY") ? getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    setClipboard("https://example.invalid/logged");
    setenv("DISPLAY", display.c_str(), 1);
    EXPECT_NE(xpsim::logText().find(
                  "Ovilux: No clipboard tool to copy to; the text to copy: "
                  "https://example.invalid/logged\n"),
              std::string::npos);
}

}  // namespace

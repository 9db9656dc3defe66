#include <string>
#include <vector>

#include "sim_fixture.h"

namespace {

struct Log {
    std::vector<std::string> entries;
};

struct Behaviour {
    Log* log;
    std::string name;
    int result = 1;
    bool unregisterSelf = false;
    int before = 1;
};

int handle(XPLMCommandRef command, XPLMCommandPhase phase, void* refcon) {
    auto* how = static_cast<Behaviour*>(refcon);
    how->log->entries.push_back(how->name + ":" + std::to_string(phase));
    if (how->unregisterSelf) XPLMUnregisterCommandHandler(command, handle, how->before, refcon);
    return how->result;
}

using SimCommands = SimTest;

TEST_F(SimCommands, BeforeHandlersThenXPlaneThenAfterHandlers) {
    Log log;
    Behaviour first{&log, "b1"}, second{&log, "b2"}, after{&log, "a", 1, false, 0};
    XPLMCommandRef chase = XPLMFindCommand("sim/view/chase");
    ASSERT_NE(chase, nullptr);
    XPLMRegisterCommandHandler(chase, handle, 0, &after);
    XPLMRegisterCommandHandler(chase, handle, 1, &first);
    XPLMRegisterCommandHandler(chase, handle, 1, &second);
    XPLMCommandOnce(chase);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"b1:0", "b2:0", "a:0", "b1:2", "b2:2", "a:2"}));
    EXPECT_EQ(xpsim::reachedXPlaneCount("sim/view/chase"), 1);
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/view_type"), 1017);
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/view_is_external"), 1);
}

TEST_F(SimCommands, ConsumingHandlerStopsEverythingAfterIt) {
    Log log;
    Behaviour eat{&log, "eat", 0}, later{&log, "later"}, after{&log, "after", 1, false, 0};
    XPLMCommandRef cockpit = XPLMFindCommand("sim/view/forward_with_panel");
    XPLMRegisterCommandHandler(cockpit, handle, 1, &eat);
    XPLMRegisterCommandHandler(cockpit, handle, 1, &later);
    XPLMRegisterCommandHandler(cockpit, handle, 0, &after);
    xpsim::commandOnce("sim/view/forward_with_panel");
    EXPECT_EQ(log.entries, (std::vector<std::string>{"eat:0", "eat:2"}));
    EXPECT_EQ(xpsim::reachedXPlaneCount("sim/view/forward_with_panel"), 0);
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/view_type"), 1026);  // unchanged
}

TEST_F(SimCommands, HeldCommandContinuesEachFrameBeforeFlightLoops) {
    static Log* shared;
    Log log;
    shared = &log;
    Behaviour behaviour{&log, "h"};
    XPLMCommandRef command = XPLMCreateCommand("test/held", "Held.");
    XPLMRegisterCommandHandler(command, handle, 1, &behaviour);
    XPLMRegisterFlightLoopCallback(
        [](float, float, int, void*) -> float {
            shared->entries.push_back("loop");
            return -1;
        },
        -1, nullptr);
    xpsim::commandBegin("test/held");
    xpsim::runFrames(2);
    xpsim::commandEnd("test/held");
    xpsim::runFrames(1);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"h:0", "h:1", "loop", "h:1", "loop", "h:2", "loop"}));
    EXPECT_EQ(xpsim::reachedXPlanePhases("test/held"), (std::array<int, 3>{1, 2, 1}));
}

TEST_F(SimCommands, DuplicateRegistrationsAreKeptAndRemovedOneAtATime) {
    Log log;
    Behaviour behaviour{&log, "h"};
    XPLMCommandRef command = XPLMFindCommand("sim/view/free_camera");
    XPLMRegisterCommandHandler(command, handle, 1, &behaviour);
    XPLMRegisterCommandHandler(command, handle, 1, &behaviour);
    EXPECT_EQ(xpsim::handlerCount("sim/view/free_camera"), 2);
    XPLMUnregisterCommandHandler(command, handle, 1, &behaviour);
    EXPECT_EQ(xpsim::handlerCount("sim/view/free_camera"), 1);
    XPLMUnregisterCommandHandler(command, handle, 0, &behaviour);  // other side: no match
    EXPECT_EQ(xpsim::handlerCount("sim/view/free_camera"), 1);
}

TEST_F(SimCommands, HandlersMayRemoveThemselvesWhileRunning) {
    Log log;
    Behaviour once{&log, "once", 1, true}, stays{&log, "stays"};
    XPLMCommandRef command = XPLMCreateCommand("test/self", "");
    XPLMRegisterCommandHandler(command, handle, 1, &once);
    XPLMRegisterCommandHandler(command, handle, 1, &stays);
    XPLMCommandOnce(command);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"once:0", "stays:0", "stays:2"}));
}

TEST_F(SimCommands, CreateFindsExistingAndResetForgetsPluginCommands) {
    XPLMCommandRef existing = XPLMFindCommand("sim/view/chase");
    EXPECT_EQ(XPLMCreateCommand("sim/view/chase", "other"), existing);
    EXPECT_EQ(XPLMFindCommand("test/unknown"), nullptr);
    XPLMCreateCommand("test/mine", "Mine.");
    EXPECT_TRUE(xpsim::hasCommand("test/mine"));
    xpsim::reset();
    EXPECT_FALSE(xpsim::hasCommand("test/mine"));
    EXPECT_EQ(XPLMFindCommand("sim/view/chase"), existing);
}

TEST_F(SimCommands, PauseToggleFlipsPaused) {
    xpsim::commandOnce("sim/operation/pause_toggle");
    EXPECT_EQ(xpsim::getDouble("sim/time/paused"), 1);
    xpsim::commandOnce("sim/operation/pause_toggle");
    EXPECT_EQ(xpsim::getDouble("sim/time/paused"), 0);
}

}  // namespace

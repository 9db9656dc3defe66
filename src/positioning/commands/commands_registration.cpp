#include "positioning/commands/commands_registration.h"

#include <cstdint>
#include <cstdio>

#include "positioning/commands/commands_handler.h"
#include "positioning/commands/commands_table.h"
#include "positioning/commands/commands_view_select.h"

namespace {
// DataRefTool's published identity and its "add command" message.
const char* const kDataRefToolSignature = "com.leecbaker.datareftool";
const int kDataRefToolAddCommand = 0x01000099;

const int kViewSelectCommands = 50;
const int kFirstAirportViewId = 51;
const int kLastAirportViewId = 65;
const int kCategorySelectCommands = 20;

XPLMCommandRef commandRefs[kNumberOfCommands] = {};
// Slots 0-49 view IDs 1 to 50, slots 50-64 the airport view IDs 51 to 65.
XPLMCommandRef viewSelectCommandRefs[kLastAirportViewId] = {};
XPLMCommandRef momentaryViewSelectCommandRefs[kViewSelectCommands] = {};
XPLMCommandRef categorySelectCommandRefs[kCategorySelectCommands] = {};

void* refcon(int value) { return reinterpret_cast<void*>(static_cast<intptr_t>(value)); }

XPLMCommandRef createNumbered(const char* nameFormat, const char* descriptionFormat, int number,
                              XPLMCommandCallback_f handler, int reference) {
    char name[128];
    char description[128];
    snprintf(name, sizeof(name), nameFormat, number);
    snprintf(description, sizeof(description), descriptionFormat, number);
    XPLMCommandRef command = XPLMCreateCommand(name, description);
    registerCommandHandlerOnce(command, handler, 0, refcon(reference));
    registerDataRefToolCommand(name);
    return command;
}
}  // namespace

void registerCommandHandlerOnce(XPLMCommandRef command, XPLMCommandCallback_f handler, int before,
                                void* reference) {
    if (command == nullptr) {
        return;
    }
    XPLMUnregisterCommandHandler(command, handler, before, reference);
    XPLMRegisterCommandHandler(command, handler, before, reference);
}

void createPositionCommands() {
    for (int i = 0; i < kNumberOfCommands; ++i) {
        commandRefs[i] = XPLMCreateCommand(commands[i], commandDescriptions[i]);
        registerCommandHandlerOnce(commandRefs[i], oviluxCommandHandler, 0, refcon(i));
    }
    for (int n = 1; n <= kViewSelectCommands; ++n) {
        viewSelectCommandRefs[n - 1] =
            createNumbered("QFN/Ovilux/Select_View_ID_%d",
                           "Selects the camera with a view ID of %d", n, viewSelectHandler, n);
    }
    for (int n = 1; n <= kViewSelectCommands; ++n) {
        momentaryViewSelectCommandRefs[n - 1] =
            createNumbered("QFN/Ovilux/Momentary_Select_View_ID_%d",
                           "Momentarily selects the camera with a view ID of %d", n,
                           momentaryViewSelectHandler, n);
    }
    for (int n = kFirstAirportViewId; n <= kLastAirportViewId; ++n) {
        viewSelectCommandRefs[n - 1] = createNumbered(
            "QFN/Ovilux/Select_Airport_View_ID_%d",
            "Selects the airport camera with a view ID of %d", n, airportViewSelectHandler, n);
    }
    for (int n = 1; n <= kCategorySelectCommands; ++n) {
        categorySelectCommandRefs[n - 1] = createNumbered(
            "QFN/Ovilux/Select_Category_%d", "Selects the last active camera in category %d", n,
            categorySelectHandler, n - 1);
    }
}

void removePositionCommandHandlers() {
    auto remove = [](XPLMCommandRef* command, XPLMCommandCallback_f handler, int reference) {
        if (*command != nullptr) {
            XPLMUnregisterCommandHandler(*command, handler, 0, refcon(reference));
            *command = nullptr;
        }
    };
    for (int i = 0; i < kNumberOfCommands; ++i) {
        remove(&commandRefs[i], oviluxCommandHandler, i);
    }
    for (int n = 1; n <= kViewSelectCommands; ++n) {
        remove(&viewSelectCommandRefs[n - 1], viewSelectHandler, n);
        remove(&momentaryViewSelectCommandRefs[n - 1], momentaryViewSelectHandler, n);
    }
    for (int n = kFirstAirportViewId; n <= kLastAirportViewId; ++n) {
        remove(&viewSelectCommandRefs[n - 1], airportViewSelectHandler, n);
    }
    for (int n = 1; n <= kCategorySelectCommands; ++n) {
        remove(&categorySelectCommandRefs[n - 1], categorySelectHandler, n - 1);
    }
}

XPLMCommandRef getCommandRef(int index) {
    return index >= 0 && index < kNumberOfCommands ? commandRefs[index] : nullptr;
}

void registerDataRefToolCommand(const char* name) {
    XPLMPluginID dataRefTool = XPLMFindPluginBySignature(kDataRefToolSignature);
    if (dataRefTool != XPLM_NO_PLUGIN_ID) {
        XPLMSendMessageToPlugin(dataRefTool, kDataRefToolAddCommand,
                                const_cast<void*>(static_cast<const void*>(name)));
    }
}

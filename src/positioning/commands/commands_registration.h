// Creating the plug-in's commands with X-Plane, once per enable, and telling
// DataRefTool about the numbered ones.
#pragma once

#include "xplane/sdk.h"

// The 66 named commands, then the families "Select_View_ID_%d" (1 to 50),
// "Momentary_Select_View_ID_%d" (1 to 50), "Select_Airport_View_ID_%d" (51 to
// 65) and "Select_Category_%d" (1 to 20), each with its handler.
void createPositionCommands();
// X-Plane keeps the commands for the whole run, so their handlers go with the
// module: every handler createPositionCommands registered is removed.
void removePositionCommandHandlers();
// Handle of a named command; null before createPositionCommands.
XPLMCommandRef getCommandRef(int index);
// Sends the name to DataRefTool when it is loaded.
void registerDataRefToolCommand(const char* name);
// X-Plane keeps every registration, duplicates included, and a command whose
// handler runs twice per phase undoes its own toggles: an earlier registration
// of the same handler is removed first.
void registerCommandHandlerOnce(XPLMCommandRef command, XPLMCommandCallback_f handler, int before,
                                void* refcon);

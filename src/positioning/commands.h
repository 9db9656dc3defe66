// The plug-in's commands and the engine's start-up.
#pragma once

// Finds the datarefs the engine uses and creates the plug-in's commands.
void initPositionEngine();

// Taking over X-Plane's own view commands while camera control is on.
#pragma once

void registerPositionCommands();
void unRegisterPositionCommands();

#include "positioning/interception.h"

void registerPositionCommands() {}

void unRegisterPositionCommands() {}

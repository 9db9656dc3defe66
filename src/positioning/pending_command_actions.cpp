#include "positioning/pending_command_actions.h"

void toggleTrafficDisplay() {}

#include "cameras/targets.h"

void readTargets() {}

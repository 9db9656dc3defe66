#include "positioning/mouse_look.h"

int checkMouseLook(CameraPosition*, Camera*) { return 0; }

void processMouseLook(Camera*, CameraPosition*) {}

void checkMouseMove(Camera*) {}

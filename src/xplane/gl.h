// OpenGL as the host process provides it: fixed-function calls only. The
// plug-in never links a GL library; X-Plane (or xpsim) resolves the symbols.
#pragma once

#if defined(__APPLE__)
#include <OpenGL/gl.h>
#else
#include <GL/gl.h>
#endif

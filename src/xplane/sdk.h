// The X-Plane plug-in SDK as this plug-in uses it.
//
// The headers of XPLM/ are our own declarations, written from X-Plane's
// published API documentation under the SDK's own file names: the same names,
// types, constants and calling conventions, so that the plug-in links against
// X-Plane (or the simulated host) without any SDK file in the tree. A build
// with OVILUX_XPLANE_SDK_DIR set finds the real SDK's headers under the same
// names instead. Either way the platform macro and the API levels come from
// the build.
#pragma once

#include "XPLMCamera.h"
#include "XPLMDataAccess.h"
#include "XPLMDefs.h"
#include "XPLMDisplay.h"
#include "XPLMGraphics.h"
#include "XPLMMenus.h"
#include "XPLMNavigation.h"
#include "XPLMPlanes.h"
#include "XPLMPlugin.h"
#include "XPLMProcessing.h"
#include "XPLMScenery.h"
#include "XPLMUtilities.h"

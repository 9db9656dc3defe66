// What every SDK header builds on: the platform, the linkage of SDK calls and
// plug-in entry points, plug-in IDs and key flags. A plug-in is compiled with
// one platform macro (APL, IBM or LIN) and the API levels it uses (XPLM200,
// XPLM210, XPLM300, XPLM301); the headers offer only what those levels hold.
#pragma once

#if !defined(APL) && !defined(IBM) && !defined(LIN)
#error "Define APL, IBM or LIN (=1) for the platform the plug-in is built for"
#endif

#ifdef __cplusplus
#define OVILUX_EXTERN_C extern "C"
#else
#define OVILUX_EXTERN_C
#endif

#if defined(IBM) && IBM
#define XPLM_API OVILUX_EXTERN_C __declspec(dllimport)
#define PLUGIN_API OVILUX_EXTERN_C __declspec(dllexport)
#else
#define XPLM_API OVILUX_EXTERN_C __attribute__((visibility("default")))
#define PLUGIN_API OVILUX_EXTERN_C __attribute__((visibility("default")))
#endif

typedef int XPLMPluginID;
#define XPLM_NO_PLUGIN_ID (-1)
#define XPLM_PLUGIN_XPLANE (0)

typedef int XPLMKeyFlags;
enum {
    xplm_ShiftFlag = 1,
    xplm_OptionAltFlag = 2,
    xplm_ControlFlag = 4,
    xplm_DownFlag = 8,
    xplm_UpFlag = 16
};

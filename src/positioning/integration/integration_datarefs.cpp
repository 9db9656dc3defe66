#include "positioning/integration/integration_datarefs.h"

#include <cstdint>
#include <string>

#include "positioning/integration/integration_values.h"
#include "xplane/sdk.h"

namespace {
struct IntegrationDataRef {
    const char* name;
    XPLMDataTypeID type;
    bool writable;
};

// In index order: the index is each accessor's reference constant.
const IntegrationDataRef kDataRefs[kIntegrationDataRefCount] = {
    {"Ovilux_enabled", xplmType_Int, false},
    {"XPRealistic_present", xplmType_Int, true},
    {"RealView_present", xplmType_Int, true},
    {"x_offset", xplmType_Float, true},
    {"y_offset", xplmType_Float, true},
    {"z_offset", xplmType_Float, true},
    {"pitch_offset", xplmType_Float, true},
    {"heading_offset", xplmType_Float, true},
    {"roll_offset", xplmType_Float, true},
    {"headtracking_present", xplmType_Int, true},
    {"headtracking_x_offset", xplmType_Float, true},
    {"headtracking_y_offset", xplmType_Float, true},
    {"headtracking_z_offset", xplmType_Float, true},
    {"headtracking_pitch_offset", xplmType_Float, true},
    {"headtracking_heading_offset", xplmType_Float, true},
    {"headtracking_roll_offset", xplmType_Float, true},
    {"camera_x", xplmType_FloatArray, true},
    {"camera_y", xplmType_FloatArray, true},
    {"camera_z", xplmType_FloatArray, true},
    {"camera_heading", xplmType_FloatArray, true},
    {"camera_pitch", xplmType_FloatArray, true},
    {"camera_roll", xplmType_FloatArray, true},
    {"camera_status", xplmType_IntArray, false},
    {"camera_motion_axis_assignment", xplmType_IntArray, true},
    {"effect_script_id", xplmType_Int, false},
    {"effect_script_x_offset", xplmType_Float, true},
    {"effect_script_y_offset", xplmType_Float, true},
    {"effect_script_z_offset", xplmType_Float, true},
    {"effect_script_pitch_offset", xplmType_Float, true},
    {"effect_script_heading_offset", xplmType_Float, true},
    {"effect_script_roll_offset", xplmType_Float, true},
    {"overall_status", xplmType_Int, false},
    {"SelectedCamera", xplmType_Int, true},
};

XPLMDataRef dataRefHandles[kIntegrationDataRefCount] = {};
bool registered = false;

XPLMDataRef registerOne(int index) {
    const IntegrationDataRef& d = kDataRefs[index];
    std::string name = std::string("QFN/Ovilux/integration/") + d.name;
    void* refcon = reinterpret_cast<void*>(static_cast<intptr_t>(index));
    bool isInt = d.type == xplmType_Int;
    bool isFloat = d.type == xplmType_Float;
    bool isInts = d.type == xplmType_IntArray;
    bool isFloats = d.type == xplmType_FloatArray;
    bool w = d.writable;
    return XPLMRegisterDataAccessor(
        name.c_str(), d.type, w ? 1 : 0, isInt ? getDatarefInt : nullptr,
        isInt && w ? setDatarefInt : nullptr, isFloat ? getDatarefFloat : nullptr,
        isFloat && w ? setDatarefFloat : nullptr, nullptr, nullptr,
        isInts ? getDatarefInts : nullptr, isInts && w ? setDatarefInts : nullptr,
        isFloats ? getDatarefFloats : nullptr, isFloats && w ? setDatarefFloats : nullptr,
        nullptr, nullptr, refcon, refcon);
}
}  // namespace

void createIntegrationDataRefs() {
    // XPluginEnable runs again after every disable; the datarefs outlive it.
    if (registered) {
        return;
    }
    for (int i = 0; i < kIntegrationDataRefCount; ++i) {
        dataRefHandles[i] = registerOne(i);
    }
    registered = true;
}

void removeIntegrationDataRefs() {
    if (!registered) {
        return;
    }
    for (int i = 0; i < kIntegrationDataRefCount; ++i) {
        if (dataRefHandles[i] != nullptr) {
            XPLMUnregisterDataAccessor(dataRefHandles[i]);
        }
        dataRefHandles[i] = nullptr;
    }
    registered = false;
    // A plug-in started again begins from zero, as after a fresh load.
    *getIntegrationValues() = IntegrationValues();
}

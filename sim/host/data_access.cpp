// XPLMDataAccess: finding, reading, writing and publishing datarefs.
#include "dataref.h"
#include "internal.h"

using xpsim::detail::Dataref;
namespace detail = xpsim::detail;

namespace {

Dataref* ref(XPLMDataRef handle) { return static_cast<Dataref*>(handle); }

}  // namespace

XPLM_API XPLMDataRef XPLMFindDataRef(const char* inDataRefName) {
    if (!inDataRefName) return nullptr;
    return detail::presentDataref(inDataRefName);
}

XPLM_API int XPLMCanWriteDataRef(XPLMDataRef inDataRef) {
    Dataref* d = ref(inDataRef);
    return d && d->present() && d->writable ? 1 : 0;
}

XPLM_API int XPLMIsDataRefGood(XPLMDataRef inDataRef) {
    Dataref* d = ref(inDataRef);
    return d && d->present() ? 1 : 0;
}

XPLM_API XPLMDataTypeID XPLMGetDataRefTypes(XPLMDataRef inDataRef) {
    Dataref* d = ref(inDataRef);
    return d && d->present() ? d->types : xplmType_Unknown;
}

XPLM_API int XPLMGetDatai(XPLMDataRef inDataRef) {
    return inDataRef ? detail::readInt(*ref(inDataRef)) : 0;
}

XPLM_API void XPLMSetDatai(XPLMDataRef inDataRef, int inValue) {
    if (inDataRef) detail::writeInt(*ref(inDataRef), inValue, false);
}

XPLM_API float XPLMGetDataf(XPLMDataRef inDataRef) {
    return inDataRef ? detail::readFloat(*ref(inDataRef)) : 0.0f;
}

XPLM_API void XPLMSetDataf(XPLMDataRef inDataRef, float inValue) {
    if (inDataRef) detail::writeFloat(*ref(inDataRef), inValue, false);
}

XPLM_API double XPLMGetDatad(XPLMDataRef inDataRef) {
    return inDataRef ? detail::readDouble(*ref(inDataRef)) : 0.0;
}

XPLM_API void XPLMSetDatad(XPLMDataRef inDataRef, double inValue) {
    if (inDataRef) detail::writeDouble(*ref(inDataRef), inValue, false);
}

XPLM_API int XPLMGetDatavi(XPLMDataRef inDataRef, int* outValues, int inOffset, int inMax) {
    return inDataRef ? detail::readInts(*ref(inDataRef), outValues, inOffset, inMax) : 0;
}

XPLM_API void XPLMSetDatavi(XPLMDataRef inDataRef, int* inValues, int inOffset, int inCount) {
    if (inDataRef) detail::writeInts(*ref(inDataRef), inValues, inOffset, inCount, false);
}

XPLM_API int XPLMGetDatavf(XPLMDataRef inDataRef, float* outValues, int inOffset, int inMax) {
    return inDataRef ? detail::readFloats(*ref(inDataRef), outValues, inOffset, inMax) : 0;
}

XPLM_API void XPLMSetDatavf(XPLMDataRef inDataRef, float* inValues, int inOffset, int inCount) {
    if (inDataRef) detail::writeFloats(*ref(inDataRef), inValues, inOffset, inCount, false);
}

XPLM_API int XPLMGetDatab(XPLMDataRef inDataRef, void* outValue, int inOffset, int inMaxBytes) {
    return inDataRef ? detail::readBytes(*ref(inDataRef), outValue, inOffset, inMaxBytes) : 0;
}

XPLM_API void XPLMSetDatab(XPLMDataRef inDataRef, void* inValue, int inOffset, int inLength) {
    if (inDataRef) detail::writeBytes(*ref(inDataRef), inValue, inOffset, inLength, false);
}

// A name that is already published keeps its first publisher (X-Plane logs the
// duplicate as an error); the caller still gets the name's handle, and the
// duplicate is counted for datarefRegistrationCount.
XPLM_API XPLMDataRef XPLMRegisterDataAccessor(
    const char* inDataName, XPLMDataTypeID inDataType, int inIsWritable,
    XPLMGetDatai_f inReadInt, XPLMSetDatai_f inWriteInt, XPLMGetDataf_f inReadFloat,
    XPLMSetDataf_f inWriteFloat, XPLMGetDatad_f inReadDouble, XPLMSetDatad_f inWriteDouble,
    XPLMGetDatavi_f inReadIntArray, XPLMSetDatavi_f inWriteIntArray,
    XPLMGetDatavf_f inReadFloatArray, XPLMSetDatavf_f inWriteFloatArray,
    XPLMGetDatab_f inReadData, XPLMSetDatab_f inWriteData, void* inReadRefcon,
    void* inWriteRefcon) {
    if (!inDataName || !*inDataName) return nullptr;
    Dataref& d = detail::datarefRecord(inDataName);
    if (d.present()) {
        ++d.registrations;
        return &d;
    }
    d.owner = detail::Owner::Plugin;
    d.types = inDataType;
    d.writable = inIsWritable != 0;
    d.onChange = nullptr;
    d.registrations = 1;
    d.accessors = detail::Accessors{inReadInt,        inWriteInt,        inReadFloat,
                                    inWriteFloat,     inReadDouble,      inWriteDouble,
                                    inReadIntArray,   inWriteIntArray,   inReadFloatArray,
                                    inWriteFloatArray, inReadData,       inWriteData,
                                    inReadRefcon,     inWriteRefcon};
    return &d;
}

XPLM_API void XPLMUnregisterDataAccessor(XPLMDataRef inDataRef) {
    Dataref* d = ref(inDataRef);
    if (d && d->byAccessors()) detail::makeAbsent(*d);
}

// A dataref as X-Plane keeps it: one record per name for the life of the
// process, so a handle stays usable after the dataref goes away and comes back
// (X-Plane's handles behave the same way).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xplane/sdk.h"

namespace xpsim::detail {

enum class Owner {
    Absent,       // never published, removed, or unregistered
    Simulator,    // X-Plane's own, with storage
    OtherPlugin,  // published by another plug-in, with storage
    Plugin        // the plug-in under test's accessors
};

enum class Storage { Int, Float, Double, IntArray, FloatArray, Bytes };

struct Accessors {
    XPLMGetDatai_f readInt = nullptr;
    XPLMSetDatai_f writeInt = nullptr;
    XPLMGetDataf_f readFloat = nullptr;
    XPLMSetDataf_f writeFloat = nullptr;
    XPLMGetDatad_f readDouble = nullptr;
    XPLMSetDatad_f writeDouble = nullptr;
    XPLMGetDatavi_f readIntArray = nullptr;
    XPLMSetDatavi_f writeIntArray = nullptr;
    XPLMGetDatavf_f readFloatArray = nullptr;
    XPLMSetDatavf_f writeFloatArray = nullptr;
    XPLMGetDatab_f readData = nullptr;
    XPLMSetDatab_f writeData = nullptr;
    void* readRefcon = nullptr;
    void* writeRefcon = nullptr;
};

struct Dataref {
    std::string name;
    Owner owner = Owner::Absent;
    XPLMDataTypeID types = xplmType_Unknown;  // what readers may ask for
    bool writable = false;
    Storage storage = Storage::Int;
    double scalar = 0;
    std::vector<int> ints;
    std::vector<float> floats;
    std::vector<uint8_t> bytes;
    Accessors accessors;
    int registrations = 0;
    // Runs after every write that changed storage through the SDK or the test API.
    void (*onChange)(Dataref&) = nullptr;

    bool present() const { return owner != Owner::Absent; }
    bool byAccessors() const { return owner == Owner::Plugin; }
};

// The record for a name, made (absent) on first use.
Dataref& datarefRecord(const std::string& name);
// The record when the name is published, else null.
Dataref* presentDataref(const std::string& name);
// Every record ever made, present or not.
std::vector<Dataref*> allDatarefs();

// X-Plane's own datarefs, from the table; done on first use and by reset().
void installSimDatarefs();
// Publishes again, at their defaults, the table's datarefs whose names start so.
void reinstallSimDatarefs(const std::string& prefix);

Storage storageFor(XPLMDataTypeID types);
// Gives a record storage of its type, every element set to value.
void publishWithStorage(Dataref& d, Owner owner, XPLMDataTypeID types, int size, bool writable,
                        double value);
void makeAbsent(Dataref& d);

// Typed access as the SDK does it: a type the dataref does not advertise
// reads 0 and writes nothing; `force` skips the writability check.
int readInt(Dataref& d);
float readFloat(Dataref& d);
double readDouble(Dataref& d);
int readInts(Dataref& d, int* out, int offset, int max);
int readFloats(Dataref& d, float* out, int offset, int max);
int readBytes(Dataref& d, void* out, int offset, int max);
void writeInt(Dataref& d, int value, bool force);
void writeFloat(Dataref& d, float value, bool force);
void writeDouble(Dataref& d, double value, bool force);
void writeInts(Dataref& d, const int* values, int offset, int count, bool force);
void writeFloats(Dataref& d, const float* values, int offset, int count, bool force);
void writeBytes(Dataref& d, const void* values, int offset, int count, bool force);

// Storage elements for datarefs with storage; arrays and bytes by index.
int storageSize(const Dataref& d);
double storageElement(const Dataref& d, int index);
void setStorageElement(Dataref& d, int index, double value);

}  // namespace xpsim::detail

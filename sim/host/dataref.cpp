#include "dataref.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>

#include "internal.h"

namespace xpsim::detail {
namespace {

// Never erased: plug-ins keep handles (pointers to these) across reset().
// Never destroyed either, so a plug-in's static destructors can still use them.
std::map<std::string, std::unique_ptr<Dataref>>& registry() {
    static auto* records = new std::map<std::string, std::unique_ptr<Dataref>>;
    static bool installed = false;
    if (!installed) {
        installed = true;
        installSimDatarefs();
    }
    return *records;
}

int toInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

bool canWrite(const Dataref& d, bool force) { return d.present() && (force || d.writable); }

void storeScalar(Dataref& d, double v) {
    switch (d.storage) {
        case Storage::Int: d.scalar = toInt(v); break;
        case Storage::Float: d.scalar = static_cast<float>(v); break;
        case Storage::Double: d.scalar = v; break;
        default: return;
    }
    if (d.onChange) d.onChange(d);
}

bool isNumberArray(const Dataref& d) {
    return d.storage == Storage::IntArray || d.storage == Storage::FloatArray;
}

// The part of [offset, offset + count) that lies inside the array.
int clampedCount(int size, int offset, int count) {
    if (offset < 0 || count <= 0 || offset >= size) return 0;
    return std::min(count, size - offset);
}

template <typename T>
int readArray(Dataref& d, T* out, int offset, int max) {
    int size = storageSize(d);
    if (!out) return size;
    int n = clampedCount(size, offset, max);
    for (int i = 0; i < n; ++i) out[i] = static_cast<T>(storageElement(d, offset + i));
    return n;
}

template <typename T>
void writeArray(Dataref& d, const T* values, int offset, int count) {
    if (!values) return;
    int n = clampedCount(storageSize(d), offset, count);
    for (int i = 0; i < n; ++i) setStorageElement(d, offset + i, static_cast<double>(values[i]));
    if (n > 0 && d.onChange) d.onChange(d);
}

}  // namespace

void resetDatarefs() {
    for (Dataref* d : allDatarefs()) makeAbsent(*d);
    installSimDatarefs();
}

void dropAccessorDatarefs() {
    for (Dataref* d : allDatarefs())
        if (d->byAccessors()) makeAbsent(*d);
}

Dataref& datarefRecord(const std::string& name) {
    auto& slot = registry()[name];
    if (!slot) {
        slot = std::make_unique<Dataref>();
        slot->name = name;
    }
    return *slot;
}

Dataref* presentDataref(const std::string& name) {
    auto it = registry().find(name);
    if (it == registry().end() || !it->second->present()) return nullptr;
    return it->second.get();
}

std::vector<Dataref*> allDatarefs() {
    std::vector<Dataref*> out;
    for (auto& entry : registry()) out.push_back(entry.second.get());
    return out;
}

Storage storageFor(XPLMDataTypeID types) {
    if (types & xplmType_FloatArray) return Storage::FloatArray;
    if (types & xplmType_IntArray) return Storage::IntArray;
    if (types & xplmType_Data) return Storage::Bytes;
    if (types & xplmType_Double) return Storage::Double;
    if (types & xplmType_Float) return Storage::Float;
    return Storage::Int;
}

void publishWithStorage(Dataref& d, Owner owner, XPLMDataTypeID types, int size, bool writable,
                        double value) {
    d.owner = owner;
    d.types = types;
    d.writable = writable;
    d.storage = storageFor(types);
    d.accessors = Accessors{};
    d.ints.clear();
    d.floats.clear();
    d.bytes.clear();
    d.scalar = 0;
    size = std::max(size, 1);
    switch (d.storage) {
        case Storage::IntArray: d.ints.assign(size, toInt(value)); break;
        case Storage::FloatArray: d.floats.assign(size, static_cast<float>(value)); break;
        case Storage::Bytes: d.bytes.assign(size, static_cast<uint8_t>(toInt(value))); break;
        case Storage::Int: d.scalar = toInt(value); break;
        case Storage::Float: d.scalar = static_cast<float>(value); break;
        case Storage::Double: d.scalar = value; break;
    }
}

void makeAbsent(Dataref& d) {
    d.owner = Owner::Absent;
    d.types = xplmType_Unknown;
    d.writable = false;
    d.accessors = Accessors{};
    d.registrations = 0;
    d.onChange = nullptr;
}

int storageSize(const Dataref& d) {
    switch (d.storage) {
        case Storage::IntArray: return static_cast<int>(d.ints.size());
        case Storage::FloatArray: return static_cast<int>(d.floats.size());
        case Storage::Bytes: return static_cast<int>(d.bytes.size());
        default: return 1;
    }
}

double storageElement(const Dataref& d, int index) {
    if (index < 0 || index >= storageSize(d)) return 0;
    switch (d.storage) {
        case Storage::IntArray: return d.ints[index];
        case Storage::FloatArray: return d.floats[index];
        case Storage::Bytes: return d.bytes[index];
        default: return d.scalar;
    }
}

void setStorageElement(Dataref& d, int index, double value) {
    if (index < 0 || index >= storageSize(d)) return;
    switch (d.storage) {
        case Storage::IntArray: d.ints[index] = toInt(value); break;
        case Storage::FloatArray: d.floats[index] = static_cast<float>(value); break;
        case Storage::Bytes: d.bytes[index] = static_cast<uint8_t>(toInt(value)); break;
        default: storeScalar(d, value); break;
    }
}

int readInt(Dataref& d) {
    if (d.byAccessors())
        return d.accessors.readInt ? d.accessors.readInt(d.accessors.readRefcon) : 0;
    if (!d.present() || !(d.types & xplmType_Int) || isNumberArray(d)) return 0;
    return toInt(d.scalar);
}

float readFloat(Dataref& d) {
    if (d.byAccessors())
        return d.accessors.readFloat ? d.accessors.readFloat(d.accessors.readRefcon) : 0.0f;
    if (!d.present() || !(d.types & xplmType_Float) || isNumberArray(d)) return 0.0f;
    return static_cast<float>(d.scalar);
}

double readDouble(Dataref& d) {
    if (d.byAccessors())
        return d.accessors.readDouble ? d.accessors.readDouble(d.accessors.readRefcon) : 0.0;
    if (!d.present() || !(d.types & xplmType_Double) || isNumberArray(d)) return 0.0;
    return d.scalar;
}

int readInts(Dataref& d, int* out, int offset, int max) {
    if (d.byAccessors())
        return d.accessors.readIntArray
                   ? d.accessors.readIntArray(d.accessors.readRefcon, out, offset, max)
                   : 0;
    if (!d.present() || !(d.types & xplmType_IntArray) || !isNumberArray(d)) return 0;
    return readArray(d, out, offset, max);
}

int readFloats(Dataref& d, float* out, int offset, int max) {
    if (d.byAccessors())
        return d.accessors.readFloatArray
                   ? d.accessors.readFloatArray(d.accessors.readRefcon, out, offset, max)
                   : 0;
    if (!d.present() || !(d.types & xplmType_FloatArray) || !isNumberArray(d)) return 0;
    return readArray(d, out, offset, max);
}

int readBytes(Dataref& d, void* out, int offset, int max) {
    if (d.byAccessors())
        return d.accessors.readData ? d.accessors.readData(d.accessors.readRefcon, out, offset, max)
                                    : 0;
    if (!d.present() || !(d.types & xplmType_Data) || d.storage != Storage::Bytes) return 0;
    int size = storageSize(d);
    if (!out) return size;
    int n = clampedCount(size, offset, max);
    if (n > 0) std::memcpy(out, d.bytes.data() + offset, static_cast<size_t>(n));
    return n;
}

void writeInt(Dataref& d, int value, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeInt) d.accessors.writeInt(d.accessors.writeRefcon, value);
        return;
    }
    if ((d.types & xplmType_Int) && !isNumberArray(d)) storeScalar(d, value);
}

void writeFloat(Dataref& d, float value, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeFloat) d.accessors.writeFloat(d.accessors.writeRefcon, value);
        return;
    }
    if ((d.types & xplmType_Float) && !isNumberArray(d)) storeScalar(d, value);
}

void writeDouble(Dataref& d, double value, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeDouble) d.accessors.writeDouble(d.accessors.writeRefcon, value);
        return;
    }
    if ((d.types & xplmType_Double) && !isNumberArray(d)) storeScalar(d, value);
}

void writeInts(Dataref& d, const int* values, int offset, int count, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeIntArray)
            d.accessors.writeIntArray(d.accessors.writeRefcon, const_cast<int*>(values), offset,
                                      count);
        return;
    }
    if ((d.types & xplmType_IntArray) && isNumberArray(d)) writeArray(d, values, offset, count);
}

void writeFloats(Dataref& d, const float* values, int offset, int count, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeFloatArray)
            d.accessors.writeFloatArray(d.accessors.writeRefcon, const_cast<float*>(values), offset,
                                        count);
        return;
    }
    if ((d.types & xplmType_FloatArray) && isNumberArray(d)) writeArray(d, values, offset, count);
}

void writeBytes(Dataref& d, const void* values, int offset, int count, bool force) {
    if (!canWrite(d, force)) return;
    if (d.byAccessors()) {
        if (d.accessors.writeData)
            d.accessors.writeData(d.accessors.writeRefcon, const_cast<void*>(values), offset,
                                  count);
        return;
    }
    if (!(d.types & xplmType_Data) || d.storage != Storage::Bytes || !values) return;
    int n = clampedCount(storageSize(d), offset, count);
    if (n <= 0) return;
    std::memcpy(d.bytes.data() + offset, values, static_cast<size_t>(n));
    if (d.onChange) d.onChange(d);
}

}  // namespace xpsim::detail

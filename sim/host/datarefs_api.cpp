// Test API for datarefs: typed access by name, publishing and removing, and
// the runner's text forms.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "dataref.h"
#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

using detail::Dataref;
using detail::Storage;

// For plug-in datarefs the richest advertised type stands for the storage.
Storage kindOf(const Dataref& d) {
    return d.byAccessors() ? detail::storageFor(d.types) : d.storage;
}

bool isArray(Storage kind) { return kind == Storage::IntArray || kind == Storage::FloatArray; }

int elementCount(Dataref& d) {
    switch (kindOf(d)) {
        case Storage::IntArray: return detail::readInts(d, nullptr, 0, 0);
        case Storage::FloatArray: return detail::readFloats(d, nullptr, 0, 0);
        case Storage::Bytes: return detail::readBytes(d, nullptr, 0, 0);
        default: return 1;
    }
}

double readElement(Dataref& d, int index) {
    if (!d.byAccessors()) return detail::storageElement(d, index);
    switch (kindOf(d)) {
        case Storage::Int: return index == 0 ? detail::readInt(d) : 0;
        case Storage::Float: return index == 0 ? detail::readFloat(d) : 0;
        case Storage::Double: return index == 0 ? detail::readDouble(d) : 0;
        case Storage::IntArray: {
            int v = 0;
            return detail::readInts(d, &v, index, 1) == 1 ? v : 0;
        }
        case Storage::FloatArray: {
            float v = 0;
            return detail::readFloats(d, &v, index, 1) == 1 ? v : 0;
        }
        case Storage::Bytes: {
            unsigned char v = 0;
            return detail::readBytes(d, &v, index, 1) == 1 ? v : 0;
        }
    }
    return 0;
}

void writeElement(Dataref& d, int index, double value, bool force) {
    if (!d.byAccessors()) {
        detail::setStorageElement(d, index, value);
        if (detail::storageSize(d) > index && index >= 0 && d.onChange &&
            (isArray(d.storage) || d.storage == Storage::Bytes))
            d.onChange(d);
        return;
    }
    switch (kindOf(d)) {
        case Storage::Int: detail::writeInt(d, static_cast<int>(value), force); break;
        case Storage::Float: detail::writeFloat(d, static_cast<float>(value), force); break;
        case Storage::Double: detail::writeDouble(d, value, force); break;
        case Storage::IntArray: {
            int v = static_cast<int>(value);
            detail::writeInts(d, &v, index, 1, force);
            break;
        }
        case Storage::FloatArray: {
            float v = static_cast<float>(value);
            detail::writeFloats(d, &v, index, 1, force);
            break;
        }
        case Storage::Bytes: {
            unsigned char v = static_cast<unsigned char>(value);
            detail::writeBytes(d, &v, index, 1, force);
            break;
        }
    }
}

std::string readText(Dataref& d) {
    int size = std::min(elementCount(d), 1 << 20);
    if (size <= 0) return {};
    std::string text(static_cast<size_t>(size), '\0');
    int n = detail::readBytes(d, &text[0], 0, size);
    text.resize(static_cast<size_t>(std::max(n, 0)));
    return text.substr(0, text.find('\0'));
}

void writeText(Dataref& d, const std::string& text, bool force) {
    if (d.byAccessors()) {
        detail::writeBytes(d, text.c_str(), 0, static_cast<int>(text.size()) + 1, force);
        return;
    }
    if (d.storage != Storage::Bytes) return;
    std::fill(d.bytes.begin(), d.bytes.end(), 0);
    size_t n = std::min(text.size(), d.bytes.size());
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), d.bytes.begin());
    if (d.onChange) d.onChange(d);
}

bool fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

bool parseInt(const std::string& text, long* out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0') return false;
    *out = v;
    return true;
}

bool parseNumber(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (*end != '\0') return false;
    *out = v;
    return true;
}

// "NAME" or "NAME[I]"; index -1 when none is given.
bool splitIndex(const std::string& text, std::string* name, int* index, std::string* error) {
    size_t open = text.find('[');
    if (open == std::string::npos) {
        *name = text;
        *index = -1;
        return true;
    }
    long value = 0;
    if (text.back() != ']' || !parseInt(text.substr(open + 1, text.size() - open - 2), &value) ||
        value < 0 || value > 1000000)
        return fail(error, "bad index in " + text);
    *name = text.substr(0, open);
    *index = static_cast<int>(value);
    return true;
}

Dataref* findForText(const std::string& text, int* index, std::string* error) {
    std::string name;
    if (!splitIndex(text, &name, index, error)) return nullptr;
    Dataref* d = detail::presentDataref(name);
    if (!d) {
        fail(error, "unknown dataref " + name);
        return nullptr;
    }
    if (*index >= 0 && *index >= elementCount(*d)) {
        fail(error, "index " + std::to_string(*index) + " outside " + name + " (size " +
                        std::to_string(elementCount(*d)) + ")");
        return nullptr;
    }
    if (*index > 0 && !isArray(kindOf(*d)) && kindOf(*d) != Storage::Bytes) {
        fail(error, name + " is not an array");
        return nullptr;
    }
    return d;
}

std::string formatNumber(double value, bool integer) {
    char buffer[64];
    if (integer)
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
    else
        std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

}  // namespace

double getDouble(const std::string& name, int index) {
    Dataref* d = detail::presentDataref(name);
    return d ? readElement(*d, index) : 0.0;
}

void setValue(const std::string& name, double value, int index) {
    if (Dataref* d = detail::presentDataref(name)) writeElement(*d, index, value, true);
}

std::string getText(const std::string& name) {
    Dataref* d = detail::presentDataref(name);
    return d && kindOf(*d) == Storage::Bytes ? readText(*d) : std::string();
}

void setText(const std::string& name, const std::string& text) {
    if (Dataref* d = detail::presentDataref(name)) writeText(*d, text, true);
}

bool hasDataref(const std::string& name) { return detail::presentDataref(name) != nullptr; }

bool defineDataref(const std::string& name, XPLMDataTypeID types, int size, bool writable) {
    if (name.empty() || detail::presentDataref(name)) return false;
    Dataref& d = detail::datarefRecord(name);
    detail::publishWithStorage(d, detail::Owner::OtherPlugin, types, size, writable, 0);
    d.onChange = nullptr;
    return true;
}

bool defineDatarefFromText(const std::string& name, const std::string& type,
                           const std::string& value, std::string* error) {
    XPLMDataTypeID types = xplmType_Unknown;
    long size = 1;
    std::string base = type;
    size_t open = type.find('[');
    if (open != std::string::npos) {
        base = type.substr(0, open);
        if (type.back() != ']' || !parseInt(type.substr(open + 1, type.size() - open - 2), &size) ||
            size < 1 || size > 100000)
            return fail(error, "bad array size in " + type);
        if (base == "int") types = xplmType_IntArray;
        if (base == "float") types = xplmType_FloatArray;
        if (base == "byte") types = xplmType_Data;
    } else {
        if (base == "int") types = xplmType_Int;
        if (base == "float") types = xplmType_Float;
        if (base == "double") types = xplmType_Double;
    }
    if (types == xplmType_Unknown) return fail(error, "unknown dataref type " + type);
    double number = 0;
    if (!value.empty() && types != xplmType_Data && !parseNumber(value, &number))
        return fail(error, "bad value " + value);
    if (!defineDataref(name, types, static_cast<int>(size), true))
        return fail(error, "dataref " + name + " already exists");
    if (value.empty()) return true;
    Dataref& d = *detail::presentDataref(name);
    if (types == xplmType_Data) {
        writeText(d, value, true);
    } else {
        for (int i = 0; i < detail::storageSize(d); ++i) detail::setStorageElement(d, i, number);
    }
    return true;
}

void removeDataref(const std::string& name) {
    if (Dataref* d = detail::presentDataref(name)) detail::makeAbsent(*d);
}

int datarefRegistrationCount(const std::string& name) {
    Dataref* d = detail::presentDataref(name);
    return d && d->byAccessors() ? d->registrations : 0;
}

bool writeDatarefFromText(const std::string& nameWithOptionalIndex, const std::string& value,
                          std::string* error) {
    int index = -1;
    Dataref* d = findForText(nameWithOptionalIndex, &index, error);
    if (!d) return false;
    if (d->byAccessors() && !d->writable) return fail(error, d->name + " is not writable");
    Storage kind = kindOf(*d);
    if (kind == Storage::Bytes && index < 0) {
        writeText(*d, value, true);
        return true;
    }
    if (isArray(kind) && index < 0) return fail(error, d->name + " is an array: give an index");
    double number = 0;
    if (!parseNumber(value, &number)) return fail(error, "bad value " + value);
    writeElement(*d, std::max(index, 0), number, true);
    return true;
}

bool formatDataref(const std::string& nameWithOptionalIndex, std::string* out,
                   std::string* error) {
    int index = -1;
    Dataref* d = findForText(nameWithOptionalIndex, &index, error);
    if (!d) return false;
    Storage kind = kindOf(*d);
    bool integer = kind == Storage::Int || kind == Storage::IntArray || kind == Storage::Bytes;
    if (kind == Storage::Bytes && index < 0) {
        *out = readText(*d);
    } else if (isArray(kind) && index < 0) {
        std::string list = "[";
        int count = elementCount(*d);
        for (int i = 0; i < count; ++i) {
            if (i > 0) list += ", ";
            list += formatNumber(readElement(*d, i), integer);
        }
        *out = list + "]";
    } else {
        *out = formatNumber(readElement(*d, std::max(index, 0)), integer);
    }
    return true;
}

}  // namespace xpsim

namespace xpsim::detail {

double simValue(const char* name, int index) {
    Dataref* d = presentDataref(name);
    return d && !d->byAccessors() ? storageElement(*d, index) : 0.0;
}

void setSimValue(const char* name, double value, int index) {
    Dataref* d = presentDataref(name);
    if (!d || d->byAccessors()) return;
    auto hook = d->onChange;
    d->onChange = nullptr;
    setStorageElement(*d, index, value);
    d->onChange = hook;
}

}  // namespace xpsim::detail

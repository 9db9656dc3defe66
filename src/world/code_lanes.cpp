#include "world/code_lanes.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// GCC and Clang vector extensions: SSE2 on x86-64, NEON on arm64.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));
const size_t kLanes = sizeof(Bytes16);

Bytes16 load(const char* at) {
    Bytes16 bytes;
    memcpy(&bytes, at, sizeof bytes);
    return bytes;
}

// Bit i set for each lane i that is 0xff (lanes are 0x00 or 0xff).
uint32_t laneBits(Bytes16 lanes) {
#if defined(__SSE2__)
    return static_cast<uint32_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(lanes)));
#else
    unsigned char bytes[kLanes];
    memcpy(bytes, &lanes, sizeof bytes);
    uint32_t bits = 0;
    for (size_t i = 0; i < kLanes; ++i) {
        bits |= static_cast<uint32_t>(bytes[i] & 1) << i;
    }
    return bits;
#endif
}

}  // namespace

bool nextLaneCandidate(const char* data, size_t* start, size_t to, const CodeLanes& lanes) {
    size_t place = *start;
    for (; place + lanes.lastOffset + kLanes <= to; place += kLanes) {
        Bytes16 before = load(data + place - 1);
        Bytes16 blank = (before <= ' ') & (before != '\n');
        Bytes16 first = load(data + place) | 0x20;
        Bytes16 second = load(data + place + lanes.secondOffset) | 0x20;
        Bytes16 last = load(data + place + lanes.lastOffset) | 0x20;
        uint32_t bits = laneBits(blank & (first == lanes.first) & (second == lanes.second) &
                                 (last == lanes.last));
        if (bits != 0) {
            *start = place + static_cast<size_t>(__builtin_ctz(bits));
            return true;
        }
    }
    *start = place;
    return false;
}

size_t lineStartBefore(const char* data, size_t at) {
    for (; at >= kLanes; at -= kLanes) {
        uint32_t feeds = laneBits(load(data + at - kLanes) == '\n');
        if (feeds != 0) {
            return at - kLanes + static_cast<size_t>(31 - __builtin_clz(feeds)) + 1;
        }
    }
    while (at > 0 && data[at - 1] != '\n') {
        --at;
    }
    return at;
}

#if !defined(__x86_64__)
bool nextWideLaneCandidate(const char* data, size_t* start, size_t to, const CodeLanes& lanes) {
    return nextLaneCandidate(data, start, to, lanes);
}

bool hasWideLanes() { return false; }
#endif

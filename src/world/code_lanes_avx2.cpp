// The wide lanes: the same test as nextLaneCandidate with AVX2, which the
// processor is asked for before they are used. Twice the places per step: the
// test keeps pace with the file's bytes coming from memory.
#include "world/code_lanes.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include <cstdint>

namespace {
const size_t kWideLanes = 32;
}  // namespace

__attribute__((target("avx2"))) bool nextWideLaneCandidate(const char* data, size_t* start,
                                                           size_t to, const CodeLanes& lanes) {
    const __m256i fold = _mm256_set1_epi8(0x20);
    const __m256i space = _mm256_set1_epi8(' ');
    const __m256i feed = _mm256_set1_epi8('\n');
    const __m256i first = _mm256_set1_epi8(static_cast<char>(lanes.first));
    const __m256i second = _mm256_set1_epi8(static_cast<char>(lanes.second));
    const __m256i last = _mm256_set1_epi8(static_cast<char>(lanes.last));
    size_t place = *start;
    for (; place + lanes.lastOffset + kWideLanes <= to; place += kWideLanes) {
        const char* at = data + place;
        __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at - 1));
        // At most ' ' (the minimum leaves it as it was) and not the line feed.
        __m256i blank = _mm256_andnot_si256(_mm256_cmpeq_epi8(before, feed),
                                            _mm256_cmpeq_epi8(_mm256_min_epu8(before, space), before));
        __m256i firstMatch = _mm256_cmpeq_epi8(
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), fold), first);
        __m256i secondMatch = _mm256_cmpeq_epi8(
            _mm256_or_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + lanes.secondOffset)), fold),
            second);
        __m256i lastMatch = _mm256_cmpeq_epi8(
            _mm256_or_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + lanes.lastOffset)), fold),
            last);
        __m256i all = _mm256_and_si256(_mm256_and_si256(blank, firstMatch),
                                       _mm256_and_si256(secondMatch, lastMatch));
        uint32_t bits = static_cast<uint32_t>(_mm256_movemask_epi8(all));
        if (bits != 0) {
            *start = place + static_cast<size_t>(__builtin_ctz(bits));
            return true;
        }
    }
    *start = place;
    return false;
}

bool hasWideLanes() { return __builtin_cpu_supports("avx2"); }

#endif

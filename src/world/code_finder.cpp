#include "world/code_finder.h"

#include <cstdint>
#include <cstring>

#include "world/byte_search.h"

namespace {

// GCC and Clang vector extensions: SSE2 on x86-64, NEON on arm64. A lane's
// place in memory is its place in the 64-bit halves read below.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));
const size_t kLanes = sizeof(Bytes16);
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "lanes are read as little-endian words");

// Letters from the rarest in apt.dat text to the commonest; digits, blanks
// and number punctuation fill every line and come last.
const char kLettersByRarity[] = "qzjkvfgmpbchludxyswnrioeta";
const int kFillsEveryLine = 100;

// memchr is left once it has stopped this often and more than once per this
// many bytes: the sixteen-at-a-time test is then the faster.
const size_t kStopsBeforeJudging = 1024;
const size_t kBytesPerStop = 64;

int rarity(char c) {
    char lower = asciiLower(c);
    const char* place = lower != 0 ? strchr(kLettersByRarity, lower) : nullptr;
    if (place != nullptr) {
        return static_cast<int>(place - kLettersByRarity);
    }
    if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+') {
        return kFillsEveryLine;
    }
    return 30;
}

unsigned char folded(char c) {
    return static_cast<unsigned char>(c) | 0x20;
}

// The blanks that separate fields within a line: white space but the line feed.
bool separatesFields(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

Bytes16 load(const char* at) {
    Bytes16 bytes;
    memcpy(&bytes, at, sizeof bytes);
    return bytes;
}

}  // namespace

CodeFinder::CodeFinder(const std::string& code) : lower_(code) {
    for (char& c : lower_) {
        c = asciiLower(c);
    }
    if (lower_.empty()) {
        return;
    }
    firstFolded_ = folded(lower_.front());
    secondFolded_ = folded(lower_[lower_.size() > 1 ? 1 : 0]);
    lastFolded_ = folded(lower_.back());
    for (size_t i = 1; i < lower_.size(); ++i) {
        if (rarity(lower_[i]) < rarity(lower_[pivot_])) {
            pivot_ = i;
        }
    }
    char pivot = lower_[pivot_];
    variants_[0] = pivot;
    if (pivot >= 'a' && pivot <= 'z') {
        variants_[1] = static_cast<char>(pivot - 'a' + 'A');
        variantCount_ = 2;
    }
    sixteenAtATime_ = rarity(pivot) >= kFillsEveryLine;
}

void CodeFinder::reset() {
    known_[0] = known_[1] = false;
}

bool CodeFinder::foundAt(const char* data, size_t start) const {
    if (!separatesFields(data[start - 1])) {
        return false;
    }
    for (size_t i = 0; i < lower_.size(); ++i) {
        if (asciiLower(data[start + i]) != lower_[i]) {
            return false;
        }
    }
    return true;
}

size_t CodeFinder::find(const char* data, size_t from, size_t to) {
    size_t length = lower_.size();
    // A line's first character is never the place.
    size_t start = from > 0 ? from : 1;
    if (length == 0 || start > to || to - start < length) {
        return to;
    }
    return sixteenAtATime_ ? findSixteenAtATime(data, start, to) : findByRarest(data, start, to);
}

size_t CodeFinder::findByRarest(const char* data, size_t from, size_t to) {
    size_t length = lower_.size();
    size_t searchFrom = from + pivot_;
    while (searchFrom < to) {
        size_t best = to;
        for (int v = 0; v < variantCount_; ++v) {
            if (!known_[v] || next_[v] < searchFrom) {
                const void* hit = memchr(data + searchFrom, variants_[v], to - searchFrom);
                next_[v] = hit != nullptr ? static_cast<size_t>(static_cast<const char*>(hit) - data)
                                          : to;
                known_[v] = true;
            }
            if (next_[v] < best) {
                best = next_[v];
            }
        }
        if (best >= to) {
            break;
        }
        size_t start = best - pivot_;
        if (start + length <= to && foundAt(data, start)) {
            return start;
        }
        passed_ += best + 1 - searchFrom;
        searchFrom = best + 1;
        if (++stops_ > kStopsBeforeJudging && stops_ * kBytesPerStop > passed_) {
            sixteenAtATime_ = true;
            return findSixteenAtATime(data, start + 1, to);
        }
    }
    return to;
}

size_t CodeFinder::findOneByOne(const char* data, size_t from, size_t to) const {
    size_t length = lower_.size();
    for (size_t start = from; start + length <= to; ++start) {
        if (foundAt(data, start)) {
            return start;
        }
    }
    return to;
}

size_t CodeFinder::findSixteenAtATime(const char* data, size_t from, size_t to) const {
    size_t length = lower_.size();
    size_t secondOffset = length > 1 ? 1 : 0;
    size_t lastOffset = length - 1;
    size_t start = from;
    // Each round tests the starts [start, start + kLanes); the loads reach one
    // byte before and lastOffset bytes further, all within [from - 1, to).
    for (; start + lastOffset + kLanes <= to; start += kLanes) {
        Bytes16 before = load(data + start - 1);
        Bytes16 blank = (before <= ' ') & (before != '\n');
        Bytes16 first = load(data + start) | 0x20;
        Bytes16 second = load(data + start + secondOffset) | 0x20;
        Bytes16 last = load(data + start + lastOffset) | 0x20;
        Bytes16 all = blank & (first == firstFolded_) & (second == secondFolded_) &
                      (last == lastFolded_);
        uint64_t halves[2];
        memcpy(halves, &all, sizeof halves);
        for (int half = 0; half < 2; ++half) {
            // Lanes are 0x00 or 0xff; the lowest set byte is the earliest start.
            uint64_t lanes = halves[half];
            while (lanes != 0) {
                size_t lane = static_cast<size_t>(__builtin_ctzll(lanes)) / 8;
                size_t candidate = start + static_cast<size_t>(half) * 8 + lane;
                if (foundAt(data, candidate)) {
                    return candidate;
                }
                lanes &= ~(uint64_t{0xff} << (lane * 8));
            }
        }
    }
    return findOneByOne(data, start, to);
}

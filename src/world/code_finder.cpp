#include "world/code_finder.h"

#include <cstdint>
#include <cstring>

#include "world/byte_search.h"
#include "world/code_lanes.h"

namespace {

// Letters from the rarest in apt.dat text to the commonest; digits, blanks
// and number punctuation fill every line and come last.
const char kLettersByRarity[] = "qzjkvfgmpbchludxyswnrioeta";
const int kFillsEveryLine = 100;

// memchr is left once it has stopped this often and more than once per this
// many bytes: the test of sixteen places at a time is then the faster.
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

}  // namespace

CodeFinder::CodeFinder(const std::string& code) : lower_(code) {
    for (char& c : lower_) {
        c = asciiLower(c);
    }
    if (lower_.empty()) {
        return;
    }
    lanes_.first = folded(lower_.front());
    lanes_.secondOffset = lower_.size() > 1 ? 1 : 0;
    lanes_.second = folded(lower_[lanes_.secondOffset]);
    lanes_.lastOffset = lower_.size() - 1;
    lanes_.last = folded(lower_.back());
    wideLanes_ = hasWideLanes();
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
    byLanes_ = wideLanes_ || rarity(pivot) >= kFillsEveryLine;
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
    return byLanes_ ? findByLanes(data, start, to) : findByRarest(data, start, to);
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
            byLanes_ = true;
            return findByLanes(data, start + 1, to);
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

size_t CodeFinder::findByLanes(const char* data, size_t from, size_t to) const {
    size_t start = from;
    while (wideLanes_ ? nextWideLaneCandidate(data, &start, to, lanes_)
                      : nextLaneCandidate(data, &start, to, lanes_)) {
        if (foundAt(data, start)) {
            return start;
        }
        ++start;
    }
    // The last places, too few for the wide lanes.
    while (nextLaneCandidate(data, &start, to, lanes_)) {
        if (foundAt(data, start)) {
            return start;
        }
        ++start;
    }
    return findOneByOne(data, start, to);
}

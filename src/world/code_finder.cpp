#include "world/code_finder.h"

#include <cstring>

#include "world/byte_search.h"

namespace {

// Letters from the rarest in apt.dat text to the commonest; digits, blanks
// and number punctuation fill every line and come last.
const char kLettersByRarity[] = "qzjkvfgmpbchludxyswnrioeta";

int rarity(char c) {
    char lower = asciiLower(c);
    const char* place = lower != 0 ? strchr(kLettersByRarity, lower) : nullptr;
    if (place != nullptr) {
        return static_cast<int>(place - kLettersByRarity);
    }
    if ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == ' ') {
        return 100;
    }
    return 30;
}

}  // namespace

CodeFinder::CodeFinder(const std::string& code) : lower_(code) {
    for (char& c : lower_) {
        c = asciiLower(c);
    }
    for (size_t i = 1; i < lower_.size(); ++i) {
        if (rarity(lower_[i]) < rarity(lower_[pivot_])) {
            pivot_ = i;
        }
    }
    char pivot = lower_.empty() ? 0 : lower_[pivot_];
    variants_[0] = pivot;
    if (pivot >= 'a' && pivot <= 'z') {
        variants_[1] = static_cast<char>(pivot - 'a' + 'A');
        variantCount_ = 2;
    }
}

void CodeFinder::reset() {
    known_[0] = known_[1] = false;
}

bool CodeFinder::matchesAt(const char* text) const {
    for (size_t i = 0; i < lower_.size(); ++i) {
        if (asciiLower(text[i]) != lower_[i]) {
            return false;
        }
    }
    return true;
}

size_t CodeFinder::find(const char* data, size_t from, size_t to) {
    size_t length = lower_.size();
    if (length == 0 || from > to || to - from < length) {
        return to;
    }
    size_t searchFrom = from + pivot_;
    while (true) {
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
            return to;
        }
        size_t start = best - pivot_;
        if (start + length <= to && matchesAt(data + start)) {
            return start;
        }
        searchFrom = best + 1;
        if (searchFrom >= to) {
            return to;
        }
    }
}

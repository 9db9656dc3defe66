// X-Plane's virtual key codes for the keys a user presses: by name for the
// keys that type nothing, by character (on a US keyboard) for the rest.
#include <cctype>
#include <cstring>

#include "internal.h"

namespace xpsim::detail {
namespace {

struct NamedKey {
    const char* name;
    char key;
    int vkey;
};

const NamedKey kNamedKeys[] = {
    {"RETURN", '\r', 0x0D}, {"TAB", '\t', 0x09},  {"BACK", '\b', 0x08},
    {"ESCAPE", 0x1B, 0x1B}, {"SPACE", ' ', 0x20}, {"PRIOR", 0, 0x21},
    {"NEXT", 0, 0x22},      {"END", 0, 0x23},     {"HOME", 0, 0x24},
    {"LEFT", 0, 0x25},      {"UP", 0, 0x26},      {"RIGHT", 0, 0x27},
    {"DOWN", 0, 0x28},      {"INSERT", 0, 0x2D},  {"DELETE", 0x7F, 0x2E},
    {"ENTER", '\r', 0xBB},
};

// Punctuation keys: the character without shift, with shift, and the key.
struct PunctuationKey {
    char plain;
    char shifted;
    int vkey;
};

const PunctuationKey kPunctuation[] = {
    {'=', '+', 0xB0}, {'-', '_', 0xB1}, {']', '}', 0xB2},  {'[', '{', 0xB3},
    {'\'', '"', 0xB4}, {';', ':', 0xB5}, {'\\', '|', 0xB6}, {',', '<', 0xB7},
    {'/', '?', 0xB8}, {'.', '>', 0xB9}, {'`', '~', 0xBA},
};

// Shift with the digits 1 to 9 and then 0.
const char kShiftedDigits[] = "!@#$%^&*()";

}  // namespace

bool keyForCharacter(char c, KeyStroke* out) {
    unsigned char u = static_cast<unsigned char>(c);
    *out = KeyStroke{c, 0, 0};
    if (c == '\n' || c == '\r') return keyForName("RETURN", out);
    if (c == '\t') return keyForName("TAB", out);
    if (c == ' ') return keyForName("SPACE", out);
    if (std::isalpha(u)) {
        out->vkey = std::toupper(u);
        if (std::isupper(u)) out->flags = xplm_ShiftFlag;
        return true;
    }
    if (std::isdigit(u)) {
        out->vkey = u;
        return true;
    }
    if (const char* at = std::strchr(kShiftedDigits, c); at && c != '\0') {
        int index = static_cast<int>(at - kShiftedDigits);
        out->vkey = '0' + (index + 1) % 10;
        out->flags = xplm_ShiftFlag;
        return true;
    }
    for (const PunctuationKey& p : kPunctuation) {
        if (c == p.plain || c == p.shifted) {
            out->vkey = p.vkey;
            out->flags = c == p.shifted ? xplm_ShiftFlag : 0;
            return true;
        }
    }
    return false;
}

bool keyForName(const std::string& name, KeyStroke* out) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            *out = KeyStroke{k.key, 0, k.vkey};
            return true;
        }
    }
    return name.size() == 1 && keyForCharacter(name[0], out);
}

}  // namespace xpsim::detail

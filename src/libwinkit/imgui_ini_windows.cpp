#include "libwinkit/imgui_ini_windows.h"

#include <cstdio>
#include <map>

namespace {

const char kWindowHeader[] = "[Window][";

bool validName(const std::string& name) {
    if (name.empty() || name.size() > kMaxImguiIniName) {
        return false;
    }
    for (char c : name) {
        // ImGui finds the name between the brackets: none inside it.
        if (c < 0x20 || c > 0x7E || c == '[' || c == ']') {
            return false;
        }
    }
    return true;
}

// A whole number of at most six digits, optionally negative, at `text`;
// `end` is left after it.
bool readNumber(const char* text, const char** end, int* value) {
    bool negative = *text == '-';
    const char* digits = negative ? text + 1 : text;
    int number = 0;
    int count = 0;
    while (digits[count] >= '0' && digits[count] <= '9' && count < 7) {
        number = number * 10 + (digits[count] - '0');
        ++count;
    }
    if (count == 0 || count > 6) {
        return false;
    }
    *value = negative ? -number : number;
    *end = digits + count;
    return true;
}

// "A,B" and nothing after it, both within [low, high].
bool readPair(const char* text, int low, int high, int* first, int* second) {
    const char* end = nullptr;
    if (!readNumber(text, &end, first) || *end != ',' ||
        !readNumber(end + 1, &end, second) || *end != 0) {
        return false;
    }
    return *first >= low && *first <= high && *second >= low && *second <= high;
}

bool startsWith(const std::string& line, const char* prefix, size_t length) {
    return line.compare(0, length, prefix) == 0;
}

// One line of a window's section; false when it makes the entry unusable.
bool readWindowLine(const std::string& line, ImguiIniWindow* window) {
    if (startsWith(line, "Pos=", 4)) {
        window->hasPos = readPair(line.c_str() + 4, -kMaxImguiIniCoordinate,
                                  kMaxImguiIniCoordinate, &window->x, &window->y);
        return window->hasPos;
    }
    if (startsWith(line, "Size=", 5)) {
        window->hasSize = readPair(line.c_str() + 5, 0, kMaxImguiIniCoordinate, &window->width,
                                   &window->height);
        return window->hasSize;
    }
    if (startsWith(line, "Collapsed=", 10)) {
        const std::string value = line.substr(10);
        window->hasCollapsed = value == "0" || value == "1";
        window->collapsed = value == "1";
        return window->hasCollapsed;
    }
    return true;  // a line ImGui does not write: left out
}

}  // namespace

std::vector<ImguiIniWindow> parseImguiIniWindows(const std::string& text) {
    std::vector<ImguiIniWindow> windows;
    std::map<std::string, size_t> byName;
    ImguiIniWindow current;
    bool inWindow = false;
    bool usable = false;
    auto finish = [&] {
        if (!inWindow || !usable) {
            return;
        }
        auto found = byName.find(current.name);
        if (found != byName.end()) {
            windows[found->second] = current;
        } else {
            byName.emplace(current.name, windows.size());
            windows.push_back(current);
        }
    };
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line[0] == '[') {
            finish();
            inWindow = startsWith(line, kWindowHeader, sizeof(kWindowHeader) - 1) &&
                       line.back() == ']';
            current = ImguiIniWindow();
            if (inWindow) {
                current.name =
                    line.substr(sizeof(kWindowHeader) - 1, line.size() - sizeof(kWindowHeader));
            }
            usable = inWindow && validName(current.name);
        } else if (inWindow && usable) {
            usable = readWindowLine(line, &current);
        }
    }
    finish();
    return windows;
}

std::string formatImguiIniWindows(const std::vector<ImguiIniWindow>& windows) {
    std::string text;
    char line[64];
    for (const ImguiIniWindow& window : windows) {
        text += kWindowHeader + window.name + "]\n";
        if (window.hasPos) {
            snprintf(line, sizeof(line), "Pos=%d,%d\n", window.x, window.y);
            text += line;
        }
        if (window.hasSize) {
            snprintf(line, sizeof(line), "Size=%d,%d\n", window.width, window.height);
            text += line;
        }
        if (window.hasCollapsed) {
            text += window.collapsed ? "Collapsed=1\n" : "Collapsed=0\n";
        }
        text += "\n";
    }
    return text;
}

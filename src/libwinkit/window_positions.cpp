#include "libwinkit/window_positions.h"

#include <cmath>
#include <cstring>

#include "shell/regular_file.h"
#include "shell/value_ranges.h"

namespace {
constexpr size_t kMaxLineLength = 999;
// Far larger than any window-positions file; a hostile one is read this far.
constexpr size_t kMaxFileSize = 4 * 1024 * 1024;

const char* const kMonitorTag = "/m_monitor";
const char* const kNormalVisualsTag = "/m_usage wmgr_usage_normal_visuals";
const char* const kOffsetTag = "/proj/off_lat_deg";

// The text after the first blank that follows `from`, or null.
const char* afterFirstBlank(const std::string& line, size_t from) {
    size_t blank = line.find(' ', from);
    return blank == std::string::npos ? nullptr : line.c_str() + blank + 1;
}

void parseLine(const std::string& line, int* currentIndex, NormalVisualsMonitors* monitors) {
    size_t at = line.find(kMonitorTag);
    if (at != std::string::npos) {
        int index = 0;
        const char* number = afterFirstBlank(line, at);
        if (number && readIntInRange(number, ValueKind::MonitorIndex, &index) == NumberRead::Read) {
            *currentIndex = index;
        }
        return;
    }
    at = line.find(kNormalVisualsTag);
    if (at != std::string::npos) {
        if (*currentIndex >= 0) {
            NormalVisualsMonitor monitor;
            monitor.monitorIndex = *currentIndex;
            monitors->emplace(line.substr(0, at), monitor);
            *currentIndex = -1;
        }
        return;
    }
    at = line.find(kOffsetTag);
    if (at != std::string::npos) {
        auto found = monitors->find(line.substr(0, at));
        if (found == monitors->end()) {
            return;
        }
        const char* number = afterFirstBlank(line, at);
        float offset = 0;
        bool read =
            number && readFloatInRange(number, ValueKind::Angle, &offset) == NumberRead::Read;
        found->second.offsetUnreadable = !read;
        if (read) {
            found->second.offLatDeg = offset;
        }
    }
}
}  // namespace

NormalVisualsMonitors parseWindowPositions(const std::string& text) {
    NormalVisualsMonitors monitors;
    int currentIndex = -1;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, std::min(end - start, kMaxLineLength));
        // A carriage return or a zero byte ends the line's text.
        size_t stop = line.find_first_of(std::string("\r\0", 2));
        if (stop != std::string::npos) {
            line.resize(stop);
        }
        parseLine(line, &currentIndex, &monitors);
        start = end + 1;
    }
    return monitors;
}

bool readWindowPositionsFile(const std::string& path, NormalVisualsMonitors* out) {
    out->clear();
    FILE* file = openRegularFileStream(path);
    if (!file) {
        return false;
    }
    std::string text;
    char buffer[8192];
    size_t got;
    while (text.size() < kMaxFileSize && (got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        text.append(buffer, got);
    }
    fclose(file);
    *out = parseWindowPositions(text);
    return true;
}

int chooseMainMonitor(const NormalVisualsMonitors& monitors, float* absOffset) {
    float best = 180.0f;
    int index = -1;
    for (const auto& entry : monitors) {
        float offset = std::fabs(entry.second.offLatDeg);
        if (!entry.second.offsetUnreadable && offset < best) {
            best = offset;
            index = entry.second.monitorIndex;
        }
    }
    if (absOffset) {
        *absOffset = index >= 0 ? best : 0.0f;
    }
    return index;
}

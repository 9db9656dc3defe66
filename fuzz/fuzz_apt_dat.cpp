// Any bytes as an apt.dat file, searched for the code on the input's first
// line: the search survives them and finds exactly what reading the file line
// by line finds, whether it searches the file whole or in parts at once.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "host_setup.h"
#include "shell/strings.h"
#include "world/apt_fields.h"
#include "world/apt_record.h"
#include "world/apt_search.h"
#include "world/line_reader.h"

namespace {

bool searchable(const std::string& icao) {
    if (icao.empty() || icao.size() >= sizeof(Airport::icao)) {
        return false;
    }
    for (char c : icao) {
        if (iswhitespace(c) || c == 0) {
            return false;
        }
    }
    return true;
}

// Every row in order: the record a plain reader of the format builds.
bool lineByLine(const std::string& path, const std::string& icao, Airport* current) {
    if (!searchable(icao)) {
        return false;
    }
    int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    LineReader lines(fd, 0);
    bool inAirport = false;
    while (lines.next()) {
        int code = 0;
        if (!parseRowCode(lines.text(), lines.text() + lines.length(), &code)) {
            continue;
        }
        if (isAirportHeader(code)) {
            if (inAirport && airportHasCode(*current, icao.c_str())) {
                break;
            }
            beginAirport(current, lines.text());
            inAirport = true;
        } else if (inAirport) {
            addAirportRow(current, code, lines.text());
        }
    }
    close(fd);
    return inAirport && airportHasCode(*current, icao.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzHost& host = fuzzHost();
    const char* text = reinterpret_cast<const char*>(data);
    const char* feed = static_cast<const char*>(memchr(text, '\n', size));
    size_t codeLength = feed != nullptr ? static_cast<size_t>(feed - text) : size;
    std::string icao(text, codeLength);
    if (memchr(icao.data(), 0, icao.size()) != nullptr) {
        return 0;
    }
    std::string path = host.root + "/apt.dat";
    writeWholeFile(path, data, size);

    static Airport* expected = new Airport();
    bool wanted = lineByLine(path, icao, expected);
    // Whole, and in parts at once as large files are searched.
    for (int64_t splitFrom : {kSplitSearchSize, int64_t{0}}) {
        std::unique_ptr<Airport> found = searchAptFile(path, icao.c_str(), splitFrom);
        if (!found != !wanted) {
            abort();
        }
        if (found && memcmp(found.get(), expected, sizeof(Airport)) != 0) {
            abort();
        }
    }
    return 0;
}

// Finding the last airports of a global airport file of X-Plane's size, each
// against `grep -c` for its code over the same file: a code with a rare letter,
// a code made only of letters that fill the file's words ("BOTH" also stands as
// a field of every taxi route node) and a code of digits, which fill most of
// every line. The file is generated once, with the rows a real one has:
// headers, metadata, runways, pavement nodes, taxi routes, starts, signs and
// frequencies.
#include <benchmark/benchmark.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "world/scenery_search.h"
#include "xpsim.h"

namespace {

const uint64_t kTargetBytes = 320ull * 1024 * 1024;
const char* const kPrefixes = "KCELYRZSFUPVOWNMBDGHAT";

// The airports after the generated ones, last in the file. No generated
// airport has either code.
const char* const kCommonLetterCode = "BOTH";
const char* const kDigitCode = "0000";

std::string benchRoot;
std::string aptDatPath;
std::string letterCode;  // the last generated airport's

void removeBenchRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(benchRoot, ignored);
}

class Generator {
public:
    explicit Generator(std::FILE* file) : file_(file) {}
    ~Generator() { flush(); }

    uint64_t written() const { return written_ + buffer_.size(); }
    uint32_t random() {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>(state_ >> 33);
    }
    double jitter() { return (random() % 20000) / 1e6; }

    void row(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        char line[512];
        va_list args;
        va_start(args, format);
        int length = vsnprintf(line, sizeof line, format, args);
        va_end(args);
        buffer_.append(line, static_cast<size_t>(length < 0 ? 0 : length));
        buffer_ += '\n';
        if (buffer_.size() > (4u << 20)) {
            flush();
        }
    }

    void airport(const std::string& code, int n) {
        double lat = -60 + (random() % 12000) / 100.0;
        double lon = -180 + (random() % 36000) / 100.0;
        int kind = n % 10 == 7 ? 17 : (n % 31 == 5 ? 16 : 1);
        row("%d %d 0 0 %s %s Regional Airport %d", kind, static_cast<int>(random() % 9000), code.c_str(),
            kind == 17 ? "Heliport" : "Field", n);
        row("1302 city Town %d", n);
        row("1302 country Country %d", n % 200);
        row("1302 datum_lat %.8f", lat);
        row("1302 datum_lon %.8f", lon);
        row("1302 gui_label 3D");
        row("1302 region_code %c%d", code[0], n % 9);
        if (n % 3 == 0) row("1302 icao_code %s", code.c_str());
        int runways = kind == 17 ? 0 : 1 + static_cast<int>(random() % 3);
        for (int r = 0; r < runways; ++r) {
            row("100 %.2f 1 0 0.25 1 3 0 %02dL %.8f %.8f 0.00 0.00 3 1 1 0 %02dR %.8f %.8f 0.00 "
                "0.00 3 0 0 0",
                30 + jitter() * 1000, 1 + r, lat + jitter(), lon + jitter(), 19 + r, lat + jitter(),
                lon + jitter());
        }
        if (kind != 1 || n % 7 == 0) {
            row("102 H%d %.8f %.8f 0.00 18.00 18.00 1 0 0 0.25 0", n % 4, lat, lon);
        }
        int pavements = 2 + static_cast<int>(random() % 6);
        for (int p = 0; p < pavements; ++p) {
            row("110 1 0.25 %.2f Taxiway %c", jitter() * 10000, 'A' + p);
            int nodes = 10 + static_cast<int>(random() % 30);
            for (int k = 0; k < nodes; ++k) {
                if (k % 3 == 1) {
                    row("112 %.8f %.8f %.8f %.8f", lat + jitter(), lon + jitter(), lat + jitter(),
                        lon + jitter());
                } else {
                    row("111 %.8f %.8f", lat + jitter(), lon + jitter());
                }
            }
            row("113 %.8f %.8f", lat + jitter(), lon + jitter());
        }
        row("1200");
        int routeNodes = 5 + static_cast<int>(random() % 40);
        for (int k = 0; k < routeNodes; ++k) {
            row("1201 %.8f %.8f both %d A%d", lat + jitter(), lon + jitter(), k, k);
        }
        for (int k = 1; k < routeNodes; ++k) {
            row("1202 %d %d twoway taxiway_%c %c", k - 1, k, 'A' + k % 6, 'A' + k % 6);
        }
        int starts = static_cast<int>(random() % 12);
        for (int k = 0; k < starts; ++k) {
            row("1300 %.8f %.8f %.2f gate jets|turboprops Gate %d", lat + jitter(), lon + jitter(),
                jitter() * 10000, k);
            row("1301 C airline");
        }
        int signs = static_cast<int>(random() % 10);
        for (int k = 0; k < signs; ++k) {
            row("20 %.8f %.8f %.2f 0 2 {@Y}%c{@L}%c%d", lat + jitter(), lon + jitter(),
                jitter() * 10000, 'A' + k % 6, 'B' + k % 5, k);
        }
        if (n % 4 == 0) row("14 %.8f %.8f 100 0 ATC Tower", lat, lon);
        row("1050 127%03d ATIS", n % 1000);
        row("1051 121%03d UNICOM", n % 1000);
    }

private:
    void flush() {
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        written_ += buffer_.size();
        buffer_.clear();
    }

    std::FILE* file_;
    std::string buffer_;
    uint64_t written_ = 0;
    uint64_t state_ = 42;
};

std::string codeFor(int n) {
    std::string code(1, kPrefixes[n % 22]);
    int rest = n / 22;
    for (int i = 0; i < 3; ++i) {
        code += static_cast<char>('A' + rest % 26);
        rest /= 26;
    }
    return code;
}

// An X-Plane folder whose order file lists only the global airports.
void prepareGlobalAirports() {
    if (!benchRoot.empty()) {
        return;
    }
    char pattern[] = "/tmp/ovilux-apt-bench-XXXXXX";
    benchRoot = mkdtemp(pattern);
    std::atexit(removeBenchRoot);
    std::string earthNav = benchRoot + "/Global Scenery/Global Airports/Earth nav data";
    std::filesystem::create_directories(earthNav);
    std::filesystem::create_directories(benchRoot + "/Custom Scenery");
    std::FILE* packs = std::fopen((benchRoot + "/Custom Scenery/scenery_packs.ini").c_str(), "w");
    std::fputs("I\n1000 Version\nSCENERY\n\nSCENERY_PACK *GLOBAL_AIRPORTS*\n", packs);
    std::fclose(packs);

    aptDatPath = earthNav + "/apt.dat";
    std::FILE* file = std::fopen(aptDatPath.c_str(), "w");
    {
        Generator out(file);
        out.row("I");
        out.row("1100 Generated for the find-airport benchmark");
        out.row("%s", "");
        int n = 0;
        while (out.written() < kTargetBytes) {
            letterCode = codeFor(n);
            if (letterCode == kCommonLetterCode) {
                ++n;
                continue;
            }
            out.airport(letterCode, n);
            ++n;
        }
        out.airport(kCommonLetterCode, n);
        out.airport(kDigitCode, n + 1);
        out.row("99");
    }
    std::fclose(file);
}

const std::string& codeOf(const char* kind) {
    static const std::string common = kCommonLetterCode;
    static const std::string digits = kDigitCode;
    if (strcmp(kind, "common_letters") == 0) {
        return common;
    }
    return strcmp(kind, "digits") == 0 ? digits : letterCode;
}

void BM_FindLastAirport(benchmark::State& state, const char* kind) {
    prepareGlobalAirports();
    const std::string& code = codeOf(kind);
    state.SetLabel(code);
    std::string previousRoot = xpsim::root();
    xpsim::setRoot(benchRoot);
    for (auto _ : state) {
        std::unique_ptr<Airport> airport = findAirport(code.c_str());
        if (!airport) {
            state.SkipWithError("the airport was not found");
            break;
        }
        benchmark::DoNotOptimize(airport.get());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(aptDatPath)));
    state.counters["file_MB"] = std::filesystem::file_size(aptDatPath) / 1e6;
    xpsim::setRoot(previousRoot);
}

// grep as a whole process (started through the shell), as a user would run it.
void BM_GrepCountSameCode(benchmark::State& state, const char* kind) {
    prepareGlobalAirports();
    const std::string& code = codeOf(kind);
    state.SetLabel(code);
    std::string command = "grep -c '" + code + "' '" + aptDatPath + "'";
    for (auto _ : state) {
        std::FILE* grep = popen(command.c_str(), "r");
        char count[64] = {};
        if (grep == nullptr || std::fgets(count, sizeof count, grep) == nullptr) {
            state.SkipWithError("grep did not run");
            if (grep != nullptr) pclose(grep);
            break;
        }
        pclose(grep);
        benchmark::DoNotOptimize(std::atoi(count));
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(aptDatPath)));
}

// Each code beside grep for it.
#define OVILUX_FIND_AND_GREP(kind)                                                       \
    BENCHMARK_CAPTURE(BM_FindLastAirport, kind, #kind)                                   \
        ->Unit(benchmark::kMillisecond)                                                  \
        ->UseRealTime();                                                                 \
    BENCHMARK_CAPTURE(BM_GrepCountSameCode, kind, #kind)->Unit(benchmark::kMillisecond)->UseRealTime()
OVILUX_FIND_AND_GREP(letters);
OVILUX_FIND_AND_GREP(common_letters);
OVILUX_FIND_AND_GREP(digits);

}  // namespace

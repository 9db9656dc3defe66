#include "apt_dat.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace xpsim::detail {
namespace {

// X-Plane's longest rows are a few hundred characters; anything past this is
// garbage and is not looked at.
constexpr size_t kMaxLine = 4096;
constexpr double kMetresPerFoot = 0.3048;

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string word;
    while (in >> word) out.push_back(word);
    return out;
}

bool number(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !std::isfinite(value)) return false;
    *out = value;
    return true;
}

bool latLon(const std::string& latText, const std::string& lonText, double* lat, double* lon) {
    return number(latText, lat) && number(lonText, lon) && std::fabs(*lat) <= 90 &&
           std::fabs(*lon) <= 180;
}

struct Pending {
    bool open = false;
    Airport airport;
    bool hasDatumLat = false, hasDatumLon = false;
    double datumLat = 0, datumLon = 0;
    bool hasRunway = false, hasHelipad = false;
    double runwayLat = 0, runwayLon = 0, helipadLat = 0, helipadLon = 0;

    void finish(std::vector<Airport>* out) {
        if (!open) return;
        open = false;
        if (hasDatumLat && hasDatumLon) {
            airport.latitude = datumLat;
            airport.longitude = datumLon;
        } else if (hasRunway) {
            airport.latitude = runwayLat;
            airport.longitude = runwayLon;
        } else if (hasHelipad) {
            airport.latitude = helipadLat;
            airport.longitude = helipadLon;
        } else {
            return;
        }
        out->push_back(airport);
    }
};

// Row 1, 16 or 17: code, elevation (ft), two unused fields, ident, name.
void startAirport(const std::vector<std::string>& w, Pending* p) {
    if (w.size() < 5) return;
    *p = Pending{};
    p->open = true;
    double feet = 0;
    if (number(w[1], &feet)) p->airport.elevationM = feet * kMetresPerFoot;
    p->airport.ident = w[4];
    for (size_t i = 5; i < w.size(); ++i) {
        if (i > 5) p->airport.name += ' ';
        p->airport.name += w[i];
    }
}

void readRow(const std::vector<std::string>& w, Pending* p, std::vector<Airport>* out) {
    const std::string& code = w[0];
    if (code == "1" || code == "16" || code == "17") {
        p->finish(out);
        startAirport(w, p);
    } else if (code == "99") {
        p->finish(out);
    } else if (!p->open) {
        return;
    } else if (code == "1302" && w.size() >= 3) {
        double value = 0;
        bool ok = number(w[2], &value);
        if (w[1] == "datum_lat" && ok && std::fabs(value) <= 90) {
            p->hasDatumLat = true;
            p->datumLat = value;
        }
        if (w[1] == "datum_lon" && ok && std::fabs(value) <= 180) {
            p->hasDatumLon = true;
            p->datumLon = value;
        }
    } else if (code == "100" && !p->hasRunway && w.size() >= 20) {
        // Ends at fields 10/11 and 19/20, counting the row code as field 1.
        double lat1, lon1, lat2, lon2;
        if (latLon(w[9], w[10], &lat1, &lon1) && latLon(w[18], w[19], &lat2, &lon2)) {
            p->hasRunway = true;
            p->runwayLat = (lat1 + lat2) / 2;
            p->runwayLon = (lon1 + lon2) / 2;
        }
    } else if (code == "102" && !p->hasHelipad && w.size() >= 4) {
        p->hasHelipad = latLon(w[2], w[3], &p->helipadLat, &p->helipadLon);
    }
}

// Like getline, but what lies past kMaxLine is skipped rather than stored.
bool readLine(std::istream& in, std::string* line) {
    line->clear();
    std::streambuf* buffer = in.rdbuf();
    if (!buffer) return false;
    bool any = false;
    for (;;) {
        int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) return any;
        any = true;
        if (c == '\n') return true;
        if (line->size() < kMaxLine) line->push_back(static_cast<char>(c));
    }
}

}  // namespace

void readAptDat(std::istream& in, std::vector<Airport>* out) {
    Pending pending;
    std::string line;
    while (readLine(in, &line)) {
        std::vector<std::string> w = words(line);
        if (!w.empty()) readRow(w, &pending, out);
    }
    pending.finish(out);
}

bool readAptDatFile(const std::string& path, std::vector<Airport>* out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    readAptDat(in, out);
    return true;
}

}  // namespace xpsim::detail

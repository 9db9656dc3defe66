// Airports from X-Plane's apt.dat files: ident, name and a position.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace xpsim::detail {

struct Airport {
    std::string ident;
    std::string name;
    double latitude = 0;
    double longitude = 0;
    double elevationM = 0;
};

// Appends every airport with a known position: the datum rows when present,
// else the middle of the first land runway, else the first helipad. Lines that
// do not parse are skipped.
void readAptDat(std::istream& in, std::vector<Airport>* out);
// False when the file cannot be opened.
bool readAptDatFile(const std::string& path, std::vector<Airport>* out);

}  // namespace xpsim::detail

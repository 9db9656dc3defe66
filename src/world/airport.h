// One airport as the scenery describes it, with what the airport camera
// generator needs of it. Text fields are cut to their size less one.
#pragma once

const int kMaxRunways = 75;
// Rows 15 and 1300 together.
const int kMaxStartingLocations = 150;
const int kMaxSigns = 500;
const int kMaxViewPoints = 150;
const int kMaxHelipads = 150;

// Row codes of airport headers.
const int kLandAirport = 1;
const int kSeaplaneBase = 16;
const int kHeliport = 17;

struct Runway {
    float width;  // metres
    float lat1;
    float lon1;
    float heading1;  // filled by the airport camera generator
    char number1[12];
    float displaced1;  // metres
    float lat2;
    float lon2;
    float heading2;
    char number2[12];
    float displaced2;
};

struct StartingLocation {
    float lat;
    float lon;
    float heading;  // degrees true
    char name[100];
};

struct AirportSign {
    float lat;
    float lon;
    char text[1000];  // glyph codes removed, see convertAirportSign
};

struct ViewPoint {
    float lat;
    float lon;
    float height;  // feet above ground
    char name[100];
};

struct Helipad {
    float lat;
    float lon;
    char designator[12];
    float length;  // metres
    float width;
};

// About half a megabyte: always on the heap, value-initialised (all zero).
struct Airport {
    double elevation;  // feet
    char name[100];
    // The header's identifier, or the value of a later "icao_code" or
    // "faa_code" metadata row.
    char icao[12];
    int type;  // kLandAirport, kSeaplaneBase or kHeliport
    int nRunways;
    int nStartingLocations;
    int nSigns;
    int nViewPoints;
    int nHelipads;
    Runway runways[kMaxRunways];
    StartingLocation startingLocations[kMaxStartingLocations];
    AirportSign signs[kMaxSigns];
    ViewPoint viewPoints[kMaxViewPoints];
    Helipad helipads[kMaxHelipads];
};

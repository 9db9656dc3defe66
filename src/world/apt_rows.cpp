#include "world/apt_rows.h"

#include "shell/c_locale.h"
#include "world/airport_sign.h"
#include "world/apt_fields.h"

namespace {

bool readLandRunway(const AptRow& row, Runway* runway) {
    if (row.count < 21) {
        return false;
    }
    rowText(row, 9, runway->number1, sizeof(runway->number1));
    rowText(row, 18, runway->number2, sizeof(runway->number2));
    return rowFloat(row, 2, &runway->width) && rowFloat(row, 10, &runway->lat1) &&
           rowFloat(row, 11, &runway->lon1) && rowFloat(row, 12, &runway->displaced1) &&
           rowFloat(row, 19, &runway->lat2) && rowFloat(row, 20, &runway->lon2) &&
           rowFloat(row, 21, &runway->displaced2);
}

bool readWaterRunway(const AptRow& row, Runway* runway) {
    if (row.count < 9) {
        return false;
    }
    rowText(row, 4, runway->number1, sizeof(runway->number1));
    rowText(row, 7, runway->number2, sizeof(runway->number2));
    return rowFloat(row, 2, &runway->width) && rowFloat(row, 5, &runway->lat1) &&
           rowFloat(row, 6, &runway->lon1) && rowFloat(row, 8, &runway->lat2) &&
           rowFloat(row, 9, &runway->lon2);
}

bool readStart(const AptRow& row, int nameField, StartingLocation* start) {
    if (!rowFloat(row, 2, &start->lat) || !rowFloat(row, 3, &start->lon) ||
        !rowFloat(row, 4, &start->heading)) {
        return false;
    }
    copyCut(rowRest(row, nameField), start->name, sizeof(start->name));
    return true;
}

void addStart(Airport* airport, const char* text, int nameField) {
    if (airport->nStartingLocations >= kMaxStartingLocations) {
        return;
    }
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    StartingLocation start{};
    if (readStart(row, nameField, &start)) {
        airport->startingLocations[airport->nStartingLocations++] = start;
    }
}

}  // namespace

void addRunway(Airport* airport, const char* text) {
    if (airport->nRunways >= kMaxRunways) {
        return;
    }
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    int code = 0;
    Runway runway{};
    bool read = false;
    if (rowInt(row, 1, &code) && code == 100) {
        read = readLandRunway(row, &runway);
    } else if (code == 101) {
        read = readWaterRunway(row, &runway);
    }
    if (read) {
        airport->runways[airport->nRunways++] = runway;
    }
}

void addHelipad(Airport* airport, const char* text) {
    if (airport->nHelipads >= kMaxHelipads) {
        return;
    }
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    Helipad helipad{};
    rowText(row, 2, helipad.designator, sizeof(helipad.designator));
    if (rowFloat(row, 3, &helipad.lat) && rowFloat(row, 4, &helipad.lon) &&
        rowFloat(row, 6, &helipad.length) && rowFloat(row, 7, &helipad.width)) {
        airport->helipads[airport->nHelipads++] = helipad;
    }
}

void addStartingLocation(Airport* airport, const char* text) {
    addStart(airport, text, 5);
}

void addNewStyleStartingLocation(Airport* airport, const char* text) {
    addStart(airport, text, 7);
}

void addViewPoint(Airport* airport, const char* text) {
    if (airport->nViewPoints >= kMaxViewPoints) {
        return;
    }
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    ViewPoint viewPoint{};
    if (!rowFloat(row, 2, &viewPoint.lat) || !rowFloat(row, 3, &viewPoint.lon) ||
        !rowFloat(row, 4, &viewPoint.height)) {
        return;
    }
    const char* name = rowRest(row, 6);
    copyCut(*name != 0 ? name : "Viewpoint", viewPoint.name, sizeof(viewPoint.name));
    airport->viewPoints[airport->nViewPoints++] = viewPoint;
}

void addSign(Airport* airport, const char* text) {
    if (airport->nSigns >= kMaxSigns) {
        return;
    }
    CLocaleScope numbers;
    AptRow row;
    splitRow(text, &row);
    AirportSign sign{};
    if (!rowFloat(row, 2, &sign.lat) || !rowFloat(row, 3, &sign.lon)) {
        return;
    }
    copyCut(convertAirportSign(rowRest(row, 7)), sign.text, sizeof(sign.text));
    airport->signs[airport->nSigns++] = sign;
}

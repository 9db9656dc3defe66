// A named world point that a target-following camera looks at (or, reciprocal,
// looks from), and its kind.
#pragma once

const int kMaxTargetNameLength = 70;
const int kMaxTargetDateLength = 25;

enum TargetType {
    TargetFixedPoint = 0,
    TargetMyAircraft = 1,
    TargetAircraftCarrier = 2,
    TargetFrigate = 3,
};

struct Target {
    char name[kMaxTargetNameLength + 1] = {};
    char date[kMaxTargetDateLength + 1] = {};
    // An impossible point until placed: south pole, so never near anything.
    double latitude = -90.0;
    double longitude = 0;
    double elevation = 0;  // metres
    double localX = 0;     // at the last refresh
    double localY = 0;
    double localZ = 0;
    float distance = 0;  // kilometres from the reference
    float pitch = 0;     // degrees from the reference, set by the external pose
    float bearing = 0;
    int originType = TargetFixedPoint;
    int isFreeTarget = 0;
    Target* next = nullptr;  // chain of one grid bucket
};

// The name as the targets file can hold it: commas and line breaks become
// blanks (the file has no quoting), cut to 70 characters, surrounding blanks
// removed. False, leaving the name empty, when nothing but blanks is left.
bool setTargetName(Target* target, const char* text);
// Cut to 25 characters, commas and line breaks blanked.
void setTargetDate(Target* target, const char* text);
// Latitude in [-90, 90] and longitude in [-180, 180], neither NaN.
bool isValidLatitude(double latitude);
bool isValidLongitude(double longitude);

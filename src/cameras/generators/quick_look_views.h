// X-Plane's quick-look views of the user's aircraft, as its preferences file
// "<aircraft>_prefs.txt" keeps them: one "key<number> value" line per value.
#pragma once

#include <string>

const int kMaxQuickLookViews = 20;

struct QuickLookView {
    std::string viewType;  // "v_3dc", "v_cir", "v_cha" or "v_rid"; empty: slot not in use
    float pe_x = 0;        // pilot's eye, metres
    float pe_y = 0;
    float pe_z = 0;
    float look_os_psi = 0;  // look offsets, degrees
    float look_os_the = 0;
    float unused = 0;
    float circ_psi = 0;  // around the aircraft, degrees
    float circ_the = 0;
    float circ_dis = 0;  // metres from the aircraft
};

// The aircraft's folder, "/", its file name up to the first '.', "_prefs.txt";
// empty when there is no user aircraft.
std::string getAircraftPrefsFilePath();
// Empties the table and reads the file into it; the number of slots in use.
// A file that cannot be opened is logged and gives 0.
int readQuickLookViewsFrom(const std::string& path);
// One line into the table; lines without a known key or with a number
// outside 0..19 change nothing.
void parseQuickLookView(const char* line);
// The number that ends key in the line, read whole, and the first word after
// the blank that follows it; false when the line does not have that shape.
bool parseQuickLookIndexValue(const char* line, const char* key, int* number, std::string* text);
bool parseQuickLookIndexValue(const char* line, const char* key, int* number, float* value);
// Null outside 0..19.
const QuickLookView* getQuickLookView(int number);

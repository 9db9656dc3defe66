// A temporary X-Plane folder for the benchmarks, removed when the program ends.
#pragma once

#include <string>

// Makes the folder with the aircraft "Aircraft/Bench/Bench.acf" and the
// plug-in's folder, and points the simulator at it (reset first).
std::string makeBenchXPlane();
// Attaches the plug-in linked into the benchmark and starts and enables it.
void startBenchPlugin(const std::string& root);

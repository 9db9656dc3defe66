#include "airport_fixture.h"

#include <cstdio>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "xplane/sdk.h"

void AirportFixture::startAt(const std::string& rows) {
    SimulatedXPlane::writeFile(xplane.path(kAirportAptDat),
                               "I\n1100 Version - data cycle 2024.01\n\n"
                               "1 1640 0 0 LSZX Test Field\n" +
                                   rows + "99\n");
    start({TestCameraRow("Cockpit", "Pilot")});
    xpsim::setTerrain(kTerrain);
    GlobalCameraFileNameEntry* entry = addGlobalCameraFile("LSZX");
    ASSERT_NE(entry, nullptr);
    readCameras(entry);
    ASSERT_TRUE(isAirportFileActive());
}

void AirportFixture::generate(const AirportCameraCreationOptions& options) {
    createAirportCameras(options);
}

Vec AirportFixture::ground(double latitude, double longitude) {
    Vec v{};
    XPLMWorldToLocal(latitude, longitude, kTerrain, &v.x, &v.y, &v.z);
    return v;
}

std::string aptNumber(double value) {
    char text[32];
    snprintf(text, sizeof text, "%.9f", value);
    return text;
}

bool AirportFixture::hasCategory(const char* name) {
    for (int i = 0; i < getNumberOfCategories(); ++i) {
        if (std::string(getCategory(i)->name) == name) {
            return true;
        }
    }
    return false;
}

Category& AirportFixture::category(const char* name) {
    for (int i = 0; i < getNumberOfCategories(); ++i) {
        if (std::string(getCategory(i)->name) == name) {
            return *getCategory(i);
        }
    }
    ADD_FAILURE() << "no category " << name;
    return *getCategorySlot(kMaxCategories - 1);
}

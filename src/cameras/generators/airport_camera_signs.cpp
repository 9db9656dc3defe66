#include <cstdio>
#include <vector>

#include "cameras/generators/airport_camera_placement.h"

namespace {
const int kSignsPerCategory = 100;
}  // namespace

// A sign's category is made only once one of its signs survives culling, so
// a run of culled signs leaves no empty category behind.
void addSigns(const AirportGeneration& run) {
    const Airport& airport = run.airport;
    std::vector<const Camera*> kept;
    Category* category = nullptr;
    for (int i = 0; i < airport.nSigns; ++i) {
        const AirportSign& sign = airport.signs[i];
        int slot = static_cast<int>(kept.size()) % kSignsPerCategory;
        char name[kNameSize];
        if (sign.text[0] != '\0') {
            // Camera names hold 30 characters; a longer sign text is cut.
            setCameraName(name, sign.text);
        } else {
            snprintf(name, sizeof(name), "Sign_%d", slot);
        }
        Camera candidate;
        placeAirportCamera(
            &candidate, run, name,
            {sign.lat, sign.lon, 0.0f, 0.0f, 0.0f, run.options.signVerticalOffset, 0.0f, true});
        if (cullCamera(kept.data(), &candidate, static_cast<int>(kept.size()),
                       run.options.signCullingRadius)) {
            continue;
        }
        if (slot == 0) {
            char categoryName[kNameSize];
            snprintf(categoryName, sizeof(categoryName), "Signs %d",
                     static_cast<int>(kept.size()) / kSignsPerCategory);
            category = makeAirportCategory(categoryName);
            if (category == nullptr) {
                return;
            }
        }
        category->cameras[slot] = candidate;
        category->numberOfCameras = slot + 1;
        kept.push_back(&category->cameras[slot]);
    }
}

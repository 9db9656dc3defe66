#include "scene/local_origin.h"

#include "xplane/sdk.h"

namespace {
bool originKnown = false;
double originLatitude = 0;
double originLongitude = 0;
double originElevation = 0;
}  // namespace

bool localOriginShifted() {
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
    XPLMLocalToWorld(0, 0, 0, &latitude, &longitude, &elevation);
    bool shifted = originKnown && (latitude != originLatitude || longitude != originLongitude ||
                                   elevation != originElevation);
    originKnown = true;
    originLatitude = latitude;
    originLongitude = longitude;
    originElevation = elevation;
    return shifted;
}

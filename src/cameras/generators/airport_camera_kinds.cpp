#include "cameras/generators/airport_camera_placement.h"
#include "shell/angles.h"

namespace {
// A parked aircraft is looked down at.
const float kStartPitch = -10.0f;
}  // namespace

void addStartingLocations(const AirportGeneration& run) {
    const Airport& airport = run.airport;
    Category* category = makeAirportCategory("Starting Locations");
    for (int i = 0;
         category != nullptr && i < airport.nStartingLocations && i < kMaxCamerasPerCategory; ++i) {
        const StartingLocation& start = airport.startingLocations[i];
        float h = run.options.forwardFacingStart ? start.heading : fixAngle(start.heading + 180.0f);
        placeAirportCamera(
            &category->cameras[i], run, start.name,
            {start.lat, start.lon, h, run.options.startHorizontalOffset, 0.0f,
             run.options.startVerticalOffset, kStartPitch, run.options.enableTracking});
        category->numberOfCameras = i + 1;
    }
}

void addViewPoints(const AirportGeneration& run) {
    const Airport& airport = run.airport;
    Category* category = makeAirportCategory("View Points");
    for (int i = 0; category != nullptr && i < airport.nViewPoints && i < kMaxCamerasPerCategory;
         ++i) {
        const ViewPoint& view = airport.viewPoints[i];
        placeAirportCamera(&category->cameras[i], run, view.name,
                           {view.lat, view.lon, 0.0f, 0.0f, 0.0f,
                            static_cast<float>(view.height / kFeetPerMetre), 0.0f, true});
        category->numberOfCameras = i + 1;
    }
}

void addRunways(const AirportGeneration& run) {
    const Airport& airport = run.airport;
    const AirportCameraCreationOptions& options = run.options;
    Category* category = makeAirportCategory("Runways");
    for (int i = 0; category != nullptr && i < airport.nRunways &&
                    category->numberOfCameras + 2 <= kMaxCamerasPerCategory;
         ++i) {
        const Runway& runway = airport.runways[i];
        Camera* cameras = category->cameras + category->numberOfCameras;
        placeAirportCamera(
            &cameras[0], run, runway.number1,
            {runway.lat1, runway.lon1, runway.heading1, options.runwayHorizontalOffset, 0.0f,
             options.runwayVerticalOffset, 0.0f, options.enableTracking});
        placeAirportCamera(
            &cameras[1], run, runway.number2,
            {runway.lat2, runway.lon2, runway.heading2, options.runwayHorizontalOffset, 0.0f,
             options.runwayVerticalOffset, 0.0f, options.enableTracking});
        category->numberOfCameras += 2;
    }
}

void addHelipads(const AirportGeneration& run) {
    const Airport& airport = run.airport;
    Category* category = makeAirportCategory("Helipads");
    for (int i = 0; category != nullptr && i < airport.nHelipads && i < kMaxCamerasPerCategory;
         ++i) {
        const Helipad& pad = airport.helipads[i];
        placeAirportCamera(&category->cameras[i], run, pad.designator,
                           {pad.lat, pad.lon, 0.0f, 0.0f, run.options.startHorizontalOffset,
                            run.options.startVerticalOffset, 0.0f, true});
        category->numberOfCameras = i + 1;
    }
}

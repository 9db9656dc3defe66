// Angle and distance arithmetic shared by every subsystem.
#pragma once

float radians(float degrees);
float toDegrees(float radiansValue);
double deg2rad(double degrees);
double rad2deg(double radiansValue);
// One step of wrapping into [0, 360): -30 gives 330, 730 gives 370.
float fixAngle(float degrees);
// Great-circle distance in statute miles; unit 'K' kilometres, 'N' nautical miles.
double distanceLatLon(double lat1, double lon1, double lat2, double lon2, char unit);

#pragma once
// Reading the angle and zone fields the geodetic operations share.
#include <string>

#include "cli/operation.h"

namespace cli {

// Degrees in, radians out (the program's factor); latitude must lie in -90 .. 90.
double LatitudeField(double degrees, const std::string& field_name);
double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);

// --zone Z as a UTM zone 1 .. 60; RecordError otherwise.
int ZoneOption(const std::string& text);
// The UTM zone whose 6-degree band holds the longitude (degrees); 180 E falls in zone 60.
int ZoneOfLongitude(double lon_degrees);

}  // namespace cli

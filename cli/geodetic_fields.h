#pragma once
// Reading the angle and zone fields the geodetic operations share.
#include <string_view>

#include "cli/operation.h"

namespace cli {

// Degrees in, radians out (the program's factor); latitude must lie in -90 .. 90
// and longitude in -180 .. 180, as the point dialogs allow.
double LatitudeField(double degrees, std::string_view field_name);
double LongitudeField(double degrees, std::string_view field_name);
double DegreesToRadians(double degrees);
double RadiansToDegrees(double radians);

// --zone Z as a UTM zone 1 .. 60; RecordError otherwise.
int ZoneOption(const std::string& text);
// The UTM zone whose 6-degree band holds the longitude (degrees); 180 E falls in zone 60.
int ZoneOfLongitude(double lon_degrees);
// As ZoneOfLongitude, with the exceptions of the UTM grid: 32V widened west over
// Norway (56 to 64 N, 3 to 12 E) and the Svalbard zones 31X, 33X, 35X, 37X (72 to 84 N).
int ZoneWithExceptions(double lat_degrees, double lon_degrees);

}  // namespace cli

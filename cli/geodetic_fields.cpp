#include "cli/geodetic_fields.h"

#include <cmath>

#include "engine/constants.h"

namespace cli {

double DegreesToRadians(double degrees) { return degrees * engine::kRadPerDeg; }
double RadiansToDegrees(double radians) { return radians * engine::kDegPerRad; }

double LatitudeField(double degrees, const std::string& field_name) {
    if (degrees < -90.0 || degrees > 90.0)
        throw RecordError("field " + field_name + ": latitude must lie between -90 and 90 degrees");
    return DegreesToRadians(degrees);
}

int ZoneOption(const std::string& text) {
    const int zone = ParseIntegerField(text, "--zone");
    if (zone < 1 || zone > 60) throw RecordError("--zone: a UTM zone from 1 to 60 is expected");
    return zone;
}

int ZoneOfLongitude(double lon_degrees) {
    const double normalised = lon_degrees - 360.0 * std::floor((lon_degrees + 180.0) / 360.0);  // -180 .. 180
    const int zone = static_cast<int>(std::floor((normalised + 180.0) / 6.0)) + 1;
    return zone > 60 ? 60 : zone;
}

}  // namespace cli

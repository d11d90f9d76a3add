#include "cli/geodetic_fields.h"

#include <cmath>
#include <string>

#include "engine/constants.h"

namespace cli {

double DegreesToRadians(double degrees) { return degrees * engine::kRadPerDeg; }
double RadiansToDegrees(double radians) { return radians * engine::kDegPerRad; }

double LatitudeField(double degrees, std::string_view field_name) {
    if (degrees < -90.0 || degrees > 90.0)
        throw RecordError("field " + std::string(field_name) + ": latitude must lie between -90 and 90 degrees");
    return DegreesToRadians(degrees);
}

double LongitudeField(double degrees, std::string_view field_name) {
    if (degrees < -180.0 || degrees > 180.0)
        throw RecordError("field " + std::string(field_name) + ": longitude must lie between -180 and 180 degrees");
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

int ZoneWithExceptions(double lat_degrees, double lon_degrees) {
    if (lat_degrees >= 56.0 && lat_degrees < 64.0 && lon_degrees >= 3.0 && lon_degrees < 12.0) return 32;
    if (lat_degrees >= 72.0 && lat_degrees <= 84.0 && lon_degrees >= 0.0 && lon_degrees < 42.0) {
        if (lon_degrees < 9.0) return 31;
        if (lon_degrees < 21.0) return 33;
        if (lon_degrees < 33.0) return 35;
        return 37;
    }
    return ZoneOfLongitude(lon_degrees);
}

}  // namespace cli

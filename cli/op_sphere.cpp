// sphere: great-circle and rhumb-line distances (nautical miles) and courses.
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/sphere.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat1", cli::FieldKind::Latitude},
                                      {"lon1", cli::FieldKind::Longitude},
                                      {"lat2", cli::FieldKind::Latitude},
                                      {"lon2", cli::FieldKind::Longitude}};

cli::RecordFunction Prepare(const cli::Arguments&) {
    return [](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat1 = cli::LatitudeField(v[0], "lat1"), lon1 = cli::LongitudeField(v[1], "lon1");
        const double lat2 = cli::LatitudeField(v[2], "lat2"), lon2 = cli::LongitudeField(v[3], "lon2");
        engine::SphereCourses courses;
        const auto written = engine::GreatCircleRhumbLine(lat1, lon1, lat2, lon2, courses);
        // Values the computation leaves alone (coincident points; the rhumb line at a pole)
        // print as the program's single-value placeholder.
        auto distance = [&](bool has, float nmile) { has ? out.Length(nmile) : out.Text("n/a"); };
        auto course = [&](bool has, float radians) {
            has ? out.Bearing(cli::RadiansToDegrees(radians)) : out.Text("n/a");
        };
        distance(written.great_circle, courses.great_circle_distance);
        course(written.great_circle, courses.great_circle_course);
        distance(written.rhumb_line, courses.rhumb_line_distance);
        course(written.rhumb_line, courses.rhumb_line_course);
    };
}

const bool registered = cli::Register({"sphere", "lat1 lon1 lat2 lon2", "gc_nmile gc_course rl_nmile rl_course", {},
                                       "Great-circle and rhumb-line distances in nautical miles and courses.", 
                                       Prepare});

}  // namespace

// sphere: great-circle and rhumb-line distances (nautical miles) and courses.
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/sphere.h"

namespace {

int Run(const cli::Arguments& args, std::istream& in, std::ostream& out) {
    const bool full = args.Has("full");
    return cli::ForEachRecord(in, out, [&](const std::string& line) {
        const auto v = cli::ParseNumbers(cli::SplitFields(line), {"lat1", "lon1", "lat2", "lon2"});
        engine::SphereCourses courses;
        const auto written = engine::GreatCircleRhumbLine(cli::LatitudeField(v[0], "lat1"), cli::DegreesToRadians(v[1]),
                                                          cli::LatitudeField(v[2], "lat2"), cli::DegreesToRadians(v[3]),
                                                          courses);
        // Values the computation leaves alone (coincident points; the rhumb line at a pole)
        // print as the program's single-value placeholder.
        auto distance = [&](bool has, float nmile) {
            return has ? cli::FormatNumber(nmile, cli::Quantity::Length, full) : std::string("n/a");
        };
        auto course = [&](bool has, float radians) {
            return has ? cli::FormatNumber(cli::RadiansToDegrees(radians), cli::Quantity::Angle, full) : std::string("n/a");
        };
        return cli::JoinFields({distance(written.great_circle, courses.great_circle_distance),
                                course(written.great_circle, courses.great_circle_course),
                                distance(written.rhumb_line, courses.rhumb_line_distance),
                                course(written.rhumb_line, courses.rhumb_line_course)});
    });
}

const bool registered = cli::Register({"sphere", "lat1 lon1 lat2 lon2", "gc_nmile gc_course rl_nmile rl_course", {},
                                       "Great-circle and rhumb-line distances in nautical miles and courses.", Run});

}  // namespace

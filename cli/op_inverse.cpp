// inverse: the ellipsoidal distance and the azimuths both ways between two points.
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/geodesic.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat1", cli::FieldKind::Latitude},
                                      {"lon1", cli::FieldKind::Longitude},
                                      {"lat2", cli::FieldKind::Latitude},
                                      {"lon2", cli::FieldKind::Longitude}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    return [datum](const cli::Record& record, cli::LineWriter& out) {
        const auto v = cli::ReadFields(record, kFields);
        const double lat1 = cli::LatitudeField(v[0], "lat1"), lon1 = cli::LongitudeField(v[1], "lon1");
        const double lat2 = cli::LatitudeField(v[2], "lat2"), lon2 = cli::LongitudeField(v[3], "lon2");
        // As the range/bearing calculation does: A->B in mode 0, B->A for its azimuth only.
        engine::GeodeticLine forward, backward;
        engine::GeodeticInverse(lat1, lon1, lat2, lon2, engine::InverseMode::DistanceAndAzimuth, forward,
                                datum.b, datum.f);
        engine::GeodeticInverse(lat2, lon2, lat1, lon1, engine::InverseMode::AzimuthOnly, backward, datum.b,
                                datum.f);
        out.Length(forward.distance);
        out.Bearing(cli::RadiansToDegrees(forward.azimuth));
        out.Bearing(cli::RadiansToDegrees(backward.azimuth));
    };
}

const bool registered = cli::Register({"inverse", "lat1 lon1 lat2 lon2", "distance az12 az21", {cli::DatumOptionSpec()},
                                       "Geodetic inverse problem: ellipsoidal distance and azimuths both ways.", 
                                       Prepare});

}  // namespace

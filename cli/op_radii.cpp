// radii: the radii of curvature in the prime vertical (nu) and in the meridian (rho).
#include "cli/datum_option.h"
#include "cli/geodetic_fields.h"
#include "cli/operation.h"
#include "engine/ellipsoid.h"

namespace {

constexpr cli::FieldSpec kFields[] = {{"lat", cli::FieldKind::Latitude}};

cli::RecordFunction Prepare(const cli::Arguments& args) {
    const auto datum = cli::DatumFromArguments(args).applied;
    return [datum](const cli::Record& record, cli::LineWriter& out) {
        const double lat = cli::LatitudeField(cli::ReadFields(record, kFields)[0], "lat");
        out.Length(engine::RadiusPrimeVertical(datum.a, datum.e2, lat));
        out.Length(engine::RadiusMeridian(datum.a, datum.e2, lat));
    };
}

const bool registered = cli::Register({"radii", "lat", "nu rho", {cli::DatumOptionSpec()},
                                       "Radii of curvature in the prime vertical and in the meridian.", Prepare});

}  // namespace

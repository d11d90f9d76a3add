#include "model/pipeline.h"

#include <cmath>

#include "engine/calc_error.h"
#include "engine/constants.h"
#include "engine/ellipsoid.h"
#include "engine/transverse_mercator.h"
#include "engine/geodesic.h"
#include "engine/rt38.h"
#include "engine/sphere.h"
#include "model/program.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {

using detail::Pt;
using text::AngleKind;

namespace {

constexpr double kMetresPerNauticalMile = 1852.0;

SheetRow& RowOf(Program& program, Row first, int i) { return program.sheet[At(first, i)]; }

void Write(Program& program, Row row, std::string text) { program.sheet[row].text = std::move(text); }

const text::DisplayFormats& F(const Program& program) { return detail::Formats(program); }

void WriteGeographicRows(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    RowOf(program, Row::Lat0, i).text = text::FormatLatLon(p.pub_Lat, AngleKind::Latitude, false, F(program).pub_GeogFormat);
    RowOf(program, Row::Lon0, i).text = text::FormatLatLon(p.pub_Lon, AngleKind::Longitude, false, F(program).pub_GeogFormat);
    RowOf(program, Row::EllHgt0, i).text = text::FormatValue(p.pub_Hgt, F(program).pub_HgtFormat);
}

void WriteCartesianRows(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    const auto& format = F(program).pub_CartFormat;
    RowOf(program, Row::X0, i).text = text::FormatValue(p.pub_X, format);
    RowOf(program, Row::Y0, i).text = text::FormatValue(p.pub_Y, format);
    RowOf(program, Row::Z0, i).text = text::FormatValue(p.pub_Z, format);
}

void WriteGridRows(Program& program, int i) {
    const PointRecord& p = Pt(program, i);
    RowOf(program, Row::Northing0, i).text = text::FormatValue(p.pub_Northing, F(program).pub_GridFormat);
    RowOf(program, Row::Easting0, i).text = text::FormatValue(p.pub_Easting, F(program).pub_GridFormat);
}

void GeographicToCartesian(Program& program, int i) {
    PointRecord& p = Pt(program, i);
    const engine::Cartesian xyz = engine::GeogToCart(p.pub_Lat, p.pub_Lon, p.pub_Hgt, p.pub_Datum.a, p.pub_Datum.e2);
    p.pub_X = xyz.X;
    p.pub_Y = xyz.Y;
    p.pub_Z = xyz.Z;
}

void GeographicToGrid(Program& program, int i) {
    PointRecord& p = Pt(program, i);
    const engine::GridPoint grid = engine::GeogToGrid(p.projection, p.pub_Lat, p.pub_Lon);
    p.pub_Northing = grid.N;
    p.pub_Easting = grid.E;
}

void GeoidRowsNotApplicable(Program& program) {
    for (int i = 0; i < 2; ++i) {
        RowOf(program, Row::GeoideHgt0, i).text = "n/a";
        RowOf(program, Row::GeoideUndulation0, i).text = "n/a";
    }
}

// The auxiliary rows of both points: display only, not kept in the state.
void WriteAuxiliaryRows(Program& program) {
    for (int i = 0; i < 2; ++i) {
        const PointRecord& p = Pt(program, i);
        const double scale = engine::LineScaleFactor(p.projection, p.pub_Easting, p.pub_Northing, p.pub_Easting,
                                                     p.pub_Northing);
        RowOf(program, Row::ScaleFactor0, i).text = text::FormatPattern(scale, "0.000000000");
    }
    for (int i = 0; i < 2; ++i) {
        const PointRecord& p = Pt(program, i);
        RowOf(program, Row::Convergence0, i).text =
            text::FormatBearing(engine::GridConvergence(p.projection, p.pub_Lat, p.pub_Lon), F(program).pub_BrgFormat);
    }
    for (int i = 0; i < 2; ++i) {
        const PointRecord& p = Pt(program, i);
        RowOf(program, Row::NRadius0, i).text =
            text::FormatGrouped(engine::RadiusPrimeVertical(p.pub_Datum.a, p.pub_Datum.e2, p.pub_Lat), "0.00") +
            " m";
        RowOf(program, Row::MRadius0, i).text =
            text::FormatGrouped(engine::RadiusMeridian(p.pub_Datum.a, p.pub_Datum.e2, p.pub_Lat), "0.00") + " m";
    }
}

}  // namespace

void WritePointRows(Program& program, int i) {
    WriteGeographicRows(program, i);
    WriteCartesianRows(program, i);
    WriteGridRows(program, i);
}

void SetGeographic(Program& program, int i, double latitude, double longitude, double height) {
    // A transformation carried far outside its area (the North Sea polynomial
    // at the south pole) can give a latitude beyond a pole: no place at all.
    if (!(std::fabs(latitude) <= engine::kHalfPi + 1e-12)) throw engine::CalcError(kBeyondPoleText);
    PointRecord& p = Pt(program, i);
    p.pub_Lat = latitude;
    // A true offset across the 180th meridian gives a longitude beyond half a
    // turn: the sheet shows it within -180 ... 180 degrees, and the range/bearing
    // series, which take longitudes within half a turn, find the right side.
    p.pub_Lon = engine::WithinHalfTurn(longitude);
    p.pub_Hgt = height;
    WriteGeographicRows(program, i);
    GeographicToCartesian(program, i);
    WriteCartesianRows(program, i);
    GeographicToGrid(program, i);
    WriteGridRows(program, i);
}

void SetGrid(Program& program, int i, double northing, double easting) {
    PointRecord& p = Pt(program, i);
    p.pub_Northing = northing;
    p.pub_Easting = easting;
    WriteGridRows(program, i);
    const engine::InverseResult geographic = engine::GridToGeog(p.projection, northing, easting);
    if (!geographic.settled)
        platform::Show(program.platform.notices, "BAD GEOGRAPHICAL TO GRID CONVERSION");
    p.pub_Lat = geographic.lat;
    p.pub_Lon = engine::WithinHalfTurn(geographic.lon);
    WriteGeographicRows(program, i);
    GeographicToCartesian(program, i);
    WriteCartesianRows(program, i);
}

void SetCartesian(Program& program, int i, double x, double y, double z) {
    PointRecord& p = Pt(program, i);
    p.pub_X = x;
    p.pub_Y = y;
    p.pub_Z = z;
    WriteCartesianRows(program, i);
    // The iteration starts from the point as displayed before the edit; a point
    // whose rows read "n/a" (Point A in the NGO and RT38 modes) from its state.
    std::string latitude_text = RowOf(program, Row::Lat0, i).text;
    const bool shown = latitude_text.find("n/a") == std::string::npos;
    const double start_latitude =
        shown ? text::ParseLatLon(latitude_text, AngleKind::Latitude, F(program).pub_GeogFormat, program.platform.notices)
              : p.pub_Lat;
    const double start_height = shown ? text::ReadNumber(RowOf(program, Row::EllHgt0, i).text) : p.pub_Hgt;
    const engine::Geographic g =
        engine::CartToGeog({x, y, z}, start_latitude, start_height, p.pub_Datum.a, p.pub_Datum.e2);
    p.pub_Lat = g.lat;
    p.pub_Lon = g.lon;
    p.pub_Hgt = g.h;
    WriteGeographicRows(program, i);
    GeographicToGrid(program, i);
    WriteGridRows(program, i);
}

namespace {

void FinishSpecialGridEdit(Program& program) {
    SetGrid(program, 1, Pt(program, 1).pub_Northing, Pt(program, 1).pub_Easting);
    if (program.state.pub_Display[5]) GeoidRowsNotApplicable(program);
}

}  // namespace

void SetNGOGrid(Program& program, double northing, double easting) {
    PointRecord& a = Pt(program, 0);
    a.pub_Northing = northing;
    a.pub_Easting = easting;
    WriteGridRows(program, 0);
    PointRecord& b = Pt(program, 1);
    // Point A's zone holds the NGO axis code; Point B's zone is the wanted UTM zone.
    const engine::NgoResult utm = engine::NgoToUtm(program.special.ngo, northing, easting, a.pub_Zone, b.pub_Zone);
    b.pub_Easting = utm.easting;
    b.pub_Northing = utm.northing;
    FinishSpecialGridEdit(program);
}

void SetRT38Grid(Program& program, double northing, double easting) {
    PointRecord& a = Pt(program, 0);
    a.pub_Northing = northing;
    a.pub_Easting = easting;
    WriteGridRows(program, 0);
    const engine::Rt38Result utm = engine::Rt38ToUtm33(northing, easting);
    Pt(program, 1).pub_Northing = utm.northing;
    Pt(program, 1).pub_Easting = utm.easting;
    FinishSpecialGridEdit(program);
}

void Recompute(Program& program, int s) {
    detail::RequirePoint(s);
    if (program.state.pub_Mode == Mode::Offset) {
        RangeBearingCalc(program);
    } else {
        const engine::Cartesian shift_wgs84 = DatumShiftCalc(program, s);
        DatumShiftDisplay(program, s, shift_wgs84);
    }
    WriteAuxiliaryRows(program);
    if (detail::PointAOnSpecialGrid(program)) WriteUnknownPointARows(program);
}

void WriteUnknownPointARows(Program& program) {
    for (Row row : {Row::Lat0, Row::Lon0, Row::EllHgt0, Row::X0, Row::Y0, Row::Z0, Row::ScaleFactor0,
                    Row::Convergence0, Row::NRadius0, Row::MRadius0, Row::GeoideUndulation0, Row::DeltaLat,
                    Row::DeltaLon, Row::DeltaHgt, Row::dx, Row::dy, Row::dz, Row::DeltaNorthing,
                    Row::DeltaEasting})
        Write(program, row, "n/a");
}

void ClearResults(Program& program, std::string_view scope) {
    if (scope == "All") {
        for (int i = 0; i < 2; ++i)
            for (Row first : {Row::Lat0, Row::Lon0, Row::EllHgt0, Row::X0, Row::Y0, Row::Z0, Row::Northing0,
                              Row::Easting0})
                RowOf(program, first, i).text = " n/a ";
    }
    if (scope != "All" && scope != "Offset") return;
    for (Row row : {Row::TrueDist, Row::TrueBrg0, Row::TrueBrg1, Row::TrueDN, Row::TrueDE, Row::DHgt,
                    Row::DeltaX, Row::DeltaY, Row::DeltaZ, Row::DeltaXYZ, Row::GrCircleDist, Row::RhLineDist,
                    Row::GridDist, Row::GridBrg0, Row::GridBrg1, Row::GridDN, Row::GridDE, Row::DeltaLat,
                    Row::DeltaLon, Row::DeltaHgt, Row::dx, Row::dy, Row::dz, Row::DeltaNorthing,
                    Row::DeltaEasting})
        Write(program, row, " n/a ");
}

void RangeBearingCalc(Program& program) {
    CalcState& st = program.state;
    const PointRecord& a = Pt(program, 0);
    const PointRecord& b = Pt(program, 1);
    if (!detail::SameDatum(program)) {
        platform::Show(program.platform.notices,
                       "NB! You have to select the same Geodetic Datum for PointA and PointB !\n"
                       "No distance/bearing calculations will be done.",
                       platform::Icon::Exclamation, "Different Geodetic Datums defined");
        return;
    }
    const double semi_minor = a.pub_Datum.b;
    const double flattening = a.pub_Datum.f;
    const auto& dist = F(program).pub_DistFormat;

    using engine::InverseMode;
    engine::GeodeticLine ab, ba, north, east;
    engine::GeodeticInverse(a.pub_Lat, a.pub_Lon, b.pub_Lat, b.pub_Lon, InverseMode::DistanceAndAzimuth, ab,
                            semi_minor, flattening);
    engine::GeodeticInverse(b.pub_Lat, b.pub_Lon, a.pub_Lat, a.pub_Lon, InverseMode::AzimuthOnly, ba, semi_minor,
                            flattening);
    st.pub_TrueDist = ab.distance;
    st.pub_TrueBrg[0] = ab.azimuth;
    st.pub_TrueBrg[1] = ba.azimuth;
    Write(program, Row::TrueDist, text::FormatValue(st.pub_TrueDist, dist));
    Write(program, Row::TrueBrg0, text::FormatBearing(st.pub_TrueBrg[0], F(program).pub_BrgFormat));
    Write(program, Row::TrueBrg1, text::FormatBearing(st.pub_TrueBrg[1], F(program).pub_BrgFormat));

    engine::GeodeticInverse(a.pub_Lat, a.pub_Lon, b.pub_Lat, a.pub_Lon, InverseMode::DistanceAndAzimuth, north,
                            semi_minor, flattening);
    st.pub_TrueDN = b.pub_Lat < a.pub_Lat ? -north.distance : north.distance;
    Write(program, Row::TrueDN, text::FormatValue(st.pub_TrueDN, dist));

    engine::GeodeticInverse(a.pub_Lat, a.pub_Lon, a.pub_Lat, b.pub_Lon, InverseMode::DistanceAndAzimuth, east,
                            semi_minor, flattening);
    // An azimuth between pi and 2 pi points into the western half.
    st.pub_TrueDE = std::abs(east.azimuth - engine::kThreeHalfPi) < engine::kHalfPi ? -east.distance
                                                                                   : east.distance;
    Write(program, Row::TrueDE, text::FormatValue(st.pub_TrueDE, dist));

    st.pub_DeltaHgt = b.pub_Hgt - a.pub_Hgt;
    Write(program, Row::DHgt, text::FormatValue(st.pub_DeltaHgt, F(program).pub_HgtFormat));

    st.pub_DeltaX = b.pub_X - a.pub_X;
    st.pub_DeltaY = b.pub_Y - a.pub_Y;
    st.pub_DeltaZ = b.pub_Z - a.pub_Z;
    st.pub_DeltaXYZ = std::sqrt(st.pub_DeltaX * st.pub_DeltaX + st.pub_DeltaY * st.pub_DeltaY +
                                st.pub_DeltaZ * st.pub_DeltaZ);
    const auto& cart = F(program).pub_CartFormat;
    Write(program, Row::DeltaX, text::FormatValue(st.pub_DeltaX, cart));
    Write(program, Row::DeltaY, text::FormatValue(st.pub_DeltaY, cart));
    Write(program, Row::DeltaZ, text::FormatValue(st.pub_DeltaZ, cart));
    Write(program, Row::DeltaXYZ, text::FormatValue(st.pub_DeltaXYZ, cart));

    if (detail::SameGrid(program)) {
        const engine::RangeBearing grid =
            engine::GridRangeBearing(a.pub_Easting, a.pub_Northing, b.pub_Easting, b.pub_Northing);
        st.pub_GridDist = grid.distance;
        st.pub_GridBrg[0] = grid.forward;
        st.pub_GridBrg[1] = grid.back;
        Write(program, Row::GridDist, text::FormatValue(st.pub_GridDist, dist));
        Write(program, Row::GridBrg0, text::FormatBearing(st.pub_GridBrg[0], F(program).pub_BrgFormat));
        Write(program, Row::GridBrg1, text::FormatBearing(st.pub_GridBrg[1], F(program).pub_BrgFormat));
        st.pub_GridDN = b.pub_Northing - a.pub_Northing;
        st.pub_GridDE = b.pub_Easting - a.pub_Easting;
        Write(program, Row::GridDN, text::FormatValue(st.pub_GridDN, dist));
        Write(program, Row::GridDE, text::FormatValue(st.pub_GridDE, dist));
    }

    engine::SphereCourses sphere;
    const engine::SphereWritten written = engine::GreatCircleRhumbLine(a.pub_Lat, a.pub_Lon, b.pub_Lat, b.pub_Lon, sphere);
    const auto& gc = F(program).pub_GCFormat;
    // Coincident points and a pole keep the previous great-circle or rhumb-line texts.
    if (written.great_circle) {
        Write(program, Row::GrCircleDist, text::FormatValue(sphere.great_circle_distance * kMetresPerNauticalMile, gc));
        Write(program, Row::GrCircleBrg, 
              text::FormatBearing(static_cast<double>(sphere.great_circle_course), F(program).pub_BrgFormat));
    }
    if (written.rhumb_line) {
        Write(program, Row::RhLineDist, text::FormatValue(sphere.rhumb_line_distance * kMetresPerNauticalMile, gc));
        Write(program, Row::RhLineBrg, 
              text::FormatBearing(static_cast<double>(sphere.rhumb_line_course), F(program).pub_BrgFormat));
    }

    if (st.pub_Display[5]) GeoidRowsNotApplicable(program);
}

namespace {

// The North Sea transformations move the other point from the source point s
// to the target point t; direction 0 is from Point A to Point B. "NGO-ED50"
// and "RT38-ED50" start from Point A's grid and move Point B in their grid setters.
struct SpecialRoute {
    SpecialTransformation transformation;
    void (*shift)(Program& program, int s, int t);
};

constexpr SpecialRoute kSpecialRoutes[] = {
    {SpecialTransformation::Ed50Ed87,
     [](Program& program, int s, int t) {
         const PointRecord& p = Pt(program, s);
         const engine::Geographic g = engine::ShiftED50ED87(program.special.north_sea, s, p.pub_Lat, p.pub_Lon, p.pub_Hgt);
         SetGeographic(program, t, g.lat, g.lon, g.h);
     }},
    {SpecialTransformation::Ed87Wgs84Sea,
     [](Program& program, int s, int t) {
         const PointRecord& p = Pt(program, s);
         const engine::Cartesian c = engine::ShiftED87Sea(program.special.north_sea, s, {p.pub_X, p.pub_Y, p.pub_Z});
         SetCartesian(program, t, c.X, c.Y, c.Z);
     }},
    {SpecialTransformation::Ed50Wgs84Sea,
     [](Program& program, int s, int t) {
         const PointRecord& p = Pt(program, s);
         const engine::Geographic g = engine::ShiftED50Sea(program.special.north_sea, s, p.pub_Lat, p.pub_Lon, p.pub_Hgt);
         SetGeographic(program, t, g.lat, g.lon, g.h);
     }},
};

}  // namespace

engine::Cartesian DatumShiftCalc(Program& program, int s) {
    detail::RequirePoint(s);
    const int t = 1 - s;
    const CalcState& st = program.state;
    if (st.pub_Mode != Mode::Special) {
        const PointRecord& source = Pt(program, s);
        const engine::Cartesian wgs84 = engine::HelmertShift(datums::ToSevenParameters(source.pub_Datum), 1.0,
                                                             {source.pub_X, source.pub_Y, source.pub_Z});
        const engine::Cartesian target =
            engine::HelmertShift(datums::ToSevenParameters(Pt(program, t).pub_Datum), -1.0, wgs84);
        SetCartesian(program, t, target.X, target.Y, target.Z);
        return wgs84;
    }
    for (const SpecialRoute& route : kSpecialRoutes)
        if (route.transformation == st.pub_SpecialOption) route.shift(program, s, t);
    // "NGO-ED50" and "RT38-ED50" move Point B in their grid setters; Point B
    // is on ED50 there, and the geoid is entered on WGS84.
    const PointRecord& b = Pt(program, 1);
    if (detail::PointAOnSpecialGrid(program))
        return engine::HelmertShift(datums::ToSevenParameters(b.pub_Datum), 1.0, {b.pub_X, b.pub_Y, b.pub_Z});
    return {b.pub_X, b.pub_Y, b.pub_Z};
}

void DatumShiftDisplay(Program& program, int s, const engine::Cartesian& shift_wgs84) {
    const PointRecord& a = Pt(program, 0);
    const PointRecord& b = Pt(program, 1);
    const auto& hgt = F(program).pub_HgtFormat;
    const engine::OffsetNE ne = engine::GeodeticOffsetNE(a.pub_Lat, a.pub_Lon, b.pub_Lat, b.pub_Lon);
    Write(program, Row::DeltaLat,
          text::FormatLatLon(b.pub_Lat - a.pub_Lat, AngleKind::Latitude, true, F(program).pub_GeogFormat) + " / " +
              text::FormatValue(ne.north, hgt));
    Write(program, Row::DeltaLon,
          text::FormatLatLon(b.pub_Lon - a.pub_Lon, AngleKind::Longitude, true, F(program).pub_GeogFormat) + " / " +
              text::FormatValue(ne.east, hgt));
    Write(program, Row::DeltaHgt, text::FormatValue(b.pub_Hgt - a.pub_Hgt, hgt));
    const auto& cart = F(program).pub_CartFormat;
    Write(program, Row::dx, text::FormatValue(b.pub_X - a.pub_X, cart));
    Write(program, Row::dy, text::FormatValue(b.pub_Y - a.pub_Y, cart));
    Write(program, Row::dz, text::FormatValue(b.pub_Z - a.pub_Z, cart));
    if (detail::SameGrid(program)) {
        Write(program, Row::DeltaNorthing,
              text::FormatValue(b.pub_Northing - a.pub_Northing, F(program).pub_GridFormat));
        Write(program, Row::DeltaEasting, text::FormatValue(b.pub_Easting - a.pub_Easting, F(program).pub_GridFormat));
    } else {
        Write(program, Row::DeltaNorthing, " n/a ");
        Write(program, Row::DeltaEasting, " n/a ");
    }
    if (!program.state.pub_Display[5]) return;
    if (detail::IsSpecial(program, SpecialTransformation::Ed50Ed87)) {
        GeoidRowsNotApplicable(program);
        return;
    }
    const PointRecord& source = Pt(program, s);
    const engine::Geographic g84 = engine::CartToGeog(shift_wgs84, source.pub_Lat, source.pub_Hgt, engine::kWgs84A, engine::kWgs84E2);
    const float undulation =
        engine::GeoidEGM96(program.special.geoid, g84.lat * engine::kDegPerRad, g84.lon * engine::kDegPerRad);
    const float orthometric = static_cast<float>(g84.h) - undulation;
    for (int i = 0; i < 2; ++i) {
        const double column_undulation = (Pt(program, i).pub_Hgt - g84.h) + undulation;
        RowOf(program, Row::GeoideHgt0, i).text = text::FormatPattern(orthometric, "0.0") + " m";
        RowOf(program, Row::GeoideUndulation0, i).text = text::FormatPattern(column_undulation, "0.0") + " m";
    }
}

}  // namespace model

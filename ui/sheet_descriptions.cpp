#include "ui/sheet_descriptions.h"

#include <map>

#include "ui/qt_platform.h"

namespace ui {

namespace {

using model::Row;

enum class Unit { Geographic, Bearing, Height, Cartesian, Grid, Distance, GreatCircle, Metres, None };

struct Meaning {
    const char* what;
    Unit unit;
    bool grid = false;  // names the grid system and zone
};

const std::map<Row, Meaning>& Meanings() {
    static const std::map<Row, Meaning> meanings = {
        {Row::Lat0, {"Latitude", Unit::Geographic}}, {Row::Lon0, {"Longitude", Unit::Geographic}},
        {Row::EllHgt0, {"Ellipsoidal height", Unit::Height}},
        {Row::X0, {"Cartesian X", Unit::Cartesian}}, {Row::Y0, {"Cartesian Y", Unit::Cartesian}},
        {Row::Z0, {"Cartesian Z", Unit::Cartesian}},
        {Row::Northing0, {"Northing", Unit::Grid, true}}, {Row::Easting0, {"Easting", Unit::Grid, true}},
        {Row::ScaleFactor0, {"Point scale factor", Unit::None, true}},
        {Row::Convergence0, {"Meridian convergence", Unit::Bearing, true}},
        {Row::NRadius0, {"Radius of curvature in the prime vertical", Unit::Metres}},
        {Row::MRadius0, {"Radius of curvature in the meridian", Unit::Metres}},
        {Row::GeoideHgt0, {"Orthometric height", Unit::Metres}},
        {Row::GeoideUndulation0, {"Geoid undulation", Unit::Metres}},
        {Row::TrueDist, {"True range", Unit::Distance}}, {Row::TrueBrg0, {"True bearing A to B", Unit::Bearing}},
        {Row::TrueBrg1, {"True bearing B to A", Unit::Bearing}},
        {Row::TrueDN, {"North component of the true range", Unit::Distance}},
        {Row::TrueDE, {"East component of the true range", Unit::Distance}},
        {Row::DHgt, {"Height difference", Unit::Height}},
        {Row::DeltaX, {"X of the cartesian vector", Unit::Cartesian}},
        {Row::DeltaY, {"Y of the cartesian vector", Unit::Cartesian}},
        {Row::DeltaZ, {"Z of the cartesian vector", Unit::Cartesian}},
        {Row::DeltaXYZ, {"Length of the cartesian vector", Unit::Cartesian}},
        {Row::GridDist, {"Grid range", Unit::Distance, true}},
        {Row::GridBrg0, {"Grid bearing A to B", Unit::Bearing, true}},
        {Row::GridBrg1, {"Grid bearing B to A", Unit::Bearing, true}},
        {Row::GridDN, {"North component of the grid range", Unit::Distance, true}},
        {Row::GridDE, {"East component of the grid range", Unit::Distance, true}},
        {Row::GrCircleDist, {"Great circle distance", Unit::GreatCircle}},
        {Row::GrCircleBrg, {"Great circle course", Unit::Bearing}},
        {Row::RhLineDist, {"Rhumb line distance", Unit::GreatCircle}},
        {Row::RhLineBrg, {"Rhumb line course", Unit::Bearing}},
        {Row::DeltaLat, {"Latitude deviation", Unit::Geographic}},
        {Row::DeltaLon, {"Longitude deviation", Unit::Geographic}},
        {Row::DeltaHgt, {"Height deviation", Unit::Height}},
        {Row::dx, {"X deviation", Unit::Cartesian}}, {Row::dy, {"Y deviation", Unit::Cartesian}},
        {Row::dz, {"Z deviation", Unit::Cartesian}},
        {Row::DeltaNorthing, {"Northing deviation", Unit::Grid, true}},
        {Row::DeltaEasting, {"Easting deviation", Unit::Grid, true}},
    };
    return meanings;
}

QString UnitWords(const std::string& unit_name) {
    static const std::map<std::string, const char*> words = {
        {"Meter", "metres"}, {"Kilometer", "kilometres"}, {"Nautical miles", "nautical miles"},
        {"Nautical Miles", "nautical miles"}, {"Feet", "feet"}, {"Stat. Mile", "statute miles"},
        {"Degrees", "degrees"}, {"Radians", "radians"}, {"Grads (gon)", "gon"},
    };
    const auto it = words.find(unit_name);
    return it == words.end() ? ToQt(unit_name) : QString(it->second);
}

}  // namespace

QString RowDescription(const model::Program& program, Row row) {
    const model::Column column = model::ColumnOf(row);
    const bool point = column == model::Column::PointA || column == model::Column::PointB;
    const int i = column == model::Column::PointB ? 1 : 0;
    const auto found = Meanings().find(point ? model::At(row, -i) : row);
    if (found == Meanings().end()) return {};
    const Meaning& m = found->second;
    const model::Sheet& sheet = program.sheet;
    auto heading = [&](int k) { return ToQt(sheet.Text(model::At(Row::ColumnHeading0, k))).trimmed(); };
    auto datum = [&](int k) { return ToQt(sheet.Text(model::At(Row::Datum0, k))).trimmed(); };
    auto grid = [&](int k) {
        const QString zone = ToQt(sheet.Text(model::At(Row::Zone0, k))).trimmed().section(' ', 0, 0);
        const QString system = ToQt(sheet.Text(model::At(Row::GridSystem0, k))).trimmed();
        return zone.isEmpty() || !zone[0].isDigit() ? system : system + " zone " + zone;
    };
    QStringList parts;
    if (point) {
        parts << QString("%1 of %2").arg(m.what, heading(i)) << datum(i);
        if (m.grid) parts << grid(i);
    } else {
        const QString what = m.what;
        parts << (what.contains(" to ") ? what : QString("%1 between %2 and %3").arg(what, heading(0), heading(1)));
        parts << (datum(0) == datum(1) ? datum(0) : datum(0) + " to " + datum(1));
        if (m.grid) parts << grid(0);
    }
    const text::DisplayFormats& f = program.state.formats;
    switch (m.unit) {
        case Unit::Geographic: parts << UnitWords(f.pub_GeogFormat.UnitName); break;
        case Unit::Bearing: parts << UnitWords(f.pub_BrgFormat.UnitName); break;
        case Unit::Height: parts << UnitWords(f.pub_HgtFormat.UnitName); break;
        case Unit::Cartesian: parts << UnitWords(f.pub_CartFormat.UnitName); break;
        case Unit::Grid: parts << UnitWords(f.pub_GridFormat.UnitName); break;
        case Unit::Distance: parts << UnitWords(f.pub_DistFormat.UnitName); break;
        case Unit::GreatCircle: parts << UnitWords(f.pub_GCFormat.UnitName); break;
        case Unit::Metres: parts << "metres"; break;
        case Unit::None: break;
    }
    return parts.join(", ");
}

}  // namespace ui

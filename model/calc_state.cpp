#include "model/calc_state.h"

#include <stdexcept>

#include "datums/catalogue.h"
#include "engine/constants.h"

namespace model {

namespace {

void CheckPointIndex(int i) {
    if (i < 0 || i > 1) throw std::out_of_range("point index " + std::to_string(i) + " (0 or 1 expected)");
}

void CheckNameIndex(int i) {
    if (i < 0 || i > 2) throw std::out_of_range("name index " + std::to_string(i) + " (0, 1 or 2 expected)");
}

constexpr std::pair<SpecialTransformation, const char*> kSpecialTexts[] = {
    {SpecialTransformation::None, ""},
    {SpecialTransformation::Ed50Ed87, "ED50-ED87"},
    {SpecialTransformation::Ed50Wgs84Sea, "ED50-WGS84*Sea"},
    {SpecialTransformation::Ed87Wgs84Sea, "ED87-WGS84*Sea"},
    {SpecialTransformation::NgoEd50, "NGO-ED50"},
    {SpecialTransformation::Rt38Ed50, "RT38-ED50"},
};

}  // namespace

const char* ModeText(Mode mode) {
    switch (mode) {
        case Mode::Offset: return "OFFSET";
        case Mode::DatumShift: return "DATUMSHIFT";
        case Mode::Special: break;
    }
    return "SPECIAL";
}

Mode ModeFromText(const std::string& text) {
    if (text == "OFFSET") return Mode::Offset;
    if (text == "DATUMSHIFT") return Mode::DatumShift;
    return Mode::Special;
}

const char* SpecialTransformationText(SpecialTransformation transformation) {
    for (const auto& [value, text] : kSpecialTexts)
        if (value == transformation) return text;
    return "";
}

SpecialTransformation SpecialTransformationFromText(const std::string& text) {
    for (const auto& [value, name] : kSpecialTexts)
        if (text == name) return value;
    return SpecialTransformation::None;
}

PointRecord& Point(CalcState& state, int i) {
    CheckPointIndex(i);
    return state.point[static_cast<std::size_t>(i)];
}

const PointRecord& Point(const CalcState& state, int i) {
    CheckPointIndex(i);
    return state.point[static_cast<std::size_t>(i)];
}

std::string& Name(CalcState& state, int i) {
    CheckNameIndex(i);
    return state.pub_Name[static_cast<std::size_t>(i)];
}

const std::string& Name(const CalcState& state, int i) {
    CheckNameIndex(i);
    return state.pub_Name[static_cast<std::size_t>(i)];
}

void SetupProjection(PointRecord& point) {
    point.projection = engine::SetupProjection(point.pub_Zone, point.pub_GridSystem == kUtmSouthern,
                                               point.pub_Datum.a, point.pub_Datum.e2);
}

void ApplyDatum(PointRecord& point, datums::DatumRecord record) {
    datums::ApplyDatumRecord(point.pub_DatumOption, record);
    point.pub_Datum = std::move(record);
    SetupProjection(point);
}

CalcState DefaultState() {
    CalcState state;
    datums::DatumCatalogue built_in;
    datums::LoadStandardDatums(built_in);
    for (PointRecord& point : state.point) {
        point.pub_Lat = 60.0 * engine::kRadPerDeg;
        point.pub_Lon = 3.0 * engine::kRadPerDeg;
        point.pub_Hgt = 0.0;
        point.pub_Zone = 31;
        point.pub_GridSystem = kUtmNorthern;
        point.pub_DatumOption = datums::kOptionStandard;
        ApplyDatum(point, datums::MakeStandardDatum(built_in, 0));
    }
    return state;
}

}  // namespace model

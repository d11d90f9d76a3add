#pragma once
// Short ways into the calculation state for the model's own files.
#include <stdexcept>

#include "model/program.h"

namespace model::detail {

inline void RequirePoint(int i) {
    if (i < 0 || i > 1) throw std::out_of_range("point index outside 0 ... 1");
}
inline PointRecord& Pt(Program& program, int i) {
    RequirePoint(i);
    return program.state.point[static_cast<std::size_t>(i)];
}
inline const PointRecord& Pt(const Program& program, int i) {
    RequirePoint(i);
    return program.state.point[static_cast<std::size_t>(i)];
}
inline const text::DisplayFormats& Formats(const Program& program) { return program.state.formats; }

inline bool IsSpecial(const Program& program, SpecialTransformation option) {
    return program.state.pub_Mode == Mode::Special && program.state.pub_SpecialOption == option;
}
// The NGO and RT38 modes: Point A is on the NGO 1948 or RT38 grid, and only
// its grid co-ordinates are known there (the transformation starts from them).
inline bool PointAOnSpecialGrid(const Program& program) {
    return IsSpecial(program, SpecialTransformation::NgoEd50) || IsSpecial(program, SpecialTransformation::Rt38Ed50);
}
// One datum on both points: the same table and row (Molodensky rows share
// names across countries and ellipsoids), and the same name.
inline bool SameDatum(const Program& program) {
    const datums::DatumRecord& a = Pt(program, 0).pub_Datum;
    const datums::DatumRecord& b = Pt(program, 1).pub_Datum;
    return a.Option == b.Option && a.Index == b.Index && a.Name == b.Name;
}
inline bool SameGrid(const Program& program) {
    return Pt(program, 0).pub_GridSystem == Pt(program, 1).pub_GridSystem &&
           Pt(program, 0).pub_Zone == Pt(program, 1).pub_Zone;
}

}  // namespace model::detail

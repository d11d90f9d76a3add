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

inline bool IsSpecial(const Program& program, const char* option) {
    return program.state.pub_Mode == "SPECIAL" && program.state.pub_SpecialOption == option;
}
inline bool SameGrid(const Program& program) {
    return Pt(program, 0).pub_GridSystem == Pt(program, 1).pub_GridSystem &&
           Pt(program, 0).pub_Zone == Pt(program, 1).pub_Zone;
}

}  // namespace model::detail

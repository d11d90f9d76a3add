#pragma once
// Every field of a user datum row, for comparing rows exactly in one check.
#include <tuple>

#include "datums/datum_record.h"

namespace datum_rows {

inline auto Fields(const datums::DatumEntry& d) {
    return std::tuple(d.Number, d.Name, d.Ellipsoid, d.Area, d.Remark, d.a, d.InvF, d.dx, d.dy, d.dz, d.rotx,
                      d.roty, d.rotz, d.ds);
}

}  // namespace datum_rows

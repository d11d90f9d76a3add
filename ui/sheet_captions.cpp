#include "ui/sheet_captions.h"

#include <array>

namespace ui {

const std::vector<SheetCaption>& SheetCaptions() {
    static const std::vector<SheetCaption> captions = [] {
        struct Names {
            int group;
            std::array<const char*, 3> point, near, far, deviation;
            const char* near_heading;
            const char* far_heading;
            const char* deviation_heading;
        };
        const Names names[6] = {
            {0, {"Latitude", "Longitude", "Ell. height"}, {"Range", "A\u2192B", "B\u2192A"}, {"North", "East", "Height"},
             {"\u0394Lat", "\u0394Lon", "\u0394Hgt"}, "True range/bearing", "Components", "Geographic deviation"},
            {1, {"X", "Y", "Z"}, {"\u0394X", "\u0394Y", "\u0394Z"}, {"Length", nullptr, nullptr},
             {"dx", "dy", "dz"}, "Cartesian vector", nullptr, "Cartesian deviation"},
            {2, {"Northing", "Easting", nullptr}, {"Range", "A\u2192B", "B\u2192A"}, {"North", "East", nullptr},
             {"\u0394N", "\u0394E", nullptr}, "Grid range/bearing", "Components", "Grid deviation"},
            {3, {"Scale factor", "Convergence", nullptr}, {"Dist.", "Course", nullptr}, {nullptr, nullptr, nullptr},
             {nullptr, nullptr, nullptr}, "Great circle", nullptr, nullptr},
            {4, {"Radius N", "Radius M", nullptr}, {"Dist.", "Course", nullptr}, {nullptr, nullptr, nullptr},
             {nullptr, nullptr, nullptr}, "Rhumb line", nullptr, nullptr},
            {5, {"Orth. height", "Undulation", nullptr}, {nullptr, nullptr, nullptr}, {nullptr, nullptr, nullptr},
             {nullptr, nullptr, nullptr}, nullptr, nullptr, nullptr},
        };
        std::vector<SheetCaption> all;
        for (const Names& n : names) {
            for (int line = 0; line < 3; ++line) {
                if (n.point[line]) all.push_back({n.point[line], n.group, line + 1, 0});
                if (n.near[line]) all.push_back({n.near[line], n.group, line + 1, 1});
                if (n.far[line]) all.push_back({n.far[line], n.group, line + 1, 2});
                if (n.deviation[line]) all.push_back({n.deviation[line], n.group, line + 1, 3});
            }
            if (n.near_heading) all.push_back({n.near_heading, n.group, 0, 4});
            if (n.far_heading) all.push_back({n.far_heading, n.group, 0, 5});
            if (n.deviation_heading) all.push_back({n.deviation_heading, n.group, 0, 6});
        }
        return all;
    }();
    return captions;
}

}  // namespace ui

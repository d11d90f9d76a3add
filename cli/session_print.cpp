#include "cli/session_print.h"

#include <cstdio>
#include <ostream>

namespace cli {
namespace {

std::string Number(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

struct FieldPrinter {
    std::ostream& out;
    void Text(const std::string& field, const std::string& value) {
        out << field << '\t' << Printable(value) << '\n';
    }
    void Value(const std::string& field, double value) { out << field << '\t' << Number(value) << '\n'; }
    void Integer(const std::string& field, int value) { out << field << '\t' << value << '\n'; }
    void Flag(const std::string& field, bool value) { out << field << '\t' << (value ? "true" : "false") << '\n'; }

    void Datum(const std::string& field, const datums::DatumRecord& d) {
        Integer(field + ".Option", d.Option);
        Integer(field + ".Index", d.Index);
        Text(field + ".Name", d.Name);
        Text(field + ".Ellipsoid", d.Ellipsoid);
        Text(field + ".Area", d.Area);
        Value(field + ".a", d.a);
        Value(field + ".b", d.b);
        Value(field + ".f", d.f);
        Value(field + ".e2", d.e2);
        Text(field + ".Remark", d.Remark);
        Value(field + ".dx", d.dx);
        Value(field + ".dy", d.dy);
        Value(field + ".dz", d.dz);
        Value(field + ".rotx", d.rotx);
        Value(field + ".roty", d.roty);
        Value(field + ".rotz", d.rotz);
        Value(field + ".ds", d.ds);
    }

    void Format(const std::string& field, const text::FormatRecord& f) {
        Text(field + ".UnitName", f.UnitName);
        Integer(field + ".Option", f.Option);
        Integer(field + ".Decimals", f.Decimals);
        Value(field + ".Factor", f.Factor);
        Text(field + ".Unit", f.Unit);
        Text(field + ".Pattern", f.Pattern);
    }
};

std::string Indexed(const char* field, int i) { return std::string(field) + "(" + std::to_string(i) + ")"; }

}  // namespace

std::string Printable(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        if (c == '\r') shown += "\\r";
        else if (c == '\n') shown += "\\n";
        else if (c == '\t') shown += "\\t";
        else shown += c;
    }
    return shown;
}

std::string NoticeLine(const platform::Notice& notice) {
    return std::string("notice: [") + platform::IconName(notice.icon) + "] " + Printable(notice.title) + ": " +
           Printable(notice.text);
}

void PrintSheet(const model::Sheet& sheet, std::ostream& out) {
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const auto row = static_cast<model::Row>(k);
        if (!sheet[row].visible) continue;
        out << model::RowName(row) << '\t' << Printable(sheet[row].text) << '\n';
    }
}

void PrintMenus(const model::MenuBar& bar, std::ostream& out) {
    model::ForEachMenuEntry(bar, [&](const model::MenuEntry& entry, int) {
        std::string marks;
        const auto mark = [&](bool applies, const char* word) {
            if (!applies) return;
            if (!marks.empty()) marks += ' ';
            marks += word;
        };
        mark(entry.checked, "ticked");
        mark(!entry.enabled, "disabled");
        mark(!entry.visible, "hidden");
        out << entry.name << '\t' << Printable(entry.caption) << '\t' << (marks.empty() ? "-" : marks) << '\n';
    });
}

void PrintState(const model::CalcState& state, std::ostream& out) {
    FieldPrinter p{out};
    for (int i = 0; i < 2; ++i) {
        const model::PointRecord& point = state.point[i];
        p.Value(Indexed("pub_Lat", i), point.pub_Lat);
        p.Value(Indexed("pub_Lon", i), point.pub_Lon);
        p.Value(Indexed("pub_Hgt", i), point.pub_Hgt);
        p.Value(Indexed("pub_X", i), point.pub_X);
        p.Value(Indexed("pub_Y", i), point.pub_Y);
        p.Value(Indexed("pub_Z", i), point.pub_Z);
        p.Value(Indexed("pub_Northing", i), point.pub_Northing);
        p.Value(Indexed("pub_Easting", i), point.pub_Easting);
        p.Integer(Indexed("pub_Zone", i), point.pub_Zone);
        p.Text(Indexed("pub_GridSystem", i), point.pub_GridSystem);
        p.Datum(Indexed("pub_Datum", i), point.pub_Datum);
        p.Text(Indexed("pub_DatumOption", i), point.pub_DatumOption);
    }
    for (int i = 0; i < 3; ++i) p.Text(Indexed("pub_Name", i), state.pub_Name[i]);
    p.Text("pub_Mode", model::ModeText(state.pub_Mode));
    p.Text("pub_SpecialOption", model::SpecialTransformationText(state.pub_SpecialOption));
    p.Value("pub_TrueDist", state.pub_TrueDist);
    p.Value("pub_TrueBrg(0)", state.pub_TrueBrg[0]);
    p.Value("pub_TrueBrg(1)", state.pub_TrueBrg[1]);
    p.Value("pub_TrueDN", state.pub_TrueDN);
    p.Value("pub_TrueDE", state.pub_TrueDE);
    p.Value("pub_DeltaHgt", state.pub_DeltaHgt);
    p.Value("pub_DeltaX", state.pub_DeltaX);
    p.Value("pub_DeltaY", state.pub_DeltaY);
    p.Value("pub_DeltaZ", state.pub_DeltaZ);
    p.Value("pub_DeltaXYZ", state.pub_DeltaXYZ);
    p.Value("pub_GridDist", state.pub_GridDist);
    p.Value("pub_GridBrg(0)", state.pub_GridBrg[0]);
    p.Value("pub_GridBrg(1)", state.pub_GridBrg[1]);
    p.Value("pub_GridDN", state.pub_GridDN);
    p.Value("pub_GridDE", state.pub_GridDE);
    for (int k = 0; k < 6; ++k) p.Flag(Indexed("pub_Display", k), state.pub_Display[k]);
    p.Flag("pub_SouthLat_Default", state.pub_SouthLat_Default);
    p.Flag("pub_WestLong_Default", state.pub_WestLong_Default);
    const text::DisplayFormats& f = state.formats;
    p.Format("pub_GeogFormat", f.pub_GeogFormat);
    p.Format("pub_HgtFormat", f.pub_HgtFormat);
    p.Format("pub_CartFormat", f.pub_CartFormat);
    p.Format("pub_GridFormat", f.pub_GridFormat);
    p.Format("pub_DistFormat", f.pub_DistFormat);
    p.Format("pub_BrgFormat", f.pub_BrgFormat);
    p.Format("pub_GCFormat", f.pub_GCFormat);
    p.Text("MainWindowTag", state.MainWindowTag);
    p.Integer("MainWindowHeight", state.MainWindowHeight);
    p.Integer("MainWindowWidth", state.MainWindowWidth);
}

}  // namespace cli

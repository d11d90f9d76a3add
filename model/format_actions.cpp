#include "model/format_actions.h"

#include "model/guard.h"
#include "model/pipeline.h"
#include "model/program.h"
#include "model/state_access.h"
#include "text/angle_text.h"
#include "text/number_text.h"

namespace model {

using text::AngleKind;

namespace {

void WriteValue(Program& program, text::SheetValue value) {
    using V = text::SheetValue;
    const text::DisplayFormats& f = detail::Formats(program);
    const CalcState& st = program.state;
    Sheet& sheet = program.sheet;
    const PointRecord& a = detail::Pt(program, 0);
    const PointRecord& b = detail::Pt(program, 1);
    auto per_point = [&](Row first, auto text_of) {
        for (int i = 0; i < 2; ++i) sheet[At(first, i)].text = text_of(detail::Pt(program, i));
    };
    switch (value) {
        case V::Lat:
            per_point(Row::Lat0, [&](const PointRecord& p) { return text::FormatLatLon(p.pub_Lat, AngleKind::Latitude, false, f.pub_GeogFormat); });
            break;
        case V::Lon:
            per_point(Row::Lon0, [&](const PointRecord& p) { return text::FormatLatLon(p.pub_Lon, AngleKind::Longitude, false, f.pub_GeogFormat); });
            break;
        case V::TrueBrg:
            for (std::size_t i = 0; i < 2; ++i)
                sheet[At(Row::TrueBrg0, static_cast<int>(i))].text = text::FormatBearing(st.pub_TrueBrg[i], f.pub_BrgFormat);
            break;
        case V::GridBrg:
            for (std::size_t i = 0; i < 2; ++i)
                sheet[At(Row::GridBrg0, static_cast<int>(i))].text = text::FormatBearing(st.pub_GridBrg[i], f.pub_BrgFormat);
            break;
        case V::Hgt: per_point(Row::EllHgt0, [&](const PointRecord& p) { return text::FormatValue(p.pub_Hgt, f.pub_HgtFormat); }); break;
        case V::X: per_point(Row::X0, [&](const PointRecord& p) { return text::FormatValue(p.pub_X, f.pub_CartFormat); }); break;
        case V::Y: per_point(Row::Y0, [&](const PointRecord& p) { return text::FormatValue(p.pub_Y, f.pub_CartFormat); }); break;
        case V::Z: per_point(Row::Z0, [&](const PointRecord& p) { return text::FormatValue(p.pub_Z, f.pub_CartFormat); }); break;
        case V::DeltaX: sheet[Row::DeltaX].text = text::FormatValue(st.pub_DeltaX, f.pub_CartFormat); break;
        case V::DeltaY: sheet[Row::DeltaY].text = text::FormatValue(st.pub_DeltaY, f.pub_CartFormat); break;
        case V::DeltaZ: sheet[Row::DeltaZ].text = text::FormatValue(st.pub_DeltaZ, f.pub_CartFormat); break;
        case V::DeltaXYZ: sheet[Row::DeltaXYZ].text = text::FormatValue(st.pub_DeltaXYZ, f.pub_CartFormat); break;
        case V::XDifference: sheet[Row::dx].text = text::FormatValue(b.pub_X - a.pub_X, f.pub_CartFormat); break;
        case V::YDifference: sheet[Row::dy].text = text::FormatValue(b.pub_Y - a.pub_Y, f.pub_CartFormat); break;
        case V::ZDifference: sheet[Row::dz].text = text::FormatValue(b.pub_Z - a.pub_Z, f.pub_CartFormat); break;
        case V::Northing: per_point(Row::Northing0, [&](const PointRecord& p) { return text::FormatValue(p.pub_Northing, f.pub_GridFormat); }); break;
        case V::Easting: per_point(Row::Easting0, [&](const PointRecord& p) { return text::FormatValue(p.pub_Easting, f.pub_GridFormat); }); break;
        case V::NorthingDifference:
            sheet[Row::DeltaNorthing].text = text::FormatValue(b.pub_Northing - a.pub_Northing, f.pub_GridFormat);
            break;
        case V::EastingDifference:
            sheet[Row::DeltaEasting].text = text::FormatValue(b.pub_Easting - a.pub_Easting, f.pub_GridFormat);
            break;
        case V::TrueDist: sheet[Row::TrueDist].text = text::FormatValue(st.pub_TrueDist, f.pub_DistFormat); break;
        case V::GridDist: sheet[Row::GridDist].text = text::FormatValue(st.pub_GridDist, f.pub_DistFormat); break;
        case V::GreatCircleDist:
        case V::RhumbLineDist: break;  // converted through their label texts in FormatDialogOK
    }
}

}  // namespace

std::optional<text::FormatDialog> OpenFormatDialog(Program& program, DialogKind kind) {
    std::optional<text::FormatDialog> dialog;
    switch (kind) {
        case DialogKind::GeographicFormat:
            dialog = text::OpenFormatDialog(program.state.formats, text::FormatDialogKind::Geographic);
            break;
        case DialogKind::BearingFormat:
            dialog = text::OpenFormatDialog(program.state.formats, text::FormatDialogKind::Bearing);
            break;
        case DialogKind::DistanceFormat:
            dialog = text::OpenFormatDialog(program.state.formats, text::FormatDialogKind::Length,
                                            program.state.MainWindowTag);
            break;
        default: break;
    }
    if (dialog) program.window.enabled = false;
    return dialog;
}

std::string FormatExample(const Program& program, const text::FormatDialog& dialog) {
    text::ExampleValues values;
    values.point_a_longitude = detail::Pt(program, 0).pub_Lon;
    values.true_bearing_ab = program.state.pub_TrueBrg[0];
    return text::ExampleText(dialog, values);
}

bool FormatDialogOK(Program& program, const text::FormatDialog& dialog) {
    return detail::Guarded(program, [&] {
        const text::FormatRecord* old_record = text::EditedRecord(program.state.formats, dialog.kind, dialog.mode);
        if (!old_record) return;
        const text::FormatRecord before = *old_record;
        // A value the last change blanked (" n/a ") stays blank: the state may still
        // hold the number from before that change, and a blank great-circle label
        // would read as a distance of 0.
        const Sheet shown = program.sheet;
        text::StoreFormat(dialog, program.state.formats);
        for (text::SheetValue value : text::ValuesRewrittenOnOk(dialog)) {
            if (value == text::SheetValue::GreatCircleDist || value == text::SheetValue::RhumbLineDist) {
                const Row row = value == text::SheetValue::GreatCircleDist ? Row::GrCircleDist : Row::RhLineDist;
                program.sheet[row].text = text::ConvertGreatCircleLabel(program.sheet[row].text, before, dialog.record);
            } else {
                WriteValue(program, value);
            }
        }
        for (std::size_t k = 0; k < kRowCount; ++k)
            if (shown.rows[k].text == " n/a ") program.sheet.rows[k].text = " n/a ";
        if (detail::PointAOnSpecialGrid(program)) WriteUnknownPointARows(program);
    });
}

}  // namespace model

#include "ui/dialogs.h"

#include <QLabel>

#include "model/dialogs.h"
#include "text/run_action.h"
#include "twopoint_version.h"
#include "ui/datum_window.h"
#include "ui/dialog_parts.h"
#include "ui/form_dialog.h"
#include "ui/format_dialog.h"
#include "ui/grid_system_window.h"
#include "ui/manual_window.h"
#include "ui/qt_platform.h"
#include "ui/schedule_window.h"
#include "ui/user_datum_window.h"

namespace ui {

void Guard(model::Program& program, const std::function<void()>& work) {
    text::RunAction(program.platform.notices, work);
}

namespace {

using model::Field;

std::string Text(const QLineEdit* box) { return FromQt(box->text()); }

void RunGeographic(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::GeographicDialog d = model::OpenGeographicDialog(program, request.point);
    FormDialog f(parent, "EditGeog", d.caption, d.header);
    TextBox* lat = f.Box("txtLat", "Latitude", d.latitude);
    TextBox* lon = f.Box("txtLon", "Longitude", d.longitude);
    TextBox* hgt = f.Box("txtEllHgt", "Height above ellipsoide", d.height);
    auto pull = [&] {
        d.latitude = Text(lat);
        d.longitude = Text(lon);
        d.height = Text(hgt);
    };
    QObject::connect(lat, &TextBox::left, lat, [&] {
        Guard(program, [&] { pull(); model::LeaveLatitude(program, d); lat->setText(ToQt(d.latitude)); });
    });
    QObject::connect(lon, &TextBox::left, lon, [&] {
        Guard(program, [&] { pull(); model::LeaveLongitude(program, d); lon->setText(ToQt(d.longitude)); });
    });
    f.Finish(program, [&] { pull(); return model::GeographicDialogOK(program, d); });
    f.Run(FieldWidget(request.focus, {{Field::Longitude, lon}, {Field::Height, hgt}}, lat), opened);
}

void RunGrid(QWidget* parent, model::Program& program, const model::DialogRequest& request,
             const std::function<void()>& opened) {
    model::GridDialog d = model::OpenGridDialog(program, request.point);
    FormDialog f(parent, "EditGrid", d.caption, d.header);
    TextBox* northing = f.Box("txtNorthing", "Northing", d.northing);
    TextBox* easting = f.Box("txtEasting", "Easting", d.easting);
    f.Finish(program, [&] {
        d.northing = Text(northing);
        d.easting = Text(easting);
        return model::GridDialogOK(program, d);
    });
    f.Run(FieldWidget(request.focus, {{Field::Easting, easting}}, northing), opened);
}

void RunCartesian(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                  const std::function<void()>& opened) {
    model::CartesianDialog d = model::OpenCartesianDialog(program, request.point);
    FormDialog f(parent, "EditCart", d.caption, d.header);
    TextBox* x = f.Box("txtX", "X", d.x);
    TextBox* y = f.Box("txtY", "Y", d.y);
    TextBox* z = f.Box("txtZ", "Z", d.z);
    f.Finish(program, [&] {
        d.x = Text(x);
        d.y = Text(y);
        d.z = Text(z);
        return model::CartesianDialogOK(program, d);
    });
    f.Run(FieldWidget(request.focus, {{Field::Y, y}, {Field::Z, z}}, x), opened);
}

void RunName(QWidget* parent, model::Program& program, const model::DialogRequest& request,
             const std::function<void()>& opened) {
    model::NameDialog d = model::OpenNameDialog(program, request.point);
    FormDialog f(parent, "EditName", d.caption, d.header);
    TextBox* name = f.Box("txtName", "Name", d.name);
    f.Finish(program, [&] {
        d.name = Text(name);
        return model::NameDialogOK(program, d);
    });
    f.Run(name, opened);
}

void RunTrueOffset(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::TrueOffsetDialog d = model::OpenTrueOffsetDialog(program);
    FormDialog f(parent, "EditTrueOffset", d.caption, "");
    TextBox* range = f.Box("txtTrueRange", "True Range", d.range);
    std::array<TextBox*, 2> bearing{f.Box("txtTrueBrg(0)", "True Bearing A to B", d.bearing[0]),
                                    f.Box("txtTrueBrg(1)", "True Bearing B to A", d.bearing[1])};
    auto freeze = f.FreezeButtons(d.frozen);
    auto pull = [&] {
        d.range = Text(range);
        for (std::size_t k = 0; k < 2; ++k) d.bearing[k] = Text(bearing[k]);
    };
    auto show = [&] {
        range->setText(ToQt(d.range));
        for (std::size_t k = 0; k < 2; ++k) {
            bearing[k]->setText(ToQt(d.bearing[k]));
            bearing[k]->setEnabled(d.bearing_enabled[k]);
            freeze[k]->setChecked(d.frozen == static_cast<int>(k));
        }
    };
    show();
    for (int k = 0; k < 2; ++k) {
        QObject::connect(freeze[static_cast<std::size_t>(k)], &QRadioButton::clicked, &f, [&, k] {
            Guard(program, [&] { pull(); model::ChooseTrueFreeze(d, k); show(); });
        });
        QObject::connect(bearing[static_cast<std::size_t>(k)], &TextBox::left, &f, [&, k] {
            Guard(program, [&] { pull(); model::LeaveTrueBearing(program, d, k); show(); });
        });
    }
    f.Finish(program, [&] { pull(); return model::TrueOffsetDialogOK(program, d); });
    f.Run(FieldWidget(request.focus, {{Field::TrueBearingAB, bearing[0]}, {Field::TrueBearingBA, bearing[1]}}, range),
          opened);
}

void RunGridOffset(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::GridOffsetDialog d = model::OpenGridOffsetDialog(program);
    FormDialog f(parent, "EditGridOffset", d.caption, "");
    TextBox* range = f.Box("txtGridRange", "Grid Range", d.range);
    std::array<TextBox*, 2> bearing{f.Box("txtGridBrg(0)", "Grid Bearing A to B", d.bearing[0]),
                                    f.Box("txtGridBrg(1)", "Grid Bearing B to A", d.bearing[1])};
    auto freeze = f.FreezeButtons(d.frozen);
    auto pull = [&] {
        d.range = Text(range);
        for (std::size_t k = 0; k < 2; ++k) d.bearing[k] = Text(bearing[k]);
    };
    auto show = [&] {
        range->setText(ToQt(d.range));
        for (std::size_t k = 0; k < 2; ++k) bearing[k]->setText(ToQt(d.bearing[k]));
    };
    for (int k = 0; k < 2; ++k) {
        QObject::connect(freeze[static_cast<std::size_t>(k)], &QRadioButton::clicked, &f,
                         [&, k] { d.frozen = k; });
        QObject::connect(bearing[static_cast<std::size_t>(k)], &TextBox::left, &f, [&, k] {
            Guard(program, [&] { pull(); model::LeaveGridBearing(program, d, k); show(); });
        });
    }
    f.Finish(program, [&] { pull(); return model::GridOffsetDialogOK(program, d); });
    f.Run(FieldWidget(request.focus, {{Field::GridBearingAB, bearing[0]}, {Field::GridBearingBA, bearing[1]}}, range),
          opened);
}

void RunCartOffset(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::CartOffsetDialog d = model::OpenCartOffsetDialog(program);
    FormDialog f(parent, "EditCartOffset", d.caption, "");
    TextBox* dx = f.Box("txtDeltaX", "Delta X", d.dx);
    TextBox* dy = f.Box("txtDeltaY", "Delta Y", d.dy);
    TextBox* dz = f.Box("txtDeltaZ", "Delta Z", d.dz);
    f.Finish(program, [&] {
        d.dx = Text(dx);
        d.dy = Text(dy);
        d.dz = Text(dz);
        return model::CartOffsetDialogOK(program, d);
    });
    f.Run(FieldWidget(request.focus, {{Field::DeltaY, dy}, {Field::DeltaZ, dz}}, dx), opened);
}

constexpr const char* kAboutLicence = "Free software under the MIT License (the file LICENSE).";
constexpr const char* kAboutDataSources =
    "Data sources: the North Sea and datum parameters from the EPSG Geodetic Parameter Dataset "
    "(IOGP, used and redistributed under its terms of use); the local datums and ellipsoids of "
    "NIMA TR8350.2 (US government work, public domain); the EGM96 geoid grid of NGA and NASA "
    "(public domain).";

void RunAbout(QWidget* parent, model::Program& program, const std::function<void()>& opened) {
    program.window.enabled = false;
    ModalDialog dialog(parent, "frmAbout", QString("About ") + model::kProgramTitle);
    QVBoxLayout* layout = dialog.column();
    auto* title = new QLabel(model::kProgramTitle, &dialog);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    title->setFont(big);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    auto* version = new QLabel(model::kVersionText, &dialog);
    version->setObjectName("lblVersion");
    layout->addWidget(version, 0, Qt::AlignHCenter);
    auto* release = new QLabel(QString("Version ") + TWOPOINT_VERSION, &dialog);
    release->setObjectName("lblRelease");
    layout->addWidget(release, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel("Geodetic calculator: range and bearing, datum shift", &dialog), 0, Qt::AlignHCenter);
    layout->addSpacing(TwipsToPixels(120));
    auto* licence = new QLabel(kAboutLicence, &dialog);
    licence->setObjectName("lblLicence");
    layout->addWidget(licence, 0, Qt::AlignHCenter);
    auto* sources = new QLabel(kAboutDataSources, &dialog);
    sources->setObjectName("lblDataSources");
    sources->setWordWrap(true);
    sources->setMinimumWidth(TwipsToPixels(6000));
    layout->addWidget(sources);
    QPushButton* ok = dialog.AddButton("OK", "cmdOK");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.CentreButtons();
    dialog.Run(nullptr, opened);
}

}  // namespace

bool RunDialog(QWidget* parent, model::Program& program, const model::DialogRequest& request,
               const std::function<void()>& opened) {
    bool known = true;
    Guard(program, [&] {
        switch (request.kind) {
            case model::DialogKind::Geographic: RunGeographic(parent, program, request, opened); break;
            case model::DialogKind::Grid: RunGrid(parent, program, request, opened); break;
            case model::DialogKind::Cartesian: RunCartesian(parent, program, request, opened); break;
            case model::DialogKind::Name: RunName(parent, program, request, opened); break;
            case model::DialogKind::TrueOffset: RunTrueOffset(parent, program, request, opened); break;
            case model::DialogKind::GridOffset: RunGridOffset(parent, program, request, opened); break;
            case model::DialogKind::CartOffset: RunCartOffset(parent, program, request, opened); break;
            case model::DialogKind::Datum: RunDatumDialog(parent, program, request, opened); break;
            case model::DialogKind::GridSystem: RunGridSystemDialog(parent, program, request, opened); break;
            case model::DialogKind::GeographicFormat:
            case model::DialogKind::BearingFormat:
            case model::DialogKind::DistanceFormat: RunFormatDialog(parent, program, request, opened); break;
            case model::DialogKind::About: RunAbout(parent, program, opened); break;
            case model::DialogKind::Manual: ShowManual(parent, FindManual(ManualFolders())); break;
            case model::DialogKind::UserDatums: RunUserDatumEditor(parent, program, opened); break;
            case model::DialogKind::RouteSchedule: RunRouteSchedule(parent, program, opened); break;
            default: known = false; break;
        }
    });
    // Every way out of a dialog, a failure included, enables the main window again.
    model::CloseDialog(program);
    return known;
}

}  // namespace ui

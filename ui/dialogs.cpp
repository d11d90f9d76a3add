#include "ui/dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/dialogs.h"
#include "model/format_actions.h"
#include "text/run_action.h"
#include "twopoint_version.h"
#include "ui/datum_window.h"
#include "ui/dialog_parts.h"
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

// The frame every point and offset dialog shares: header, labelled boxes, OK and Cancel.
struct Frame {
    QDialog dialog;
    QVBoxLayout* layout = nullptr;
    QFormLayout* form = nullptr;
    OkCancel buttons;

    Frame(QWidget* parent, const char* name, const std::string& caption, const std::string& header) : dialog(parent) {
        dialog.setObjectName(name);
        dialog.setWindowTitle(ToQt(caption));
        dialog.setModal(true);
        layout = new QVBoxLayout(&dialog);
        if (!header.empty()) {
            auto* label = new QLabel(ToQt(header), &dialog);
            label->setObjectName("lblHeader");
            layout->addWidget(label);
        }
        form = new QFormLayout;
        form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        layout->addLayout(form);
    }
    TextBox* Box(const char* name, const char* label, const std::string& text) {
        auto* box = new TextBox(name, &dialog);
        box->setText(ToQt(text));
        // The label's access key (Alt and the letter) moves to its box.
        form->addRow(WithAccessKey(label, access_keys), box);
        return box;
    }
    QString access_keys;  // the letters taken (OK and Cancel are Enter and Escape)
    // Adds OK and Cancel; OK runs `ok` and closes the dialog (a failed OK has shown its notice).
    void Finish(model::Program& program, const std::function<bool()>& ok) {
        layout->addSpacing(TwipsToPixels(120));
        buttons = MakeOkCancel(&dialog);
        layout->addWidget(buttons.row);
        QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, [this, &program, ok] {
            bool stored = false;
            Guard(program, [&] { stored = ok(); });
            if (stored) dialog.accept();
            else dialog.reject();
        });
        dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    void Run(QWidget* focus, const std::function<void()>& opened) {
        CentreOnParent(&dialog);
        focus->setFocus(Qt::OtherFocusReason);
        if (opened) opened();
        ExecModal(dialog);
    }
};

std::string Text(const QLineEdit* box) { return FromQt(box->text()); }

void RunGeographic(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::GeographicDialog d = model::OpenGeographicDialog(program, request.point);
    Frame f(parent, "EditGeog", d.caption, d.header);
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
    Frame f(parent, "EditGrid", d.caption, d.header);
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
    Frame f(parent, "EditCart", d.caption, d.header);
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
    Frame f(parent, "EditName", d.caption, d.header);
    TextBox* name = f.Box("txtName", "Name", d.name);
    f.Finish(program, [&] {
        d.name = Text(name);
        return model::NameDialogOK(program, d);
    });
    f.Run(name, opened);
}

// optFreeze(0) and optFreeze(1) under the boxes.
std::array<QRadioButton*, 2> FreezeButtons(Frame& f, int frozen) {
    std::array<QRadioButton*, 2> buttons{};
    auto* group = new QButtonGroup(&f.dialog);
    for (int k = 0; k < 2; ++k) {
        buttons[static_cast<std::size_t>(k)] =
            new QRadioButton(k == 0 ? "  Freeze Point A" : "  Freeze Point B", &f.dialog);
        buttons[static_cast<std::size_t>(k)]->setObjectName(QString("optFreeze(%1)").arg(k));
        group->addButton(buttons[static_cast<std::size_t>(k)], k);
        f.layout->addWidget(buttons[static_cast<std::size_t>(k)]);
    }
    buttons[static_cast<std::size_t>(frozen == 1 ? 1 : 0)]->setChecked(true);
    return buttons;
}

void RunTrueOffset(QWidget* parent, model::Program& program, const model::DialogRequest& request,
                   const std::function<void()>& opened) {
    model::TrueOffsetDialog d = model::OpenTrueOffsetDialog(program);
    Frame f(parent, "EditTrueOffset", d.caption, "");
    TextBox* range = f.Box("txtTrueRange", "True Range", d.range);
    std::array<TextBox*, 2> bearing{f.Box("txtTrueBrg(0)", "True Bearing A to B", d.bearing[0]),
                                    f.Box("txtTrueBrg(1)", "True Bearing B to A", d.bearing[1])};
    auto freeze = FreezeButtons(f, d.frozen);
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
        QObject::connect(freeze[static_cast<std::size_t>(k)], &QRadioButton::clicked, &f.dialog, [&, k] {
            Guard(program, [&] { pull(); model::ChooseTrueFreeze(d, k); show(); });
        });
        QObject::connect(bearing[static_cast<std::size_t>(k)], &TextBox::left, &f.dialog, [&, k] {
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
    Frame f(parent, "EditGridOffset", d.caption, "");
    TextBox* range = f.Box("txtGridRange", "Grid Range", d.range);
    std::array<TextBox*, 2> bearing{f.Box("txtGridBrg(0)", "Grid Bearing A to B", d.bearing[0]),
                                    f.Box("txtGridBrg(1)", "Grid Bearing B to A", d.bearing[1])};
    auto freeze = FreezeButtons(f, d.frozen);
    auto pull = [&] {
        d.range = Text(range);
        for (std::size_t k = 0; k < 2; ++k) d.bearing[k] = Text(bearing[k]);
    };
    auto show = [&] {
        range->setText(ToQt(d.range));
        for (std::size_t k = 0; k < 2; ++k) bearing[k]->setText(ToQt(d.bearing[k]));
    };
    for (int k = 0; k < 2; ++k) {
        QObject::connect(freeze[static_cast<std::size_t>(k)], &QRadioButton::clicked, &f.dialog,
                         [&, k] { d.frozen = k; });
        QObject::connect(bearing[static_cast<std::size_t>(k)], &TextBox::left, &f.dialog, [&, k] {
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
    Frame f(parent, "EditCartOffset", d.caption, "");
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

const char* FormatDialogName(text::FormatDialogKind kind) {
    switch (kind) {
        case text::FormatDialogKind::Geographic: return "Format_Geographic";
        case text::FormatDialogKind::Bearing: return "Format_Bearing";
        case text::FormatDialogKind::Length: break;
    }
    return "Format_Distance";
}

bool RunFormat(QWidget* parent, model::Program& program, const model::DialogRequest& request,
               const std::function<void()>& opened) {
    std::optional<text::FormatDialog> opened_dialog = model::OpenFormatDialog(program, request.kind);
    if (!opened_dialog) return true;  // an unknown kind word loads nothing
    text::FormatDialog& d = *opened_dialog;
    QDialog dialog(parent);
    dialog.setObjectName(FormatDialogName(d.kind));
    dialog.setWindowTitle(ToQt(d.title));
    dialog.setModal(true);
    auto* layout = new QVBoxLayout(&dialog);
    if (!d.information.empty()) {
        auto* information = new QLabel(ToQt(d.information), &dialog);
        information->setObjectName("lblInformation");
        layout->addWidget(information);
    }
    auto* options_box = new QGroupBox(&dialog);
    auto* options_layout = new QVBoxLayout(options_box);
    auto* options = new QButtonGroup(&dialog);
    const auto& table = text::FormatOptions(d.kind);
    for (std::size_t k = 0; k < table.size(); ++k) {
        auto* option = new QRadioButton(ToQt(table[k].caption), options_box);
        option->setObjectName(QString("optOption(%1)").arg(k));
        options->addButton(option, static_cast<int>(k));
        options_layout->addWidget(option);
    }
    layout->addWidget(options_box);
    if (d.kind == text::FormatDialogKind::Geographic) {
        auto* note = new QLabel(text::kGeographicUnitNote, &dialog);
        note->setObjectName("lblNote");
        layout->addWidget(note);
    }
    auto* form = new QFormLayout;
    auto* decimals = new QComboBox(&dialog);
    decimals->setObjectName("lstDecimals");
    decimals->setMinimumWidth(TwipsToPixels(900));
    form->addRow(text::kDecimalsCaption, decimals);
    auto* example = new QLabel(&dialog);
    example->setObjectName("lblExample");
    example->setTextFormat(Qt::PlainText);
    example->setMinimumWidth(TwipsToPixels(3000));
    form->addRow(text::kExampleCaption, example);
    layout->addLayout(form);
    layout->addSpacing(TwipsToPixels(120));
    OkCancel buttons = MakeOkCancel(&dialog);
    layout->addWidget(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto show = [&] {
        const QSignalBlocker block_options(options);
        const QSignalBlocker block_decimals(decimals);
        if (QAbstractButton* option = options->button(d.record.Option)) option->setChecked(true);
        decimals->clear();
        for (int n : d.decimals_offered) decimals->addItem(QString::number(n));
        decimals->setCurrentIndex(d.record.Decimals < decimals->count() ? d.record.Decimals : -1);
        example->setText(ToQt(model::FormatExample(program, d)));
    };
    show();
    QObject::connect(options, &QButtonGroup::idClicked, &dialog, [&](int k) {
        Guard(program, [&] { text::ChooseOption(d, k); show(); });
    });
    QObject::connect(decimals, &QComboBox::activated, &dialog, [&](int index) {
        Guard(program, [&] { text::ChooseDecimals(d, index); show(); });
    });
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, [&] {
        bool stored = false;
        Guard(program, [&] { stored = model::FormatDialogOK(program, d); });
        if (stored) dialog.accept();
        else dialog.reject();
    });
    CentreOnParent(&dialog);
    if (QAbstractButton* option = options->button(d.record.Option)) option->setFocus();
    if (opened) opened();
    ExecModal(dialog);
    return true;
}

constexpr const char* kAboutLicence = "Free software under the MIT License (the file LICENSE).";
constexpr const char* kAboutDataSources =
    "Data sources: the North Sea and datum parameters from the EPSG Geodetic Parameter Dataset "
    "(IOGP, used and redistributed under its terms of use); the local datums and ellipsoids of "
    "NIMA TR8350.2 (US government work, public domain); the EGM96 geoid grid of NGA and NASA "
    "(public domain).";

void RunAbout(QWidget* parent, model::Program& program, const std::function<void()>& opened) {
    program.window.enabled = false;
    QDialog dialog(parent);
    dialog.setObjectName("frmAbout");
    dialog.setWindowTitle(QString("About ") + model::kProgramTitle);
    auto* layout = new QVBoxLayout(&dialog);
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
    layout->addSpacing(TwipsToPixels(120));
    auto* ok = new QPushButton("OK", &dialog);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CentreOnParent(&dialog);
    if (opened) opened();
    ExecModal(dialog);
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
            case model::DialogKind::DistanceFormat: RunFormat(parent, program, request, opened); break;
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

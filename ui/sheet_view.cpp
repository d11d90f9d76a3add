#include "ui/sheet_view.h"

#include <QMouseEvent>

#include "ui/qt_platform.h"

namespace ui {

namespace {

using model::Row;

// Pixels at 96 dots per inch, scaled to this screen like the twips of the model.
int Px(int pixels_at_96) { return TwipsToPixels(pixels_at_96 * 15); }

constexpr int kHeaderLines = 8;
constexpr int kFirstGroupTopTwips = 480;

// Column geometry at 96 dots per inch.
constexpr int kMargin = 6;
constexpr int kLabelWidth = 88;
constexpr int kPointX = 92;
constexpr int kPointWidth = 136;
constexpr int kMiddleX = 238;
constexpr int kMiddleLabelWidth = 50;
constexpr int kMiddleValueWidth = 120;

QColor QtColour(model::Colour c) { return QColor(c.red, c.green, c.blue); }

struct GroupLine {
    Row first;
    int line;
};

}  // namespace

RowLabel::RowLabel(model::Row row, QWidget* parent) : QLabel(parent), row_(row) {
    setObjectName(model::RowName(row));
    setTextFormat(Qt::PlainText);
}

void RowLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released(row_, model::MouseButton::Left);
    else if (event->button() == Qt::RightButton) emit released(row_, model::MouseButton::Right);
    QLabel::mouseReleaseEvent(event);
}

int SheetView::HeaderBandHeight() {
    const int line = std::max(Px(18), QFontMetrics(QFont()).height() + Px(3));
    return kHeaderLines * line + Px(6) - TwipsToPixels(kFirstGroupTopTwips);
}

SheetView::SheetView(QWidget* parent) : QWidget(parent) {
    setObjectName("Vindel");
    setAutoFillBackground(true);
    line_height_ = std::max(Px(18), fontMetrics().height() + Px(3));
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        if (row == Row::UTMAutomatic0 || row == Row::UTMAutomatic1) {
            auto* box = new QCheckBox(this);
            box->setObjectName(model::RowName(row));
            const int i = row == Row::UTMAutomatic1 ? 1 : 0;
            utm_automatic_[static_cast<std::size_t>(i)] = box;
            // The model keeps the tick; the box only reports the click and is then re-rendered.
            connect(box, &QCheckBox::clicked, this, [this, i] { emit utmAutomaticClicked(i); });
            widgets_[k] = box;
            continue;
        }
        auto* label = new RowLabel(row, this);
        connect(label, &RowLabel::released, this, &SheetView::rowReleased);
        widgets_[k] = label;
    }
    QFont bold = font();
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(font().pointSizeF() * 1.15);
    RowWidget(Row::Title)->setFont(title);
    for (Row r : {Row::ColumnHeading0, Row::ColumnHeading1, Row::Datum0, Row::Datum1}) RowWidget(r)->setFont(bold);
    for (int k = 0; k < 6; ++k) RowWidget(model::CaptionRow(k))->setFont(bold);

    // The captions naming the values of each line of a group.
    auto caption = [this](const char* text, int group, int line, Caption::In column, int x, int width,
                          bool is_heading = false) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setTextFormat(Qt::PlainText);
        if (is_heading) {
            QFont f = font();
            f.setBold(true);
            label->setFont(f);
            const model::Colour colour =
                column == Caption::In::DatumShift ? model::kDatumShiftColour : model::kOffsetColour;
            label->setStyleSheet(QString("color: %1").arg(QtColour(colour).name()));
        }
        label->setGeometry(Px(x), 0, Px(width), line_height_);
        captions_.push_back({label, group, line, column});
    };
    using In = Caption::In;
    const int sub1 = kMiddleX, sub2 = kMiddleX + kMiddleLabelWidth + kMiddleValueWidth + 6;
    const int ds = kMiddleX + 70;
    struct Names { int group; std::array<const char*, 3> point, sub1, sub2, ds; const char* heading1; const char* heading2; const char* ds_heading; };
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
    for (const Names& n : names) {
        for (int line = 0; line < 3; ++line) {
            if (n.point[line]) caption(n.point[line], n.group, line + 1, In::Always, kMargin + 4, kLabelWidth - 8);
            if (n.sub1[line]) caption(n.sub1[line], n.group, line + 1, In::Offset, sub1, kMiddleLabelWidth);
            if (n.sub2[line]) caption(n.sub2[line], n.group, line + 1, In::Offset, sub2, kMiddleLabelWidth);
            if (n.ds[line]) caption(n.ds[line], n.group, line + 1, In::DatumShift, ds, kMiddleLabelWidth);
        }
        if (n.heading1) caption(n.heading1, n.group, 0, In::Offset, sub1, kMiddleLabelWidth + kMiddleValueWidth, true);
        if (n.heading2) caption(n.heading2, n.group, 0, In::Offset, sub2, kMiddleLabelWidth + kMiddleValueWidth, true);
        if (n.ds_heading) caption(n.ds_heading, n.group, 0, In::DatumShift, ds, 200, true);
    }
    PlaceAll();
}

void SheetView::PlaceAll() {
    auto at = [this](Row row, int x, int width, int line, bool header, Qt::Alignment align) {
        places_[static_cast<std::size_t>(row)] = {x, width, line, header, align};
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // The header band: the title, then each point's name, datum and grid system in its half.
    at(Row::Title, kMargin, 400, 0, true, left);
    at(Row::Name2, 0, 0, 0, true, right);  // placed from the width in Render
    for (int i = 0; i < 2; ++i) {
        at(model::At(Row::ColumnHeading0, i), 0, 0, 1, true, left);
        at(model::At(Row::NameLabel0, i), 0, 0, 2, true, left);
        at(model::At(Row::Name0, i), 0, 0, 2, true, left);
        at(model::At(Row::Datum0, i), 0, 0, 3, true, left);
        at(model::At(Row::DatumInfo0, i), 0, 0, 4, true, left);
        at(model::At(Row::Area0, i), 0, 0, 5, true, left);
        at(model::At(Row::GridSystem0, i), 0, 0, 6, true, left);
        at(model::At(Row::Zone0, i), 0, 0, 7, true, left);
        at(model::At(Row::UTMAutomatic0, i), 0, 0, 7, true, left);
    }
    // The groups: caption on line 0, values on lines 1 to 3.
    for (int k = 0; k < 6; ++k) at(model::CaptionRow(k), kMargin, kLabelWidth + kPointWidth, 0, false, left);
    const GroupLine point_rows[] = {
        {Row::Lat0, 1}, {Row::Lon0, 2}, {Row::EllHgt0, 3}, {Row::X0, 1}, {Row::Y0, 2}, {Row::Z0, 3},
        {Row::Northing0, 1}, {Row::Easting0, 2}, {Row::ScaleFactor0, 1}, {Row::Convergence0, 2},
        {Row::NRadius0, 1}, {Row::MRadius0, 2}, {Row::GeoideHgt0, 1}, {Row::GeoideUndulation0, 2},
    };
    for (const GroupLine& p : point_rows) {
        at(p.first, kPointX, kPointWidth, p.line, false, right);
        at(model::At(p.first, 1), 0, kPointWidth, p.line, false, right);  // x from the width
    }
    const int sub1 = kMiddleX + kMiddleLabelWidth;
    const int sub2 = kMiddleX + 2 * kMiddleLabelWidth + kMiddleValueWidth + 6;
    const GroupLine first_block[] = {
        {Row::TrueDist, 1}, {Row::TrueBrg0, 2}, {Row::TrueBrg1, 3}, {Row::DeltaX, 1}, {Row::DeltaY, 2},
        {Row::DeltaZ, 3}, {Row::GridDist, 1}, {Row::GridBrg0, 2}, {Row::GridBrg1, 3},
        {Row::GrCircleDist, 1}, {Row::GrCircleBrg, 2}, {Row::RhLineDist, 1}, {Row::RhLineBrg, 2},
    };
    for (const GroupLine& p : first_block) at(p.first, sub1, kMiddleValueWidth, p.line, false, right);
    const GroupLine second_block[] = {
        {Row::TrueDN, 1}, {Row::TrueDE, 2}, {Row::DHgt, 3}, {Row::DeltaXYZ, 1}, {Row::GridDN, 1}, {Row::GridDE, 2},
    };
    for (const GroupLine& p : second_block) at(p.first, sub2, kMiddleValueWidth, p.line, false, right);
    const GroupLine deviations[] = {
        {Row::DeltaLat, 1}, {Row::DeltaLon, 2}, {Row::DeltaHgt, 3}, {Row::dx, 1}, {Row::dy, 2}, {Row::dz, 3},
        {Row::DeltaNorthing, 1}, {Row::DeltaEasting, 2},
    };
    for (const GroupLine& p : deviations)
        at(p.first, kMiddleX + 70 + kMiddleLabelWidth + 10, kPointWidth, p.line, false, right);
}

QLabel* SheetView::RowWidget(model::Row row) const {
    return qobject_cast<QLabel*>(widgets_[static_cast<std::size_t>(row)]);
}

QPoint SheetView::RowCentre(model::Row row) const {
    const QWidget* w = widgets_[static_cast<std::size_t>(row)];
    return w->geometry().center();
}

void SheetView::Render(const model::Sheet& sheet, bool datum_shift_layout) {
    const int header_height = kHeaderLines * line_height_ + Px(6);
    const int width_px = width();
    const int half = width_px / 2;
    const int half_width = half - Px(kMargin) * 2;
    // Places that follow the window's width and the layout of the mode.
    // Point A's half reads from the left edge, Point B's from the right edge, over their columns.
    const QFontMetrics metrics(font());
    for (int i = 0; i < 2; ++i) {
        const int x = i == 0 ? Px(kMargin) : half + Px(kMargin);
        const Qt::Alignment align = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        auto set = [&](Row first, int dx, int w, int line) {
            Place& p = places_[static_cast<std::size_t>(model::At(first, i))];
            p.x = -(x + dx);  // negative: already in pixels
            p.width = w;
            p.line = line;
            p.align = align;
        };
        // The area line is there only in the datum-shift modes.
        const int grid_line = datum_shift_layout ? 6 : 5;
        set(Row::ColumnHeading0, 0, half_width, 1);
        set(Row::Datum0, 0, half_width, 3);
        set(Row::DatumInfo0, 0, half_width, 4);
        set(Row::Area0, 0, half_width, 5);
        set(Row::GridSystem0, 0, half_width, grid_line);
        const int label_width = Px(50);
        if (datum_shift_layout) {
            set(Row::NameLabel0, 0, half_width, 2);
        } else if (i == 0) {
            set(Row::NameLabel0, 0, label_width, 2);
        } else {
            const int name_width = metrics.horizontalAdvance(ToQt(sheet.Text(Row::Name1))) + Px(4);
            set(Row::NameLabel0, std::max(0, half_width - name_width - label_width), label_width, 2);
            places_[static_cast<std::size_t>(Row::NameLabel1)].align = Qt::AlignLeft | Qt::AlignVCenter;
        }
        set(Row::Name0, label_width, half_width - label_width, 2);
        const int box_width = Px(146);
        set(Row::Zone0, 0, half_width - box_width - Px(8), grid_line + 1);
        set(Row::UTMAutomatic0, half_width - box_width, box_width, grid_line + 1);
        places_[static_cast<std::size_t>(model::At(Row::UTMAutomatic0, i))].align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    Place& name2 = places_[static_cast<std::size_t>(Row::Name2)];
    name2.x = -half;
    name2.width = half - Px(kMargin);
    for (Row first : {Row::Lat0, Row::Lon0, Row::EllHgt0, Row::X0, Row::Y0, Row::Z0, Row::Northing0, Row::Easting0,
                      Row::ScaleFactor0, Row::Convergence0, Row::NRadius0, Row::MRadius0, Row::GeoideHgt0,
                      Row::GeoideUndulation0}) {
        Place& p = places_[static_cast<std::size_t>(model::At(first, 1))];
        p.x = -(width_px - Px(kMargin) - Px(kPointWidth));
        p.width = Px(kPointWidth);
    }

    std::array<int, 6> group_top{};
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        const model::SheetRow& r = sheet.rows[k];
        QWidget* w = widgets_[k];
        const Place& place = places_[k];
        const int group = model::GroupOf(row);
        const int top = place.header ? 0 : header_height + TwipsToPixels(r.top - kFirstGroupTopTwips);
        if (group >= 0 && row == model::CaptionRow(group)) group_top[static_cast<std::size_t>(group)] = top;
        const int x = place.x < 0 ? -place.x : Px(place.x);
        const int w_px = place.x < 0 || row == Row::Name2 ? place.width : Px(place.width);
        w->setGeometry(x, top + place.line * line_height_, w_px, line_height_);
        const QString text = ToQt(r.text);
        const QString colour = QString("color: %1").arg(QtColour(r.colour).name());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text() != text) label->setText(text);
            label->setAlignment(place.align);
            // Formatted values end with a blank, other texts (scale factor, radii, "n/a")
            // do not: a blank's width of margin lines up the right edges of a column.
            const bool right = (place.align & Qt::AlignRight) != 0;
            const int margin = right && !text.endsWith(' ') ? metrics.horizontalAdvance(' ') : 0;
            if (label->contentsMargins().right() != margin) label->setContentsMargins(0, 0, margin, 0);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            if (box->text() != text) box->setText(text);
            box->setChecked(r.checked);
        }
        if (w->styleSheet() != colour) w->setStyleSheet(colour);
        w->setEnabled(r.enabled);
        w->setVisible(r.visible);
    }
    // Name2 is the location: show it after its caption.
    if (auto* location = RowWidget(Row::Name2)) location->setText("Location :  " + ToQt(sheet.Text(Row::Name2)));
    for (const Caption& c : captions_) {
        bool visible = sheet.group_visible[static_cast<std::size_t>(c.group)];
        if (c.column == Caption::In::Offset) visible = visible && sheet.offset_column_visible;
        if (c.column == Caption::In::DatumShift) visible = visible && sheet.datum_shift_column_visible;
        QRect g = c.label->geometry();
        g.moveTop(group_top[static_cast<std::size_t>(c.group)] + c.line * line_height_);
        c.label->setGeometry(g);
        c.label->setVisible(visible);
    }
}

}  // namespace ui

#include "ui/sheet_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "model/layout.h"
#include "ui/qt_platform.h"
#include "ui/sheet_captions.h"
#include "ui/sheet_descriptions.h"

namespace ui {

namespace {

using model::Row;

constexpr int kHeaderLines = 8;
constexpr int kFirstGroupTopTwips = 480;
constexpr int kTwipsPerLine = 330;  // a display group of 1320 twips holds four lines

struct GroupLine {
    Row first;
    int line;
};

constexpr GroupLine kPointRows[] = {
    {Row::Lat0, 1}, {Row::Lon0, 2}, {Row::EllHgt0, 3}, {Row::X0, 1}, {Row::Y0, 2}, {Row::Z0, 3},
    {Row::Northing0, 1}, {Row::Easting0, 2}, {Row::ScaleFactor0, 1}, {Row::Convergence0, 2},
    {Row::NRadius0, 1}, {Row::MRadius0, 2}, {Row::GeoideHgt0, 1}, {Row::GeoideUndulation0, 2},
};
// The offset column's first block (distances and bearings) and its north/east block.
constexpr GroupLine kNearRows[] = {
    {Row::TrueDist, 1}, {Row::TrueBrg0, 2}, {Row::TrueBrg1, 3}, {Row::DeltaX, 1}, {Row::DeltaY, 2},
    {Row::DeltaZ, 3}, {Row::GridDist, 1}, {Row::GridBrg0, 2}, {Row::GridBrg1, 3},
    {Row::GrCircleDist, 1}, {Row::GrCircleBrg, 2}, {Row::RhLineDist, 1}, {Row::RhLineBrg, 2},
};
constexpr GroupLine kFarRows[] = {
    {Row::TrueDN, 1}, {Row::TrueDE, 2}, {Row::DHgt, 3}, {Row::DeltaXYZ, 1}, {Row::GridDN, 1}, {Row::GridDE, 2},
};
constexpr GroupLine kDeviationRows[] = {
    {Row::DeltaLat, 1}, {Row::DeltaLon, 2}, {Row::DeltaHgt, 3}, {Row::dx, 1}, {Row::dy, 2}, {Row::dz, 3},
    {Row::DeltaNorthing, 1}, {Row::DeltaEasting, 2},
};

bool IsValueRow(Row row) { return model::GroupOf(row) >= 0 && row != model::CaptionRow(model::GroupOf(row)); }

// A text as wide as the text can get: every digit as the font's widest digit.
int WidestAdvance(const QFontMetrics& metrics, QString text) {
    static const QString digits = "0123456789";
    QChar widest = '0';
    for (QChar d : digits)
        if (metrics.horizontalAdvance(d) > metrics.horizontalAdvance(widest)) widest = d;
    for (QChar& c : text)
        if (c.isDigit()) c = widest;
    return metrics.horizontalAdvance(text);
}

}  // namespace

RowLabel::RowLabel(model::Row row, QWidget* parent) : QLabel(parent), row_(row) {
    setObjectName(model::RowName(row));
    setTextFormat(Qt::PlainText);
}

bool RowLabel::event(QEvent* event) {
    // Ctrl+C on a focused value copies the value, not the whole sheet.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void RowLabel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        emit copyValueRequested(row_, QPoint());
        return;
    }
    // Enter or Space on a focused value acts as a left click on it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit released(row_, model::MouseButton::Left);
        return;
    }
    QLabel::keyPressEvent(event);
}

void RowLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void RowLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool shifted = (event->modifiers() & Qt::ShiftModifier) != 0;
    if (event->button() == Qt::LeftButton) emit released(row_, model::MouseButton::Left);
    else if (event->button() == Qt::RightButton && !shifted) emit released(row_, model::MouseButton::Right);
    QLabel::mouseReleaseEvent(event);
}

void RowLabel::contextMenuEvent(QContextMenuEvent* event) {
    // A plain right click is the format dialog; Shift with it, or the menu key, offers "Copy value".
    if (event->reason() == QContextMenuEvent::Mouse && !(event->modifiers() & Qt::ShiftModifier)) {
        event->accept();
        return;
    }
    emit copyValueRequested(row_, event->globalPos());
}

SheetView::SheetView(QWidget* parent) : QWidget(parent) {
    setObjectName("Vindel");
    setAutoFillBackground(true);
    slots_.fill(Slot::Header);
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
        connect(label, &RowLabel::copyValueRequested, this, [this](Row r, QPoint global) {
            if (global.isNull()) CopyValue(r);
            else OfferCopy(r, global);
        });
        widgets_[k] = label;
        if (IsValueRow(row)) label->setFocusPolicy(Qt::TabFocus);
    }
    for (int k = 0; k < 6; ++k) slots_[static_cast<std::size_t>(model::CaptionRow(k))] = Slot::GroupCaption;
    for (const GroupLine& p : kPointRows)
        for (int i = 0; i < 2; ++i) {
            const auto index = static_cast<std::size_t>(model::At(p.first, i));
            slots_[index] = i == 0 ? Slot::PointA : Slot::PointB;
            lines_[index] = p.line;
        }
    auto place = [this](const auto& table, Slot slot) {
        for (const GroupLine& p : table) {
            slots_[static_cast<std::size_t>(p.first)] = slot;
            lines_[static_cast<std::size_t>(p.first)] = p.line;
        }
    };
    place(kNearRows, Slot::Near);
    place(kFarRows, Slot::Far);
    place(kDeviationRows, Slot::Deviation);

    for (const SheetCaption& c : SheetCaptions()) {
        auto* label = new QLabel(QString::fromUtf8(c.text), this);
        label->setTextFormat(Qt::PlainText);
        captions_.push_back({label, c.group, c.line, static_cast<CaptionSlot>(c.slot)});
    }
}

int SheetView::LinePitch() const {
    const QFontMetrics metrics(font());
    return metrics.lineSpacing() + (metrics.lineSpacing() + 2) / 3;
}

int SheetView::Pixels(int twips) const {
    return static_cast<int>(twips * static_cast<double>(LinePitch()) / kTwipsPerLine + 0.5);
}

int SheetView::HeaderBandHeight() const {
    return kHeaderLines * LinePitch() + LinePitch() / 2 - Pixels(kFirstGroupTopTwips);
}

QLabel* SheetView::RowWidget(model::Row row) const {
    return qobject_cast<QLabel*>(widgets_[static_cast<std::size_t>(row)]);
}

QPoint SheetView::RowCentre(model::Row row) const {
    return widgets_[static_cast<std::size_t>(row)]->geometry().center();
}

void SheetView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    const auto type = event->type();
    if (!rendering_ && (type == QEvent::FontChange || type == QEvent::PaletteChange || type == QEvent::StyleChange))
        emit lookChanged();
}

void SheetView::Render(const model::Program& program) {
    rendering_ = true;
    const model::Sheet& sheet = program.sheet;
    const bool datum_shift_layout = program.state.pub_Mode != model::Mode::Offset;
    QFont bold = font();
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(font().pointSizeF() * 1.15);
    const QFontMetrics metrics(font()), bold_metrics(bold), title_metrics(title);
    RowWidget(Row::Title)->setFont(title);
    for (Row r : {Row::ColumnHeading0, Row::ColumnHeading1, Row::Datum0, Row::Datum1}) RowWidget(r)->setFont(bold);
    for (int k = 0; k < 6; ++k) RowWidget(model::CaptionRow(k))->setFont(bold);

    const int pitch = LinePitch();
    const int blank = metrics.horizontalAdvance(' ');
    const int gap = 2 * blank;
    const int margin = gap;
    auto text_of = [&](Row row) {
        QString text = ToQt(sheet.Text(row));
        if (row == Row::Name2) text = "Location :  " + text;
        return text;
    };
    // The room a value row needs: its widest possible text and its present one,
    // each with the blank that ends a formatted value.
    auto need = [&](Row row) {
        int widest = 0;
        std::vector<std::string> texts = model::WidestTexts(program, row);
        texts.push_back(sheet.Text(row));
        for (const std::string& t : texts) {
            QString text = ToQt(t);
            if (!text.endsWith(' ')) text += ' ';
            widest = std::max(widest, WidestAdvance(metrics, text));
        }
        return widest + 2;
    };
    auto widest_of = [&](Slot slot) {
        int widest = 0;
        for (std::size_t k = 0; k < model::kRowCount; ++k)
            if (slots_[k] == slot) widest = std::max(widest, need(static_cast<Row>(k)));
        return widest;
    };
    auto caption_width = [&](CaptionSlot slot, bool heading) {
        int widest = 0;
        for (const Caption& c : captions_)
            if (c.slot == slot) widest = std::max(widest, (heading ? bold_metrics : metrics).horizontalAdvance(c.label->text()));
        return widest;
    };
    for (const Caption& c : captions_) {
        const bool heading = c.line == 0;
        QFont f = heading ? bold : font();
        if (c.label->font() != f) c.label->setFont(f);
    }

    // Columns: captions and Point A's values, the middle column, Point B's values.
    const int values = std::max(widest_of(Slot::PointA), widest_of(Slot::PointB));
    int point_block = caption_width(CaptionSlot::Point, false) + gap + values;
    for (int k = 0; k < 6; ++k)
        point_block = std::max(point_block, bold_metrics.horizontalAdvance(text_of(model::CaptionRow(k))));
    const int near_values = widest_of(Slot::Near), far_values = widest_of(Slot::Far);
    const int deviation_values = widest_of(Slot::Deviation);
    const int near_labels = caption_width(CaptionSlot::NearLabel, false);
    const int far_labels = caption_width(CaptionSlot::FarLabel, false);
    const int deviation_labels = caption_width(CaptionSlot::DeviationLabel, false);
    const int near_block = std::max(near_labels + gap + near_values, caption_width(CaptionSlot::NearHeading, true));
    const int far_block = std::max(far_labels + gap + far_values, caption_width(CaptionSlot::FarHeading, true));
    const int deviation_block = std::max(deviation_labels + gap + deviation_values,
                                         caption_width(CaptionSlot::DeviationHeading, true));
    const int middle = datum_shift_layout ? deviation_block : near_block + 2 * gap + far_block;
    const int columns = margin + point_block + 3 * gap + middle + 3 * gap + values + margin;

    // The header band: each point's half holds its longest line.
    const int name_label = metrics.horizontalAdvance(text_of(Row::NameLabel0)) + blank;
    // The check boxes' size follows their caption, which they take first.
    for (int i = 0; i < 2; ++i) {
        QCheckBox* box = utm_automatic_[static_cast<std::size_t>(i)];
        const QString caption = text_of(model::At(Row::UTMAutomatic0, i));
        if (box->text() != caption) box->setText(caption);
    }
    const int box_width = std::max(utm_automatic_[0]->sizeHint().width(), utm_automatic_[1]->sizeHint().width());
    int half_need = title_metrics.horizontalAdvance(text_of(Row::Title));
    half_need = std::max(half_need, metrics.horizontalAdvance(text_of(Row::Name2)));
    for (int i = 0; i < 2; ++i) {
        auto at = [&](Row first) { return text_of(model::At(first, i)); };
        half_need = std::max({half_need, bold_metrics.horizontalAdvance(at(Row::ColumnHeading0)),
                              bold_metrics.horizontalAdvance(at(Row::Datum0)),
                              metrics.horizontalAdvance(at(Row::DatumInfo0)),
                              metrics.horizontalAdvance(at(Row::Area0)),
                              metrics.horizontalAdvance(at(Row::GridSystem0)),
                              metrics.horizontalAdvance(at(Row::Zone0)) + gap + box_width});
        if (datum_shift_layout) half_need = std::max(half_need, metrics.horizontalAdvance(at(Row::NameLabel0)));
        else half_need = std::max(half_need, name_label + metrics.horizontalAdvance(at(Row::Name0)));
    }
    // (Point B's lines are right-aligned, with a blank's margin at their end.)
    const int width =
        std::max({Pixels(program.state.MainWindowWidth), columns, 2 * (half_need + blank + 2 * margin + 2)});
    const int half = width / 2;
    const int half_width = half - 2 * margin;

    // Horizontal places of the value columns; the middle column sits centred between the points.
    const int a_values = margin + point_block - values;
    const int b_values = width - margin - values;
    const int middle_x = (margin + point_block + b_values) / 2 - middle / 2;
    const int near_x = middle_x, far_x = middle_x + near_block + 2 * gap;

    std::array<QRect, model::kRowCount> rects{};
    std::array<Qt::Alignment, model::kRowCount> aligns{};
    aligns.fill(Qt::AlignRight | Qt::AlignVCenter);
    const int header_height = kHeaderLines * pitch + pitch / 2;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        const int group = model::GroupOf(row);
        if (group < 0) continue;
        const int top = header_height + Pixels(sheet.rows[k].top - kFirstGroupTopTwips) + lines_[k] * pitch;
        switch (slots_[k]) {
            case Slot::GroupCaption: rects[k] = {margin, top, point_block, pitch}; aligns[k] = left; break;
            case Slot::PointA: rects[k] = {a_values, top, values, pitch}; break;
            case Slot::PointB: rects[k] = {b_values, top, values, pitch}; break;
            case Slot::Near: rects[k] = {near_x + near_block - near_values, top, near_values, pitch}; break;
            case Slot::Far: rects[k] = {far_x + far_block - far_values, top, far_values, pitch}; break;
            case Slot::Deviation:
                rects[k] = {middle_x + deviation_block - deviation_values, top, deviation_values, pitch};
                break;
            case Slot::Header: break;
        }
    }
    // The header rows: Point A's half reads from the left edge, Point B's from the right edge.
    const int grid_line = datum_shift_layout ? 6 : 5;
    for (int i = 0; i < 2; ++i) {
        const int x = i == 0 ? margin : half + margin;
        const Qt::Alignment align = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        auto set = [&](Row first, int rx, int w, int line, Qt::Alignment a) {
            const auto index = static_cast<std::size_t>(model::At(first, i));
            rects[index] = {rx, line * pitch, w, pitch};
            aligns[index] = a;
        };
        set(Row::ColumnHeading0, x, half_width, 1, align);
        set(Row::Datum0, x, half_width, 3, align);
        set(Row::DatumInfo0, x, half_width, 4, align);
        set(Row::Area0, x, half_width, 5, align);
        set(Row::GridSystem0, x, half_width, grid_line, align);
        if (datum_shift_layout) {
            set(Row::NameLabel0, x, half_width, 2, align);
            set(Row::Name0, x, 0, 2, align);  // hidden in these modes
        } else if (i == 0) {
            set(Row::NameLabel0, x, name_label, 2, left);
            set(Row::Name0, x + name_label, half_width - name_label, 2, left);
        } else {
            const int name = std::min(half_width - name_label, metrics.horizontalAdvance(text_of(Row::Name1)) + 2);
            set(Row::Name0, width - margin - name, name, 2, align);
            set(Row::NameLabel0, width - margin - name - name_label, name_label, 2, left);
        }
        const int zone_width = half_width - box_width - gap;
        set(Row::Zone0, i == 0 ? x : x + box_width + gap, zone_width, grid_line + 1, align);
        set(Row::UTMAutomatic0, i == 0 ? x + half_width - box_width : x, box_width, grid_line + 1, left);
    }
    rects[static_cast<std::size_t>(Row::Title)] = {margin, 0, half_width, pitch};
    aligns[static_cast<std::size_t>(Row::Title)] = left;
    rects[static_cast<std::size_t>(Row::Name2)] = {half + margin, 0, half_width, pitch};

    int bottom = header_height;
    for (std::size_t k = 0; k < model::kRowCount; ++k) {
        const Row row = static_cast<Row>(k);
        const model::SheetRow& r = sheet.rows[k];
        QWidget* w = widgets_[k];
        if (w->geometry() != rects[k]) w->setGeometry(rects[k]);
        const QString text = text_of(row);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text() != text) label->setText(text);
            label->setAlignment(aligns[k]);
            // Formatted values end with a blank, other texts (scale factor, radii, "n/a")
            // do not: a blank's width of margin lines up the right edges of a column.
            const bool right = (aligns[k] & Qt::AlignRight) != 0;
            const int pad = right && !text.endsWith(' ') ? blank : 0;
            if (label->contentsMargins().right() != pad) label->setContentsMargins(0, 0, pad, 0);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            if (box->text() != text) box->setText(text);
            box->setChecked(r.checked);
        }
        ApplyColour(w, r.colour, r.enabled);
        // What the value is, for the tooltip and for screen readers (which read the value after it).
        const QString description = RowDescription(program, row);
        if (!description.isEmpty()) {
            if (w->toolTip() != description) w->setToolTip(description);
            const QString spoken = description + ": " + text.trimmed();
            if (w->accessibleName() != spoken) w->setAccessibleName(spoken);
        }
        w->setEnabled(r.enabled);
        w->setVisible(r.visible);
        if (r.visible) bottom = std::max(bottom, rects[k].bottom() + 1);
    }
    std::array<int, 6> group_top{};
    for (int k = 0; k < 6; ++k) group_top[static_cast<std::size_t>(k)] = rects[static_cast<std::size_t>(model::CaptionRow(k))].top();
    for (const Caption& c : captions_) {
        bool visible = sheet.group_visible[static_cast<std::size_t>(c.group)];
        int x = margin, w = point_block - values - gap;
        switch (c.slot) {
            case CaptionSlot::Point: break;
            case CaptionSlot::NearLabel: x = near_x; w = near_labels; break;
            case CaptionSlot::FarLabel: x = far_x; w = far_labels; break;
            case CaptionSlot::DeviationLabel: x = middle_x; w = deviation_labels; break;
            case CaptionSlot::NearHeading: x = near_x; w = near_block; break;
            case CaptionSlot::FarHeading: x = far_x; w = far_block; break;
            case CaptionSlot::DeviationHeading: x = middle_x; w = deviation_block; break;
        }
        const bool offset = c.slot == CaptionSlot::NearLabel || c.slot == CaptionSlot::FarLabel ||
                            c.slot == CaptionSlot::NearHeading || c.slot == CaptionSlot::FarHeading;
        const bool deviation = c.slot == CaptionSlot::DeviationLabel || c.slot == CaptionSlot::DeviationHeading;
        if (offset) visible = visible && sheet.offset_column_visible;
        if (deviation) visible = visible && sheet.datum_shift_column_visible;
        const QRect rect(x, group_top[static_cast<std::size_t>(c.group)] + c.line * pitch, w, pitch);
        if (c.label->geometry() != rect) c.label->setGeometry(rect);
        const model::Colour colour = c.line != 0 ? model::kPointColour
                                     : deviation ? model::kDatumShiftColour
                                                 : model::kOffsetColour;
        ApplyColour(c.label, colour, true);
        c.label->setVisible(visible);
        if (visible) bottom = std::max(bottom, rect.bottom() + 1);
    }
    content_ = QSize(width, bottom + pitch / 2);
    setMinimumSize(content_);
    rendering_ = false;
}

std::vector<SheetView::ShownText> SheetView::ShownTexts() const {
    std::vector<ShownText> shown;
    for (QWidget* w : widgets_)
        if (w->isVisibleTo(this)) {
            const auto* label = qobject_cast<QLabel*>(w);
            shown.push_back({w, w->geometry(), label ? label->text() : qobject_cast<QCheckBox*>(w)->text()});
        }
    for (const Caption& c : captions_)
        if (c.label->isVisibleTo(this)) shown.push_back({c.label, c.label->geometry(), c.label->text()});
    return shown;
}

QString SheetView::SheetText() const {
    // Texts that share a line of the sheet, from left to right, separated by tabs.
    std::vector<ShownText> shown = ShownTexts();
    std::sort(shown.begin(), shown.end(), [](const ShownText& a, const ShownText& b) {
        return a.rect.top() != b.rect.top() ? a.rect.top() < b.rect.top() : a.rect.left() < b.rect.left();
    });
    QStringList lines;
    int top = -1;
    QStringList fields;
    for (const ShownText& s : shown) {
        if (s.rect.top() != top && !fields.isEmpty()) {
            lines << fields.join('\t');
            fields.clear();
        }
        top = s.rect.top();
        const QString text = s.text.trimmed();
        if (!text.isEmpty()) fields << text;
    }
    if (!fields.isEmpty()) lines << fields.join('\t');
    return lines.join('\n') + '\n';
}

}  // namespace ui

// The sheet's colours over the palette, and the copying of its texts.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPalette>
#include <cmath>

#include "ui/sheet_view.h"

namespace ui {

namespace {

double Channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

constexpr double kReadable = 4.5;

// The colour with its lightness moved away from the background until it reads.
QColor StandOut(QColor colour, const QColor& background) {
    const bool dark_background = Luminance(background) < 0.18;
    float h = 0, s = 0, l = 0, a = 1;
    colour.getHslF(&h, &s, &l, &a);
    for (int step = 0; step < 100 && SheetView::Contrast(colour, background) < kReadable; ++step) {
        l = dark_background ? std::min(1.0f, l + 0.02f) : std::max(0.0f, l - 0.02f);
        colour = QColor::fromHslF(h, s, l);
    }
    return colour;
}

}  // namespace

double SheetView::Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor SheetView::ReadableColour(model::Colour colour, const QPalette& palette, bool enabled) {
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    QColor tint = colour == model::kPointColour ? palette.color(QPalette::Active, QPalette::WindowText)
                                                : QColor(colour.red, colour.green, colour.blue);
    if (!enabled) {
        // A row that takes no clicks is drawn halfway to the background, still readable.
        tint = QColor((tint.red() + background.red()) / 2, (tint.green() + background.green()) / 2,
                      (tint.blue() + background.blue()) / 2);
    }
    return StandOut(tint, background);
}

void SheetView::ApplyColour(QWidget* w, model::Colour colour, bool enabled) {
    w->setProperty("sheetColour", (colour.red << 16) | (colour.green << 8) | colour.blue);
    w->setProperty("sheetEnabled", enabled);
    QPalette palette = w->palette();
    const QColor text = ReadableColour(colour, this->palette(), enabled);
    bool changed = false;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        if (palette.color(group, QPalette::WindowText) != text) {
            palette.setColor(group, QPalette::WindowText, text);
            palette.setColor(group, QPalette::Text, text);
            changed = true;
        }
    if (changed) w->setPalette(palette);
}

QColor SheetView::ColourOn(const QWidget* text, const QPalette& palette) {
    const int rgb = text->property("sheetColour").toInt();
    const model::Colour colour{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                               static_cast<std::uint8_t>(rgb)};
    return ReadableColour(colour, palette, text->property("sheetEnabled").toBool());
}

void SheetView::CopyValue(model::Row row) const {
    if (const QLabel* label = RowWidget(row)) QApplication::clipboard()->setText(label->text().trimmed());
}

void SheetView::OfferCopy(model::Row row, const QPoint& global) {
    QMenu menu(this);
    QAction* copy = menu.addAction("&Copy value");
    if (menu.exec(global) == copy) CopyValue(row);
}

}  // namespace ui

#pragma once
// The dark palette the layout is checked and pictured on: light text on
// near-black, as the common dark desktop themes have it.
#include <QColor>
#include <QPalette>

namespace ui_test {

inline QPalette DarkPalette() {
    QPalette dark;
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor disabled(0x90, 0x90, 0x90);
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(0x3c, 0x3c, 0x3c));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x6f, 0xb4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    dark.setColor(QPalette::Disabled, QPalette::Text, disabled);
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    return dark;
}

}  // namespace ui_test

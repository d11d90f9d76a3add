#pragma once
// The Qt side of the platform interfaces: notices as message boxes, the file
// dialogs, the per-user settings store and the locale's decimal separator.
#include <QWidget>

#include "model/program.h"

namespace ui {

// Notices, file dialogs and settings for a program whose dialogs belong to `parent`.
model::Platform QtPlatform(QWidget* parent);

// "Polvant setup files (*.ini)|*.ini" -> "Polvant setup files (*.ini)".
QString QtFilter(const std::string& filter);

// Twips to device-independent pixels on this screen, and back.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);

// Where a window wanted at `wanted` (its frame's top left and its size) opens:
// moved, as little as it takes, into the available area of the screen that
// shows most of it, or of the primary screen when none shows any of it. A
// window larger than the screen keeps its top left corner on the screen.
QPoint PlaceOnScreen(const QRect& wanted);

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

}  // namespace ui

#pragma once
// Help, Contents: the user manual in a browser window beside the main window.
// The manual is the file manual.html of the first folder that holds it: "doc"
// beside the program (a build tree) or "../share/doc/twopoint" from it (an
// installed tree). Without one, a short page built into the program is shown.
#include <QString>
#include <QStringList>
#include <QWidget>

namespace ui {

QStringList ManualFolders();
// The manual file in the first of `folders` that holds one, or an empty text.
QString FindManual(const QStringList& folders);
// Opens (or raises) the manual window "frmManual" over `parent`, showing `path`
// or, when it is empty, the built-in page.
void ShowManual(QWidget* parent, const QString& path);

}  // namespace ui

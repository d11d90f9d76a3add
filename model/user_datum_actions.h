#pragma once
// The user-datum editor (Add_Datum, Options menu "User Defined Datum") over the
// running program: it edits the catalogue's UserDatums, marks them changed for
// the shut-down's save, and refuses to remove a row whose name is the datum of
// Point A or Point B. The main window is disabled from the opening until
// CloseDialog (model/dialogs.h), on every way out.
#include "datums/user_datum_editor.h"

namespace model {

struct Program;

datums::UserDatumEditor OpenUserDatumEditor(Program& program);
datums::UserDatumEditorView ViewUserDatumEditor(const Program& program, const datums::UserDatumEditor& editor);

// The editor's controls, each on the program's tables.
void ChooseUserDatumAction(const Program& program, datums::UserDatumEditor& editor, int action);
void SelectUserDatum(const Program& program, datums::UserDatumEditor& editor, int position);
void PickEllipsoid(const Program& program, datums::UserDatumEditor& editor, int position);
void LeaveEllipsoidBox(Program& program, datums::UserDatumEditor& editor);

// OK: true when the row was stored and the editor closes (user_datums_changed set).
bool UserDatumEditorOK(Program& program, datums::UserDatumEditor& editor);
// "Remove datum" on the selected row. A point on a later user row keeps its
// datum (its index follows the row); a point on the removed row keeps its
// datum's values, names no row any more, and a notice says so.
void RemoveUserDatum(Program& program, datums::UserDatumEditor& editor);
platform::Notice UserDatumOfPointRemovedNotice(int point, const std::string& datum_name);

}  // namespace model

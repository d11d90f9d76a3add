#include "model/user_datum_actions.h"

#include "model/program.h"

namespace model {

datums::UserDatumEditor OpenUserDatumEditor(Program& program) {
    program.window.enabled = false;
    return datums::OpenUserDatumEditor();
}

datums::UserDatumEditorView ViewUserDatumEditor(const Program& program, const datums::UserDatumEditor& editor) {
    return datums::ViewUserDatumEditor(editor, program.catalogue.UserDatums, program.catalogue.Ellipsoids);
}

void ChooseUserDatumAction(const Program& program, datums::UserDatumEditor& editor, int action) {
    datums::ChooseUserDatumAction(editor, action, program.catalogue.UserDatums);
}

void SelectUserDatum(const Program& program, datums::UserDatumEditor& editor, int position) {
    datums::SelectUserDatum(editor, program.catalogue.UserDatums, position);
}

void PickEllipsoid(const Program& program, datums::UserDatumEditor& editor, int position) {
    datums::PickEllipsoid(editor, program.catalogue.Ellipsoids, position);
}

void LeaveEllipsoidBox(Program& program, datums::UserDatumEditor& editor) {
    datums::DeriveEllipsoidValues(editor, program.platform.notices);
}

bool UserDatumEditorOK(Program& program, datums::UserDatumEditor& editor) {
    return datums::ConfirmUserDatumEditor(editor, program.catalogue.UserDatums, program.user_datums_changed,
                                          program.platform.notices);
}

void RemoveUserDatum(Program& program, datums::UserDatumEditor& editor) {
    const std::array<std::string, 2> names_in_use{program.state.point[0].pub_Datum.Name,
                                                  program.state.point[1].pub_Datum.Name};
    datums::RemoveSelectedUserDatum(editor, program.catalogue.UserDatums, program.user_datums_changed,
                                    names_in_use, program.platform.notices);
}

}  // namespace model

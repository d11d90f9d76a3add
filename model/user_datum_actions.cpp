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
    const int removed = editor.selected;
    const std::size_t rows_before = program.catalogue.UserDatums.size();
    datums::RemoveSelectedUserDatum(editor, program.catalogue.UserDatums, program.user_datums_changed,
                                    names_in_use, program.platform.notices);
    if (program.catalogue.UserDatums.size() == rows_before) return;  // refused
    // A point keeps its own datum: on a later row its index follows the row up;
    // on the removed row (renamed since it was chosen) it names no row any more.
    for (int i = 0; i < 2; ++i) {
        datums::DatumRecord& datum = program.state.point[i].pub_Datum;
        if (datum.Option != datums::kUserDefined) continue;
        if (datum.Index > removed) {
            --datum.Index;
        } else if (datum.Index == removed) {
            datum.Index = -1;
            platform::Show(program.platform.notices, UserDatumOfPointRemovedNotice(i, datum.Name));
        }
    }
}

platform::Notice UserDatumOfPointRemovedNotice(int point, const std::string& datum_name) {
    const std::string name = point == 0 ? "Point A" : "Point B";
    return {"The user datum of " + name + " is no longer in the list. " + name + " keeps the datum \"" + datum_name +
                "\" until another datum is chosen.",
            platform::Icon::Information, platform::kApplicationTitle};
}

}  // namespace model

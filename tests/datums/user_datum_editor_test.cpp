#include "datums/user_datum_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/locale.h"
#include "support/datum_rows.h"

namespace {

using datums::DatumEntry;
using datums::UserDatumEditor;
using datum_rows::Fields;
using Boxes = std::array<std::string, 5>;

const std::vector<datums::EllipsoidRecord> kEllipsoids{
    {"International 1924 (Hayford)", 6378388.0, 297.0}, {"WGS84", 6378137.0, 298.257223563}};

DatumEntry Row(int number, const std::string& name) {
    return {number, name, "Bessel 1841", "Area " + name, 6377397.155, 299.1528128, "Remark " + name,
            1, 2, 3, 0.1, 0.2, 0.3, -0.5};
}

std::vector<std::string> Texts(platform::RecordedNotices& notices) {
    std::vector<std::string> texts;
    for (const auto& n : notices.notices) texts.push_back(n.text);
    notices.notices.clear();
    return texts;
}

TEST(UserDatumEditor, EachInputModeDerivesTheOtherValues) {
    platform::SetNumberLocale({'.'});
    platform::RecordedNotices notices;
    // Each input mode enables exactly its two number boxes (the name box always).
    const std::array<std::array<bool, 5>, 5> enabled{{{true, true, true, false, false},
                                                      {true, true, false, true, false},
                                                      {true, true, false, false, true},
                                                      {true, false, true, true, false},
                                                      {true, false, true, false, true}}};
    const auto derive = [&](int mode, const char* a, const char* b, const char* r, const char* e2) {
        UserDatumEditor editor = datums::OpenUserDatumEditor();
        editor.ellipsoid_boxes = {"Own", a, b, r, e2};
        datums::ChooseEllipsoidInputMode(editor, mode);
        EXPECT_EQ(datums::ViewUserDatumEditor(editor, {}, kEllipsoids).ellipsoid_box_enabled, enabled[mode]) << mode;
        datums::DeriveEllipsoidValues(editor, notices.Sink());
        return editor.ellipsoid_boxes;
    };
    // 1/f is recomputed from a and b in every mode: a - b loses digits, so the
    // 15-digit text differs from the typed 298.257223563 in its last three digits.
    const Boxes wgs84{"Own", "6378137 m", "6356752.31424518 m", "298.257223562997", "0.00669437999014"};
    // a and b typed (b with its unit and a comma, as a user may type it).
    EXPECT_EQ(derive(0, "6378137", "6356752,314245179 m", "f", "e2"), wgs84);
    EXPECT_EQ(derive(1, "6378137 m", "b", "298.257223563", "e2"), wgs84);
    EXPECT_EQ(derive(2, "6378137", "b", "f", "0.0066943799901413165"), wgs84);
    EXPECT_EQ(derive(3, "a", "6356752.314245179", "298.257223563", "e2"), wgs84);
    // Mode 1 with 1/f = 0 keeps the typed e2.
    EXPECT_EQ(derive(1, "6378137", "b", "0", "0.0066943799901413165"), wgs84);
    // While the mode's second input still shows its placeholder there is nothing to derive from.
    EXPECT_EQ(derive(1, "6378137", "b", "f", "e2"), (Boxes{"Own", "6378137", "b", "f", "e2"}));
    EXPECT_EQ(derive(0, "", "6356752", "f", "e2"), (Boxes{"Own", "", "6356752", "f", "e2"}));
    EXPECT_TRUE(notices.notices.empty());

    // A sphere (a = b leaves 1/f without a value) and e2 above 1 (no b) are refused, boxes as typed.
    EXPECT_EQ(derive(0, "6371000", "6371000", "f", "e2"), (Boxes{"Own", "6371000", "6371000", "f", "e2"}));
    EXPECT_EQ(derive(2, "6371000", "b", "f", "0"), (Boxes{"Own", "6371000", "b", "f", "0"}));
    EXPECT_EQ(derive(4, "a", "6371000", "f", "0"), (Boxes{"Own", "a", "6371000", "f", "0"}));
    EXPECT_EQ(Texts(notices), (std::vector<std::string>(3, datums::kSphereText)));
    EXPECT_EQ(derive(2, "6378137", "b", "f", "1.5"), (Boxes{"Own", "6378137", "b", "f", "1.5"}));
    EXPECT_EQ(Texts(notices), (std::vector<std::string>{datums::kNoEllipsoidText}));
    // e2 = 1 leaves a as it was (the placeholder, 0), and 1/f is not recomputed for a = 0.
    EXPECT_EQ(derive(4, "a", "6356752", "f", "1"), (Boxes{"Own", "0 m", "6356752 m", "0", "1.00000000000000"}));
    EXPECT_TRUE(notices.notices.empty());

    // A picked ellipsoid or a selected row fills the boxes, with the locale's separator.
    UserDatumEditor editor = datums::OpenUserDatumEditor();
    datums::PickEllipsoid(editor, kEllipsoids, 1);
    EXPECT_EQ(editor.ellipsoid_boxes, (Boxes{"WGS84", "6378137 m", "6356752.31424518 m", "298.257223563", "0.00669437999014"}));
    platform::SetNumberLocale({','});
    datums::SelectUserDatum(editor, {Row(1, "One")}, 0);
    EXPECT_EQ(editor.ellipsoid_boxes, (Boxes{"Bessel 1841", "6377397,155 m", "6356078,96281819 m", "299,1528128", "0,00667437223180"}));
    EXPECT_EQ(editor.shift_boxes, (std::array<std::string, 8>{"Remark One", "1", "2", "3", "0,1", "0,2", "0,3", "-0,5"}));
    platform::SetNumberLocale({'.'});
}

TEST(UserDatumEditor, LimitsOfAAndInverseFlatteningAtTheirBounds) {
    platform::RecordedNotices notices;
    const auto ok = [&](const std::string& a, const std::string& r) {
        std::vector<DatumEntry> rows;
        bool changed = false;
        UserDatumEditor editor = datums::OpenUserDatumEditor();
        editor.ellipsoid_boxes[1] = a;
        editor.ellipsoid_boxes[3] = r;
        const bool closed = datums::ConfirmUserDatumEditor(editor, rows, changed, notices.Sink());
        EXPECT_EQ(closed, changed);
        EXPECT_EQ(rows.size(), closed ? 1u : 0u);
        return closed;
    };
    EXPECT_TRUE(ok("6000000", "250"));
    EXPECT_TRUE(ok("7000000 m", "350"));
    EXPECT_TRUE(notices.notices.empty());
    EXPECT_FALSE(ok("5999999.999999999", "300"));
    EXPECT_FALSE(ok("7000000.000000001", "300"));
    EXPECT_FALSE(ok("a", "300"));  // a placeholder reads 0
    const std::string a_text = "Datum not accepted while semi major axis (a) is not within acceptable limits";
    EXPECT_EQ(Texts(notices), (std::vector<std::string>(3, a_text)));
    EXPECT_FALSE(ok("6378137", "249.99999999999997"));
    EXPECT_FALSE(ok("6378137", "350.00000000000006"));
    EXPECT_FALSE(ok("6378137", "f"));
    const std::string f_text = "Datum not accepted while flattening (f) is not within acceptable limits";
    EXPECT_EQ(Texts(notices), (std::vector<std::string>(3, f_text)));
    // a is judged first: both out gives only the a message.
    EXPECT_FALSE(ok("1", "1"));
    EXPECT_EQ(Texts(notices), (std::vector<std::string>{a_text}));
}

// Adding, editing and removing as a user does it are the user-datum session files';
// here what they do not show: the shift boxes as typed, and Edit without a row.
TEST(UserDatumEditor, ShiftBoxesAsTypedAndEditWithoutASelectedRow) {
    platform::SetNumberLocale({'.'});
    platform::RecordedNotices notices;
    std::vector<DatumEntry> rows;
    bool changed = false;
    // Placeholders left in shift boxes store 0; a comma and a unit are read.
    for (const char* name : {"First", "Second"}) {
        UserDatumEditor editor = datums::OpenUserDatumEditor();
        editor.datum_boxes = {name, "Sea"};
        datums::PickEllipsoid(editor, kEllipsoids, 0);
        editor.shift_boxes[0] = "made by hand";
        editor.shift_boxes[1] = "-87,5";
        editor.shift_boxes[7] = "1.2 ppm";
        ASSERT_TRUE(datums::ConfirmUserDatumEditor(editor, rows, changed, notices.Sink()));
    }
    DatumEntry edited{2, "Second", "International 1924 (Hayford)", "Sea", 6378388.0, 297.0, "made by hand", -87.5, 0, 0, 0, 0, 0, 1.2};
    EXPECT_EQ(Fields(rows[1]), Fields(edited));
    // Edit with nothing selected: nothing happens, the editor stays open. Edit row 2: it
    // is replaced, its Number stays 2.
    changed = false;
    UserDatumEditor editor = datums::OpenUserDatumEditor();
    datums::ChooseUserDatumAction(editor, datums::kEditDatum, rows);
    EXPECT_FALSE(datums::ConfirmUserDatumEditor(editor, rows, changed, notices.Sink()));
    EXPECT_FALSE(changed);
    datums::SelectUserDatum(editor, rows, 1);
    editor.shift_boxes[2] = "12.25";
    ASSERT_TRUE(datums::ConfirmUserDatumEditor(editor, rows, changed, notices.Sink()));
    edited.dy = 12.25;  // dx and the rest shown and stored again unchanged
    EXPECT_EQ(Fields(rows[1]), Fields(edited));
    // With the last one removed Edit is no longer offered.
    for (int left = 2; left > 0; --left) {
        datums::SelectUserDatum(editor, rows, 0);
        datums::RemoveSelectedUserDatum(editor, rows, changed, {"WGS84", "WGS84"}, notices.Sink());
    }
    EXPECT_TRUE(rows.empty());
    EXPECT_FALSE(datums::ViewUserDatumEditor(editor, rows, kEllipsoids).edit_option_enabled);
    EXPECT_TRUE(notices.notices.empty());
}

}  // namespace

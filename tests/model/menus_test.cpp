// The menu bar: its entries in order with their captions, and access keys that
// reach one entry each. How it follows the mode and the view is a session test.
#include "model/menus.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <functional>

namespace {

std::vector<std::string> ChildNames(const model::MenuEntry& entry) {
    std::vector<std::string> names;
    for (const auto& child : entry.children) names.push_back(child.name);
    return names;
}

TEST(Menus, InitialBarHoldsEveryEntryInOrderWithItsCaption) {
    const model::MenuBar bar = model::InitialMenuBar();
    std::vector<std::string> top;
    for (const auto& menu : bar.menus) top.push_back(menu.name);
    EXPECT_EQ(top, (std::vector<std::string>{"mnuFile", "mnuMode", "mnuEdit", "mnuView", "mnuOptions",
                                             "mnuFormat", "mnuHelp"}));
    EXPECT_EQ(ChildNames(bar.menus[0]),
              (std::vector<std::string>{"mnuFileOpen", "mnuFileSave", "mnuFileSaveAs",
                                        "mnuFilePrintTextfile", "mnuFilePrint", "mnuFileExit"}));
    EXPECT_EQ(ChildNames(bar.menus[2]), (std::vector<std::string>{"mnuPointA", "mnuOffset", "mnuPointB"}));
    EXPECT_EQ(ChildNames(*model::FindMenuEntry(bar, "mnuPointB")),
              (std::vector<std::string>{"mnuPointB_Name", "mnuPointB_Geographic", "mnuPointB_Cartesian",
                                        "mnuPointB_Grid", "mnuPointB_Datum", "mnuPointB_GridSystem"}));
    EXPECT_EQ(ChildNames(*model::FindMenuEntry(bar, "mnuViewCoordinates")),
              (std::vector<std::string>{"mnuViewDisplay(0)", "mnuViewDisplay(1)", "mnuViewDisplay(2)",
                                        "mnuViewDisplay(3)", "mnuViewDisplay(4)", "mnuViewDisplay(5)"}));

    // (The mode, Point and option entries' captions are pinned by the session's menus.)
    const std::map<std::string, std::string> captions = {
        {"mnuFileSaveAs", "Save &As"},
        {"mnuFilePrintTextfile", "Print to &Text-file"},
        {"mnuFileExit", "E&xit"},
        {"mnuPointB", "Point&B"},
        {"mnuPointA_Grid", "G&rid co-ordinates"},
        {"mnuPointB_GridSystem", "Grid Co-ordinate &System"},
        {"mnuOffsetGridRange", "&Grid Range/Bearing"},
        {"mnuViewDisplay(5)", "Geoidal &Height"},
        {"mnuViewOffset", "D&istance/Bearings"},
        {"mnuViewOffset_GrCirc", "Gr&eat Circle Distance"},
        {"mnuViewDatum_Grid", "G&rid Deviation"},
        {"mnuOptionWLongitude", "Western Longitudes default"},
        {"mnuFormatGrCirc", "Great Circle/Rhumb &Line"},
        {"mnuHelpAbout", "&About"},
    };
    for (const auto& [name, caption] : captions) {
        const model::MenuEntry* entry = model::FindMenuEntry(bar, name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_EQ(entry->caption, caption) << name;
    }

    // Names are unique, so every setter by name reaches one entry.
    std::set<std::string> names;
    int count = 0;
    model::ForEachMenuEntry(bar, [&](const model::MenuEntry& entry, int) {
        names.insert(entry.name);
        ++count;
    });
    EXPECT_EQ(static_cast<int>(names.size()), count);
    EXPECT_EQ(count, 7 + 6 + 2 + 3 + 6 + 3 + 6 + 3 + 6 + 5 + 3 + 5 + 7 + 2);
}

TEST(Menus, AccessKeysAreReadAndUniqueWithinEachMenu) {
    EXPECT_EQ(model::CaptionText("Save && &Quit"), "Save & Quit");
    EXPECT_EQ(model::AccessKey("E&xit"), 'X');
    EXPECT_EQ(model::AccessKey("Save && &Quit"), 'Q');
    EXPECT_EQ(model::AccessKey("Southern Latitude default"), 0);

    const model::MenuBar bar = model::InitialMenuBar();
    // Within one menu no two visible entries share an access key, so every key
    // reaches exactly one entry.
    std::function<void(const model::MenuEntry&)> check = [&](const model::MenuEntry& menu) {
        std::map<char, std::string> seen;
        for (const auto& child : menu.children) {
            if (!child.visible) continue;
            const char key = model::AccessKey(child.caption);
            if (key == 0) continue;
            EXPECT_TRUE(seen.emplace(key, child.name).second)
                << menu.name << ": " << child.name << " and " << seen[key] << " share '" << key << "'";
            check(child);
        }
    };
    model::MenuEntry root;
    root.name = "bar";
    root.children = bar.menus;
    check(root);
}

}  // namespace

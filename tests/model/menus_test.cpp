// The menu bar's invariants: every entry has its own name, so a setter by name
// reaches one entry, and within a menu no two visible entries share an access
// key. (The entries and captions themselves are pinned by the session's `menus`.)
#include "model/menus.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

namespace {

TEST(Menus, NamesAndAccessKeysReachOneEntryEach) {
    EXPECT_EQ(model::CaptionText("Save && &Quit"), "Save & Quit");
    EXPECT_EQ(model::AccessKey("E&xit"), 'X');
    EXPECT_EQ(model::AccessKey("Save && &Quit"), 'Q');
    EXPECT_EQ(model::AccessKey("Southern Latitude default"), 0);

    const model::MenuBar bar = model::InitialMenuBar();
    std::set<std::string> names;
    int count = 0;
    model::ForEachMenuEntry(bar, [&](const model::MenuEntry& entry, int) {
        names.insert(entry.name);
        ++count;
        EXPECT_EQ(model::FindMenuEntry(bar, entry.name), &entry) << entry.name;
    });
    EXPECT_EQ(static_cast<int>(names.size()), count);

    std::function<void(const model::MenuEntry&)> check = [&](const model::MenuEntry& menu) {
        std::map<char, std::string> seen;
        for (const auto& child : menu.children) {
            if (!child.visible) continue;
            const char key = model::AccessKey(child.caption);
            if (key != 0) {
                EXPECT_TRUE(seen.emplace(key, child.name).second)
                    << menu.name << ": " << child.name << " and " << seen[key] << " share '" << key << "'";
            }
            check(child);
        }
    };
    model::MenuEntry root;
    root.name = "bar";
    root.children = bar.menus;
    check(root);
}

}  // namespace

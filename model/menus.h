#pragma once
// The main window's menu bar as data: every entry with its name, its caption
// (a "&" marks the access key), its tick, enabled and visible flags and its
// child entries. The model changes these flags (mode switch, View toggles,
// Options ticks); the desktop window mirrors the data and calls the action of
// an entry by its name.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

struct MenuEntry {
    std::string name;     // "mnuFileOpen", "mnuModeMode(0)", "mnuPointA_Name", ...
    std::string caption;  // "&Open"; the character after "&" is the access key
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuEntry> children;  // empty for an entry that runs an action
};

// The top-level menus in their order: File, Mode, Edit, View, Options, Format, Help.
struct MenuBar {
    std::vector<MenuEntry> menus;
};

// The menu bar as the main window creates it, before the start-up has restored
// the mode and the display switches (range/bearing captions, every display
// entry ticked, the range/bearing mode entry ticked). The entries that have no
// action (the View menu's distance/bearing and deviation entries, the user
// defined grid system) are disabled.
MenuBar InitialMenuBar();

// The entry of that name anywhere in the bar, or nullptr.
MenuEntry* FindMenuEntry(MenuBar& bar, std::string_view name);
const MenuEntry* FindMenuEntry(const MenuBar& bar, std::string_view name);

// Setters by name. An unknown name is a programming error: std::out_of_range.
void SetMenuCaption(MenuBar& bar, std::string_view name, std::string caption);
void SetMenuChecked(MenuBar& bar, std::string_view name, bool checked);
void SetMenuEnabled(MenuBar& bar, std::string_view name, bool enabled);
void SetMenuVisible(MenuBar& bar, std::string_view name, bool visible);

// Visits every entry depth first in menu order; depth 0 is a top-level menu.
void ForEachMenuEntry(const MenuBar& bar,
                      const std::function<void(const MenuEntry& entry, int depth)>& visit);

// The caption without its access-key marker: "Point&A" -> "PointA" ("&&" stays one "&").
std::string CaptionText(std::string_view caption);

// The access key of a caption in upper case ("Save &As" -> 'A'), or 0 when it has none.
char AccessKey(std::string_view caption);

}  // namespace model

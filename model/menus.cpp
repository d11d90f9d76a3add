#include "model/menus.h"

#include <cctype>
#include <stdexcept>
#include <utility>

namespace model {
namespace {

MenuEntry Item(std::string name, std::string caption) {
    MenuEntry entry;
    entry.name = std::move(name);
    entry.caption = std::move(caption);
    return entry;
}

MenuEntry Menu(std::string name, std::string caption, std::vector<MenuEntry> children) {
    MenuEntry entry = Item(std::move(name), std::move(caption));
    entry.children = std::move(children);
    return entry;
}

MenuEntry PointMenu(const std::string& point) {  // point: "A" or "B"
    const std::string prefix = "mnuPoint" + point;
    return Menu(prefix, "Point&" + point,
                {Item(prefix + "_Name", "&Name"),
                 Item(prefix + "_Geographic", "&Geographic co-ordinates"),
                 Item(prefix + "_Cartesian", "&Cartesian co-ordinates"),
                 Item(prefix + "_Grid", "G&rid co-ordinates"),
                 Item(prefix + "_Datum", "Geodetic &Datum"),
                 Item(prefix + "_GridSystem", "Grid Co-ordinate &System")});
}

// An entry that exists in the bar but has no action yet: shown greyed, so
// that choosing it does not silently do nothing.
MenuEntry Inactive(std::string name, std::string caption) {
    MenuEntry entry = Item(std::move(name), std::move(caption));
    entry.enabled = false;
    return entry;
}

MenuEntry DisplayItem(int k, std::string caption, bool visible = true) {
    MenuEntry entry = Item("mnuViewDisplay(" + std::to_string(k) + ")", std::move(caption));
    entry.checked = true;
    entry.visible = visible;
    return entry;
}

template <typename Entry>
Entry* FindIn(std::vector<Entry>& entries, std::string_view name) {
    for (auto& entry : entries) {
        if (entry.name == name) return &entry;
        if (auto* found = FindIn(entry.children, name)) return found;
    }
    return nullptr;
}

const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, std::string_view name) {
    for (const auto& entry : entries) {
        if (entry.name == name) return &entry;
        if (const auto* found = FindIn(entry.children, name)) return found;
    }
    return nullptr;
}

MenuEntry& Required(MenuBar& bar, std::string_view name) {
    MenuEntry* entry = FindMenuEntry(bar, name);
    if (!entry) throw std::out_of_range("no menu entry named " + std::string(name));
    return *entry;
}

void Visit(const std::vector<MenuEntry>& entries, int depth,
           const std::function<void(const MenuEntry&, int)>& visit) {
    for (const auto& entry : entries) {
        visit(entry, depth);
        Visit(entry.children, depth + 1, visit);
    }
}

}  // namespace

MenuBar InitialMenuBar() {
    MenuBar bar;
    bar.menus.push_back(Menu("mnuFile", "&File",
                             {Item("mnuFileOpen", "&Open"), Item("mnuFileSave", "&Save"),
                              Item("mnuFileSaveAs", "Save &As"),
                              Item("mnuFilePrintTextfile", "Print to &Text-file"),
                              Item("mnuFilePrint", "&Print"), Item("mnuFileExit", "E&xit")}));

    MenuEntry range_bearing = Item("mnuModeMode(0)", "&Range/Bearing calculations ('green mode')");
    range_bearing.checked = true;
    bar.menus.push_back(Menu(
        "mnuMode", "&Mode",
        {range_bearing, Item("mnuModeMode(1)", "&Datumshift calculations         ('violet mode')")}));

    bar.menus.push_back(Menu("mnuEdit", "&Edit",
                             {PointMenu("A"),
                              Menu("mnuOffset", "&Offset",
                                   {Item("mnuOffsetTrueRange", "&True Range/Bearing"),
                                    Item("mnuOffsetCartesian", "&Cartesian Offset"),
                                    Item("mnuOffsetGridRange", "&Grid Range/Bearing")}),
                              PointMenu("B")}));

    bar.menus.push_back(Menu(
        "mnuView", "&View",
        {Menu("mnuViewCoordinates", "&Co-ordinates",
              {DisplayItem(0, "&Geographic Co-ordinates"), DisplayItem(1, "&Cartesian Co-ordinates"),
               DisplayItem(2, "G&rid Co-ordinates"),
               // 3 is the grid group's companion switch and 4 the spare one: they
               // exist so that every display switch has its entry, but are never shown.
               DisplayItem(3, "", false), DisplayItem(4, "", false),
               DisplayItem(5, "Geoidal &Height")}),
         Menu("mnuViewOffset", "D&istance/Bearings",
              {Inactive("mnuViewOffset_True", "&Geodetic Distance/Bearing"),
               Inactive("mnuViewOffset_Cart", "&Cartesian vector"),
               Inactive("mnuViewOffset_GrCirc", "Gr&eat Circle Distance"),
               Inactive("mnuViewOffset_RhLine", "R&humb Line Distance"),
               Inactive("mnuViewOffset_Grid", "G&rid Distance/Bearing")}),
         Menu("mnuViewDatum", "&Datum deviations",
              {Inactive("mnuViewDatum_Geog", "&Geographic Deviation"),
               Inactive("mnuViewDatum_Cart", "&Cartesian Deviation"),
               Inactive("mnuViewDatum_Grid", "G&rid Deviation")})}));

    bar.menus.push_back(Menu("mnuOptions", "&Options",
                             {Item("mnuUserDatum", "User Defined &Datum"),
                              Inactive("mnuUserGrid", "User Defined &Grid System"),
                              Item("mnuOptionSLatitude", "Southern Latitude default"),
                              Item("mnuOptionWLongitude", "Western Longitudes default"),
                              Item("mnuRoute", "&Route schedule")}));

    bar.menus.push_back(Menu("mnuFormat", "Fo&rmat",
                             {Item("mnuFormatPosition", "&Geographic Co-ordinates"),
                              Item("mnuFormatHeight", "&Height values"),
                              Item("mnuFormatCartesian", "&Cartesian Co-ordinates"),
                              Item("mnuFormatGrid", "G&rid Co-ordinates"),
                              Item("mnuFormatDistance", "&Distances"),
                              Item("mnuFormatGrCirc", "Great Circle/Rhumb &Line"),
                              Item("mnuFormatBearing", "&Bearings")}));

    bar.menus.push_back(
        Menu("mnuHelp", "&Help", {Item("mnuHelpContents", "&Contents"), Item("mnuHelpAbout", "&About")}));
    return bar;
}

MenuEntry* FindMenuEntry(MenuBar& bar, std::string_view name) { return FindIn(bar.menus, name); }

const MenuEntry* FindMenuEntry(const MenuBar& bar, std::string_view name) {
    return FindIn(bar.menus, name);
}

void SetMenuCaption(MenuBar& bar, std::string_view name, std::string caption) {
    Required(bar, name).caption = std::move(caption);
}
void SetMenuChecked(MenuBar& bar, std::string_view name, bool checked) {
    Required(bar, name).checked = checked;
}
void SetMenuEnabled(MenuBar& bar, std::string_view name, bool enabled) {
    Required(bar, name).enabled = enabled;
}
void SetMenuVisible(MenuBar& bar, std::string_view name, bool visible) {
    Required(bar, name).visible = visible;
}

void ForEachMenuEntry(const MenuBar& bar, const std::function<void(const MenuEntry&, int)>& visit) {
    Visit(bar.menus, 0, visit);
}

std::string CaptionText(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

char AccessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

}  // namespace model

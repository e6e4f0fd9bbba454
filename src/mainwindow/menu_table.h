// The main window's menu bar as data: every menu and command with its
// control name, caption ("&" before the access key), accelerator and whether
// its check mark is a setting. The window builds its menus from this table.
#pragma once

#include <string_view>
#include <vector>

namespace kairotex {

struct MenuCommand {
  std::string_view name;  // control name; empty for a separator
  std::string_view caption;
  std::string_view shortcut;  // "F2", "Shift+F1", "Ctrl+F2"; empty for none
  bool checkable = false;
  bool IsSeparator() const { return name.empty(); }
};

struct MenuDefinition {
  std::string_view name;
  std::string_view caption;
  // A menu without items is a command of its own on the menu bar.
  std::vector<MenuCommand> items;
};

// The menus in menu-bar order.
const std::vector<MenuDefinition>& MainMenuBar();

// The eight house-system items in menu order (Placidus first).
inline constexpr std::string_view kHouseItemNames[8] = {
    "mnuHousePlacidus", "mnuHouseRegiomontanus", "mnuHouseKoch",     "mnuHouseCampanus",
    "mnuHousePorphyry", "mnuHouseEqual",         "mnuHouseMeridian", "mnuHouseMorinus"};

}  // namespace kairotex

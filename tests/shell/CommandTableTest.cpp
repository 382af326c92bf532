#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace ked {
namespace {

void CollectNames(const std::vector<MenuCommand>& items, std::vector<std::string>& names) {
  for (const MenuCommand& m : items) {
    names.push_back(m.name);
    CollectNames(m.items, names);
  }
}

TEST(CommandTable, NamesAreUniqueAcrossButtonsMenusAndPopups) {
  std::vector<std::string> names;
  for (const ButtonCommand& b : MainButtons()) names.push_back(b.name);
  CollectNames(MainMenu(), names);
  for (int p = 1; p <= 3; ++p) CollectNames(PopupMenu(p), names);
  std::set<std::string> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  EXPECT_EQ(MainButtons().size(), 34u);
}

TEST(CommandTable, MenuItemNamesAreTheCaptionRunTogether) {
  std::vector<std::string> used;
  EXPECT_EQ(MenuItemName("Vérification mise à jour", used), "Vrificationmisejour1");
  EXPECT_EQ(MenuItemName("&Rapport", used), "Rapport1");
  EXPECT_EQ(MenuItemName("&Rapport", used), "Rapport2");
  EXPECT_EQ(MenuItemName("à &Propos", used), "Propos1");
}

TEST(CommandTable, OnlyTheTypePresetsOfTheOrganisationWindowDiffer) {
  int paires = 0, suisse = 0, none = 0;
  auto count = [&](const Action& a) {
    if (a.kind != ActionKind::ShowWindow || a.window != WindowId::Organisation) return;
    if (a.preset == 0) ++paires;
    else if (a.preset == 1) ++suisse;
    else if (a.preset == kNoTypeSelected) ++none;
  };
  for (const ButtonCommand& b : MainButtons()) count(b.action);
  std::function<void(const std::vector<MenuCommand>&)> walk = [&](const auto& items) {
    for (const MenuCommand& m : items) {
      count(m.action);
      walk(m.items);
    }
  };
  walk(MainMenu());
  EXPECT_EQ(paires, 1);
  EXPECT_EQ(suisse, 1);
  EXPECT_EQ(none, 3);  // "Propositions Horaires", both "Bonus" commands
}

}  // namespace
}  // namespace ked

#pragma once
// "Extraction de la sélection": the settings that the selected proposal lines set,
// in the order the window applies them (each one runs the window's rules).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ked {

enum class SettingTarget { Sections, KindA, TablesA, Rounds, KindB, TablesB, KindC, TablesC, TablesD };

struct SelectionSetting {
  SettingTarget target;
  int value;  // a count, or a radio item index (-1: no item selected)
  bool operator==(const SelectionSetting&) const = default;
};

struct Extraction {
  std::vector<SelectionSetting> settings;
  std::optional<std::string> error;  // a number could not be read; the settings before it stand
};

Extraction ExtractSelection(std::string_view selectedText);

}  // namespace ked

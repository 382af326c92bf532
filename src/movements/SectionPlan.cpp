#include "movements/SectionPlan.h"

#include <algorithm>

namespace ked {

bool SpinValue::Assign(int v) {
  // A range whose upper bound fell below the lower one still keeps the lower bound.
  if (min != max) v = std::clamp(v, min, std::max(min, max));
  if (v == value) return false;
  value = v;
  return true;
}

SectionPlan::SectionPlan() = default;

void SectionPlan::SetPairs(int pairs) {
  if (!pairs_.Assign(pairs)) return;
  Spin(Section::A).Assign(Tables());
  SetSectionCount(1);
}

void SectionPlan::SetSectionCount(int count) {
  if (sections_.Assign(count)) SectionCountRule();
}

void SectionPlan::SetRounds(int rounds) {
  if (rounds_.Assign(rounds)) SectionCountRule();
}

void SectionPlan::SetTables(Section s, int tables) {
  if (Spin(s).Assign(tables) && s != Section::A) TablesChanged(s);
}

void SectionPlan::SetKindA(int index) { kindA_ = std::clamp(index, 0, kMovementKindCount - 1); }
void SectionPlan::SetKindB(int index) { kindB_ = std::clamp(index, -1, 1); }
void SectionPlan::SetKindC(int index) { kindC_ = std::clamp(index, -1, 1); }

void SectionPlan::SectionCountRule() {
  const int n = sections_.value;
  if (n <= 1) SetTables(Section::B, 0);
  if (n <= 2) SetTables(Section::C, 0);
  if (n <= 3) SetTables(Section::D, 0);
  Remainder();
}

void SectionPlan::TablesChanged(Section s) {
  int others = 0;
  for (Section o : {Section::B, Section::C, Section::D})
    if (o != s) others += TablesOf(o).value;
  // Section A keeps at least one table.
  Spin(s).max = Tables() - others - 1;
  Remainder();
}

void SectionPlan::Remainder() {
  Spin(Section::A).Assign(Tables() - TablesOf(Section::B).value - TablesOf(Section::C).value -
                          TablesOf(Section::D).value);
}

void SectionPlan::Apply(const std::vector<SelectionSetting>& settings) {
  for (const auto& s : settings) {
    switch (s.target) {
      case SettingTarget::Sections: SetSectionCount(s.value); break;
      case SettingTarget::KindA: SetKindA(s.value); break;
      case SettingTarget::TablesA: SetTables(Section::A, s.value); break;
      case SettingTarget::Rounds: SetRounds(s.value); break;
      case SettingTarget::KindB: SetKindB(s.value); break;
      case SettingTarget::TablesB: SetTables(Section::B, s.value); break;
      case SettingTarget::KindC: SetKindC(s.value); break;
      case SettingTarget::TablesC: SetTables(Section::C, s.value); break;
      case SettingTarget::TablesD: SetTables(Section::D, s.value); break;
    }
  }
}

MovementSetting SectionPlan::ToSetting() const {
  MovementSetting m;
  m.pairs = Pairs();
  m.tablesA = TablesOf(Section::A).value;
  m.tablesB = TablesOf(Section::B).value;
  m.tablesC = TablesOf(Section::C).value;
  m.tablesD = TablesOf(Section::D).value;
  m.rounds = rounds_.value;
  m.kindA = static_cast<MovementKind>(kindA_);
  m.kindB = kindB_ == 1 ? MovementKind::Elargi : MovementKind::Mitchell;
  return m;
}

}  // namespace ked

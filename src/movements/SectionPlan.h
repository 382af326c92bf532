#pragma once
// The settings behind the movements window's section controls, and the rules its
// handlers keep: section A takes the tables that sections B, C and D leave.
#include "movements/SeedingFileBuilder.h"
#include "movements/SelectionExtract.h"

namespace ked {

// A spin box's value and range, with the runtime's rule: a value set into it is
// clamped to the range, unless both bounds are equal.
struct SpinValue {
  int value, min, max;
  // Whether the value changed (its change handler then runs).
  bool Assign(int v);
};

enum class Section { A = 0, B = 1, C = 2, D = 3 };

class SectionPlan {
 public:
  SectionPlan();

  // Handlers' effects, as the user's or the program's changes.
  void SetPairs(int pairs);         // tables follow, A = tables, one section
  void SetSectionCount(int count);  // section count rule
  void SetRounds(int rounds);       // section count rule too
  void SetTables(Section s, int tables);  // B, C, D: upper bound and remainder rule
  void SetKindA(int index);               // 0 to 5
  void SetKindB(int index);               // -1 (none), 0 "Mitchell", 1 "Elargi"
  void SetKindC(int index);
  // Applies extracted settings in their order, each with its rules.
  void Apply(const std::vector<SelectionSetting>& settings);

  int Pairs() const { return pairs_.value; }
  int Tables() const { return EventTables(pairs_.value); }
  const SpinValue& SectionCount() const { return sections_; }
  const SpinValue& Rounds() const { return rounds_; }
  const SpinValue& TablesOf(Section s) const { return tables_[static_cast<int>(s)]; }
  int KindA() const { return kindA_; }
  int KindB() const { return kindB_; }
  int KindC() const { return kindC_; }
  // Sections B, C, D are shown from 2, 3 and 4 sections.
  bool Shown(Section s) const { return static_cast<int>(s) < sections_.value; }

  MovementSetting ToSetting() const;

 private:
  void SectionCountRule();
  void TablesChanged(Section s);
  void Remainder();
  SpinValue& Spin(Section s) { return tables_[static_cast<int>(s)]; }

  SpinValue pairs_{26, 5, 72};
  SpinValue sections_{1, 1, 4};
  SpinValue rounds_{9, 4, 14};
  SpinValue tables_[4] = {{13, 1, 36}, {0, 0, 15}, {0, 0, 15}, {0, 0, 15}};
  int kindA_ = 0, kindB_ = 0, kindC_ = 0;
};

}  // namespace ked

#include "movements/SectionPlan.h"

#include <gtest/gtest.h>

namespace ked {
namespace {

TEST(SectionPlan, TablesFollowThePairs) {
  for (auto [pairs, tables] : {std::pair{25, 13}, {26, 13}, {27, 14}, {72, 36}}) {
    SectionPlan plan;
    plan.SetPairs(pairs);
    EXPECT_EQ(plan.Tables(), tables);
    EXPECT_EQ(plan.TablesOf(Section::A).value, tables) << pairs;
  }
}

TEST(SectionPlan, SectionBTakesFromSectionA) {
  SectionPlan plan;  // 26 pairs, 13 tables
  plan.SetSectionCount(2);
  plan.SetTables(Section::B, 6);
  EXPECT_EQ(plan.TablesOf(Section::A).value, 7);
  EXPECT_EQ(plan.TablesOf(Section::B).max, 12);
  EXPECT_TRUE(plan.Shown(Section::B));
  EXPECT_FALSE(plan.Shown(Section::C));
}

TEST(SectionPlan, UpperBoundLeavesSectionAOneTable) {
  SectionPlan plan;
  plan.SetSectionCount(3);
  plan.SetTables(Section::B, 6);
  plan.SetTables(Section::C, 4);
  EXPECT_EQ(plan.TablesOf(Section::C).max, 6);
  plan.SetTables(Section::C, 9);  // clamped to its bound
  EXPECT_EQ(plan.TablesOf(Section::C).value, 6);
  EXPECT_EQ(plan.TablesOf(Section::A).value, 1);
}

TEST(SectionPlan, BackToOneSectionGivesEveryTableToA) {
  SectionPlan plan;
  plan.SetSectionCount(3);
  plan.SetTables(Section::B, 4);
  plan.SetTables(Section::C, 3);
  plan.SetSectionCount(1);
  EXPECT_EQ(plan.TablesOf(Section::B).value, 0);
  EXPECT_EQ(plan.TablesOf(Section::C).value, 0);
  EXPECT_EQ(plan.TablesOf(Section::A).value, 13);
  EXPECT_FALSE(plan.Shown(Section::B));
}

TEST(SectionPlan, RoundsRunTheSectionCountRule) {
  SectionPlan plan;
  plan.SetTables(Section::A, 8);
  plan.SetRounds(7);
  EXPECT_EQ(plan.TablesOf(Section::A).value, 13);
}

TEST(SectionPlan, SpinValueKeepsEqualBoundsUnclamped) {
  SpinValue fixed{0, 0, 0};
  EXPECT_TRUE(fixed.Assign(3));
  EXPECT_EQ(fixed.value, 3);
  SpinValue inverted{2, 0, -1};
  EXPECT_TRUE(inverted.Assign(5));
  EXPECT_EQ(inverted.value, 0);
  SpinValue normal{5, 4, 14};
  EXPECT_FALSE(normal.Assign(5));
  normal.Assign(20);
  EXPECT_EQ(normal.value, 14);
}

TEST(SectionPlan, ExtractedSecondSectionDecidesSectionA) {
  SectionPlan plan;
  plan.Apply(ExtractSelection("Mitchell de 12 tables : 12X2\r\nMitchell de 6 tables : 7X4")
                 .settings);
  EXPECT_EQ(plan.SectionCount().value, 2);
  EXPECT_EQ(plan.KindB(), 0);
  EXPECT_EQ(plan.TablesOf(Section::B).value, 6);
  EXPECT_EQ(plan.TablesOf(Section::A).value, 7);
  EXPECT_EQ(plan.Rounds().value, 12);
}

TEST(SectionPlan, SettingFeedsTheSeedingFile) {
  SectionPlan plan;
  plan.SetPairs(40);
  plan.SetSectionCount(2);
  plan.SetKindB(1);
  plan.SetTables(Section::B, 10);
  const MovementSetting s = plan.ToSetting();
  EXPECT_EQ(s.pairs, 40);
  EXPECT_EQ(s.tablesA, 10);
  EXPECT_EQ(s.tablesB, 10);
  EXPECT_EQ(s.kindB, MovementKind::Elargi);
}

}  // namespace
}  // namespace ked

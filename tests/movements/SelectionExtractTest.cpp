#include "movements/SelectionExtract.h"

#include <gtest/gtest.h>

namespace ked {
namespace {

using T = SettingTarget;
using Settings = std::vector<SelectionSetting>;

// What every extraction sets first: one section, no kind for B and C.
Settings Start(Settings then) {
  Settings all = {{T::Sections, 1}, {T::KindB, -1}, {T::KindC, -1}};
  all.insert(all.end(), then.begin(), then.end());
  return all;
}

struct ExtractCase {
  const char* name;
  const char* selection;
  Settings settings;
};

class ExtractCases : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractCases, SetsInOrder) {
  const Extraction e = ExtractSelection(GetParam().selection);
  EXPECT_EQ(e.error, std::nullopt);
  EXPECT_EQ(e.settings, GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ExtractCases,
    ::testing::Values(
        ExtractCase{"Empty", "", Start({})},
        ExtractCase{"Interwoven", "Howell entrelacés de 8 tables : 7X3",
                    Start({{T::KindA, 3}, {T::TablesA, 8}, {T::Rounds, 7}})},
        ExtractCase{"CommaMeansOneTableMore", "Mitchell de 9, relais : 10X3",
                    Start({{T::KindA, 0}, {T::TablesA, 10}, {T::Rounds, 10}})},
        ExtractCase{"Howell", "Howell de 7 tables : 13X2",
                    Start({{T::KindA, 4}, {T::TablesA, 7}, {T::Rounds, 13}})},
        ExtractCase{"PartialHowell", "Howell partiel de 7 tables : 9X3",
                    Start({{T::KindA, 5}, {T::TablesA, 7}, {T::Rounds, 9}})},
        ExtractCase{"Extended", "Mitchell élargi de 10 tables : 11X3",
                    Start({{T::KindA, 1}, {T::TablesA, 10}, {T::Rounds, 11}})},
        ExtractCase{"Appendix", "Mitchell appendice de 12 tables : 11X3",
                    Start({{T::KindA, 2}, {T::TablesA, 12}, {T::Rounds, 11}})},
        ExtractCase{"KindTestsAreCaseSensitive", "howell de 7 tables : 13X2",
                    Start({{T::KindA, 0}, {T::TablesA, 7}, {T::Rounds, 13}})},
        ExtractCase{"NoDeNoTables", "Howell 7 tables : 13X2",
                    Start({{T::KindA, 4}, {T::Rounds, 13}})},
        ExtractCase{"NoColonNoRounds", "Howell de 7 tables, 13X2",
                    Start({{T::KindA, 4}, {T::TablesA, 8}})},
        ExtractCase{"LowercaseXEndsNothing", "Howell de 7 tables : 13x2",
                    Start({{T::KindA, 4}, {T::TablesA, 7}})},
        ExtractCase{"TwoSections", "Mitchell de 7 tables : 7X4\r\nMitchell de 6 tables : 7X4",
                    Start({{T::KindA, 0}, {T::TablesA, 7}, {T::Rounds, 7},
                           {T::Sections, 2}, {T::KindB, 0}, {T::TablesB, 6}})},
        ExtractCase{"FourSectionsLaterLinesIgnored",
                    "Mitchell de 10 tables : 10X3\r\nMitchell élargi de 9 tables : 10X3\r\n"
                    "Mitchell de 8 tables : 10X3\r\nSection D de 7 tables : 10X3\r\n"
                    "Mitchell de 2 tables : 1X1",
                    Start({{T::KindA, 0}, {T::TablesA, 10}, {T::Rounds, 10},
                           {T::Sections, 2}, {T::KindB, 1}, {T::TablesB, 9},
                           {T::Sections, 3}, {T::KindC, 0}, {T::TablesC, 8},
                           {T::Sections, 4}, {T::TablesD, 7}})},
        ExtractCase{"OtherKindLeavesNoChoice", "Mitchell de 7 : 7X4\r\nHowell de 6 : 7X4\r\n",
                    Start({{T::KindA, 0}, {T::TablesA, 7}, {T::Rounds, 7},
                           {T::Sections, 2}, {T::TablesB, 6}})},
        ExtractCase{"EmptyLineTwoStops", "Mitchell de 7 : 7X4\r\n\r\nMitchell de 6 : 7X4",
                    Start({{T::KindA, 0}, {T::TablesA, 7}, {T::Rounds, 7}})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtractSelection, NumberWithoutDigitsStopsWithAnError) {
  const Extraction e = ExtractSelection("Howell de tables : 13X2\r\nMitchell de 6 : 7X4");
  EXPECT_EQ(e.settings, Start({{T::KindA, 4}}));
  EXPECT_EQ(e.error, "'' n'est pas une valeur entière correcte");

  const Extraction rounds = ExtractSelection("Howell de 7 tables : X2");
  EXPECT_EQ(rounds.settings, Start({{T::KindA, 4}, {T::TablesA, 7}}));
  EXPECT_TRUE(rounds.error);

  const Extraction second = ExtractSelection("Howell de 7 tables : 13X2\r\nMitchell de : 7X4");
  EXPECT_EQ(second.settings,
            Start({{T::KindA, 4}, {T::TablesA, 7}, {T::Rounds, 13}, {T::Sections, 2},
                   {T::KindB, 0}}));
  EXPECT_TRUE(second.error);
}

TEST(ExtractSelection, HugeNumberIsAnErrorNotAnOverflow) {
  const Extraction e = ExtractSelection("Howell de 99999999999 tables : 13X2");
  EXPECT_EQ(e.settings, Start({{T::KindA, 4}}));
  EXPECT_EQ(e.error, "'99999999999' n'est pas une valeur entière correcte");
}

}  // namespace
}  // namespace ked

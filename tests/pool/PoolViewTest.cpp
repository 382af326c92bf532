#include <gtest/gtest.h>

#include "PoolFixtures.h"
#include "pool/PoolView.h"
#include "pool/Serpentine.h"

namespace ked {
namespace {

TEST(PageBreakAfterRound, EveryFiveFourOrThreeRounds) {
  struct Case {
    int count;
    std::vector<int> breaks;
  };
  const Case cases[] = {{2, {}},          {6, {}},         {8, {5}},
                        {10, {5}},        {12, {4, 8}},    {14, {4, 8, 12}},
                        {16, {3, 6, 9, 12, 15}}, {18, {3, 6, 9, 12, 15}}};
  for (const Case& c : cases) {
    std::vector<int> breaks;
    for (int r = 1; r <= c.count - 1; ++r)
      if (PageBreakAfterRound(c.count, r)) breaks.push_back(r);
    EXPECT_EQ(breaks, c.breaks) << c.count;
  }
}

TEST(PoolView, RowsOfTheGrids) {
  Pool pool = test::PoolWithEntities({101, 202, 303, 0}, true);
  pool.teams[1].indice = -4;
  pool.teams[1].pte = 12;
  pool.teams[1].ptp = 7;
  pool.teams[1].nom2 = "Dupont";
  EXPECT_EQ(TeamRow(pool.teams[1]),
            (std::array<std::string, 6>{"1", "-4", "12", "7", "101", "Equipe1 Dupont "}));
  const RoundTable rounds = BuildSerpentine(pool);
  EXPECT_EQ(TableRow(pool, rounds, 1, 2),
            (std::array<std::string, 5>{" Fantôme ", "4", "2", "3", "Equipe3  "}));
  EXPECT_EQ(TableRow(pool, rounds, 1, 3), (std::array<std::string, 5>{"  ", "0", "3", "0", "  "}));
  EXPECT_EQ(TableRow(pool, rounds, 0, 0), (std::array<std::string, 5>{"  ", "0", "0", "0", "  "}));
  EXPECT_EQ(RoundTabs(4), (std::vector<std::string>{"Tour 1", "Tour 2", "Tour 3"}));
  EXPECT_TRUE(RoundTabs(1).empty());
  EXPECT_TRUE(RoundTabs(0).empty());
}

TEST(PoolView, ReportVariables) {
  Pool pool = test::PoolWithEntities({101, 202, 303, 404});
  pool.title = "Coupe : Poule B";
  const RoundTable rounds = BuildSerpentine(pool);  // round 2, table 1: 3 v 1
  auto value = [&](const std::string& name, bool serpentine = true) {
    return PoolReportVariable(name, pool, rounds, serpentine, 2, 1);
  };
  EXPECT_EQ(value("Titre"), PoolReportValue(std::string("Coupe : Poule B")));
  EXPECT_EQ(value("Tour"), PoolReportValue(2LL));
  EXPECT_EQ(value("Table"), PoolReportValue(1LL));
  EXPECT_EQ(value("Affiche"), PoolReportValue(std::string("Serpentin")));
  EXPECT_EQ(value("Affiche", false), PoolReportValue(std::string("Optimisé")));
  EXPECT_EQ(value("Visit"), PoolReportValue(std::string("Equipe3  ")));
  EXPECT_EQ(value("NumVis"), PoolReportValue(3LL));
  EXPECT_EQ(value("Recep"), PoolReportValue(std::string("Equipe1  ")));
  EXPECT_EQ(value("NumRec"), PoolReportValue(1LL));
  for (const char* unknown : {"titre", "TOUR", "Nom", ""})
    EXPECT_TRUE(std::holds_alternative<std::monostate>(value(unknown))) << unknown;
}

}  // namespace
}  // namespace ked

#include <gtest/gtest.h>

#include <sstream>

#include "pool/PoolListing.h"
#include "pool/PoulOpt.h"
#include "pool/Serpentine.h"
#include "pool/TeamList.h"

namespace ked {
namespace {

const std::string kData = std::string(KED_SOURCE_DIR) + "/tests/pool/data/";

std::vector<std::string> Listing(const std::string& file) {
  TeamListImport read = ImportTeamList(kData + file);
  EXPECT_TRUE(read.success) << file;
  SortTeams(read.pool);
  const RoundTable serpentine = BuildSerpentine(read.pool);
  std::istringstream text(PoolListing(read.pool, serpentine, BuildOptimised(read.pool, serpentine)));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

TEST(PoolListing, TheEighteenTeamSample) {
  const auto lines = Listing("eighteen.txt");
  ASSERT_EQ(lines.size(), 1u + 18 + 153 + 153);
  EXPECT_EQ(lines[0], "title Coupe de Belmorie Division Excellence : Poule A");
  EXPECT_EQ(lines[1], "team 1 1203 412 388 10101 Bridge Club de Belmorie LEFÈVRE Hélène");
  EXPECT_EQ(lines[18], "team 18 990 265 251 10199 Cercle de l'Étang AUBRÉE Thérèse");
  EXPECT_EQ(lines[19], "serp 1 1 1 2 549");  // 10101 and 10102: same hundreds
  EXPECT_EQ(lines[19 + 152], "serp 17 9 18 15 41");
  EXPECT_EQ(lines[19 + 153], "opt 1 1 1 14 1049");  // the two first teams of one club
}

TEST(PoolListing, TheGhostOfSeventeenTeams) {
  const auto lines = Listing("seventeen.txt");
  ASSERT_EQ(lines.size(), 1u + 18 + 153 + 153);
  EXPECT_EQ(lines[18], "team 18 0 0 0 0  Fantôme ");
  int ghostMatches = 0;
  for (size_t i = 19; i < lines.size(); ++i) {
    std::istringstream fields(lines[i]);
    std::string tag;
    int round, table, visitor, home;
    fields >> tag >> round >> table >> visitor >> home;
    if (visitor == 18 || home == 18) {
      ++ghostMatches;
      EXPECT_EQ(table, 9) << lines[i];
    }
  }
  EXPECT_EQ(ghostMatches, 2 * 17);
}

}  // namespace
}  // namespace ked

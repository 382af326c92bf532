#include <gtest/gtest.h>

#include <string>

#include "platform/FileIO.h"
#include "pool/PoolIni.h"
#include "pool/TeamList.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const std::string kHeader = "#INTITULE\r\nPAS;a;b;c;Coupe;Belmorie;Poule A\r\n#INSCRITS_GROUPE\r\n";

std::string TeamLine(int i, int indice = 100, int entite = 101) {
  return std::to_string(i) + ";" + std::to_string(indice) + ";3;7;" + std::to_string(entite) +
         ";x;y;Nom" + std::to_string(i) + ";B;C\r\n";
}

std::string Teams(int count) {
  std::string lines;
  for (int i = 1; i <= count; ++i) lines += TeamLine(i, 200 - i);
  return lines;
}

TEST(SplitFields, CutsIntoTenFieldsWithoutTrimming) {
  struct Case {
    std::string line;
    std::array<std::string, 10> fields;
  };
  const Case cases[] = {
      {"", {}},
      {"PAS", {"PAS"}},
      {" a ; b;;c", {" a ", " b", "", "c"}},
      {"1;2;3;4;5;6;7;8;9;10", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
      {"1;2;3;4;5;6;7;8;9;10;11;12", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
      {"1;2;3;4;5;6;7;8;9;", {"1", "2", "3", "4", "5", "6", "7", "8", "9", ""}},
      {"\"a;b\"", {"\"a", "b\""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;
}

TEST(ParseTeamList, ReadsTitleAndTeams) {
  const auto result = ParseTeamList(
      "intro\n#INTITULE\nPAS;a;b;c;E5;F6;F7\nx\n#INSCRITS_GROUPE\n"
      "12;104;3;7;254;x;y;A;B;C\n3;$1F;0x10;-2; 9;;;\xC9quipe;Fant\xF4me;\n\nafter\n");
  ASSERT_TRUE(result.success);
  EXPECT_EQ(result.failure, ImportFailure::None);
  EXPECT_EQ(result.pool.title, "E5 F6 : F7");
  ASSERT_EQ(result.pool.count, 2);
  const t_equipe& a = result.pool.teams[1];
  EXPECT_EQ(a.indice, 104);
  EXPECT_EQ(a.pte, 3);
  EXPECT_EQ(a.ptp, 7);
  EXPECT_EQ(a.entite, 254);
  EXPECT_EQ(TeamName(a), "A B C");
  EXPECT_EQ(a.num, 0);
  const t_equipe& b = result.pool.teams[2];
  EXPECT_EQ(b.indice, 31);
  EXPECT_EQ(b.pte, 16);
  EXPECT_EQ(b.ptp, -2);
  EXPECT_EQ(b.entite, 9);
  EXPECT_EQ(TeamName(b), "Équipe Fantôme ");
}

TEST(ParseTeamList, LineEndsOfEveryKind) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    const std::string file = "#INTITULE" + end + "PAS;;;;T;U;V" + end + "#INSCRITS_GROUPE" + end +
                             "1;1;1;1;1;;;A;B;C" + end + "2;1;1;1;1;;;D;E;F" + end + end;
    const auto result = ParseTeamList(file);
    EXPECT_TRUE(result.success) << int(end[0]);
    EXPECT_EQ(result.pool.count, 2);
  }
}

TEST(ParseTeamList, TitleOfPasAlone) {
  const auto result = ParseTeamList("#INTITULE\nPAS\n#INSCRITS_GROUPE\n\n");
  ASSERT_TRUE(result.success);
  EXPECT_EQ(result.pool.title, "  : ");
  EXPECT_EQ(result.pool.count, 0);
}

TEST(ParseTeamList, SeventeenTeamsGetTheGhost) {
  auto result = ParseTeamList(kHeader + Teams(17) + "fin\r\n");
  ASSERT_TRUE(result.success);
  ASSERT_EQ(result.pool.count, 18);
  SortTeams(result.pool);
  EXPECT_EQ(result.pool.ghost, 18);
  EXPECT_EQ(TeamName(result.pool.teams[18]), " Fantôme ");
  EXPECT_EQ(result.pool.teams[18], (t_equipe{18, 0, 0, 0, 0, "", "Fantôme", ""}));
}

TEST(ParseTeamList, EighteenTeamsAndTheLimit) {
  const auto eighteen = ParseTeamList(kHeader + Teams(18) + "\r\n");
  ASSERT_TRUE(eighteen.success);
  EXPECT_EQ(eighteen.pool.count, 18);

  const auto nineteen = ParseTeamList(kHeader + Teams(19) + "\r\n");
  EXPECT_FALSE(nineteen.success);
  EXPECT_EQ(nineteen.failure, ImportFailure::TooManyTeams);
  EXPECT_EQ(nineteen.message, "Programme limité à 18 équipes !");
  EXPECT_EQ(nineteen.pool.count, 18);  // no ghost
  EXPECT_EQ(nineteen.pool.teams[18].nom1, "Nom18");
}

TEST(ParseTeamList, RejectionsWithoutMessage) {
  const std::string cases[] = {
      "",
      "\r\n\r\n",
      "#INTITULE \r\nPAS;;;;a;b;c\r\n#INSCRITS_GROUPE\r\n1;1;1;1;1\r\n\r\n",  // not a marker
      "#intitule\r\nPAS\r\n#INSCRITS_GROUPE\r\n\r\n",
      "#INTITULE",                                        // no title line
      "#INTITULE\r\nPAS;;;;a;b;c\r\n",                    // no team marker
      "#INTITULE\r\nPAS;;;;a;b;c\r\n #INSCRITS_GROUPE\r\n\r\n",
      kHeader + Teams(4),                                 // ends on a team line
      kHeader + Teams(3),                                 // also with its ghost
      kHeader,                                            // nothing after the marker
  };
  for (const std::string& file : cases) {
    const auto result = ParseTeamList(file);
    EXPECT_FALSE(result.success) << file;
    EXPECT_EQ(result.failure, ImportFailure::Incomplete) << file;
    EXPECT_EQ(result.message, "") << file;
  }
  EXPECT_EQ(ParseTeamList(kHeader + Teams(3)).pool.count, 4);
}

TEST(ParseTeamList, WrongFileType) {
  for (const std::string title : {"PAS ;a", " PAS", "pas", "", "#INSCRITS_GROUPE"}) {
    const auto result = ParseTeamList("#INTITULE\r\n" + title + "\r\n#INSCRITS_GROUPE\r\n" +
                                      Teams(2) + "\r\n");
    EXPECT_FALSE(result.success) << title;
    EXPECT_EQ(result.failure, ImportFailure::WrongFileType) << title;
    EXPECT_EQ(result.message, "Ce n'est pas le bon type de fichier !");
    EXPECT_EQ(result.pool.count, 0);
  }
}

TEST(ParseTeamList, NumbersWithTheRuntimesRules) {
  struct Case {
    std::string field;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"42", 42},         {"  -7", -7},     {"+5", 5},          {"$ff", 255},
      {"0x1A", 26},       {"$FFFFFFFF", -1}, {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},            {"2147483648", std::nullopt},
      {"", std::nullopt}, {"12 ", std::nullopt}, {"1,5", std::nullopt},
      {"abc", std::nullopt}, {"$", std::nullopt}, {"$100000000", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto result =
        ParseTeamList(kHeader + "1;" + c.field + ";0;0;0;;;A;B;C\r\n2;1;1;1;1\r\n\r\n");
    if (c.value) {
      ASSERT_TRUE(result.success) << c.field;
      EXPECT_EQ(result.pool.teams[1].indice, *c.value) << c.field;
    } else {
      EXPECT_FALSE(result.success) << c.field;
      EXPECT_EQ(result.failure, ImportFailure::NotAnInteger) << c.field;
      EXPECT_EQ(result.message, "'" + c.field + "' n'est pas une valeur entière correcte");
    }
  }
}

TEST(ParseTeamList, ShortTeamLineFailsOnItsEmptyField) {
  const auto result = ParseTeamList(kHeader + "1;2;3;4\r\n\r\n");
  EXPECT_EQ(result.failure, ImportFailure::NotAnInteger);
  EXPECT_EQ(result.message, "'' n'est pas une valeur entière correcte");
  EXPECT_EQ(result.pool.count, 0);  // stopped before the ghost
}

TEST(ParseTeamList, NonAsciiInTheErrorAndTheNames) {
  const auto result = ParseTeamList(kHeader + "1;\xE9;3;4;5\r\n\r\n");
  EXPECT_EQ(result.message, "'é' n'est pas une valeur entière correcte");
}

TEST(ImportTeamList, FileErrorsAndDirectory) {
  test::TempDir dir;
  const auto missing = ImportTeamList(dir.File("absent.txt"));
  EXPECT_EQ(missing.failure, ImportFailure::CannotOpen);
  EXPECT_EQ(missing.message, "Impossible d'ouvrir le fichier " + dir.File("absent.txt"));

  ASSERT_TRUE(WriteFileBytes(dir.File("liste.txt"), kHeader + Teams(2) + "\r\n"));
  const auto read = ImportTeamList(dir.File("liste.txt"));
  EXPECT_TRUE(read.success);
  EXPECT_EQ(read.pool.title, "Coupe Belmorie : Poule A");

  EXPECT_EQ(DirectoryOf(dir.File("liste.txt")), dir.Folder());
  EXPECT_EQ(DirectoryOf("C:\\Listes\\poule.txt"), "C:\\Listes\\");
  EXPECT_EQ(DirectoryOf("poule.txt"), "");
}

t_equipe Team(const std::string& name, int indice, int pte, int ptp) {
  t_equipe t;
  t.nom1 = name;
  t.indice = indice;
  t.pte = pte;
  t.ptp = ptp;
  return t;
}

Pool PoolOf(std::vector<t_equipe> teams) {
  Pool pool;
  for (auto& t : teams) pool.teams[++pool.count] = t;
  return pool;
}

TEST(SortTeams, OrdersByIndicePtpPteDescending) {
  // name, indice, pte, ptp
  Pool pool = PoolOf({Team("a", 5, 1, 1),
                      Team("b", 9, 0, 0),
                      Team("c", 5, 2, 3),
                      Team("d", 5, 9, 1),
                      Team("e", -1, 0, 0),
                      t_equipe{0, 0, 0, 0, 0, "", "Fantôme", ""}});
  SortTeams(pool);
  std::string order;
  for (int k = 1; k <= pool.count; ++k) {
    order += pool.teams[k].nom1.empty() ? "G" : pool.teams[k].nom1;
    EXPECT_EQ(pool.teams[k].num, k);
  }
  EXPECT_EQ(order, "bcdaGe");
  EXPECT_EQ(pool.ghost, 0);  // a real team sorts after the ghost
}

TEST(SortTeams, EqualKeysFollowTheExchangeOrder) {
  // The exchange sort is not stable: with one better team last, the equal
  // teams come out in a rotated order.
  Pool pool = PoolOf({Team("a", 1, 0, 0),
                      Team("b", 1, 0, 0),
                      Team("c", 1, 0, 0),
                      Team("d", 2, 0, 0)});
  SortTeams(pool);
  std::string order;
  for (int k = 1; k <= pool.count; ++k) order += pool.teams[k].nom1;
  EXPECT_EQ(order, "dbca");
}

TEST(SortTeams, GhostStaysLast) {
  auto result = ParseTeamList(kHeader + Teams(5) + "\r\n");
  SortTeams(result.pool);
  EXPECT_EQ(result.pool.ghost, 6);
  EXPECT_EQ(result.pool.teams[1].nom1, "Nom1");
  SortTeams(result.pool);  // sorting again changes nothing
  EXPECT_EQ(result.pool.teams[1].nom1, "Nom1");
}

TEST(PoolIni, ImportDirectoryRoundTrip) {
  test::TempDir dir;
  EXPECT_EQ(ReadImportDirectory(dir.Folder()), "");
  ASSERT_TRUE(WriteImportDirectory(dir.Folder(), "/home/arbitre/Téléchargements/"));
  EXPECT_EQ(ReadImportDirectory(dir.Folder()), "/home/arbitre/Téléchargements/");
  const auto bytes = ReadFileBytes(dir.File("poules.ini"));
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find("[Repertoire]"), std::string::npos);
  EXPECT_NE(bytes->find("Lecture=/home/arbitre/T\xE9l\xE9" "chargements/"), std::string::npos);
}

}  // namespace
}  // namespace ked

#include "balancing/BalancingCommands.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/FileIO.h"
#include "support/TempDir.h"

namespace ked {
namespace {

struct Output {
  int code;
  std::string out, err;
};

Output Balance(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunBalanceCommand(args, out, err);
  return {code, out.str(), err.str()};
}

Output Seeding(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunSeedingBalanceCommand(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(BalanceCommandTest, ScoresTheDefaultStudy) {
  const Output r = Balance({"--tables", "10", "--sessions", "1"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "E 1 7 8 2 6 9 3 5 10 4\n"
            "M 9 3 5 10 4 1 7 8 2 6\n"
            "mean 5,5\n"
            "sd 2,8723\n"
            "initial 1-7-8-2-6-9-3-5-10-4-\n"
            "tables 1+4+7+10+8+5+2+3+6+9+\n");
}

TEST(BalanceCommandTest, OptimisesAndRemembers) {
  test::TempDir dir;
  const std::string memory = dir.File("Equilibre.txt");
  const std::vector<std::string> args = {"--tables", "10", "--sessions", "2", "--s", "6",
                                         "--ss", "5", "--optimise", "--memory", memory};
  const Output first = Balance(args);
  EXPECT_EQ(first.code, 0) << first.err;
  EXPECT_EQ(first.out,
            "E 1 9 3 7 5 6 4 8 2 10\n"
            "M 11 10 12 10 12 11 10 12 10 12\n"
            "mean 11\n"
            "sd 0,8944\n"
            "initial 1-9-3-7-5-6-4-8-2-10-\n"
            "tables 1+9+3+7+5+6+4+8+2+10+\n"
            "tests 362880\n");
  EXPECT_EQ(*ReadFileBytes(memory), "10 2 0000010000+0000100000 1-9-3-7-5-6-4-8-2-10-\r\n");
  // The memorised study comes back without a search.
  const Output again = Balance(args);
  EXPECT_NE(again.out.find("sd 0,8944\n"), std::string::npos);
  EXPECT_NE(again.out.find("tests 0\n"), std::string::npos);
}

TEST(BalanceCommandTest, RefusesBadInput) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* err;
  };
  const Case cases[] = {
      {{"--tables", "4", "--order", "1-3-3-2-"}, 1, "La ligne n'est pas valide\n"},
      {{"--tables", "18"}, 64, nullptr},
      {{"--tables", "10", "--sessions", "4"}, 64, nullptr},
      {{"--tables", "10", "--s", "6,x"}, 64, nullptr},
  };
  for (const Case& c : cases) {
    const Output r = Balance(c.args);
    EXPECT_EQ(r.code, c.code) << c.args[1];
    EXPECT_TRUE(r.out.empty());
    if (c.err) {
      EXPECT_EQ(r.err, c.err);
    }
  }
}

TEST(BalanceCommandTest, SeventeenTablesOfTheUsualShapeEndAtOnce) {
  const Output r = Balance({"--tables", "17", "--sessions", "2", "--s", "9", "--ss", "8", "--optimise"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("tests 20922789888000\n"), std::string::npos) << r.out;
}

TEST(SeedingBalanceCommandTest, PrintsTheLines) {
  const Output r = Seeding({"--order", "1+4+7+10+8+5+2+3+6+9+", "--a", "10", "--incomplete"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "1\t1\t1\t2\n1\t2\t12\t13\n1\t3\t15\t14\n1\t4\t4\t3\n1\t5\t11\t10\n"
            "1\t6\t16\t17\n1\t7\t5\t6\n1\t8\t8\t9\n1\t9\t19\t18\n1\t10\t20\t7\n");
  const Output two = Seeding({"--order", "1+4+7+10+8+5+2+3+6+9+", "--a", "10", "--b", "10"});
  EXPECT_NE(two.out.find("2\t1\t4\t3\n"), std::string::npos);
  EXPECT_EQ(Seeding({"--a", "10"}).code, 64);
  EXPECT_EQ(Seeding({"--order", "1+2+", "--a", "35"}).code, 64);
}

}  // namespace
}  // namespace ked

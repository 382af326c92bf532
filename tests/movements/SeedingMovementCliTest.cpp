// The sub-command as installed: bin/ked-cli, when the build made it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "platform/FileIO.h"

namespace {

struct CliRun {
  int code;
  std::string out;
};

CliRun KedCli(const std::string& arguments) {
  const std::string command =
      std::string(KED_TEST_BIN_DIR) + "/ked-cli seeding movement " + arguments + " 2>&1";
  CliRun run{0, ""};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, ""};
  std::array<char, 256> buffer;
  while (fgets(buffer.data(), buffer.size(), pipe)) run.out += buffer.data();
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class SeedingMovementCli : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ked::FileExists(std::string(KED_TEST_BIN_DIR) + "/ked-cli"))
      GTEST_SKIP() << "ked-cli is not built";
  }
};

TEST_F(SeedingMovementCli, PrintsTheFileLines) {
  const CliRun r = KedCli("--pairs 14 --kind Howell --rounds 13 --a 7");
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out, "1\t1\t1\t2\n1\t2\t9\t10\n1\t3\t7\t13\n1\t4\t4\t14\n1\t5\t12\t11\n"
                   "1\t6\t8\t6\n1\t7\t3\t5\n");
}

TEST_F(SeedingMovementCli, SecondSectionAndItsKind) {
  const CliRun r = KedCli("--pairs 40 --kind Mitchell --rounds 10 --a 10 --b 10 --kind-b Mitchell");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("2\t2\t20\t19\n"), std::string::npos);
}

TEST_F(SeedingMovementCli, MessagesAndBadArguments) {
  const CliRun mitchell = KedCli("--pairs 26 --kind Mitchell --rounds 12 --a 13");
  EXPECT_EQ(mitchell.code, 1);
  EXPECT_EQ(mitchell.out, "Voir fenêtre : Serpentin optimisé avec position(s) non-jouée(s).\n");
  const CliRun howell = KedCli("--pairs 16 --kind Howell --rounds 9 --a 8");
  EXPECT_EQ(howell.code, 1);
  EXPECT_EQ(howell.out, "Impossible de trouver un mouvement cohérent mémorisé.\n");
  EXPECT_EQ(KedCli("--pairs 26 --kind Howell --rounds 13").code, 64);
  EXPECT_EQ(KedCli("--pairs 26 --kind Swiss --rounds 13 --a 13").code, 64);
  EXPECT_EQ(KedCli("--pairs 26 --kind Howell --rounds 13 --a 13 --kind-b Howell").code, 64);
  EXPECT_EQ(KedCli("--pairs 99 --kind Howell --rounds 13 --a 13").code, 64);
}

}  // namespace

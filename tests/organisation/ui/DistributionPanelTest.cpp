// The distribution panel of the organisation window.
#include "OrgaWindowFixture.h"

namespace ked::test {
namespace {

const QColor kRed(255, 0, 0), kGreen(0, 128, 0);

struct Row {
  const char* share;
  bool red;
  const char* places;
};

class DistributionPanel : public OrgaWindowTest {
 protected:
  // Sets everything from code; the last entry set recomputes.
  void Enter(int qualified, int exOfficio, const std::vector<int>& entries) {
    Spin("Centres")->setValue(static_cast<int>(entries.size()));
    Spin("Qa")->setValue(qualified);
    Spin("Qo")->setValue(exOfficio);
    for (size_t n = 0; n < entries.size(); ++n)
      Spin("Ce" + QString::number(n + 1))->setValue(entries[n]);
  }
  void ExpectRows(const std::vector<Row>& rows) {
    for (size_t n = 0; n < rows.size(); ++n) {
      const QString i = QString::number(n + 1);
      SCOPED_TRACE("centre " + i.toStdString());
      EXPECT_EQ(Text("E" + i), rows[n].share);
      EXPECT_EQ(Background("E" + i), rows[n].red ? kRed : kGreen);
      EXPECT_EQ(Text("Q" + i), rows[n].places);
    }
  }
};

TEST_F(DistributionPanel, NothingIsComputedAtCreation) {
  EXPECT_EQ(Text("E1"), "0,0");
  EXPECT_EQ(Text("Q1"), "0");
  EXPECT_EQ(Text("Centres"), "2");
  for (int n = 1; n <= 6; ++n)
    for (const char* prefix : {"Etiq", "Ce", "E", "Q"})
      EXPECT_EQ(Shown(prefix + QString::number(n)), n <= 2) << prefix << n;
  EXPECT_EQ(Text("Etiq6"), "Centre 6 : ");
}

TEST_F(DistributionPanel, WorkedExamples) {
  Enter(3, 0, {1, 1});
  ExpectRows({{"1,500000", true, "1"}, {"1,500000", true, "2"}});
  Enter(5, 1, {12, 20, 9});
  ExpectRows({{"1,170700", false, "1"}, {"1,951200", false, "2"}, {"0,878000", false, "1"}});
  Enter(10, 0, {30, 25, 25, 20});
  ExpectRows({{"3,000000", false, "3"},
              {"2,500000", true, "2"},
              {"2,500000", true, "3"},
              {"2,000000", false, "2"}});
}

TEST_F(DistributionPanel, TheNumberOfCentresAloneDoesNotRedistribute) {
  Enter(3, 0, {1, 1});
  Spin("Ce3")->setValue(50);  // hidden: takes no part
  ExpectRows({{"1,500000", true, "1"}, {"1,500000", true, "2"}});
  QTest::keyClick(Spin("Centres"), Qt::Key_Up);
  EXPECT_TRUE(Shown("Ce3"));
  ExpectRows({{"1,500000", true, "1"}, {"1,500000", true, "2"}});
  Spin("Ce3")->setValue(2);  // 3 places over 1, 1 and 2
  ExpectRows({{"0,750000", false, "1"}, {"0,750000", false, "1"}, {"1,500000", true, "1"}});
  QTest::keyClicks(Spin("Centres"), "6");  // arrows only
  EXPECT_EQ(Text("Centres"), "3");
}

TEST_F(DistributionPanel, NoEntriesReportsTheInvalidOperationAndChangesNothing) {
  Enter(3, 0, {1, 1});
  Spin("Ce2")->setValue(0);
  ExpectRows({{"3,000000", false, "3"}, {"0,000000", false, "0"}});
  Retype(Spin("Ce1"), "0");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Opération en virgule flottante incorrecte"});
  ExpectRows({{"3,000000", false, "3"}, {"0,000000", false, "0"}});
}

TEST_F(DistributionPanel, MoreExOfficioThanQualifiedGivesNothingOut) {
  Enter(3, 5, {1, 2});
  ExpectRows({{"-0,666700", false, "0"}, {"-1,333300", false, "-1"}});
  // An empty field waits.
  Retype(Spin("Qo"), "");
  ExpectRows({{"-0,666700", false, "0"}, {"-1,333300", false, "-1"}});
}

}  // namespace
}  // namespace ked::test

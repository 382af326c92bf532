// The balancing window given a damaged "Equilibre.txt" and bad typed lines: the
// program's message, the study stored, the seating on screen always a seating.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "balancing/BalancingMemory.h"
#include "balancing/BalancingStudy.h"
#include "balancing/ui/TFUtil_Equilibre.h"
#include "platform/FileIO.h"
#include "support/BadBytes.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

class BalancingWindowRobustness : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    window.FormActivate();
    // A small section, so that each search is short.
    QSpinBox* tables = window.findChild<QSpinBox*>("UpDownNbre");
    while (tables->value() > tables->minimum()) tables->stepDown();
  }
  void Click(const char* name) {
    QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
  }
  QLineEdit* Order() { return window.findChild<QLineEdit*>("Edit1"); }
  std::string Memory() { return dir.File(kBalancingMemoryFileName); }
  // The study's seating is a seating, whatever the line shows.
  void ExpectASeating() {
    const int n = window.Study().tableCount;
    EXPECT_TRUE(ParseInitialOrder(InitialOrderText(window.Study().Ranks(), n), n));
  }

  test::TempDir dir;
  test::FakePlatform fake;
  AppContext context{fake, dir.Folder(), LocaleFormat::French(), {}};
  TFUtil_Equilibre window{context};
};

TEST_F(BalancingWindowRobustness, DamagedMemoryStillStoresTheStudy) {
  const std::string key = StudyKey(window.Study());
  auto cases = test::BadContents(key + " 1-2-3-\r\n");
  cases.push_back({"memorised line of garbage", key + " \xFF\x01zz\r\n"});
  cases.push_back({"memorised line of huge ranks", key + " 99999999999-2-3-\r\n"});
  cases.push_back({"memorised line without order", key + "\r\n"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(WriteFileBytes(Memory(), c.bytes));
    fake.Clear();
    fake.boxAnswers = {BtnYes, BtnYes};
    Click("Optimisation");
    ExpectASeating();
    const auto lines = OpenMemory(Memory());
    ASSERT_TRUE(lines.has_value());
    const size_t found = FindStudy(*lines, key);
    ASSERT_NE(found, 0u);
    EXPECT_TRUE(ParseInitialOrder(MemorisedOrder((*lines)[found - 1]), window.Study().tableCount))
        << (*lines)[found - 1];
  }
}

TEST_F(BalancingWindowRobustness, AFolderInPlaceOfTheMemoryIsReported) {
  std::filesystem::create_directory(Memory());
  Click("Optimisation");
  ASSERT_EQ(fake.Count("MessageBox"), 1u);
  EXPECT_EQ(fake.CallsOf("MessageBox")[0].kind, MessageKind::Error);
  ExpectASeating();
}

TEST_F(BalancingWindowRobustness, TypedLinesOutOfReachAreRefused) {
  const int n = window.Study().tableCount;
  const std::string good = Order()->text().toStdString();
  const std::string refused[] = {"", "-", "0-1-2-", std::to_string(n + 1) + "-1-2-",
                                 "1-1-1-", "99999999999999999999-", std::string(100000, '9'),
                                 "a-b-c-", std::string("\0\0\0", 3)};
  for (const std::string& line : refused) {
    fake.Clear();
    Order()->setText(QString::fromStdString(line));
    Click("Manuel");
    ASSERT_EQ(fake.Count("MessageBox"), 1u) << line.substr(0, 20);
    EXPECT_EQ(fake.CallsOf("MessageBox")[0].text, kInvalidOrderMessage);
    EXPECT_EQ(window.Study().tableCount, n);
  }
}

TEST_F(BalancingWindowRobustness, FieldsStayInTheirRange) {
  for (const char* name : {"UpDownNbre", "UpDownSeances", "SpEd_A"}) {
    QSpinBox* spin = window.findChild<QSpinBox*>(name);
    ASSERT_NE(spin, nullptr) << name;
    for (const char* typed : {"99999", "-5", "abc"}) {
      spin->selectAll();
      QTest::keyClicks(spin, typed);
      EXPECT_GE(spin->value(), spin->minimum()) << name << typed;
      EXPECT_LE(spin->value(), spin->maximum()) << name << typed;
    }
    for (int i = 0; i < 40; ++i) spin->stepUp();
    EXPECT_EQ(spin->value(), spin->maximum()) << name;
  }
  EXPECT_LE(window.Study().tableCount, kMaxBalancingTables);
  Click("Calcul");
  ExpectASeating();
}

}  // namespace
}  // namespace ked

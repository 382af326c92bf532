#include "organisation/ui/RangeSpinEdit.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>

#include "OrgaWindowFixture.h"

namespace ked::orga {
namespace {

using test::Leave;
using test::Retype;

TEST(RangeSpinEdit, ATextThatIsNotAnIntegerReadsAsTheMinimum) {
  RangeSpinEdit field(6, 72, 27);
  for (const char* text : {"", "-", "+", "1-2", "--"}) {
    Retype(&field, text);
    EXPECT_EQ(field.text(), text);
    EXPECT_EQ(field.value(), 6) << text;
  }
  // Letters cannot be typed at all.
  Retype(&field, "2a7");
  EXPECT_EQ(field.text(), "27");
}

TEST(RangeSpinEdit, ValuesSetFromCodeAreClampedAndSignalOnlyChanges) {
  RangeSpinEdit field(1, 109, 10);
  QSignalSpy changed(&field, &RangeSpinEdit::changed);
  struct Case { int set; const char* text; int emitted; } cases[] = {
      {122, "109", 1}, {109, "109", 0}, {0, "1", 1}, {-5, "1", 0}, {53, "53", 1}};
  for (const Case& c : cases) {
    changed.clear();
    field.setValue(c.set);
    EXPECT_EQ(field.text(), c.text) << c.set;
    EXPECT_EQ(changed.count(), c.emitted) << c.set;
  }
  EXPECT_EQ(RangeSpinEdit(2, 6, 9).text(), "6");
}

TEST(RangeSpinEdit, ATypedValueOutsideTheRangeComesBackWhenTheFieldIsLeft) {
  RangeSpinEdit field(1, 6, 2);
  QSignalSpy changed(&field, &RangeSpinEdit::changed);
  Retype(&field, "7");
  EXPECT_EQ(field.value(), 7);  // read as typed meanwhile
  EXPECT_GE(changed.count(), 1);
  Leave(&field);
  EXPECT_EQ(field.text(), "6");
  Retype(&field, "-3");
  Leave(&field);
  EXPECT_EQ(field.text(), "1");
  // A text that is not an integer already reads as the minimum: it stays.
  Retype(&field, "-");
  Leave(&field);
  EXPECT_EQ(field.text(), "-");
}

TEST(RangeSpinEdit, ArrowsStepWithinTheRange) {
  RangeSpinEdit field(5, 8, 7);
  QTest::keyClick(&field, Qt::Key_Up);
  EXPECT_EQ(field.text(), "8");
  QTest::keyClick(&field, Qt::Key_Up);
  EXPECT_EQ(field.text(), "8");
  QTest::keyClick(&field, Qt::Key_Down);
  EXPECT_EQ(field.text(), "7");
  Retype(&field, "");
  field.stepBy(1);  // from the minimum that an empty text reads as
  EXPECT_EQ(field.text(), "6");
}

TEST(RangeSpinEdit, WithoutEditorOnlyTheArrowsChangeIt) {
  RangeSpinEdit field(2, 6, 2);
  field.setEditorEnabled(false);
  QTest::keyClicks(&field, "5");
  EXPECT_EQ(field.text(), "2");
  QTest::keyClick(&field, Qt::Key_Up);
  EXPECT_EQ(field.text(), "3");
}

TEST(RangeSpinEdit, TheTextHoldsTheLongerBoundAndASign) {
  RangeSpinEdit field(0, 100, 0);
  Retype(&field, "123456");
  EXPECT_EQ(field.text(), "1234");
}

}  // namespace
}  // namespace ked::orga

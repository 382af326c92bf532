// Every field of the organisation window typed far out of its range, while it is
// typed (when the calculators already run on the text) and once it is left.
#include "OrgaWindowFixture.h"

namespace ked::test {
namespace {

TEST_F(OrgaWindowTest, EveryFieldTypedOutOfRangeComputesAndComesBackIntoRange) {
  const char* typed[] = {"0", "-1", "99", "99999", "2147483647", "99999999999", "-99999999999", ""};
  int exercised = 0;
  for (int type : {0, 1, 2, -1}) {
    Preset(type);
    for (RangeSpinEdit* field : window->findChildren<RangeSpinEdit*>()) {
      if (!field->isEnabled()) continue;
      const std::string name = field->objectName().toStdString();
      ++exercised;
      for (const char* text : typed) {
        SCOPED_TRACE(name + " <- \"" + text + "\", type " + std::to_string(type));
        Retype(field, text);
        Leave(field);
        if (!field->isEmpty()) {
          EXPECT_GE(field->value(), field->minimum());
          EXPECT_LE(field->value(), field->maximum());
        }
      }
      field->setValue(field->minimum());
    }
  }
  EXPECT_GE(exercised, 4 * 8) << exercised;
  // Only the runtime's messages, each a text.
  for (const std::string& message : Messages()) EXPECT_FALSE(message.empty());
}

}  // namespace
}  // namespace ked::test

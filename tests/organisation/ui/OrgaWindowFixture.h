#pragma once
// The organisation window on the fake platform, French conventions, "today"
// being Saturday 15 October 2011; helpers that act as the user does.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>

#include "organisation/ui/ChoiceRadioGroup.h"
#include "organisation/ui/RangeSpinEdit.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "platform/DateTime.h"
#include "platform/LocaleFormat.h"
#include "platform/ui/AppContext.h"
#include "support/FakePlatform.h"

namespace ked::test {

using orga::ChoiceRadioGroup;
using orga::RangeSpinEdit;

// A click where the button reacts: on its indicator (check boxes without text
// have nothing else).
inline void ClickButton(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  QStyleOptionButton option;
  option.initFrom(button);
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  const QRect indicator = button->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
  QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

// Replaces the text of a spin field by typing; "" leaves it empty.
inline void Retype(RangeSpinEdit* field, const QString& text) {
  ASSERT_NE(field, nullptr);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  if (!text.isEmpty()) QTest::keyClicks(field, text);
}

// The field is left: a typed value outside the range comes back into it.
inline void Leave(QWidget* field) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

class OrgaWindowTest : public ::testing::Test {
 protected:
  OrgaWindowTest() {
    platform.today = DayNumberFromCivil({2011, 10, 15});
    window = std::make_unique<TOrga_FOrga>(context);
    window->show();
  }

  template <class W>
  W* Find(const QString& name) const {
    W* widget = window->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  RangeSpinEdit* Spin(const QString& name) const { return Find<RangeSpinEdit>(name); }
  QCheckBox* Box(const QString& name) const { return Find<QCheckBox>(name); }
  ChoiceRadioGroup* Group(const QString& name) const { return Find<ChoiceRadioGroup>(name); }
  QString Text(const QString& name) const {
    if (auto* edit = window->findChild<QLineEdit*>(name)) return edit->text();
    if (auto* label = window->findChild<QLabel*>(name)) return label->text();
    if (auto* spin = window->findChild<RangeSpinEdit*>(name)) return spin->text();
    if (auto* combo = window->findChild<QComboBox*>(name)) return combo->currentText();
    ADD_FAILURE() << "no control " << name.toStdString();
    return {};
  }
  QColor Background(const QString& name) const {
    return Find<QLineEdit>(name)->palette().color(QPalette::Base);
  }
  bool Shown(const QString& name) const { return Find<QWidget>(name)->isVisible(); }

  // As the main window does it, by name.
  void Preset(int item) {
    ASSERT_TRUE(QMetaObject::invokeMethod(window.get(), "SetCompetitionType", Q_ARG(int, item)));
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const Call& c : platform.CallsOf("ShowMessage")) texts.push_back(c.text);
    return texts;
  }

  FakePlatform platform;
  AppContext context{platform, "/tmp/", LocaleFormat::French(), {}};
  std::unique_ptr<TOrga_FOrga> window;
};

}  // namespace ked::test

#include "organisation/ui/RangeSpinEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/RuntimeConvert.h"
#include "platform/ui/QtText.h"

namespace ked::orga {

RangeSpinEdit::RangeSpinEdit(int minimum, int maximum, int value, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(std::max(minimum, maximum)) {
  // Room for the longer bound and a sign: enough to type any value of the
  // range, too little for a typed number to overflow what reads it.
  const int digits = std::max(QString::number(minimum_).size(), QString::number(maximum_).size());
  lineEdit()->setMaxLength(digits + 1);
  lineEdit()->setText(QString::number(Clamp(value)));
  connect(lineEdit(), &QLineEdit::textChanged, this, &RangeSpinEdit::changed);
}

int RangeSpinEdit::value() const { return StrToInt(S(text())).value_or(minimum_); }

void RangeSpinEdit::setValue(int value) {
  const QString t = QString::number(Clamp(value));
  if (t != text()) lineEdit()->setText(t);
}

void RangeSpinEdit::setEditorEnabled(bool enabled) { lineEdit()->setReadOnly(!enabled); }

QSize RangeSpinEdit::sizeHint() const {
  QSize hint = QAbstractSpinBox::sizeHint();
  const QString widest = QString(lineEdit()->maxLength(), QChar('0'));
  hint.setWidth(std::max(hint.width(), fontMetrics().horizontalAdvance(widest) + 40));
  return hint;
}

void RangeSpinEdit::stepBy(int steps) { setValue(value() + steps); }

QAbstractSpinBox::StepEnabled RangeSpinEdit::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  StepEnabled enabled = StepNone;
  if (value() < maximum_) enabled |= StepUpEnabled;
  if (value() > minimum_) enabled |= StepDownEnabled;
  return enabled;
}

QValidator::State RangeSpinEdit::validate(QString& input, int&) const {
  // Digits and signs only, as the runtime's spin field takes them.
  for (QChar c : input)
    if (!c.isDigit() && c != '+' && c != '-') return QValidator::Invalid;
  return QValidator::Acceptable;
}

void RangeSpinEdit::focusOutEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusOutEvent(event);
  // A text that is not an integer stays as it is: it already reads as the minimum.
  const int v = value();
  if (Clamp(v) != v) setValue(v);
}

int RangeSpinEdit::Clamp(int value) const { return std::clamp(value, minimum_, maximum_); }

}  // namespace ked::orga

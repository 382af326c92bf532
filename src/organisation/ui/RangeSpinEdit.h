#pragma once
// A spin field with the runtime's manners: the text may hold any integer while
// it is typed (a text that is not an integer reads as the minimum), a value set
// from code or by the arrows is clamped to the range, and a typed value outside
// the range is brought back into it when the field is left.
#include <QAbstractSpinBox>

namespace ked::orga {

class RangeSpinEdit : public QAbstractSpinBox {
  Q_OBJECT
 public:
  RangeSpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  // The text as an integer, even outside the range; the minimum when it is not one.
  int value() const;
  // Clamped to the range; `changed` follows when the text changes.
  void setValue(int value);
  bool isEmpty() const { return text().isEmpty(); }
  // Without the editor the value changes by the arrows only.
  void setEditorEnabled(bool enabled);

  QSize sizeHint() const override;
  void stepBy(int steps) override;

 signals:
  // Every change of the text: typed, stepped or set from code.
  void changed();

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString&) const override {}
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int Clamp(int value) const;

  int minimum_;
  int maximum_;
};

}  // namespace ked::orga

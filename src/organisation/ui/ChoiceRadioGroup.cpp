#include "organisation/ui/ChoiceRadioGroup.h"

#include <QBoxLayout>

namespace ked::orga {

ChoiceRadioGroup::ChoiceRadioGroup(const QString& caption, const QStringList& items,
                                   Qt::Orientation orientation, QWidget* parent)
    : QGroupBox(caption, parent) {
  auto* layout = new QBoxLayout(
      orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_.addButton(button, i);
    layout->addWidget(button);
  }
  connect(&buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit selectionChanged(id);
  });
  connect(&buttons_, &QButtonGroup::idClicked, this, &ChoiceRadioGroup::itemClicked);
}

void ChoiceRadioGroup::setItemIndex(int index) {
  if (QAbstractButton* b = buttons_.button(index)) {
    b->setChecked(true);
    return;
  }
  // An exclusive group will not uncheck its last item.
  if (QAbstractButton* checked = buttons_.checkedButton()) {
    buttons_.setExclusive(false);
    checked->setChecked(false);
    buttons_.setExclusive(true);
  }
}

QRadioButton* ChoiceRadioGroup::item(int index) const {
  return qobject_cast<QRadioButton*>(buttons_.button(index));
}

}  // namespace ked::orga

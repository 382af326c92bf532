#include "pool/ui/MultiLineTabs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>

namespace ked {

MultiLineTabs::MultiLineTabs(QWidget* parent) : QWidget(parent) {
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(0, 0, 0, 2);
  grid_->setSpacing(1);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked && !signalsBlocked()) emit currentChanged(id);
  });
}

void MultiLineTabs::SetTabs(const std::vector<std::string>& captions) {
  const QSignalBlocker quiet(this);
  for (QAbstractButton* button : group_->buttons()) {
    group_->removeButton(button);
    delete button;
  }
  for (size_t i = 0; i < captions.size(); ++i) {
    auto* tab = new QToolButton(this);
    tab->setObjectName(QString("Tab%1").arg(i));
    tab->setText(QString::fromStdString(captions[i]));
    tab->setCheckable(true);
    tab->setMinimumWidth(64);
    const int index = static_cast<int>(i);
    group_->addButton(tab, index);
    grid_->addWidget(tab, index / kTabsPerLine, index % kTabsPerLine);
  }
  if (!captions.empty()) group_->button(0)->setChecked(true);
}

int MultiLineTabs::count() const { return static_cast<int>(group_->buttons().size()); }

QString MultiLineTabs::tabText(int index) const {
  const QAbstractButton* tab = group_->button(index);
  return tab ? tab->text() : QString();
}

int MultiLineTabs::currentIndex() const { return group_->checkedId(); }

void MultiLineTabs::setCurrentIndex(int index) {
  if (QAbstractButton* tab = group_->button(index)) tab->setChecked(true);
}

}  // namespace ked

#pragma once
// A titled group of radio items with a selected index (-1: none), which tells a
// click on any item apart from a change of the selection.
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace ked::orga {

class ChoiceRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  ChoiceRadioGroup(const QString& caption, const QStringList& items, Qt::Orientation orientation,
                   QWidget* parent = nullptr);

  int itemIndex() const { return buttons_.checkedId(); }
  // -1 selects nothing and signals nothing; another item signals selectionChanged.
  void setItemIndex(int index);
  QRadioButton* item(int index) const;
  int count() const { return static_cast<int>(buttons_.buttons().size()); }

 signals:
  // A click on an item, the selected one included.
  void itemClicked(int index);
  // Another item became selected, by a click or from code.
  void selectionChanged(int index);

 private:
  QButtonGroup buttons_;
};

}  // namespace ked::orga

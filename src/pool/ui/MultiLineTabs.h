#pragma once
// A tab control whose tabs wrap onto several lines, so that all the rounds of
// a pool are in sight at once.
#include <QWidget>
#include <string>
#include <vector>

class QButtonGroup;
class QGridLayout;

namespace ked {

class MultiLineTabs : public QWidget {
  Q_OBJECT
 public:
  explicit MultiLineTabs(QWidget* parent = nullptr);

  // Replaces the tabs; the first one is selected, without a change signal.
  void SetTabs(const std::vector<std::string>& captions);
  int count() const;
  QString tabText(int index) const;
  int currentIndex() const;
  // Selects a tab; a change of tab emits currentChanged.
  void setCurrentIndex(int index);

 signals:
  void currentChanged(int index);

 private:
  static constexpr int kTabsPerLine = 9;
  QGridLayout* grid_;
  QButtonGroup* group_;
};

}  // namespace ked

#pragma once
// The about window: the maker, the version, a mail link and the history of versions.
#include <functional>

#include "platform/ui/KedWindow.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace ked {

class HistorySurface;

class TApropos : public KedWindow {
  Q_OBJECT
 public:
  explicit TApropos(AppContext& context, QWidget* parent = nullptr);

  // How the history waits between its steps; a real sleep unless replaced.
  void SetWait(std::function<void(int ms)> wait) { wait_ = std::move(wait); }

  void Label3Click();
  void Label3MouseEnter();
  void Label3MouseLeave();
  void Button1Click();
  // Plays the history of versions, rising on the whole window.
  void ScrollHistory();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* nom_ = nullptr;
  QLabel* Label1_ = nullptr;
  QLabel* Version_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLabel* Label3_ = nullptr;
  QLabel* Image2_ = nullptr;
  QTextEdit* Memo1_ = nullptr;
  QPushButton* Button1_ = nullptr;
  QWidget* Panel1_ = nullptr;
  HistorySurface* PaintBox1_ = nullptr;
  std::function<void(int ms)> wait_;
  bool playing_ = false;
};

}  // namespace ked

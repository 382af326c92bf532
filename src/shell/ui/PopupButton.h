#pragma once
// A button that opens its popup menu on a press of any mouse button, beside
// itself; the keyboard does not open it.
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace ked {

class PopupButton : public QPushButton {
  Q_OBJECT
 public:
  PopupButton(const QString& caption, QMenu* menu, QWidget* parent)
      : QPushButton(caption, parent), menu_(menu) {}
  QMenu* popupMenu() const { return menu_; }

 signals:
  void popupShown(QMenu* menu);

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    event->accept();
    menu_->popup(mapToGlobal(QPoint(width(), 0)));
    emit popupShown(menu_);
  }

 private:
  QMenu* menu_;
};

}  // namespace ked

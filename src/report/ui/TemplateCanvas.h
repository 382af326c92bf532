#pragma once
// The designer's drawing of a template page: the bands one under the other
// below their captions, their objects as they print, the selection with its
// resize handle; the mouse selects, moves and resizes objects.
#include <QWidget>
#include <functional>

#include "report/TemplateEditor.h"

namespace ked {

class TemplateCanvas : public QWidget {
  Q_OBJECT
 public:
  TemplateCanvas(TemplateEditor& editor, QWidget* parent = nullptr);

  static constexpr double kPixelsPerMm = 3.78;  // about 96 dpi, life size
  static constexpr double kHandleMm = 2;        // the resize handle at the bottom-right corner

  // Called after the mouse changed the selection or an object.
  std::function<void()> onSelectionChanged;
  std::function<void()> onObjectChanged;

  void Relayout();
  QPointF PointOf(double xMm, double yMm) const;  // canvas point of a canvas position in mm

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Drag { None, Move, Resize };

  TemplateEditor& editor_;
  Drag drag_ = Drag::None;
  double grabX_ = 0, grabY_ = 0;  // mouse position in mm at the press
  double startX_ = 0, startY_ = 0, startW_ = 0, startH_ = 0;
};

}  // namespace ked

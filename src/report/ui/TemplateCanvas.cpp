#include "report/ui/TemplateCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/ui/QtText.h"
#include "report/ui/ReportPdf.h"

namespace ked {

TemplateCanvas::TemplateCanvas(TemplateEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setMouseTracking(false);
  Relayout();
}

void TemplateCanvas::Relayout() {
  setFixedSize(static_cast<int>(editor_.Page().widthMm * kPixelsPerMm) + 1,
               static_cast<int>(editor_.CanvasHeight() * kPixelsPerMm) + 1);
  update();
}

QPointF TemplateCanvas::PointOf(double xMm, double yMm) const {
  return QPointF(xMm * kPixelsPerMm, yMm * kPixelsPerMm);
}

void TemplateCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const TemplatePage& page = editor_.Page();
  const double left = page.marginLeft, width = page.widthMm - page.marginLeft - page.marginRight;
  // The objects as they print, their [Variable] names shown as written.
  ReportPage drawn;
  drawn.widthMm = page.widthMm;
  drawn.heightMm = editor_.CanvasHeight();
  for (int b = 0; b < static_cast<int>(page.bands.size()); ++b) {
    const TemplateBand& band = page.bands[b];
    const double top = editor_.BandTop(b);
    const QRectF caption(PointOf(left, top - TemplateEditor::kCaptionMm),
                         PointOf(left + width, top));
    painter.fillRect(caption, QColor(220, 225, 235));
    painter.setPen(QColor(60, 60, 90));
    QString label = QString("%1 %2").arg(BandKindKeyword(band.kind), Q(band.name));
    if (!band.dataset.empty()) label += " (" + Q(band.dataset) + ")";
    painter.drawText(caption.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, label);
    painter.setPen(QPen(QColor(180, 180, 200), 1, Qt::DotLine));
    painter.drawRect(QRectF(PointOf(left, top), PointOf(left + width, top + band.heightMm)));
    for (const auto& object : band.objects) {
      ReportItem item = object.item;
      item.x += left;
      item.y += top;
      drawn.items.push_back(item);
      if (item.kind == ReportItem::Kind::Text) {  // empty texts stay visible
        painter.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
        painter.drawRect(QRectF(PointOf(item.x, item.y),
                                PointOf(item.x + item.width, item.y + item.height)));
      }
    }
  }
  PaintReportPage(painter, drawn, kPixelsPerMm);
  if (const TemplateObject* selected = editor_.Selected()) {
    const ReportItem& item = selected->item;
    const double x = left + item.x, y = editor_.BandTop(editor_.Selection()->band) + item.y;
    painter.setPen(QPen(QColor(0, 90, 220), 1.5));
    painter.drawRect(QRectF(PointOf(std::min(x, x + item.width), std::min(y, y + item.height)),
                            PointOf(std::max(x, x + item.width), std::max(y, y + item.height))));
    const QPointF corner = PointOf(x + item.width, y + item.height);
    const double h = kHandleMm * kPixelsPerMm / 2;
    painter.fillRect(QRectF(corner - QPointF(h, h), corner + QPointF(h, h)), QColor(0, 90, 220));
  }
}

void TemplateCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const double x = event->position().x() / kPixelsPerMm, y = event->position().y() / kPixelsPerMm;
  drag_ = Drag::None;
  // The handle of the selected object first: it may lie just outside the object.
  if (const TemplateObject* selected = editor_.Selected()) {
    const ReportItem& item = selected->item;
    const double cx = editor_.Page().marginLeft + item.x + item.width;
    const double cy = editor_.BandTop(editor_.Selection()->band) + item.y + item.height;
    if (std::abs(x - cx) <= kHandleMm && std::abs(y - cy) <= kHandleMm) drag_ = Drag::Resize;
  }
  if (drag_ == Drag::None) {
    editor_.Select(editor_.HitTest(x, y));
    if (editor_.Selected()) drag_ = Drag::Move;
    if (onSelectionChanged) onSelectionChanged();
  }
  if (const TemplateObject* selected = editor_.Selected()) {
    grabX_ = x;
    grabY_ = y;
    startX_ = selected->item.x;
    startY_ = selected->item.y;
    startW_ = selected->item.width;
    startH_ = selected->item.height;
  }
  update();
}

void TemplateCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None || !editor_.Selected()) return;
  const double dx = event->position().x() / kPixelsPerMm - grabX_;
  const double dy = event->position().y() / kPixelsPerMm - grabY_;
  // Half-millimetre steps keep the template's numbers readable.
  auto snap = [](double v) { return std::round(v * 2) / 2; };
  if (drag_ == Drag::Move) editor_.MoveSelectedTo(snap(startX_ + dx), snap(startY_ + dy));
  else editor_.ResizeSelected(snap(startW_ + dx), snap(startH_ + dy));
  if (onObjectChanged) onObjectChanged();
  update();
}

void TemplateCanvas::mouseReleaseEvent(QMouseEvent*) { drag_ = Drag::None; }

}  // namespace ked

#include "report/ui/ReportPagesView.h"

#include <QPaintEvent>
#include <QPainter>

#include "report/ui/ReportPdf.h"

namespace ked {

namespace {
constexpr int kGap = 12;  // pixels around and between pages
}

ReportPagesView::ReportPagesView(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(128, 128, 128));
  setPalette(palette);
}

void ReportPagesView::SetDocument(const ReportDocument* document) {
  document_ = document;
  highlightPage_ = highlightItem_ = -1;
  Relayout();
}

void ReportPagesView::SetZoom(int percent) {
  zoom_ = percent;
  Relayout();
}

void ReportPagesView::SetHighlight(int page, int item) {
  highlightPage_ = page;
  highlightItem_ = item;
  update();
}

double ReportPagesView::PixelsPerMm() const { return zoom_ / 100.0 * logicalDpiX() / 25.4; }

int ReportPagesView::PageTop(int page) const {
  double top = kGap;
  for (int i = 0; document_ && i < page && i < static_cast<int>(document_->pages.size()); ++i)
    top += document_->pages[i].heightMm * PixelsPerMm() + kGap;
  return static_cast<int>(top);
}

void ReportPagesView::Relayout() {
  double width = 0;
  int count = document_ ? static_cast<int>(document_->pages.size()) : 0;
  for (int i = 0; i < count; ++i) width = std::max(width, document_->pages[i].widthMm);
  setFixedSize(static_cast<int>(width * PixelsPerMm()) + 2 * kGap, PageTop(count));
  update();
}

void ReportPagesView::paintEvent(QPaintEvent* event) {
  if (!document_) return;
  QPainter painter(this);
  const double scale = PixelsPerMm();
  for (int i = 0; i < static_cast<int>(document_->pages.size()); ++i) {
    const ReportPage& page = document_->pages[i];
    const QRect paper(kGap, PageTop(i), static_cast<int>(page.widthMm * scale),
                      static_cast<int>(page.heightMm * scale));
    if (!paper.intersects(event->rect())) continue;
    painter.fillRect(paper.translated(3, 3), QColor(60, 60, 60));
    painter.fillRect(paper, Qt::white);
    painter.save();
    painter.translate(paper.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), paper.size()));
    if (i == highlightPage_ && highlightItem_ >= 0 &&
        highlightItem_ < static_cast<int>(page.items.size())) {
      const ReportItem& item = page.items[highlightItem_];
      painter.fillRect(QRectF(item.x * scale, item.y * scale, item.width * scale,
                              item.height * scale),
                       QColor(255, 240, 120));
    }
    PaintReportPage(painter, page, scale);
    painter.restore();
  }
}

}  // namespace ked

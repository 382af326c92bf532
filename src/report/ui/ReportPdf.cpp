#include "report/ui/ReportPdf.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include "platform/RuntimeConvert.h"
#include "platform/ui/QtText.h"

namespace ked {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

Qt::Alignment AlignmentOf(const ReportItem& item) {
  Qt::Alignment h = item.align == ReportAlign::Center  ? Qt::AlignHCenter
                    : item.align == ReportAlign::Right ? Qt::AlignRight
                                                       : Qt::AlignLeft;
  Qt::Alignment v = item.valign == ReportVAlign::Middle   ? Qt::AlignVCenter
                    : item.valign == ReportVAlign::Bottom ? Qt::AlignBottom
                                                          : Qt::AlignTop;
  return h | v;
}

// A font whose height on this device is the template's points at this scale.
QFont FontOf(const ReportFont& font, double pixelsPerMm, const QPaintDevice& device) {
  QFont f(Q(font.family));
  const double pixels = font.size * kMmPerPoint * pixelsPerMm;
  f.setPointSizeF(std::max(0.1, pixels * 72.0 / device.logicalDpiY()));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

void PaintText(QPainter& painter, const ReportItem& item, const QRectF& box, double pixelsPerMm) {
  painter.save();
  painter.setClipRect(box);
  painter.setFont(FontOf(item.font, pixelsPerMm, *painter.device()));
  const double pad = 0.5 * pixelsPerMm;  // the text clears its frame
  const QRectF inner = box.adjusted(pad, 0, -pad, 0);
  int flags = static_cast<int>(AlignmentOf(item));
  if (item.wrap) flags |= Qt::TextWordWrap;
  painter.setPen(Qt::black);
  painter.drawText(inner, flags, Q(item.text));
  painter.restore();
  if (item.frame == FrameNone) return;
  if (item.frame & FrameLeft) painter.drawLine(box.topLeft(), box.bottomLeft());
  if (item.frame & FrameTop) painter.drawLine(box.topLeft(), box.topRight());
  if (item.frame & FrameRight) painter.drawLine(box.topRight(), box.bottomRight());
  if (item.frame & FrameBottom) painter.drawLine(box.bottomLeft(), box.bottomRight());
}

}  // namespace

void PaintReportPage(QPainter& painter, const ReportPage& page, double pixelsPerMm) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const auto& item : page.items) {
    QPen pen(Qt::black);
    pen.setWidthF(std::max(0.0, item.lineWidth) * pixelsPerMm);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF box(item.x * pixelsPerMm, item.y * pixelsPerMm, item.width * pixelsPerMm,
                     item.height * pixelsPerMm);
    switch (item.kind) {
      case ReportItem::Kind::Text:
        PaintText(painter, item, box, pixelsPerMm);
        break;
      case ReportItem::Kind::Line:
        if (item.lineWidth > 0) painter.drawLine(box.topLeft(), box.bottomRight());
        break;
      case ReportItem::Kind::Frame:
        if (item.lineWidth > 0) painter.drawRect(box);
        break;
    }
  }
  painter.restore();
}

namespace {

QPageLayout LayoutOf(const ReportPage& page) {
  const bool landscape = page.widthMm > page.heightMm;
  const QSizeF portrait = landscape ? QSizeF(page.heightMm, page.widthMm)
                                    : QSizeF(page.widthMm, page.heightMm);
  return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

bool PaintReportDocument(const ReportDocument& document, QPagedPaintDevice& device,
                         const std::function<bool(int page, int count)>& progress) {
  if (document.pages.empty()) return false;
  device.setPageLayout(LayoutOf(document.pages.front()));
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const int count = static_cast<int>(document.pages.size());
  for (int i = 0; i < count; ++i) {
    if (progress && !progress(i, count)) break;
    const ReportPage& page = document.pages[i];
    if (i > 0) {
      device.setPageLayout(LayoutOf(page));
      device.newPage();
    }
    // The device's resolution, less the margins the printer cannot print on.
    const QRectF paper = device.pageLayout().fullRectPixels(device.logicalDpiX());
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.save();
    painter.translate(paper.topLeft() - printable.topLeft());
    PaintReportPage(painter, page, device.logicalDpiX() / 25.4);
    painter.restore();
  }
  return painter.end();
}

bool RenderReportToPdf(const ReportDocument& document, const std::string& pdfPath) {
  QPdfWriter writer(Q(pdfPath));
  writer.setResolution(300);
  writer.setTitle(Q(document.title));
  writer.setCreator("Util_Ked");
  return PaintReportDocument(document, writer, nullptr);
}

bool BuildReportToPdf(TfrReport& report, const std::string& pdfPath, std::string& error) {
  ReportDocument document;
  if (!report.Build(document, error)) return false;
  if (RenderReportToPdf(document, pdfPath)) return true;
  error = CannotOpenFileMessage(pdfPath);
  return false;
}

}  // namespace ked

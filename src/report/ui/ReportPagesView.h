#pragma once
// The pages of a report drawn one under the other at a zoom, as on paper.
#include <QWidget>

#include "report/ReportDocument.h"

namespace ked {

class ReportPagesView : public QWidget {
  Q_OBJECT
 public:
  explicit ReportPagesView(QWidget* parent = nullptr);

  void SetDocument(const ReportDocument* document);
  void SetZoom(int percent);
  // An item drawn with a highlight (a text found), or none with page -1.
  void SetHighlight(int page, int item);
  // Top of a page in the widget, in pixels.
  int PageTop(int page) const;
  double PixelsPerMm() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Relayout();

  const ReportDocument* document_ = nullptr;
  int zoom_ = 100;
  int highlightPage_ = -1, highlightItem_ = -1;
};

}  // namespace ked

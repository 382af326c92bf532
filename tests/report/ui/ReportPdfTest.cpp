// The PDF of a built report: one page per report page, sized as the report,
// and the installed appeal form drawn without fault.
#include "report/ui/ReportPdf.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/FileIO.h"
#include "report/ReportEngine.h"
#include "support/TempDir.h"

namespace ked {
namespace {

TEST(ReportPdf, AppealFormRendersToAOnePagePdf) {
  TfrReport report;
  ASSERT_TRUE(report.OpenTemplate(std::string(KED_TEST_BIN_DIR) + "/commis.frf"));
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  test::TempDir dir;
  const std::string pdf = dir.File("commis.pdf");
  ASSERT_TRUE(RenderReportToPdf(document, pdf));
  auto bytes = ReadFileBytes(pdf);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->rfind("%PDF", 0), 0u);
  EXPECT_NE(bytes->find("/MediaBox [0 0 595"), std::string::npos);  // A4 in points
  if (const char* keep = std::getenv("KED_KEEP_PDF")) WriteFileBytes(keep, *bytes);
}

TEST(ReportPdf, PaintsTextsAndLinesWhereTheyStand) {
  ReportPage page;
  page.widthMm = 100;
  page.heightMm = 50;
  ReportItem line;
  line.kind = ReportItem::Kind::Line;
  line.x = 10;
  line.y = 25;
  line.width = 80;
  line.lineWidth = 1;
  ReportItem frame;
  frame.kind = ReportItem::Kind::Frame;
  frame.x = 0;
  frame.y = 0;
  frame.width = 0;  // a frame without size draws nothing harmful
  page.items = {line, frame};
  QImage image(100 * 4, 50 * 4, QImage::Format_RGB32);  // 4 pixels per millimetre
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintReportPage(painter, page, 4);
  painter.end();
  EXPECT_EQ(image.pixelColor(200, 100), QColor(Qt::black));  // on the line
  EXPECT_EQ(image.pixelColor(200, 120), QColor(Qt::white));  // 5 mm below it
  EXPECT_EQ(image.pixelColor(20, 100), QColor(Qt::white));   // left of its start
}

TEST(ReportPdf, EmptyReportWritesNoFile) {
  test::TempDir dir;
  EXPECT_FALSE(RenderReportToPdf(ReportDocument{}, dir.File("vide.pdf")));
}

}  // namespace
}  // namespace ked

// The PDF of a built report: one page per report page, sized as the report,
// and the installed appeal form drawn without fault.
#include "report/ui/ReportPdf.h"

#include <gtest/gtest.h>

#include <map>

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

// The GaNa cards and sheets with the window's defaults, for both values of
// "MiTemps" (true: no half-time); KED_KEEP_PDF_DIR keeps the files to look at.
TEST(ReportPdf, GanaTemplatesRenderWithAndWithoutHalfTime) {
  const struct {
    const char* file;
    bool miTemps;
    const char* pdf;
  } cases[] = {
      {"ghanafm.frf", true, "fiches-sans-mi-temps.pdf"},
      {"ghanafm.frf", false, "fiches-avec-mi-temps.pdf"},
      {"ghanagk.frf", true, "feuilles-sans-mi-temps.pdf"},
      {"ghanagk.frf", false, "feuilles-avec-mi-temps.pdf"},
  };
  const std::map<std::string, std::string> texts = {
      {"Ta1", "B10"},         {"Ta2", "B11"},          {"Ta3", "B12"},
      {"EqA", "(8)  Equipe"}, {"EqB", "(11)  Equipe"}, {"EqC", "(14) Equipe "},
      {"Se1", "1-14"},        {"Se2", "15-28"},        {"Se3", "29-42"},
      {"Time1", "14:00:00"},  {"Time2", "15:55:30"},   {"Time3", "17:51:00"},
      {"Time4", "19:46:30"},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    TfrReport report;
    ASSERT_TRUE(report.OpenTemplate(std::string(KED_TEST_BIN_DIR) + "/" + c.file));
    report.OnGetValue = [&](const std::string& name, ReportValue& value) {
      if (auto text = texts.find(name); text != texts.end()) value = text->second;
      if (name == "NbDo") value = 14LL;
      if (name == "MiTemps") value = c.miTemps;
    };
    const std::string pdf = dir.File(c.pdf);
    std::string error;
    ASSERT_TRUE(BuildReportToPdf(report, pdf, error)) << error;
    auto bytes = ReadFileBytes(pdf);
    ASSERT_TRUE(bytes) << c.pdf;
    EXPECT_EQ(bytes->rfind("%PDF", 0), 0u) << c.pdf;
    if (const char* keep = std::getenv("KED_KEEP_PDF_DIR"))
      WriteFileBytes(std::string(keep) + "/" + c.pdf, *bytes);
  }
}

TEST(ReportPdf, EmptyReportWritesNoFile) {
  test::TempDir dir;
  EXPECT_FALSE(RenderReportToPdf(ReportDocument{}, dir.File("vide.pdf")));
}

}  // namespace
}  // namespace ked

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "report/ui/ReportPdf.h"
#include "scales/ui/VpScaleReport.h"
#include "support/TempDir.h"

namespace ked::test {
namespace {

// What ked-cli vp --pdf writes: the installed template over 88 rows, on one page.
TEST(VpScalePdf, TheInstalledTemplateGivesOneA4Page) {
  TfrReport report;
  TfrUserDataset rows("frUserDataset1");
  report.AddDataset(rows);
  report.OnGetValue = [&](const std::string& name, ReportValue& value) {
    VpScaleValue(48, rows.RecNo(), LocaleFormat::French(), name, value);
  };
  ASSERT_TRUE(report.OpenTemplate(std::string(KED_TEST_BIN_DIR) + "/" + kVpScaleTemplate));
  SetVpScaleRows(rows);
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_EQ(document.pages[0].widthMm, 210);
  EXPECT_EQ(document.pages[0].heightMm, 297);
  for (const auto& item : document.pages[0].items) EXPECT_LE(item.y + item.height, 297 - 10 + 1e-6);

  TempDir folder;
  ASSERT_TRUE(RenderReportToPdf(document, folder.File("bareme.pdf")));
  const auto bytes = ReadFileBytes(folder.File("bareme.pdf"));
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->rfind("%PDF", 0), 0u);
}

}  // namespace
}  // namespace ked::test

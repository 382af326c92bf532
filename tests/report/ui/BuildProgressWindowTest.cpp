// The progress window of a build: hidden while the build is short, then shown
// with the page reached, and its button stops the build.
#include "report/ui/BuildProgressWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressDialog>

#include "platform/FileIO.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

QProgressDialog* OpenWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == "BuildProgressWindow" && widget->isVisible())
      return qobject_cast<QProgressDialog*>(widget);
  return nullptr;
}

TEST(BuildProgressWindow, ShowsOnlyOnceTheBuildLasts) {
  const struct {
    int showAfterMs;
    bool shown;
  } cases[] = {{0, true}, {60000, false}};
  for (const auto& c : cases) {
    auto progress = MakeBuildProgressWindow("GaNa : fiches de tables", c.showAfterMs);
    EXPECT_TRUE(progress->Step(1));
    EXPECT_TRUE(progress->Step(2));
    QProgressDialog* window = OpenWindow();
    EXPECT_EQ(window != nullptr, c.shown) << c.showAfterMs;
    if (window) {
      EXPECT_EQ(window->windowTitle(), "GaNa : fiches de tables");
      EXPECT_EQ(window->labelText(), "Construction de l'état : page 2");
    }
    progress.reset();
    EXPECT_EQ(OpenWindow(), nullptr);
  }
}

TEST(BuildProgressWindow, ItsButtonStopsThePreviewedBuild) {
  test::TempDir dir;
  const std::string path = dir.File("long.frf");
  ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\npage 100 100 margins 10 10 10 10\n"
                                   "band masterdata L dataset frUserDataset1 height 40\n"
                                   "  text 0 0 80 5 \"ligne\"\n"));
  TfrReport report;
  TfrUserDataset rows("frUserDataset1");
  rows.RangeEnd = TfrUserDataset::reCount;
  rows.RangeEndCount = 20;  // two rows a page
  report.AddDataset(rows);
  ASSERT_TRUE(report.OpenTemplate(path));
  int pagesSeen = 0;
  SetReportBuildProgressFactory([&](const std::string& title) {
    auto window = MakeBuildProgressWindow(title, 0);
    struct Clicking : ReportBuildProgress {
      std::unique_ptr<ReportBuildProgress> window;
      int& seen;
      Clicking(std::unique_ptr<ReportBuildProgress> w, int& s) : window(std::move(w)), seen(s) {}
      bool Step(int pages) override {
        seen = pages;
        if (pages == 3) OpenWindow()->cancel();  // the user clicks "Annuler"
        return window->Step(pages);
      }
    };
    return std::make_unique<Clicking>(std::move(window), pagesSeen);
  });
  test::FakePlatform fake;
  PreviewReport(report, fake);
  SetReportBuildProgressFactory(nullptr);
  EXPECT_EQ(pagesSeen, 3);
  EXPECT_TRUE(fake.previews.empty());
  EXPECT_EQ(fake.Count("MessageBox"), 0u);
  EXPECT_EQ(OpenWindow(), nullptr);
}

}  // namespace
}  // namespace ked

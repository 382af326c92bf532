// The engine on a small pool-like template: band order, pagination, variables
// per row, dataset ends, manual builds, missing and malformed templates.
#include "report/ReportEngine.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "report/ReportTestTemplates.h"
#include "support/TempDir.h"
#include "platform/FileIO.h"

namespace ked {
namespace {

using test::FakePlatform;
using test::TempDir;

std::vector<std::string> Texts(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const auto& item : page.items)
    if (item.kind == ReportItem::Kind::Text) texts.push_back(item.text);
  return texts;
}

using Pages = std::vector<std::vector<std::string>>;
Pages AllTexts(const ReportDocument& document) {
  Pages pages;
  for (const auto& page : document.pages) pages.push_back(Texts(page));
  return pages;
}

class ReportEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("Poules.frf");
    ASSERT_TRUE(WriteFileBytes(path, test::kPoolTemplate));
    ASSERT_TRUE(report.OpenTemplate(path));
    tables.RangeEnd = TfrUserDataset::reCount;
    rounds.RangeEnd = TfrUserDataset::reCount;
    report.AddDataset(tables);
    report.AddDataset(rounds);
    report.OnGetValue = [this](const std::string& name, ReportValue& value) {
      if (name == "Titre") value = std::string("Poule A");
      if (name == "Tour") value = static_cast<long long>(rounds.RecNo() + 1);
      if (name == "Table") value = static_cast<long long>(tables.RecNo() + 1);
      if (name == "Visit") value = "E" + std::to_string(rounds.RecNo() + 1) + std::to_string(tables.RecNo() + 1);
    };
  }

  ReportDocument Build() {
    ReportDocument document;
    std::string error;
    EXPECT_TRUE(report.Build(document, error)) << error;
    return document;
  }

  TempDir dir;
  std::string path;
  TfrReport report;
  TfrUserDataset tables{"frUserDataset1"};
  TfrUserDataset rounds{"frUserDataset2"};
};

TEST_F(ReportEngineTest, AutomaticBuildRepeatsDetailBandsForEachMasterRow) {
  rounds.RangeEndCount = 2;
  tables.RangeEndCount = 2;
  ReportDocument document = Build();
  EXPECT_EQ(document.templatePath, path);
  EXPECT_EQ(document.title, "Poule");
  EXPECT_EQ(AllTexts(document),
            (Pages{{"Poule A p.1", "Tour 1", "Table 1 : E11", "Table 2 : E12", "Tour 2",
                    "Table 1 : E21", "Table 2 : E22", "fin"}}));
}

TEST_F(ReportEngineTest, BandsStackDownwardsAndFooterSitsAtTheFootOfThePage) {
  rounds.RangeEndCount = 1;
  tables.RangeEndCount = 1;
  const ReportPage page = Build().pages.at(0);
  ASSERT_EQ(page.items.size(), 4u);
  std::vector<double> tops;
  for (const auto& item : page.items) tops.push_back(item.y);
  EXPECT_EQ(tops, (std::vector<double>{10, 20, 30, 80}));
  EXPECT_DOUBLE_EQ(page.items[1].x, 10);  // the left margin
  EXPECT_DOUBLE_EQ(page.widthMm, 100);
}

TEST_F(ReportEngineTest, OverflowStartsANewPageWithItsHeaderAndFooter) {
  rounds.RangeEndCount = 2;
  tables.RangeEndCount = 3;  // eight bands, six per page
  ReportDocument document = Build();
  EXPECT_EQ(AllTexts(document),
            (Pages{{"Poule A p.1", "Tour 1", "Table 1 : E11", "Table 2 : E12", "Table 3 : E13",
                    "Tour 2", "Table 1 : E21", "fin"},
                   {"Poule A p.2", "Table 2 : E22", "Table 3 : E23", "fin"}}));
}

TEST_F(ReportEngineTest, DatasetsEndAtTheirRowCount) {
  struct Case {
    int rounds, tables;
    size_t bands;
  } cases[] = {{0, 5, 0}, {1, 0, 1}, {3, 1, 6}, {1, 4, 5}};
  for (const auto& c : cases) {
    rounds.RangeEndCount = c.rounds;
    tables.RangeEndCount = c.tables;
    size_t bands = 0;
    for (const auto& page : Build().pages) bands += Texts(page).size() - 2;  // header and footer
    EXPECT_EQ(bands, c.bands) << c.rounds << " rounds, " << c.tables << " tables";
  }
}

TEST_F(ReportEngineTest, DatasetWithoutEndIsReportedInsteadOfLoopingForever) {
  rounds.RangeEnd = TfrUserDataset::reDefault;
  tables.RangeEndCount = 0;
  ReportDocument document;
  std::string error;
  EXPECT_FALSE(report.Build(document, error));
  EXPECT_NE(error.find("frUserDataset2"), std::string::npos) << error;
  EXPECT_NE(error.find(path), std::string::npos) << error;
}

TEST_F(ReportEngineTest, BandOverAnUnknownDatasetIsAnError) {
  TfrReport other;
  ASSERT_TRUE(other.OpenTemplate(path));
  other.AddDataset(tables);  // frUserDataset2 is missing
  ReportDocument document;
  std::string error;
  EXPECT_FALSE(other.Build(document, error));
  EXPECT_NE(error.find("frUserDataset2"), std::string::npos) << error;
}

// The pool window's manual build: a round band, then one band per table, a
// page break every `perPage` rounds.
void PoolBuild(ReportBuildPage& page, TfrUserDataset& rounds, TfrUserDataset& tables,
               int roundCount, int tableCount, int perPage) {
  StartNextPage(page);
  rounds.First();
  for (int r = 1; r <= roundCount; ++r) {
    EmitBand(page, "Donnees1");
    tables.First();
    for (int t = 0; t < tableCount; ++t) {
      EmitBand(page, "DONNEES2");  // names match without regard to case
      tables.Next();
    }
    if (r % perPage == 0) StartNextPage(page);
    rounds.Next();
  }
}

TEST_F(ReportEngineTest, ManualBuildBreaksPagesWhereAskedAndNeverLeavesABlankPage) {
  report.OnManualBuild = [this](ReportBuildPage& page) { PoolBuild(page, rounds, tables, 4, 2, 2); };
  ReportDocument document = Build();
  EXPECT_EQ(AllTexts(document),
            (Pages{{"Poule A p.1", "Tour 1", "Table 1 : E11", "Table 2 : E12", "Tour 2",
                    "Table 1 : E21", "Table 2 : E22", "fin"},
                   {"Poule A p.2", "Tour 3", "Table 1 : E31", "Table 2 : E32", "Tour 4",
                    "Table 1 : E41", "Table 2 : E42", "fin"}}));
}

TEST_F(ReportEngineTest, ManualBuildOverflowsOntoANewPageByItself) {
  report.OnManualBuild = [this](ReportBuildPage& page) { PoolBuild(page, rounds, tables, 2, 4, 99); };
  ReportDocument document = Build();
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(Texts(document.pages[1]),
            (std::vector<std::string>{"Poule A p.2", "Table 1 : E21", "Table 2 : E22",
                                      "Table 3 : E23", "Table 4 : E24", "fin"}));
}

TEST_F(ReportEngineTest, ManualBuildIgnoresBandsThePageLacks) {
  report.OnManualBuild = [](ReportBuildPage& page) {
    EmitBand(page, "Inconnue");
    EmitBand(page, "pied");  // footers are laid by the page itself, but may be emitted
  };
  ReportDocument document = Build();
  EXPECT_EQ(AllTexts(document), (Pages{{"Poule A p.1", "fin", "fin"}}));
}

TEST_F(ReportEngineTest, ManualBuildThatEmitsNothingGivesOneFramedPage) {
  report.OnManualBuild = [](ReportBuildPage&) {};
  EXPECT_EQ(AllTexts(Build()), (Pages{{"Poule A p.1", "fin"}}));
}

TEST_F(ReportEngineTest, RunawayManualBuildIsStopped) {
  report.OnManualBuild = [](ReportBuildPage& page) {
    for (;;) EmitBand(page, "Donnees1");
  };
  ReportDocument document;
  std::string error;
  EXPECT_FALSE(report.Build(document, error));
  EXPECT_NE(error.find("pages"), std::string::npos) << error;
  EXPECT_TRUE(document.pages.empty());
}

TEST(ReportLayout, EachTemplatePageIsBuiltInTurnAndTallBandsDoNotLoop) {
  TempDir dir;
  const std::string path = dir.File("deux.frf");
  ASSERT_TRUE(WriteFileBytes(path, R"(KEDFRF 1
page A5 portrait margins 10 10 10 10
band masterdata Grande dataset frUserDataset1 height 500
  text 0 0 50 5 "Grande [Ligne]"
page A4 landscape
band child Seule height 10
  text 0 0 50 5 "Seule"
)"));
  TfrReport report;
  TfrUserDataset rows("frUserDataset1");
  rows.RangeEnd = TfrUserDataset::reCount;
  rows.RangeEndCount = 3;
  report.AddDataset(rows);
  report.OnGetValue = [&](const std::string& name, ReportValue& value) {
    if (name == "Ligne") value = static_cast<long long>(rows.RecNo());
  };
  ASSERT_TRUE(report.OpenTemplate(path));
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  // Automatic: a band taller than the page gets a page of its own, once per row;
  // the child band of the second page is only for manual builds.
  EXPECT_EQ(AllTexts(document), (Pages{{"Grande 0"}, {"Grande 1"}, {"Grande 2"}, {}}));
  EXPECT_EQ(document.pages[3].widthMm, 297);

  int calls = 0;
  report.OnManualBuild = [&](ReportBuildPage& page) {
    ++calls;
    EmitBand(page, "seule");
  };
  ASSERT_TRUE(report.Build(document, error)) << error;
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(AllTexts(document), (Pages{{}, {"Seule"}}));
}

TEST(ReportTemplateFiles, DesignerChangesAreReadBackAfterEditing) {
  TempDir dir;
  const std::string path = dir.File("Poules.frf");
  ASSERT_TRUE(WriteFileBytes(path, test::kPoolTemplate));
  TfrReport report;
  report.OnManualBuild = [](ReportBuildPage&) {};
  ASSERT_TRUE(report.OpenTemplate(path));
  // What the designer would have saved.
  ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\ntitle \"Revue\"\npage A4\n"));
  FakePlatform fake;
  EditTemplate(report, fake);
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  EXPECT_EQ(document.title, "Revue");
}

TEST(ReportValues, EachKindOfValuePrintsPlainlyOrWithItsFormat) {
  TempDir dir;
  const std::string path = dir.File("valeurs.frf");
  ASSERT_TRUE(WriteFileBytes(path, R"(KEDFRF 1
page A4 portrait margins 10 10 10 10
band title Valeurs height 50
  text 0 0 50 5 "<[Texte]>"
  text 0 5 50 5 "<[Entier]> <[Reel]> <[Vrai]> <[Faux]>"
  text 0 10 50 5 format "0,00" "<[Reel]> <[Entier]>"
  text 0 15 50 5 format "0.0" "<[Moitie]>"
  text 0 20 50 5 "<[Inconnue]> <[texte]> [ouvert"
)"));
  TfrReport report;
  ASSERT_TRUE(report.OpenTemplate(path));
  std::vector<std::string> asked;
  report.OnGetValue = [&](const std::string& name, ReportValue& value) {
    asked.push_back(name);
    if (name == "Texte") value = std::string("ligne 1\r\nligne 2");
    if (name == "Entier") value = 42LL;
    if (name == "Reel") value = 3.5;
    if (name == "Moitie") value = 0.25;
    if (name == "Vrai") value = true;
    if (name == "Faux") value = false;
  };
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  EXPECT_EQ(Texts(document.pages.at(0)),
            (std::vector<std::string>{"<ligne 1\nligne 2>", "<42> <3.5> <Vrai> <Faux>",
                                      "<3,50> <42,00>", "<0.2>", "<> <> [ouvert"}));
  EXPECT_EQ(asked.back(), "texte");  // the window compares names itself, case included
}

TEST(ReportTemplateFiles, MissingTemplateKeepsTheOneTheReportHeld) {
  TempDir dir;
  const std::string path = dir.File("Poules.frf");
  ASSERT_TRUE(WriteFileBytes(path, test::kPoolTemplate));
  TfrReport report;
  report.OnManualBuild = [](ReportBuildPage&) {};
  ASSERT_TRUE(report.OpenTemplate(path));
  EXPECT_FALSE(report.OpenTemplate(dir.File("Absent.frf")));
  EXPECT_EQ(report.TemplatePath(), path);
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  EXPECT_EQ(document.title, "Poule");
}

TEST(ReportTemplateFiles, ReportWithoutTemplateShowsOneBlankPage) {
  TfrReport report;
  FakePlatform fake;
  PreviewReport(report, fake);
  ASSERT_EQ(fake.previews.size(), 1u);
  ASSERT_EQ(fake.previews[0]->pages.size(), 1u);
  EXPECT_TRUE(fake.previews[0]->pages[0].items.empty());
  EditTemplate(report, fake);  // no template: no designer
  EXPECT_EQ(fake.Count("EditReportTemplate"), 0u);
}

TEST(ReportTemplateFiles, MalformedTemplateGivesAnErrorBoxNamingFileAndLine) {
  TempDir dir;
  const std::string path = dir.File("Casse.frf");
  ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\npage A4\nband masterdata B height 10\n"
                                   "  text 0 0 10 \"sans fin\n"));
  TfrReport report;
  EXPECT_TRUE(report.OpenTemplate(path));
  FakePlatform fake;
  PreviewReport(report, fake);
  EXPECT_TRUE(fake.previews.empty());
  auto boxes = fake.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].buttons, BtnOk);
  EXPECT_NE(boxes[0].text.find(path), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("ligne 4"), std::string::npos) << boxes[0].text;
}

TEST(ReportTemplateFiles, PreviewAndDesignerGoThroughThePlatform) {
  TempDir dir;
  const std::string path = dir.File("Poules.frf");
  ASSERT_TRUE(WriteFileBytes(path, test::kPoolTemplate));
  TfrReport report;
  report.OnManualBuild = [](ReportBuildPage&) {};
  ASSERT_TRUE(report.OpenTemplate(path));
  FakePlatform fake;
  PreviewReport(report, fake);
  ASSERT_EQ(fake.previews.size(), 1u);
  EXPECT_EQ(fake.previews[0]->templatePath, path);
  EXPECT_EQ(fake.CallsOf("ShowReportPreview").at(0).text, path);
  EditTemplate(report, fake);
  EXPECT_EQ(fake.CallsOf("EditReportTemplate").at(0).text, path);
}

TEST(ReportTemplateFiles, InstalledAppealFormBuildsOnOnePage) {
  const std::string path = std::string(KED_TEST_BIN_DIR) + "/commis.frf";
  TfrReport report;
  ASSERT_TRUE(report.OpenTemplate(path));
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  ASSERT_EQ(document.pages.size(), 1u);
  std::string all;
  for (const auto& text : Texts(document.pages[0])) all += text + "\n";
  for (const char* expected : {"COMMISSION D'APPEL", "Décision", "Signature"})
    EXPECT_NE(all.find(expected), std::string::npos) << expected;
}

}  // namespace
}  // namespace ked

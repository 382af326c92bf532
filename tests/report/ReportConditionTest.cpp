// Booleans printed as chosen texts ([Name?yes|no]), bands and objects shown on
// a variable ("if [not] Name"), and the progress callback of a build.
#include <gtest/gtest.h>

#include <map>

#include "platform/FileIO.h"
#include "report/ReportEngine.h"
#include "report/ReportLayout.h"
#include "report/ReportTemplate.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

using test::FakePlatform;
using test::TempDir;

using Values = std::map<std::string, ReportValue>;

std::function<ReportValue(const std::string&)> LookUp(const Values& values) {
  return [&values](const std::string& name) {
    auto found = values.find(name);
    return found == values.end() ? ReportValue{} : found->second;
  };
}

TEST(ReportChoice, ValuesCountAsTrueByKind) {
  const struct {
    ReportValue value;
    bool expected;
  } cases[] = {
      {true, true},      {false, false},           {1LL, true},
      {0LL, false},      {-2LL, true},             {0.5, true},
      {0.0, false},      {std::string("x"), true}, {std::string(), false},
      {ReportValue{}, false},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(IsTrueValue(cases[i].value), cases[i].expected) << "case " << i;
}

TEST(ReportChoice, PlaceholdersWithAQuestionMarkPrintOneOfTheirTexts) {
  const Values values = {{"Oui", true}, {"Non", false}, {"Nb", 3LL}, {"Vide", std::string()}};
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"[Oui?Avec mi-temps|Sans mi-temps]", "Avec mi-temps"},
      {"[Non?Avec mi-temps|Sans mi-temps]", "Sans mi-temps"},
      {"<[Oui?oui]> <[Non?oui]>", "<oui> <>"},  // no "|": nothing when false
      {"<[Oui?|non]> <[Non?|non]>", "<> <non>"},
      {"[Nb?[Nb] étuis|aucun]", "[Nb étuis|aucun]"},  // texts are literal, the first ] closes
      {"[Vide?plein|vide] [Inconnue?connue|inconnue]", "vide inconnue"},
      {"[Oui?a|b|c]", "a"},                      // the first | splits
      {"[Non?a|b|c]", "b|c"},
      {"[Oui] [Non] [Oui?]", "Vrai Faux "},      // plain booleans as before
      {"[Oui?Ligne 1\nLigne 2|x]", "Ligne 1\nLigne 2"},
      {"[Oui?ouvert", "[Oui?ouvert"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExpandVariables(c.text, "", LookUp(values)), c.expected) << c.text;
}

TEST(ReportChoice, TheNameBeforeTheQuestionMarkIsWhatTheWindowIsAskedFor) {
  std::vector<std::string> asked;
  auto valueOf = [&](const std::string& name) {
    asked.push_back(name);
    return ReportValue{};
  };
  ExpandVariables("[MiTemps?a|b][X]", "", valueOf);
  EXPECT_EQ(asked, (std::vector<std::string>{"MiTemps", "X"}));
}

TEST(ReportCondition, ObjectsAndBandsReadAndWriteTheirCondition) {
  const struct {
    const char* line;  // the object line, or the band line ("band ...")
    VisibleIf expected;
    const char* written;  // its end once written back
  } cases[] = {
      {"text 0 0 10 5 if MiTemps \"x\"", {"MiTemps", false}, " if MiTemps \"x\""},
      {"text 0 0 10 5 \"x\" if not MiTemps bold", {"MiTemps", true}, " bold if not MiTemps \"x\""},
      {"line 0 0 10 0 if not A", {"A", true}, "width 0.2 if not A"},
      {"frame 0 0 10 5 width 0.5 if B", {"B", false}, "width 0.5 if B"},
      {"text 0 0 10 5 \"x\"", {}, "10 \"x\""},
      {"band child B height 5 if not MiTemps", {"MiTemps", true}, "height 5 if not MiTemps"},
      {"band masterdata B if C dataset frUserDataset1 height 5", {"C", false},
       "dataset frUserDataset1 height 5 if C"},
      {"band child B height 5", {}, "height 5"},
  };
  for (const auto& c : cases) {
    const bool isBand = std::string(c.line).rfind("band", 0) == 0;
    const std::string body = isBand ? c.line : "band child B height 10\n" + std::string(c.line);
    const std::string text = "KEDFRF 1\npage A4\n" + body + "\n";
    TemplateParseError error;
    auto report = ParseTemplate(text, error);
    ASSERT_TRUE(report) << c.line << " : " << error.message;
    const TemplateBand& band = report->pages[0].bands[0];
    EXPECT_EQ(isBand ? band.visibleIf : band.objects.at(0).visibleIf, c.expected) << c.line;
    const std::string written = WriteTemplate(*report);
    const std::string end = std::string(c.written) + "\n";
    const size_t from = written.size() - std::min(written.size(), end.size());
    EXPECT_EQ(written.substr(from), end) << written;
    auto again = ParseTemplate(written, error);
    ASSERT_TRUE(again) << written;
    const TemplateBand& back = again->pages[0].bands[0];
    EXPECT_EQ(isBand ? back.visibleIf : back.objects.at(0).visibleIf, c.expected) << written;
  }
}

TEST(ReportCondition, AConditionWithoutANameIsAFaultOnItsLine) {
  for (const char* line : {"  text 0 0 10 5 \"x\" if", "  text 0 0 10 5 if not \"x\"",
                           "  line 0 0 1 1 if not", "band child C height 5 if"}) {
    TemplateParseError error;
    const std::string text = std::string("KEDFRF 1\npage A4\nband child B height 10\n") + line;
    EXPECT_FALSE(ParseTemplate(text, error)) << line;
    EXPECT_EQ(error.line, 4) << line;
    EXPECT_EQ(error.message, "nom de variable attendu après « if »") << line;
  }
}

std::vector<std::string> PageTexts(const ReportPage& page) {
  std::vector<std::string> texts;
  for (const auto& item : page.items)
    if (item.kind == ReportItem::Kind::Text) texts.push_back(item.text);
  return texts;
}

// A 100 x 100 mm page with 10 mm margins: header, two bands and a footer, each
// shown or hidden by its own variable.
constexpr const char* kConditional = R"(KEDFRF 1
page 100 100 margins 10 10 10 10
band pageheader Entete height 10 if Entete
  text 0 0 80 5 "entête"
band title Haut height 10 if not CacheHaut
  text 0 0 80 5 "haut"
  text 0 5 80 5 if Detail "détail"
  line 0 9 80 9 if not Detail
band summary Bas height 10
  text 0 0 80 5 "bas [Detail?avec|sans] détail"
band pagefooter Pied height 10 if Pied
  text 0 0 80 5 "pied"
)";

TEST(ReportCondition, HiddenBandsTakeNoRoomAndHiddenObjectsDoNotPrint) {
  TempDir dir;
  const std::string path = dir.File("conditions.frf");
  ASSERT_TRUE(WriteFileBytes(path, kConditional));
  const struct {
    Values values;
    std::vector<std::string> texts;
    std::vector<double> tops;  // of the texts
    size_t lines;
  } cases[] = {
      {{{"Entete", true}, {"Detail", true}, {"Pied", true}},
       {"entête", "haut", "détail", "bas avec détail", "pied"}, {10, 20, 25, 30, 80}, 0},
      {{}, {"haut", "bas sans détail"}, {10, 20}, 1},
      {{{"CacheHaut", true}, {"Pied", 1LL}}, {"bas sans détail", "pied"}, {10, 80}, 0},
      {{{"Entete", std::string("oui")}, {"CacheHaut", true}},
       {"entête", "bas sans détail"}, {10, 20}, 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Values& values = cases[i].values;
    TfrReport report;
    ASSERT_TRUE(report.OpenTemplate(path));
    report.OnGetValue = [&](const std::string& name, ReportValue& value) {
      if (auto found = values.find(name); found != values.end()) value = found->second;
    };
    ReportDocument document;
    std::string error;
    ASSERT_TRUE(report.Build(document, error)) << error;
    ASSERT_EQ(document.pages.size(), 1u) << "case " << i;
    const ReportPage& page = document.pages[0];
    EXPECT_EQ(PageTexts(page), cases[i].texts) << "case " << i;
    std::vector<double> tops;
    size_t lines = 0;
    for (const auto& item : page.items) {
      if (item.kind == ReportItem::Kind::Text) tops.push_back(item.y);
      if (item.kind == ReportItem::Kind::Line) ++lines;
    }
    EXPECT_EQ(tops, cases[i].tops) << "case " << i;
    EXPECT_EQ(lines, cases[i].lines) << "case " << i;
  }
}

TEST(ReportCondition, AHiddenBandOpensNoPage) {
  TempDir dir;
  const std::string path = dir.File("cachee.frf");
  ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\npage A4\n"
                                   "band child A height 10\n  text 0 0 10 5 \"a\"\n"
                                   "band child B height 10 if B\n  text 0 0 10 5 \"b\"\n"));
  TfrReport report;
  ASSERT_TRUE(report.OpenTemplate(path));
  report.OnManualBuild = [](ReportBuildPage& page) {
    EmitBand(page, "A");
    StartNextPage(page);
    EmitBand(page, "B");  // hidden: the break it follows gives no blank page
  };
  ReportDocument document;
  std::string error;
  ASSERT_TRUE(report.Build(document, error)) << error;
  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_EQ(PageTexts(document.pages[0]), (std::vector<std::string>{"a"}));
}

// The GaNa templates: "MiTemps" is true when the match has no half-time.
TEST(ReportCondition, InstalledGanaTemplatesMentionOnlyAHalfTimeThatExists) {
  const struct {
    const char* file;
    bool miTemps;
    const char* shown;  // nullptr: no mention of a half-time at all
    size_t count;
  } cases[] = {
      {"ghanafm.frf", true, nullptr, 0},
      {"ghanafm.frf", false, "Match avec mi-temps", 3},
      {"ghanagk.frf", true, nullptr, 0},
      {"ghanagk.frf", false, "14 étuis par série - match avec mi-temps", 3},
  };
  for (const auto& c : cases) {
    TfrReport report;
    ASSERT_TRUE(report.OpenTemplate(std::string(KED_TEST_BIN_DIR) + "/" + c.file));
    report.OnGetValue = [&](const std::string& name, ReportValue& value) {
      if (name == "MiTemps") value = c.miTemps;
      if (name == "NbDo") value = 14LL;
    };
    ReportDocument document;
    std::string error;
    ASSERT_TRUE(report.Build(document, error)) << error;
    ASSERT_EQ(document.pages.size(), 1u) << c.file;
    size_t shown = 0;
    for (const auto& text : PageTexts(document.pages[0])) {
      EXPECT_EQ(text.find("Vrai"), std::string::npos) << text;
      EXPECT_EQ(text.find("Faux"), std::string::npos) << text;
      if (!c.shown) {
        EXPECT_EQ(text.find("mi-temps"), std::string::npos) << c.file << ": " << text;
      } else if (text == c.shown) {
        ++shown;
      }
    }
    EXPECT_EQ(shown, c.count) << c.file << " " << c.miTemps;
  }
}

class ReportProgress : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("lignes.frf");
    ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\ntitle \"Lignes\"\n"
                                     "page 100 100 margins 10 10 10 10\n"
                                     "band masterdata L dataset frUserDataset1 height 20\n"
                                     "  text 0 0 80 5 \"[Ligne]\"\n"));
    rows.RangeEnd = TfrUserDataset::reCount;
    rows.RangeEndCount = 10;  // four rows a page: three pages
    report.AddDataset(rows);
    ASSERT_TRUE(report.OpenTemplate(path));
  }
  void TearDown() override { SetReportBuildProgressFactory(nullptr); }

  TempDir dir;
  std::string path;
  TfrReport report;
  TfrUserDataset rows{"frUserDataset1"};
};

TEST_F(ReportProgress, IsToldOfEachPageAndMayStopTheBuild) {
  const struct {
    int stopAt;  // 0: never
    std::vector<int> told;
    size_t pages;
  } cases[] = {{0, {1, 2, 3}, 3}, {2, {1, 2}, 0}, {1, {1}, 0}};
  for (const auto& c : cases) {
    std::vector<int> told;
    report.OnBuildProgress = [&](int pages) {
      told.push_back(pages);
      return pages != c.stopAt;
    };
    ReportDocument document;
    std::string error;
    EXPECT_EQ(report.Build(document, error), c.stopAt == 0) << c.stopAt;
    EXPECT_EQ(told, c.told) << c.stopAt;
    EXPECT_EQ(document.pages.size(), c.pages) << c.stopAt;
    if (c.stopAt) {
      EXPECT_EQ(error, "Modèle d'état " + path + " : construction de l'état interrompue");
    }
  }
}

TEST_F(ReportProgress, StoppingOverAnEndlessDatasetIsNotTakenForItsEnd) {
  rows.RangeEnd = TfrUserDataset::reDefault;
  report.OnBuildProgress = [](int pages) { return pages < 5; };
  ReportDocument document;
  std::string error;
  EXPECT_FALSE(report.Build(document, error));
  EXPECT_NE(error.find("interrompue"), std::string::npos) << error;
}

class CountingProgress : public ReportBuildProgress {
 public:
  CountingProgress(std::vector<int>& steps, int stopAt) : steps_(steps), stopAt_(stopAt) {}
  bool Step(int pages) override {
    steps_.push_back(pages);
    return pages != stopAt_;
  }

 private:
  std::vector<int>& steps_;
  int stopAt_;
};

TEST_F(ReportProgress, PreviewShowsTheInstalledProgressWhileItBuilds) {
  const struct {
    int stopAt;
    std::vector<int> steps;
    size_t previews, boxes;
  } cases[] = {{0, {1, 2, 3}, 1, 0}, {2, {1, 2}, 0, 0}};
  for (const auto& c : cases) {
    std::vector<std::string> titles;
    std::vector<int> steps;
    SetReportBuildProgressFactory([&](const std::string& title) {
      titles.push_back(title);
      return std::make_unique<CountingProgress>(steps, c.stopAt);
    });
    FakePlatform fake;
    PreviewReport(report, fake);
    EXPECT_EQ(titles, (std::vector<std::string>{"Lignes"}));
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(fake.previews.size(), c.previews);  // stopped by the user: nothing, no box
    EXPECT_EQ(fake.Count("MessageBox"), c.boxes);
    EXPECT_FALSE(report.OnBuildProgress);  // the report does not keep the display
  }
}

TEST_F(ReportProgress, AReportWithItsOwnCallbackOrNoTemplateGetsNoProgressWindow) {
  int made = 0;
  SetReportBuildProgressFactory([&](const std::string&) {
    ++made;
    return std::unique_ptr<ReportBuildProgress>();
  });
  int own = 0;
  report.OnBuildProgress = [&](int) { return ++own, true; };
  FakePlatform fake;
  PreviewReport(report, fake);
  EXPECT_EQ(made, 0);
  EXPECT_EQ(own, 3);
  report.OnBuildProgress = nullptr;
  PreviewReport(report, fake);  // a factory answering null: built without one
  EXPECT_EQ(made, 1);
  TfrReport empty;
  PreviewReport(empty, fake);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(fake.previews.size(), 3u);
}

}  // namespace
}  // namespace ked

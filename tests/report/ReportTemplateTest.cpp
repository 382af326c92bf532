// The ".frf" text format: what it reads, the faults it reports with their line,
// and writing a template back in a form that reads the same.
#include "report/ReportTemplate.h"

#include <gtest/gtest.h>

#include "report/ReportTestTemplates.h"
#include "support/TempDir.h"
#include "platform/FileIO.h"
#include "report/ReportFile.h"
#include "report/ReportSearch.h"

namespace ked {
namespace {

TEST(ReportTemplateFormat, ReadsPagesBandsAndObjects) {
  TemplateParseError error;
  auto report = ParseTemplate(R"(KEDFRF 1
# a comment, then a blank line

title "Feuille \"A\""
page A4 landscape margins 5 6 7 8
band masterdata Donnees1 dataset frUserDataset2 height 12.5
  text 1 2 30 4 font "DejaVu Serif" 12 bold italic align right valign middle frame lb width 0.5 format "0,00" nowrap "Ligne\n[Var]"
  line 0 10 100 10 width 0.3
  frame 0 0 100 12.5
page 100 50
band child Libre height 5
)", error);
  ASSERT_TRUE(report) << error.line << ": " << error.message;
  EXPECT_EQ(report->title, "Feuille \"A\"");
  ASSERT_EQ(report->pages.size(), 2u);
  const TemplatePage& page = report->pages[0];
  EXPECT_EQ(page.widthMm, 297);
  EXPECT_EQ(page.heightMm, 210);
  EXPECT_EQ(page.marginLeft, 5);
  EXPECT_EQ(page.marginBottom, 8);
  ASSERT_EQ(page.bands.size(), 1u);
  const TemplateBand& band = page.bands[0];
  EXPECT_EQ(band.kind, BandKind::MasterData);
  EXPECT_EQ(band.name, "Donnees1");
  EXPECT_EQ(band.dataset, "frUserDataset2");
  EXPECT_EQ(band.heightMm, 12.5);
  ASSERT_EQ(band.objects.size(), 3u);
  const ReportItem& text = band.objects[0].item;
  EXPECT_EQ(text.text, "Ligne\n[Var]");
  EXPECT_EQ(text.font, (ReportFont{"DejaVu Serif", 12, true, true, false}));
  EXPECT_EQ(text.align, ReportAlign::Right);
  EXPECT_EQ(text.valign, ReportVAlign::Middle);
  EXPECT_EQ(text.frame, FrameLeft | FrameBottom);
  EXPECT_EQ(text.lineWidth, 0.5);
  EXPECT_FALSE(text.wrap);
  EXPECT_EQ(band.objects[0].format, "0,00");
  const ReportItem& line = band.objects[1].item;
  EXPECT_EQ(line.kind, ReportItem::Kind::Line);
  EXPECT_EQ(line.width, 100);
  EXPECT_EQ(line.height, 0);
  EXPECT_EQ(line.lineWidth, 0.3);
  EXPECT_EQ(band.objects[2].item.kind, ReportItem::Kind::Frame);
  EXPECT_EQ(report->pages[1].widthMm, 100);
  EXPECT_EQ(report->pages[1].bands[0].kind, BandKind::Child);
}

TEST(ReportTemplateFormat, FaultsNameTheirLine) {
  const std::string head = "KEDFRF 1\npage A4\nband title T height 10\n";
  struct Case {
    std::string text;
    int line;
    std::string fragment;
  } cases[] = {
      {"", 1, "KEDFRF"},
      {"FRF 1\n", 1, "KEDFRF"},
      {"KEDFRF 2\npage A4\n", 1, "version"},
      {"KEDFRF 1\n", 1, "page"},
      {"KEDFRF 1\npage B7\n", 2, "B7"},
      {"KEDFRF 1\npage A4 margins 10 10\n", 2, "marge"},
      {"KEDFRF 1\npage A4 margins 150 10 150 10\n", 2, "marges"},
      {"KEDFRF 1\nband title T height 10\n", 2, "page"},
      {"KEDFRF 1\npage A4\ntext 0 0 1 1 \"x\"\n", 3, "bande"},
      {head + "band entete E height 10\n", 4, "entete"},
      {head + "band title E\n", 4, "height"},
      {head + "band title E height -3\n", 4, "hauteur"},
      {head + "text 0 0 10 \"x\"\n", 4, "hauteur"},
      {head + "text 0 0 10 5 \"x\n", 4, "guillemets"},
      {head + "text 0 0 10 5 align middle \"x\"\n", 4, "middle"},
      {head + "text 0 0 10 5 font \"Arial\" \"x\"\n", 4, "police"},
      {head + "text 0 0 10 5 format \"#,##0\" \"x\"\n", 4, "format"},
      {head + "text 0 0 10 5 \"x\" \"y\"\n", 4, "un seul"},
      {head + "text 0 0 10 5 gras \"x\"\n", 4, "gras"},
      {head + "text 0 0 10 5\n", 4, "guillemets"},
      {head + "text 0 0 10,5 5 \"x\"\n", 4, "10,5"},
      {head + "frame 0 0 10 5 width -1\n", 4, "paisseur"},
      {head + "line 0 0 10 5 couleur rouge\n", 4, "couleur"},
      {head + "\n\nimage 0 0 10 10\n", 6, "image"},
  };
  for (const auto& c : cases) {
    TemplateParseError error;
    EXPECT_FALSE(ParseTemplate(c.text, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_NE(error.message.find(c.fragment), std::string::npos) << c.text << " -> " << error.message;
  }
}

TEST(ReportTemplateFormat, WrittenTemplateReadsBackTheSame) {
  TemplateParseError error;
  auto first = ParseTemplate(test::kPoolTemplate, error);
  ASSERT_TRUE(first);
  TemplateObject odd;
  odd.item.text = "guillemets \" et \\ et\nretour";
  odd.item.x = 1.25;
  odd.item.frame = FrameTop | FrameRight;
  odd.item.lineWidth = 0.7;
  odd.item.align = ReportAlign::Center;
  odd.item.valign = ReportVAlign::Bottom;
  odd.item.font.underline = true;
  odd.format = "0.000";
  first->pages[0].bands[1].objects.push_back(odd);
  const std::string text = WriteTemplate(*first);
  auto second = ParseTemplate(text, error);
  ASSERT_TRUE(second) << error.line << ": " << error.message << "\n" << text;
  EXPECT_EQ(WriteTemplate(*second), text);
  const TemplateObject& back = second->pages[0].bands[1].objects.back();
  EXPECT_EQ(back.item.text, odd.item.text);
  EXPECT_EQ(back.item.frame, odd.item.frame);
  EXPECT_EQ(back.item.lineWidth, 0.7);
  EXPECT_EQ(back.format, "0.000");
  EXPECT_NE(text.find("page 100 100 margins 10 10 10 10"), std::string::npos) << text;
}

TEST(ReportTemplateFormat, MessageNamesTheFileAndTheLine) {
  EXPECT_EQ(TemplateErrorMessage("/p/Poules.frf", {7, "option inconnue « x »"}),
            "Modèle d'état /p/Poules.frf, ligne 7 : option inconnue « x »");
  EXPECT_EQ(TemplateErrorMessage("/p/Poules.frf", {0, "fichier manquant"}),
            "Modèle d'état /p/Poules.frf : fichier manquant");
}

TEST(ReportFileFormat, SavedReportLoadsBackAsLaidOut) {
  ReportDocument document;
  document.title = "Poule";
  document.templatePath = "/p/Poules.frf";
  ReportPage page;
  page.widthMm = 297;
  page.heightMm = 210;
  ReportItem text;
  text.x = 10;
  text.y = 12.5;
  text.width = 80;
  text.height = 6;
  text.text = "Tour 1 \"A\"";
  text.font.bold = true;
  ReportItem line;
  line.kind = ReportItem::Kind::Line;
  line.x = 10;
  line.y = 20;
  line.width = 50;
  line.height = -5;
  page.items = {text, line};
  document.pages = {page, ReportPage{}};

  test::TempDir dir;
  ASSERT_TRUE(SaveReportFile(dir.File("poule.frp"), document));
  TemplateParseError error;
  auto back = LoadReportFile(dir.File("poule.frp"), error);
  ASSERT_TRUE(back) << error.line << ": " << error.message;
  EXPECT_EQ(WriteReportFile(*back), WriteReportFile(document));
  EXPECT_EQ(back->title, "Poule");
  ASSERT_EQ(back->pages.size(), 2u);
  EXPECT_EQ(back->pages[0].items.at(0).text, "Tour 1 \"A\"");
  EXPECT_EQ(back->pages[0].items.at(1).height, -5);
  EXPECT_EQ(back->pages[0].widthMm, 297);

  EXPECT_FALSE(ParseReportFile("KEDFRF 1\npage A4\n", error));
  EXPECT_EQ(error.line, 1);
  EXPECT_FALSE(ParseReportFile("KEDFRP 1\ntext 0 0 1 1 \"x\"\n", error));
  EXPECT_EQ(error.line, 2);
  EXPECT_FALSE(LoadReportFile(dir.File("absent.frp"), error));
}

}  // namespace
}  // namespace ked

namespace ked {
namespace {

TEST(ReportSearch, FindsTextsInOrderAndGoesRound) {
  ReportDocument document;
  auto text = [](const std::string& t) {
    ReportItem item;
    item.text = t;
    return item;
  };
  ReportItem line;
  line.kind = ReportItem::Kind::Line;
  line.text = "Tour";  // not a text: never found
  document.pages.resize(2);
  document.pages[0].items = {text("Tour 1"), line, text("Table")};
  document.pages[1].items = {text("TOUR 2")};
  using P = ReportPosition;
  EXPECT_EQ(FindInReport(document, "tour", std::nullopt), (P{0, 0}));
  EXPECT_EQ(FindInReport(document, "tour", P{0, 0}), (P{1, 0}));
  EXPECT_EQ(FindInReport(document, "tour", P{1, 0}), (P{0, 0}));
  EXPECT_EQ(FindInReport(document, "Table", P{0, 2}), (P{0, 2}));  // the only one, again
  EXPECT_FALSE(FindInReport(document, "Recep", std::nullopt));
  EXPECT_FALSE(FindInReport(document, "", std::nullopt));
}

}  // namespace
}  // namespace ked

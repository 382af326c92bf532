// The preview window driven through its buttons: zoom, find, save to PDF and
// to a report file, load, print (to a PDF printer), help and exit.
#include "report/ui/TfrPreviewWindow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include "platform/FileIO.h"
#include "report/ReportFile.h"
#include "report/ui/ReportPagesView.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

ReportDocument ThreeRounds() {
  ReportDocument document;
  document.title = "Poule A";
  document.templatePath = "/p/Poules.frf";
  for (int round = 1; round <= 3; ++round) {
    ReportPage page;
    ReportItem text;
    text.x = 20;
    text.y = 20 + 10 * round;
    text.width = 100;
    text.height = 8;
    text.text = "Tour " + std::to_string(round);
    ReportItem line;
    line.kind = ReportItem::Kind::Line;
    line.x = 20;
    line.y = 50;
    line.width = 150;
    page.items = {text, line};
    document.pages.push_back(page);
  }
  return document;
}

int PdfPageCount(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes || bytes->rfind("%PDF", 0) != 0) return -1;
  int count = 0;
  for (size_t at = bytes->find("/Type /Page"); at != std::string::npos;
       at = bytes->find("/Type /Page", at + 1))
    if (bytes->compare(at, 12, "/Type /Pages") != 0) ++count;
  return count;
}

class ReportPreviewTest : public ::testing::Test {
 protected:
  template <class T>
  T* Control(const char* name) {
    T* control = window.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }

  test::FakePlatform fake;
  test::TempDir dir;
  TfrPreviewWindow window{ThreeRounds(), fake};
};

TEST_F(ReportPreviewTest, OpensOnTheFirstPageAtTheDefaultZoom) {
  EXPECT_TRUE(window.isModal());
  EXPECT_EQ(window.windowTitle(), "Aperçu - Poule A");
  EXPECT_EQ(window.ZoomPercent(), 100);
  EXPECT_EQ(Control<QLabel>("LbPage")->text(), "Page 1 / 3");
  EXPECT_NE(window.findChild<QWidget*>("PreviewButtons"), nullptr);
  auto* pages = Control<ReportPagesView>("PnPages");
  const int width = pages->width();
  Control<QComboBox>("CbZoom")->setCurrentText("200 %");
  EXPECT_EQ(window.ZoomPercent(), 200);
  EXPECT_NEAR(pages->width() - 24, 2 * (width - 24), 2);  // the gaps around the page stay
}

TEST_F(ReportPreviewTest, FindGoesFromMatchToMatchAndSaysWhenNothingMatches) {
  QTest::keyClicks(Control<QLineEdit>("EdFind"), "tour");
  Click("BtFind");
  EXPECT_EQ(window.FoundPage(), 0);
  Click("BtFind");
  EXPECT_EQ(window.FoundPage(), 1);
  EXPECT_EQ(window.FoundItem(), 0);
  EXPECT_EQ(Control<QLabel>("LbPage")->text(), "Page 2 / 3");
  Control<QLineEdit>("EdFind")->setText("Recep");
  Click("BtFind");
  EXPECT_EQ(window.FoundPage(), 1);  // stays on the last match
  ASSERT_EQ(fake.Count("ShowMessage"), 1u);
  EXPECT_EQ(fake.CallsOf("ShowMessage")[0].text, "Texte « Recep » introuvable");
}

TEST_F(ReportPreviewTest, SavesToPdfOrToAReportFileThatLoadsBack) {
  const std::string pdf = dir.File("poule.pdf"), frp = dir.File("poule.frp");
  fake.fileAnswers = {pdf, frp};
  Click("BtSave");
  EXPECT_EQ(PdfPageCount(pdf), 3);
  auto request = fake.CallsOf("SaveFileDialog").at(0).dialog;
  EXPECT_EQ(request.fileName, "Poule A.pdf");
  EXPECT_EQ(request.filter, "Document PDF (*.pdf);;Etat préparé (*.frp)");
  Click("BtSave");
  TemplateParseError error;
  ASSERT_TRUE(LoadReportFile(frp, error)) << error.message;

  TfrPreviewWindow other(ReportDocument{"", "Vide", {ReportPage{}}}, fake);
  fake.fileAnswers = {frp};
  QTest::mouseClick(other.findChild<QPushButton*>("BtOpen"), Qt::LeftButton);
  EXPECT_EQ(WriteReportFile(other.Document()), WriteReportFile(window.Document()));
  EXPECT_EQ(other.windowTitle(), "Aperçu - Poule A");
  EXPECT_EQ(other.findChild<QLabel*>("LbPage")->text(), "Page 1 / 3");
  EXPECT_TRUE(fake.CallsOf("MessageBox").empty());
}

TEST_F(ReportPreviewTest, UnwritableOrMalformedFilesGiveAnErrorBox) {
  ASSERT_TRUE(WriteFileBytes(dir.File("casse.frp"), "KEDFRP 1\npage 0 0\n"));
  fake.fileAnswers = {dir.File("absent/poule.frp"), dir.File("casse.frp")};
  Click("BtSave");
  Click("BtOpen");
  auto boxes = fake.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text, "Impossible d'enregistrer le fichier " + dir.File("absent/poule.frp"));
  EXPECT_NE(boxes[1].text.find("ligne 2"), std::string::npos) << boxes[1].text;
  EXPECT_EQ(window.Document().pages.size(), 3u);  // the report shown is kept
}

TEST_F(ReportPreviewTest, PrintsTheChosenPagesThroughThePrintDialog) {
  const std::string out = dir.File("imprime.pdf");
  window.askPrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(out));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    return true;
  };
  Click("BtPrint");
  EXPECT_EQ(PdfPageCount(out), 2);
  EXPECT_EQ(window.Document().pages.size(), 3u);

  const std::string cancelled = dir.File("annule.pdf");
  window.askPrinter = [&](QPrinter& printer) {
    printer.setOutputFileName(QString::fromStdString(cancelled));
    return false;
  };
  Click("BtPrint");
  EXPECT_FALSE(FileExists(cancelled));
}

TEST_F(ReportPreviewTest, HelpShowsTheEnginesHelpAndExitCloses) {
  window.show();
  Click("BtHelp");
  ASSERT_EQ(fake.Count("ShowHelp"), 1u);
  EXPECT_NE(fake.CallsOf("ShowHelp")[0].text.find("FRuser.hlp"), std::string::npos);
  Click("BtExit");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace ked

// The designer on a small template: bands and objects shown, texts edited,
// objects moved and resized with the mouse, added and removed, saved back.
#include "report/ui/TfrDesignerWindow.h"

#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/FileIO.h"
#include "report/ReportTestTemplates.h"
#include "report/ui/TemplateCanvas.h"
#include "report/ui/TemplateDesigner.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {

class TemplateDesignerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = dir.File("Poules.frf");
    ASSERT_TRUE(WriteFileBytes(path, test::kPoolTemplate));
    window = std::make_unique<TfrDesignerWindow>(path, fake);
    ASSERT_TRUE(window->Loaded()) << window->LoadError();
  }
  template <class T>
  T* Control(const char* name) {
    T* control = window->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }
  void SelectInTree(int band, int object) {
    QTreeWidgetItem* item = Control<QTreeWidget>("TvObjects")->topLevelItem(band);
    Control<QTreeWidget>("TvObjects")->setCurrentItem(object < 0 ? item : item->child(object));
  }
  ReportTemplate Saved() {
    TemplateParseError error;
    auto saved = LoadTemplateFile(path, error);
    EXPECT_TRUE(saved) << error.line << ": " << error.message;
    return saved.value_or(ReportTemplate{});
  }
  QPoint CanvasPoint(double xMm, double yMm) {
    return window->Canvas()->PointOf(xMm, yMm).toPoint();
  }

  test::FakePlatform fake;
  test::TempDir dir;
  std::string path;
  std::unique_ptr<TfrDesignerWindow> window;
};

TEST_F(TemplateDesignerTest, ShowsTheBandsWithTheirObjects) {
  auto* tree = Control<QTreeWidget>("TvObjects");
  ASSERT_EQ(tree->topLevelItemCount(), 4);
  EXPECT_EQ(tree->topLevelItem(1)->text(0), "masterdata Donnees1 (frUserDataset2)");
  ASSERT_EQ(tree->topLevelItem(2)->childCount(), 1);
  EXPECT_EQ(tree->topLevelItem(2)->child(0)->text(0), "Texte « Table [Table] : [Visit] »");
  EXPECT_EQ(window->windowTitle(), "Modèle d'état - Poules.frf");
  EXPECT_FALSE(Control<QPushButton>("BtDelete")->isEnabled());  // nothing selected yet
}

TEST_F(TemplateDesignerTest, EditedTextIsSavedIntoTheTemplate) {
  SelectInTree(1, 0);
  auto* text = Control<QPlainTextEdit>("EdText");
  EXPECT_EQ(text->toPlainText(), "Tour [Tour]");
  text->selectAll();
  QTest::keyClicks(text, "Tour n° [Tour]");
  EXPECT_EQ(window->windowTitle(), "Modèle d'état - Poules.frf *");
  EXPECT_EQ(Control<QTreeWidget>("TvObjects")->topLevelItem(1)->child(0)->text(0),
            "Texte « Tour n° [Tour] »");
  Click("BtSave");
  EXPECT_EQ(Saved().pages.at(0).bands.at(1).objects.at(0).item.text, "Tour n° [Tour]");
  EXPECT_EQ(window->windowTitle(), "Modèle d'état - Poules.frf");
}

TEST_F(TemplateDesignerTest, MouseMovesAndResizesTheObjectItGrabs) {
  auto* canvas = window->Canvas();
  // Band Donnees2 is drawn from 45 mm; its text spans 10..90 x 45..50.
  auto* width = Control<QDoubleSpinBox>("SpWidth");
  SelectInTree(2, 0);
  width->setValue(30);  // the fields resize too
  EXPECT_EQ(window->Editor()->Selected()->item.width, 30);
  QTest::mousePress(canvas, Qt::LeftButton, {}, CanvasPoint(15, 47));
  QTest::mouseMove(canvas, CanvasPoint(35, 49));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, CanvasPoint(35, 49));
  const ReportItem* item = &window->Editor()->Selected()->item;
  EXPECT_NEAR(item->x, 20, 0.5);
  EXPECT_NEAR(item->y, 2, 0.5);
  EXPECT_NEAR(Control<QDoubleSpinBox>("SpX")->value(), 20, 0.5);
  // The handle at the bottom-right corner (10 + 20 + 30, 45 + 2 + 5) resizes.
  QTest::mousePress(canvas, Qt::LeftButton, {}, CanvasPoint(60, 52));
  QTest::mouseMove(canvas, CanvasPoint(70, 60));  // past the band's foot
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, CanvasPoint(70, 60));
  item = &window->Editor()->Selected()->item;
  EXPECT_NEAR(item->width, 40, 0.5);
  EXPECT_NEAR(item->height, 8, 0.01);  // kept inside the 10 mm band
  EXPECT_NEAR(item->x, 20, 0.5);
  Click("BtSave");
  const ReportTemplate model = Saved();
  const ReportItem& saved = model.pages.at(0).bands.at(2).objects.at(0).item;
  EXPECT_NEAR(saved.width, 40, 0.5);
  EXPECT_NEAR(saved.height, 8, 0.01);
}

TEST_F(TemplateDesignerTest, AddsAndRemovesObjectsInTheSelectedBand) {
  SelectInTree(3, -1);  // the footer
  Click("BtAddFrame");
  Click("BtAddText");
  auto* tree = Control<QTreeWidget>("TvObjects");
  ASSERT_EQ(tree->topLevelItem(3)->childCount(), 3);
  EXPECT_EQ(tree->topLevelItem(3)->child(1)->text(0), "Cadre");
  EXPECT_EQ(tree->currentItem(), tree->topLevelItem(3)->child(2));
  SelectInTree(3, 0);
  Click("BtDelete");
  EXPECT_EQ(tree->topLevelItem(3)->childCount(), 2);
  Click("BtSave");
  const ReportTemplate saved = Saved();
  const auto& objects = saved.pages.at(0).bands.at(3).objects;
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].item.kind, ReportItem::Kind::Frame);
  EXPECT_EQ(objects[1].item.text, "Texte");
}

TEST_F(TemplateDesignerTest, ClosingWithChangesAsksWhetherToSave) {
  const std::string before = *ReadFileBytes(path);
  window->show();
  SelectInTree(0, 0);
  Click("BtDelete");
  struct Case {
    MessageButton answer;
    bool closed, saved;
  } cases[] = {{BtnCancel, false, false}, {BtnNo, true, false}, {BtnYes, true, true}};
  for (const auto& c : cases) {
    window->show();
    fake.boxAnswers = {c.answer};
    Click("BtExit");
    EXPECT_EQ(!window->isVisible(), c.closed) << c.answer;
    EXPECT_EQ(*ReadFileBytes(path) != before, c.saved) << c.answer;
  }
  auto boxes = fake.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(boxes[0].text, "Enregistrer les modifications de Poules.frf ?");
  EXPECT_EQ(boxes[0].buttons, BtnYes | BtnNo | BtnCancel);
  fake.Clear();
  window->show();
  Click("BtExit");  // saved: closes without asking
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(fake.Count("MessageBox"), 0u);
}

TEST(TemplateDesignerFiles, ConditionsAreShownAndKeptWhenSaving) {
  test::TempDir dir;
  const std::string path = dir.File("conditions.frf");
  ASSERT_TRUE(WriteFileBytes(path, "KEDFRF 1\npage A4\nband child B height 20 if not MiTemps\n"
                                   "  text 0 0 50 5 if MiTemps \"a\"\n"
                                   "  line 0 6 50 6 if not Pied\n  text 0 10 50 5 \"b\"\n"));
  test::FakePlatform fake;
  TfrDesignerWindow window(path, fake);
  ASSERT_TRUE(window.Loaded()) << window.LoadError();
  auto* tree = window.findChild<QTreeWidget*>("TvObjects");
  QTreeWidgetItem* band = tree->topLevelItem(0);
  const struct {
    QTreeWidgetItem* item;
    QString label;
  } cases[] = {
      {band, "child B si non MiTemps"},
      {band->child(0), "Texte « a » si MiTemps"},
      {band->child(1), "Trait si non Pied"},
      {band->child(2), "Texte « b »"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.item->text(0), c.label);
  tree->setCurrentItem(band->child(2));
  auto* text = window.findChild<QPlainTextEdit*>("EdText");
  text->selectAll();
  QTest::keyClicks(text, "c");
  QTest::mouseClick(window.findChild<QPushButton*>("BtSave"), Qt::LeftButton);
  TemplateParseError error;
  auto saved = LoadTemplateFile(path, error);
  ASSERT_TRUE(saved) << error.message;
  const TemplateBand& savedBand = saved->pages.at(0).bands.at(0);
  EXPECT_EQ(savedBand.visibleIf, (VisibleIf{"MiTemps", true}));
  EXPECT_EQ(savedBand.objects.at(0).visibleIf, (VisibleIf{"MiTemps", false}));
  EXPECT_EQ(savedBand.objects.at(1).visibleIf, (VisibleIf{"Pied", true}));
  EXPECT_EQ(savedBand.objects.at(2).item.text, "c");
}

TEST(TemplateDesignerFiles, MalformedOrMissingTemplateGivesAnErrorBoxAndNoWindow) {
  test::TempDir dir;
  ASSERT_TRUE(WriteFileBytes(dir.File("casse.frf"), "KEDFRF 1\npage A4\nband foo B height 3\n"));
  test::FakePlatform fake;
  ShowTemplateDesigner(dir.File("casse.frf"), fake);
  ShowTemplateDesigner(dir.File("absent.frf"), fake);
  auto boxes = fake.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text.find("Modèle d'état " + dir.File("casse.frf") + ", ligne 3 : "), 0u)
      << boxes[0].text;
  EXPECT_NE(boxes[1].text.find("absent.frf"), std::string::npos);
}

}  // namespace
}  // namespace ked

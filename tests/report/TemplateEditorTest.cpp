// The designer's edits on the pool-like template: hit testing on the stacked
// bands, edits kept inside their band, and the modified flag.
#include "report/TemplateEditor.h"

#include <gtest/gtest.h>

#include "report/ReportTestTemplates.h"

namespace ked {
namespace {

class TemplateEditorTest : public ::testing::Test {
 protected:
  static ReportTemplate Pool() {
    TemplateParseError error;
    return *ParseTemplate(test::kPoolTemplate, error);
  }
  TemplateEditor editor{Pool()};
};

TEST_F(TemplateEditorTest, BandsStackBelowTheirCaptions) {
  // margin 10, each band a 5 mm caption then its 10 mm.
  EXPECT_DOUBLE_EQ(editor.BandTop(0), 15);
  EXPECT_DOUBLE_EQ(editor.BandTop(1), 30);
  EXPECT_DOUBLE_EQ(editor.BandTop(3), 60);
  EXPECT_DOUBLE_EQ(editor.CanvasHeight(), 100);  // never shorter than the page
}

TEST_F(TemplateEditorTest, HitTestFindsObjectsBandsOrNothing) {
  struct Case {
    double x, y;
    std::optional<ObjectRef> hit;
  } cases[] = {
      {12, 32, ObjectRef{1, 0}},   // the text of Donnees1 (10..90 x 30..35)
      {12, 37, ObjectRef{1, -1}},  // below it, still in the band
      {12, 26, ObjectRef{1, -1}},  // the band's caption
      {12, 5, std::nullopt},       // the top margin
      {12, 99, std::nullopt},      // below every band
  };
  for (const auto& c : cases) EXPECT_EQ(editor.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST_F(TemplateEditorTest, MovesAndResizesStayInsideTheBand) {
  editor.Select(ObjectRef{1, 0});
  EXPECT_FALSE(editor.Modified());
  editor.MoveSelectedTo(5, 2);
  EXPECT_EQ(editor.Selected()->item.x, 0);  // 80 wide in an 80 mm band: cannot move right
  EXPECT_EQ(editor.Selected()->item.y, 2);
  editor.ResizeSelected(30, 50);
  EXPECT_EQ(editor.Selected()->item.width, 30);
  EXPECT_EQ(editor.Selected()->item.height, 8);  // the band is 10 mm, the object at 2
  editor.MoveSelectedTo(70, -4);
  EXPECT_EQ(editor.Selected()->item.x, 50);
  EXPECT_EQ(editor.Selected()->item.y, 0);
  editor.ResizeSelected(0, 0);
  EXPECT_EQ(editor.Selected()->item.width, TemplateEditor::kMinSizeMm);
  EXPECT_TRUE(editor.Modified());
}

TEST_F(TemplateEditorTest, AddEditAndRemoveObjects) {
  editor.AddObject(2, ReportItem::Kind::Line);
  ASSERT_EQ(editor.Selection(), (ObjectRef{2, 1}));
  EXPECT_EQ(editor.Selected()->item.kind, ReportItem::Kind::Line);
  editor.AddObject(2, ReportItem::Kind::Text);
  editor.SetSelectedText("Visiteur : [Visit]");
  editor.SetSelectedAlign(ReportAlign::Right);
  ReportFont font;
  font.bold = true;
  editor.SetSelectedFont(font);
  const auto& objects = editor.Model().pages[0].bands[2].objects;
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[2].item.text, "Visiteur : [Visit]");
  EXPECT_EQ(objects[2].item.align, ReportAlign::Right);
  EXPECT_TRUE(objects[2].item.font.bold);

  editor.Select(ObjectRef{2, 0});
  editor.RemoveSelected();
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].item.kind, ReportItem::Kind::Line);
  EXPECT_EQ(editor.Selected(), nullptr);
  editor.RemoveSelected();  // nothing selected: nothing removed
  EXPECT_EQ(objects.size(), 2u);

  // What the designer saves reads back with the edits.
  TemplateParseError error;
  auto saved = ParseTemplate(WriteTemplate(editor.Model()), error);
  ASSERT_TRUE(saved) << error.message;
  EXPECT_EQ(saved->pages[0].bands[2].objects[1].item.text, "Visiteur : [Visit]");
}

TEST_F(TemplateEditorTest, SelectionOutsideTheTemplateIsRefused) {
  for (ObjectRef ref : {ObjectRef{9, 0}, ObjectRef{1, 5}, ObjectRef{-1, 0}}) {
    editor.Select(ref);
    EXPECT_FALSE(editor.Selection());
  }
  editor.AddObject(7, ReportItem::Kind::Frame);
  EXPECT_FALSE(editor.Modified());
}

}  // namespace
}  // namespace ked

#pragma once
// What the template designer does to a template, apart from the window: where
// each band is drawn, which object lies under the mouse, and the edits
// (move, resize, add, remove, change a text), kept inside their band.
#include <optional>
#include <string>

#include "report/ReportTemplate.h"

namespace ked {

struct ObjectRef {
  int band = -1, object = -1;
  bool operator==(const ObjectRef&) const = default;
};

class TemplateEditor {
 public:
  // The bands are drawn one under the other, each below a caption strip.
  static constexpr double kCaptionMm = 5;
  static constexpr double kMinSizeMm = 1;

  explicit TemplateEditor(ReportTemplate model) : model_(std::move(model)) {
    if (model_.pages.empty()) model_.pages.emplace_back();
  }

  const ReportTemplate& Model() const { return model_; }
  bool Modified() const { return modified_; }
  void MarkSaved() { modified_ = false; }

  int PageIndex() const { return page_; }
  void SetPage(int index);
  const TemplatePage& Page() const { return model_.pages[page_]; }

  // Top of band i's drawing area (below its caption), from the canvas' top.
  double BandTop(int band) const;
  double CanvasHeight() const;
  // The object under a canvas point (the last drawn wins), or the band's caption
  // or area (object -1), or nothing.
  std::optional<ObjectRef> HitTest(double xMm, double yMm) const;

  const std::optional<ObjectRef>& Selection() const { return selection_; }
  void Select(std::optional<ObjectRef> ref);
  const TemplateObject* Selected() const;

  // Edits of the selected object; each keeps it inside its band.
  void MoveSelectedTo(double x, double y);
  void ResizeSelected(double width, double height);
  void SetSelectedText(const std::string& text);
  void SetSelectedFont(const ReportFont& font);
  void SetSelectedAlign(ReportAlign align);
  void RemoveSelected();
  // Adds an object of the kind at the top-left of the band and selects it.
  void AddObject(int band, ReportItem::Kind kind);

 private:
  TemplateObject* SelectedMutable();
  void KeepInBand(TemplateObject& object, const TemplateBand& band) const;

  ReportTemplate model_;
  int page_ = 0;
  std::optional<ObjectRef> selection_;
  bool modified_ = false;
};

}  // namespace ked

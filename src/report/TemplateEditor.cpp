#include "report/TemplateEditor.h"

#include <algorithm>

namespace ked {

void TemplateEditor::SetPage(int index) {
  if (index < 0 || index >= static_cast<int>(model_.pages.size())) return;
  page_ = index;
  selection_.reset();
}

double TemplateEditor::BandTop(int band) const {
  double top = Page().marginTop + kCaptionMm;
  for (int i = 0; i < band; ++i) top += Page().bands[i].heightMm + kCaptionMm;
  return top;
}

double TemplateEditor::CanvasHeight() const {
  const int count = static_cast<int>(Page().bands.size());
  return std::max(Page().heightMm, BandTop(count) - kCaptionMm + Page().marginBottom);
}

std::optional<ObjectRef> TemplateEditor::HitTest(double xMm, double yMm) const {
  const auto& bands = Page().bands;
  for (int b = 0; b < static_cast<int>(bands.size()); ++b) {
    const double top = BandTop(b);
    if (yMm < top - kCaptionMm || yMm >= top + bands[b].heightMm) continue;
    const double x = xMm - Page().marginLeft, y = yMm - top;
    const auto& objects = bands[b].objects;
    for (int o = static_cast<int>(objects.size()) - 1; o >= 0; --o) {
      const ReportItem& item = objects[o].item;
      // A line is caught within a millimetre of its box.
      const double slack = item.kind == ReportItem::Kind::Line ? 1 : 0;
      const double left = std::min(item.x, item.x + item.width) - slack;
      const double right = std::max(item.x, item.x + item.width) + slack;
      const double upper = std::min(item.y, item.y + item.height) - slack;
      const double lower = std::max(item.y, item.y + item.height) + slack;
      if (x >= left && x <= right && y >= upper && y <= lower) return ObjectRef{b, o};
    }
    return ObjectRef{b, -1};
  }
  return std::nullopt;
}

void TemplateEditor::Select(std::optional<ObjectRef> ref) {
  if (ref) {
    const auto& bands = Page().bands;
    if (ref->band < 0 || ref->band >= static_cast<int>(bands.size())) ref.reset();
    else if (ref->object < -1 || ref->object >= static_cast<int>(bands[ref->band].objects.size()))
      ref.reset();
  }
  selection_ = ref;
}

const TemplateObject* TemplateEditor::Selected() const {
  if (!selection_ || selection_->object < 0) return nullptr;
  return &Page().bands[selection_->band].objects[selection_->object];
}

TemplateObject* TemplateEditor::SelectedMutable() {
  if (!selection_ || selection_->object < 0) return nullptr;
  return &model_.pages[page_].bands[selection_->band].objects[selection_->object];
}

void TemplateEditor::KeepInBand(TemplateObject& object, const TemplateBand& band) const {
  ReportItem& item = object.item;
  const double bandWidth = Page().widthMm - Page().marginLeft - Page().marginRight;
  if (item.kind == ReportItem::Kind::Line) {  // both ends inside the band
    const double left = std::min(0.0, item.width), right = std::max(0.0, item.width);
    const double upper = std::min(0.0, item.height), lower = std::max(0.0, item.height);
    item.x = std::clamp(item.x, -left, std::max(-left, bandWidth - right));
    item.y = std::clamp(item.y, -upper, std::max(-upper, band.heightMm - lower));
    return;
  }
  item.width = std::clamp(item.width, kMinSizeMm, std::max(kMinSizeMm, bandWidth));
  item.height = std::clamp(item.height, kMinSizeMm, std::max(kMinSizeMm, band.heightMm));
  item.x = std::clamp(item.x, 0.0, std::max(0.0, bandWidth - item.width));
  item.y = std::clamp(item.y, 0.0, std::max(0.0, band.heightMm - item.height));
}

void TemplateEditor::MoveSelectedTo(double x, double y) {
  TemplateObject* object = SelectedMutable();
  if (!object) return;
  object->item.x = x;
  object->item.y = y;
  KeepInBand(*object, Page().bands[selection_->band]);
  modified_ = true;
}

void TemplateEditor::ResizeSelected(double width, double height) {
  TemplateObject* object = SelectedMutable();
  if (!object) return;
  ReportItem& item = object->item;
  item.width = width;
  item.height = height;
  if (item.kind != ReportItem::Kind::Line) {
    // Growing past the band's edge shrinks to fit rather than moving the object.
    const double bandWidth = Page().widthMm - Page().marginLeft - Page().marginRight;
    item.width = std::min(item.width, bandWidth - item.x);
    item.height = std::min(item.height, Page().bands[selection_->band].heightMm - item.y);
  }
  KeepInBand(*object, Page().bands[selection_->band]);
  modified_ = true;
}

void TemplateEditor::SetSelectedText(const std::string& text) {
  TemplateObject* object = SelectedMutable();
  if (!object || object->item.kind != ReportItem::Kind::Text || object->item.text == text) return;
  object->item.text = text;
  modified_ = true;
}

void TemplateEditor::SetSelectedFont(const ReportFont& font) {
  TemplateObject* object = SelectedMutable();
  if (!object || object->item.font == font || font.size <= 0) return;
  object->item.font = font;
  modified_ = true;
}

void TemplateEditor::SetSelectedAlign(ReportAlign align) {
  TemplateObject* object = SelectedMutable();
  if (!object || object->item.align == align) return;
  object->item.align = align;
  modified_ = true;
}

void TemplateEditor::RemoveSelected() {
  if (!SelectedMutable()) return;
  auto& objects = model_.pages[page_].bands[selection_->band].objects;
  objects.erase(objects.begin() + selection_->object);
  selection_ = ObjectRef{selection_->band, -1};
  modified_ = true;
}

void TemplateEditor::AddObject(int band, ReportItem::Kind kind) {
  if (band < 0 || band >= static_cast<int>(Page().bands.size())) return;
  TemplateObject object;
  object.item.kind = kind;
  switch (kind) {
    case ReportItem::Kind::Text:
      object.item.width = 40;
      object.item.height = 6;
      object.item.text = "Texte";
      break;
    case ReportItem::Kind::Line:
      object.item.width = 40;
      object.item.height = 0;
      break;
    case ReportItem::Kind::Frame:
      object.item.width = 40;
      object.item.height = 10;
      break;
  }
  const TemplateBand& target = Page().bands[band];
  KeepInBand(object, target);
  auto& objects = model_.pages[page_].bands[band].objects;
  objects.push_back(std::move(object));
  selection_ = ObjectRef{band, static_cast<int>(objects.size()) - 1};
  modified_ = true;
}

}  // namespace ked

#pragma once
// The template designer: the bands and objects of a ".frf" template in a tree
// and on a canvas, fields for the selected object, buttons to add, remove and
// save back into the file.
#include <QDialog>
#include <memory>
#include <string>

#include "report/TemplateEditor.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QTreeWidgetItem;

namespace ked {

class Platform;
class TemplateCanvas;

class TfrDesignerWindow : public QDialog {
  Q_OBJECT
 public:
  // Reads the template; a missing or malformed file leaves the window unloaded.
  TfrDesignerWindow(const std::string& templatePath, Platform& platform, QWidget* parent = nullptr);
  ~TfrDesignerWindow() override;

  bool Loaded() const { return editor_ != nullptr; }
  const std::string& LoadError() const { return loadError_; }
  const TemplateEditor* Editor() const { return editor_.get(); }
  TemplateCanvas* Canvas() const { return PnDesign; }

  // Closing asks whether to save unsaved changes ("&Oui" saves, "Annuler" stays).
  void done(int result) override;

 private:
  void BuildControls();
  void CbPageChange(int index);
  void TvObjectsSelect();
  void EdTextChange();
  void SpBoxChange();
  void FontChange();
  void CbAlignChange(int index);
  void BtAddTextClick() { AddObject(ReportItem::Kind::Text); }
  void BtAddLineClick() { AddObject(ReportItem::Kind::Line); }
  void BtAddFrameClick() { AddObject(ReportItem::Kind::Frame); }
  void BtDeleteClick();
  void BtSaveClick();
  void BtHelpClick();
  void BtExitClick();

  void AddObject(ReportItem::Kind kind);
  bool Save();
  void FillTree();
  void ShowSelection();       // tree, fields and canvas follow the editor's selection
  void RefreshSelectedLabel();
  void UpdateCaption();

  std::string path_;
  Platform& platform_;
  std::unique_ptr<TemplateEditor> editor_;
  std::string loadError_;
  bool updating_ = false;  // fields being filled from the selection

  QComboBox* CbPage = nullptr;
  QTreeWidget* TvObjects = nullptr;
  QScrollArea* ScDesign = nullptr;
  TemplateCanvas* PnDesign = nullptr;
  QPlainTextEdit* EdText = nullptr;
  QDoubleSpinBox *SpX = nullptr, *SpY = nullptr, *SpWidth = nullptr, *SpHeight = nullptr;
  QDoubleSpinBox* SpFontSize = nullptr;
  QCheckBox *CkBold = nullptr, *CkItalic = nullptr;
  QComboBox* CbAlign = nullptr;
  QPushButton *BtAddText = nullptr, *BtAddLine = nullptr, *BtAddFrame = nullptr;
  QPushButton *BtDelete = nullptr, *BtSave = nullptr, *BtHelp = nullptr, *BtExit = nullptr;
};

}  // namespace ked

#pragma once
// The preview window on a built report: the pages stacked in a scroll area,
// and the preview buttons (zoom, load, save, print, find, help, exit).
#include <QDialog>
#include <functional>

#include "report/ReportDocument.h"

class QComboBox;
class QLabel;
class QPagedPaintDevice;
class QLineEdit;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace ked {

class Platform;
class ReportPagesView;

class TfrPreviewWindow : public QDialog {
  Q_OBJECT
 public:
  TfrPreviewWindow(const ReportDocument& document, Platform& platform, QWidget* parent = nullptr);

  const ReportDocument& Document() const { return document_; }
  int ZoomPercent() const;
  int CurrentPage() const { return currentPage_; }  // from 0
  // The page and item of the last text found, or -1.
  int FoundPage() const { return foundPage_; }
  int FoundItem() const { return foundItem_; }

  // Asks where to print; the system's print dialog unless a test sets its own.
  std::function<bool(QPrinter& printer)> askPrinter;

  static constexpr int kZoomLevels[] = {50, 75, 100, 125, 150, 200};
  static constexpr int kDefaultZoomIndex = 2;

 private:
  void CbZoomChange(int index);
  void BtOpenClick();
  void BtSaveClick();
  void BtPrintClick();
  void BtFindClick();
  void BtHelpClick();
  void BtExitClick();

  void ShowDocument();
  void ShowPage(int page);
  bool PaintWithProgress(QPagedPaintDevice& device, const QString& caption);

  ReportDocument document_;
  Platform& platform_;
  int currentPage_ = 0;
  int foundPage_ = -1, foundItem_ = -1;

  QComboBox* CbZoom;
  QPushButton *BtOpen, *BtSave, *BtPrint, *BtFind, *BtHelp, *BtExit;
  QLineEdit* EdFind;
  QLabel* LbPage;
  QScrollArea* ScPages;
  ReportPagesView* PnPages;
};

}  // namespace ked

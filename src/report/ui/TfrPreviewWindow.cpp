#include "report/ui/TfrPreviewWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/ui/QtText.h"
#include "report/ReportFile.h"
#include "report/ReportSearch.h"
#include "report/ui/ReportPagesView.h"
#include "report/ui/ReportPdf.h"

namespace ked {

namespace {

constexpr const char* kPreviewHelpFile = "FRuser.hlp";
constexpr int kPreviewHelpNumber = 1;
constexpr const char* kPdfFilter = "Document PDF (*.pdf)";
constexpr const char* kReportFilter = "Etat préparé (*.frp)";

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end) {
  return Q(text).endsWith(Q(end), Qt::CaseInsensitive);
}

}  // namespace

TfrPreviewWindow::TfrPreviewWindow(const ReportDocument& document, Platform& platform,
                                   QWidget* parent)
    : QDialog(parent), document_(document), platform_(platform) {
  setObjectName("TfrPreviewWindow");
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* buttons = new QWidget(this);
  buttons->setObjectName("PreviewButtons");
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  CbZoom = new QComboBox(buttons);
  CbZoom->setObjectName("CbZoom");
  for (int level : kZoomLevels) CbZoom->addItem(QString::number(level) + " %");
  CbZoom->setCurrentIndex(kDefaultZoomIndex);
  BtOpen = Button(buttons, "BtOpen", "Ouvrir");
  BtSave = Button(buttons, "BtSave", "Enregistrer");
  BtPrint = Button(buttons, "BtPrint", "Imprimer");
  EdFind = new QLineEdit(buttons);
  EdFind->setObjectName("EdFind");
  EdFind->setPlaceholderText("Texte à rechercher");
  BtFind = Button(buttons, "BtFind", "Rechercher");
  BtHelp = Button(buttons, "BtHelp", "Aide");
  BtExit = Button(buttons, "BtExit", "Fermer");
  LbPage = new QLabel(buttons);
  LbPage->setObjectName("LbPage");
  for (QWidget* w : std::initializer_list<QWidget*>{CbZoom, BtOpen, BtSave, BtPrint, EdFind, BtFind,
                                                    BtHelp, BtExit})
    row->addWidget(w);
  row->addStretch();
  row->addWidget(LbPage);
  layout->addWidget(buttons);

  ScPages = new QScrollArea(this);
  ScPages->setObjectName("ScPages");
  ScPages->setAlignment(Qt::AlignHCenter);
  PnPages = new ReportPagesView(ScPages);
  PnPages->setObjectName("PnPages");
  ScPages->setWidget(PnPages);
  layout->addWidget(ScPages, 1);

  connect(CbZoom, &QComboBox::currentIndexChanged, this, &TfrPreviewWindow::CbZoomChange);
  connect(BtOpen, &QPushButton::clicked, this, &TfrPreviewWindow::BtOpenClick);
  connect(BtSave, &QPushButton::clicked, this, &TfrPreviewWindow::BtSaveClick);
  connect(BtPrint, &QPushButton::clicked, this, &TfrPreviewWindow::BtPrintClick);
  connect(BtFind, &QPushButton::clicked, this, &TfrPreviewWindow::BtFindClick);
  connect(EdFind, &QLineEdit::returnPressed, this, &TfrPreviewWindow::BtFindClick);
  connect(BtHelp, &QPushButton::clicked, this, &TfrPreviewWindow::BtHelpClick);
  connect(BtExit, &QPushButton::clicked, this, &TfrPreviewWindow::BtExitClick);
  connect(ScPages->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
    int page = 0;
    while (page + 1 < static_cast<int>(document_.pages.size()) && PnPages->PageTop(page + 1) <= top + ScPages->viewport()->height() / 2)
      ++page;
    currentPage_ = page;
    LbPage->setText(QString("Page %1 / %2").arg(page + 1).arg(document_.pages.size()));
  });

  askPrinter = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  };
  PnPages->SetZoom(ZoomPercent());
  ShowDocument();
  resize(900, 700);
}

int TfrPreviewWindow::ZoomPercent() const {
  const int index = CbZoom->currentIndex();
  return index >= 0 ? kZoomLevels[index] : kZoomLevels[kDefaultZoomIndex];
}

void TfrPreviewWindow::ShowDocument() {
  setWindowTitle("Aperçu - " + Q(document_.title));
  PnPages->SetDocument(&document_);
  foundPage_ = foundItem_ = -1;
  ShowPage(0);
}

void TfrPreviewWindow::ShowPage(int page) {
  currentPage_ = page;
  LbPage->setText(QString("Page %1 / %2").arg(page + 1).arg(document_.pages.size()));
  ScPages->verticalScrollBar()->setValue(PnPages->PageTop(page));
}

void TfrPreviewWindow::CbZoomChange(int) {
  const int page = currentPage_;
  PnPages->SetZoom(ZoomPercent());
  ShowPage(page);
}

void TfrPreviewWindow::BtOpenClick() {
  FileDialogRequest request;
  request.title = "Ouvrir un état préparé";
  request.initialDirectory = platform_.DocumentsFolder();
  request.filter = kReportFilter;
  request.defaultExtension = "frp";
  auto path = platform_.OpenFileDialog(request);
  if (!path) return;
  TemplateParseError error;
  auto loaded = LoadReportFile(*path, error);
  if (!loaded) {
    std::string where = error.line > 0 ? ", ligne " + std::to_string(error.line) : "";
    platform_.MessageBox(MessageKind::Error, "État préparé " + *path + where + " : " + error.message,
                         BtnOk);
    return;
  }
  document_ = std::move(*loaded);
  ShowDocument();
}

void TfrPreviewWindow::BtSaveClick() {
  FileDialogRequest request;
  request.title = "Enregistrer l'état";
  request.initialDirectory = platform_.DocumentsFolder();
  request.fileName = (document_.title.empty() ? std::string("Etat") : document_.title) + ".pdf";
  request.filter = std::string(kPdfFilter) + ";;" + kReportFilter;
  request.defaultExtension = "pdf";
  auto path = platform_.SaveFileDialog(request);
  if (!path) return;
  bool saved = false;
  if (EndsWithIgnoringCase(*path, ".frp")) {
    saved = SaveReportFile(*path, document_);
  } else {
    QPdfWriter writer(Q(*path));
    writer.setResolution(300);
    writer.setTitle(Q(document_.title));
    writer.setCreator("Util_Ked");
    saved = PaintWithProgress(writer, "Enregistrement en PDF...");
  }
  if (!saved)
    platform_.MessageBox(MessageKind::Error, "Impossible d'enregistrer le fichier " + *path, BtnOk);
}

void TfrPreviewWindow::BtPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Q(document_.title));
  printer.setFromTo(1, static_cast<int>(document_.pages.size()));
  if (!askPrinter || !askPrinter(printer)) return;
  ReportDocument chosen = document_;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    const int from = std::max(1, printer.fromPage());
    const int to = std::min(static_cast<int>(document_.pages.size()), printer.toPage());
    chosen.pages.assign(document_.pages.begin() + (from - 1),
                        document_.pages.begin() + std::max(from - 1, to));
  }
  std::swap(chosen, document_);
  const bool printed = PaintWithProgress(printer, "Impression en cours...");
  std::swap(chosen, document_);
  if (!printed) platform_.MessageBox(MessageKind::Error, "L'impression a échoué", BtnOk);
}

bool TfrPreviewWindow::PaintWithProgress(QPagedPaintDevice& device, const QString& caption) {
  // Shown only when painting lasts, as with many pages.
  QProgressDialog progress(caption, "Annuler", 0, static_cast<int>(document_.pages.size()), this);
  progress.setObjectName("ProgressWindow");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  bool cancelled = false;
  const bool painted = PaintReportDocument(document_, device, [&](int page, int) {
    progress.setValue(page);
    cancelled = progress.wasCanceled();
    return !cancelled;
  });
  progress.setValue(progress.maximum());
  return painted || cancelled;
}

void TfrPreviewWindow::BtFindClick() {
  std::optional<ReportPosition> after;
  if (foundPage_ >= 0) after = ReportPosition{foundPage_, foundItem_};
  auto found = FindInReport(document_, S(EdFind->text()), after);
  if (!found) {
    if (!EdFind->text().isEmpty())
      platform_.ShowMessage("Texte « " + S(EdFind->text()) + " » introuvable");
    return;
  }
  foundPage_ = found->page;
  foundItem_ = found->item;
  PnPages->SetHighlight(foundPage_, foundItem_);
  const ReportItem& item = document_.pages[foundPage_].items[foundItem_];
  ShowPage(foundPage_);
  ScPages->ensureVisible(static_cast<int>(item.x * PnPages->PixelsPerMm()),
                         PnPages->PageTop(foundPage_) + static_cast<int>(item.y * PnPages->PixelsPerMm()),
                         20, 40);
}

void TfrPreviewWindow::BtHelpClick() {
  platform_.ShowHelp(JoinPath(S(QCoreApplication::applicationDirPath()), kPreviewHelpFile),
                     kPreviewHelpNumber);
}

void TfrPreviewWindow::BtExitClick() { accept(); }

}  // namespace ked

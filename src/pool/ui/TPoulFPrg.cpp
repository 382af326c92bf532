#include "pool/ui/TPoulFPrg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "platform/ui/QtText.h"
#include "pool/PoolIni.h"
#include "pool/PoolView.h"
#include "pool/PoulOpt.h"
#include "pool/Serpentine.h"
#include "pool/TeamList.h"
#include "pool/ui/MultiLineTabs.h"
#include "pool/ui/PoolReport.h"

namespace ked {

namespace {

constexpr const char* kCaptionPrefix = "Util_Ked Gestion de Poules -> ";
constexpr const char* kEmptyCaption = "Util_Ked Gestion de Poules -> Vide";

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A grid whose row 0 is its fixed header row, as the program's grids are drawn.
QTableWidget* MakeGrid(const char* name, int columns, QWidget* parent) {
  auto* grid = Named(new QTableWidget(2, columns, parent), name);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->verticalHeader()->setDefaultSectionSize(22);
  return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const std::string& text,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(Q(text));
  item->setTextAlignment(align);
  if (row == 0) {
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setBackground(grid->palette().button());
  }
  grid->setItem(row, column, item);
}

MultiLineTabs* MakeRoundTabs(const char* name, QWidget* parent) {
  auto* tabs = Named(new MultiLineTabs(parent), name);
  tabs->SetTabs({"Tour 1", "Tour 2"});
  return tabs;
}

}  // namespace

TPoulFPrg::TPoulFPrg(AppContext& context, QWidget* parent) : KedWindow(context, "TPoulFPrg", parent) {
  setWindowTitle("Util_Ked Gestion de Poules V 1.2 ( pour Validation ) -> ");
  resize(820, 560);

  Label1 = Named(new QLabel("Optimisé pour que les équipes 'proches' jouent dans les premiers tours.", this),
                 "Label1");
  Button1 = Named(new QPushButton("Chargement des données Importées d'Internet", this), "Button1");
  Edition = Named(new QPushButton("Edition", this), "Edition");
  BitBtn1 = Named(new QPushButton("&Fermer", this), "BitBtn1");
  ProgressBar1 = Named(new QProgressBar(this), "ProgressBar1");
  ProgressBar1->setRange(0, 100);

  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  TabSheet1 = Named(new QWidget, "TabSheet1");
  TabSheet2 = Named(new QWidget, "TabSheet2");
  TabSheet3 = Named(new QWidget, "TabSheet3");
  PageControl1->addTab(TabSheet1, "Liste des équipes");
  PageControl1->addTab(TabSheet2, "Ordre des Tours Serpentin");
  PageControl1->addTab(TabSheet3, "Ordre des Tours Optimisé");

  StringGrid1 = MakeGrid("StringGrid1", 6, TabSheet1);
  const int teamWidths[] = {45, 60, 50, 50, 60, 420};
  for (int c = 0; c < 6; ++c) StringGrid1->setColumnWidth(c, teamWidths[c]);
  (new QVBoxLayout(TabSheet1))->addWidget(StringGrid1);

  const int roundWidths[] = {300, 45, 50, 45, 300};
  auto roundPage = [&](QWidget* page, const char* tabsName, const char* gridName,
                       MultiLineTabs*& tabs, QTableWidget*& grid) {
    tabs = MakeRoundTabs(tabsName, page);
    grid = MakeGrid(gridName, 5, page);
    for (int c = 0; c < 5; ++c) grid->setColumnWidth(c, roundWidths[c]);
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(0);
    layout->addWidget(tabs);
    layout->addWidget(grid);
  };
  roundPage(TabSheet2, "TabControlSerp", "StringGridSerp", TabControlSerp, StringGridSerp);
  roundPage(TabSheet3, "TabControlOpt", "StringGridOpt", TabControlOpt, StringGridOpt);
  PageControl1->setCurrentWidget(TabSheet3);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button1);
  buttons->addWidget(Edition);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(buttons);
  layout->addWidget(ProgressBar1);
  layout->addWidget(PageControl1, 1);

  connect(Button1, &QPushButton::clicked, this, &TPoulFPrg::Importer1Click);
  connect(Edition, &QPushButton::clicked, this, &TPoulFPrg::EditionClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TPoulFPrg::Quiter1Click);
  connect(TabControlSerp, &MultiLineTabs::currentChanged, this, &TPoulFPrg::TabControlSerpChange);
  connect(TabControlOpt, &MultiLineTabs::currentChanged, this, &TPoulFPrg::TabControlOptChange);

  frReport1.AddDataset(frUserDataset1);
  frReport1.AddDataset(frUserDataset2);
  frReport1.Dataset = &frUserDataset2;
  frReport1.OnGetValue = [this](const std::string& name, ReportValue& value) {
    frReport1GetValue(name, value);
  };
  frReport1.OnManualBuild = [this](ReportBuildPage& page) { frReport1ManualBuild(page); };
}

bool TPoulFPrg::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return KedWindow::event(event);
}

void TPoulFPrg::closeEvent(QCloseEvent* event) {
  FormClose();
  KedWindow::closeEvent(event);
}

void TPoulFPrg::FormActivate() {
  importDirectory_ = ReadImportDirectory(ctx_.programFolder);
  StringGrid1->show();
  if (!poolLoaded_) setWindowTitle(kEmptyCaption);
  const char* headers[] = {"Num", "indice", "PtE", "PtP", "Entité", "Nom"};
  for (int c = 0; c < 6; ++c) SetCell(StringGrid1, 0, c, headers[c]);
}

void TPoulFPrg::FormClose() { WriteImportDirectory(ctx_.programFolder, importDirectory_); }

void TPoulFPrg::Quiter1Click() { close(); }

void TPoulFPrg::Importer1Click() {
  FileDialogRequest request;
  request.initialDirectory = importDirectory_;
  request.filter = "Fichier Texte (*.txt)";
  const std::optional<std::string> path = ctx_.platform.OpenFileDialog(request);
  if (!path) {
    ShowRejected();
  } else {
    importDirectory_ = DirectoryOf(*path);  // remembered whatever the outcome
    const TeamListImport read = ImportTeamList(*path);
    switch (read.failure) {
      case ImportFailure::None:
        ShowLoaded(read.pool);
        break;
      case ImportFailure::WrongFileType:
      case ImportFailure::TooManyTeams:
        ctx_.platform.MessageBox(MessageKind::Information, read.message, BtnYes);
        ShowRejected();
        break;
      case ImportFailure::Incomplete:
        ShowRejected();
        break;
      case ImportFailure::NotAnInteger:
      case ImportFailure::CannotOpen:
        // The runtime's error ends the command: the window stays as it was.
        ctx_.platform.MessageBox(MessageKind::Error, read.message, BtnOk);
        return;
    }
  }
  ctx_.platform.ProcessPendingEvents();
}

void TPoulFPrg::ShowRejected() {
  // The previous pool and its orders stay: they are still shown and printed.
  poolLoaded_ = false;
  StringGrid1->hide();
  setWindowTitle(kEmptyCaption);
}

void TPoulFPrg::ShowLoaded(const Pool& imported) {
  pool_ = imported;
  poolLoaded_ = true;
  setWindowTitle(Q(kCaptionPrefix + pool_.title));

  StringGrid1->show();
  StringGrid1->setRowCount(pool_.count + 1);
  SortTeams(pool_);
  const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
  for (int k = 1; k <= pool_.count; ++k) {
    const auto row = TeamRow(pool_.teams[k]);
    for (int c = 0; c < 6; ++c) SetCell(StringGrid1, k, c, row[c], c < 5 ? right : Qt::AlignLeft | Qt::AlignVCenter);
  }

  TabControlSerp->SetTabs(RoundTabs(pool_.count));
  TabControlOpt->SetTabs(RoundTabs(pool_.count));
  StringGridSerp->setRowCount(pool_.count / 2 + 1);
  StringGridOpt->setRowCount(pool_.count / 2 + 1);

  PageControl1->setCurrentWidget(TabSheet1);
  ctx_.platform.ProcessPendingEvents();

  serpentine_ = BuildSerpentine(pool_);
  TabControlSerp->setCurrentIndex(0);
  TabControlSerpChange();

  OptimiseProgress progress;
  progress.show = [this](bool visible) { ProgressBar1->setVisible(visible); };
  progress.setMaximum = [this](uint64_t maximum) { ProgressBar1->setMaximum(static_cast<int>(maximum)); };
  progress.setPosition = [this](uint64_t position) {
    // No window message runs during the search: draw the bar now.
    ProgressBar1->setValue(static_cast<int>(position));
    ProgressBar1->repaint();
  };
  optimised_ = BuildOptimised(pool_, serpentine_, progress);
  TabControlOpt->setCurrentIndex(0);
  TabControlOptChange();
}

void TPoulFPrg::FillRound(QTableWidget* grid, const RoundTable& rounds, int tabIndex) {
  if (pool_.count <= 1) return;
  const Qt::Alignment center = Qt::AlignCenter;
  for (int t = 1; t <= pool_.count / 2; ++t) {
    const auto row = TableRow(pool_, rounds, tabIndex + 1, t);
    SetCell(grid, t, 0, row[0], Qt::AlignRight | Qt::AlignVCenter);
    SetCell(grid, t, 1, row[1], center);
    SetCell(grid, t, 2, row[2], center);
    SetCell(grid, t, 3, row[3], center);
    SetCell(grid, t, 4, row[4]);
  }
}

void TPoulFPrg::TabControlSerpChange() {
  FillRound(StringGridSerp, serpentine_, TabControlSerp->currentIndex());
}

void TPoulFPrg::TabControlOptChange() {
  FillRound(StringGridOpt, optimised_, TabControlOpt->currentIndex());
}

void TPoulFPrg::EditionClick() {
  const std::string path = ctx_.ProgramFile(kPoolTemplate);
  if (!FileExists(path)) {
    ctx_.platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  frReport1.OpenTemplate(path);
  SetPoolReportRows(pool_.count, frUserDataset1, frUserDataset2);
  printSerpentine_ = PageControl1->currentWidget() == TabSheet2;
  PreviewReport(frReport1, ctx_.platform);
}

void TPoulFPrg::frReport1GetValue(const std::string& name, ReportValue& value) {
  PoolReportGetValue(pool_, printSerpentine_ ? serpentine_ : optimised_, printSerpentine_,
                     frUserDataset1, frUserDataset2, name, value);
}

void TPoulFPrg::frReport1ManualBuild(ReportBuildPage& page) {
  PoolReportManualBuild(pool_.count, frUserDataset1, frUserDataset2, page);
}

}  // namespace ked

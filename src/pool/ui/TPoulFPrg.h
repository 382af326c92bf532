#pragma once
// The pool window: imports a pool's team list, shows the serpentine and the
// optimised order of rounds round by round, and prints either one.
#include <string>

#include "platform/ui/KedWindow.h"
#include "pool/Utildec.h"
#include "report/ReportEngine.h"

class QLabel;
class QPushButton;
class QProgressBar;
class QTabWidget;
class QTableWidget;

namespace ked {

class MultiLineTabs;

class TPoulFPrg : public KedWindow {
  Q_OBJECT
 public:
  explicit TPoulFPrg(AppContext& context, QWidget* parent = nullptr);

  // Handlers, public so that the program and the tests can drive them.
  void FormActivate();
  void Importer1Click();
  void EditionClick();
  void Quiter1Click();
  void TabControlSerpChange();
  void TabControlOptChange();

  const Pool& CurrentPool() const { return pool_; }
  const RoundTable& Serpentine() const { return serpentine_; }
  const RoundTable& Optimised() const { return optimised_; }
  bool PoolLoaded() const { return poolLoaded_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormClose();
  void ShowRejected();
  void ShowLoaded(const Pool& imported);
  void FillRound(QTableWidget* grid, const RoundTable& rounds, int tabIndex);
  void frReport1GetValue(const std::string& name, ReportValue& value);
  void frReport1ManualBuild(ReportBuildPage& page);

  QLabel* Label1;
  QPushButton* Button1;
  QPushButton* Edition;
  QPushButton* BitBtn1;
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QWidget* TabSheet3;
  QTableWidget* StringGrid1;
  MultiLineTabs* TabControlSerp;
  QTableWidget* StringGridSerp;
  MultiLineTabs* TabControlOpt;
  QTableWidget* StringGridOpt;
  QProgressBar* ProgressBar1;

  TfrReport frReport1;
  TfrUserDataset frUserDataset1{"frUserDataset1"};
  TfrUserDataset frUserDataset2{"frUserDataset2"};

  Pool pool_;
  RoundTable serpentine_;
  RoundTable optimised_;
  std::string importDirectory_;
  bool poolLoaded_ = false;
  bool printSerpentine_ = false;
};

}  // namespace ked

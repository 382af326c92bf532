#pragma once
// The main window: the hub from which every document, form and calculator is reached.
#include <QMainWindow>
#include <map>

#include "shell/CommandTable.h"
#include "report/ReportEngine.h"
#include "shell/CommitteeConfig.h"
#include "platform/ui/AppContext.h"

class QMenu;
class QAction;
class QAbstractButton;

namespace ked {

class TUtilf : public QMainWindow {
  Q_OBJECT
 public:
  // Creation work: reads the configuration and runs the update check, which
  // may ask for the program to end (see terminateRequested()).
  explicit TUtilf(AppContext& context);

  void RegisterWindow(WindowId id, QWidget* window);
  void RunAction(const Action& action, QWidget* source = nullptr);

  // Set once the program has been asked to end (download chosen, "Quitter").
  bool terminateRequested() const { return terminateRequested_; }
  const CommitteeConfig& config() const { return config_; }
  QMenu* popupMenu(int popup) const { return popups_.at(popup); }
  QAction* updateSwitchAction() const { return updateSwitch_; }

 signals:
  void terminate();

 protected:
  void closeEvent(class QCloseEvent* event) override;
  void keyPressEvent(class QKeyEvent* event) override;
  bool eventFilter(QObject* watched, class QEvent* event) override;

 private:
  void BuildButtons();
  void BuildMenus();
  void AddMenuItems(QMenu* menu, const std::vector<MenuCommand>& items);
  QWidget* MakeButton(const ButtonCommand& command, QWidget* parent);
  void ReadStartState();
  void CheckForUpdate();
  void ToggleUpdateCheck();
  void ShowAssistance(const struct Assistance& assistance);
  void Mail();
  void ShowWindow(WindowId id, int preset);
  void RequestTerminate();
  void ShowHelpFor(int helpNumber);
  void PrintAppealCommittee();

  AppContext& ctx_;
  CommitteeConfig config_;
  std::map<WindowId, QWidget*> windows_;
  std::map<int, QMenu*> popups_;
  QAction* updateSwitch_ = nullptr;
  TfrReport frReport1;
  bool terminateRequested_ = false;
};

// Help number of a control: its own, else that of the nearest parent bearing one.
int HelpNumberOf(const QObject* object);

}  // namespace ked

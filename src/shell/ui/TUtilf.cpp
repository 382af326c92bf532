#include "shell/ui/TUtilf.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/IniFile.h"
#include "platform/ui/QtText.h"
#include "pool/Utildec.h"
#include "shell/DocumentLibrary.h"
#include "shell/UpdateCheck.h"
#include "shell/ui/PopupButton.h"

namespace ked {
namespace {
constexpr const char* kHelpProperty = "helpNumber";
const QColor kBackground(0x2E, 0x8B, 0x3E);

void SetHelp(QObject* object, int number) {
  if (number) object->setProperty(kHelpProperty, number);
}
}  // namespace

int HelpNumberOf(const QObject* object) {
  for (const QObject* o = object; o; o = o->parent()) {
    bool ok = false;
    int n = o->property(kHelpProperty).toInt(&ok);
    if (ok && n) return n;
  }
  return kHelpMainWindow;
}

TUtilf::TUtilf(AppContext& context) : QMainWindow(nullptr), ctx_(context) {
  setObjectName("TUtilf");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  SetHelp(this, kHelpMainWindow);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kBackground);
  setPalette(pal);
  setAutoFillBackground(true);

  BuildMenus();
  BuildButtons();
  ReadStartState();
  setWindowTitle(Q(std::string("Util_Ked ") + ProgramVersion +
                   " : Utilitaire pour le comité " + config_.captionName));
  adjustSize();
  setFixedSize(sizeHint());
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  if (!updateSwitch_->isChecked()) CheckForUpdate();
}

void TUtilf::RegisterWindow(WindowId id, QWidget* window) { windows_[id] = window; }

// ---- controls -------------------------------------------------------------------

QWidget* TUtilf::MakeButton(const ButtonCommand& c, QWidget* parent) {
  QPushButton* button;
  if (c.action.kind == ActionKind::OpenPopup) {
    button = new PopupButton(Q(c.caption), popups_.at(c.action.popup), parent);
  } else {
    button = new QPushButton(Q(c.caption), parent);
    const Action action = c.action;
    connect(button, &QPushButton::clicked, this, [this, action, button] { RunAction(action, button); });
  }
  button->setObjectName(Q(c.name));
  button->setEnabled(c.enabled);
  button->setToolTip(Q(c.hint));
  button->setAutoDefault(false);
  SetHelp(button, c.helpNumber);
  return button;
}

void TUtilf::BuildButtons() {
  auto* central = new QWidget(this);
  central->setObjectName("PanelPrincipal");
  auto* root = new QVBoxLayout(central);
  root->setSpacing(8);

  std::map<std::string, QWidget*> made;
  auto* printing = new QGroupBox("Impression", central);
  printing->setObjectName("PanelImpression");
  printing->setToolTip(kPrintingHint);
  SetHelp(printing, kHelpPrintingPanel);
  auto* creation = new QGroupBox("Création", central);
  creation->setObjectName("PanelCreation");
  creation->setToolTip(kCreationHint);
  SetHelp(creation, kHelpCreationPanel);
  for (QGroupBox* box : {printing, creation}) {
    box->setStyleSheet("QGroupBox { color: white; font-weight: bold; }");
    new QHBoxLayout(box);
  }
  for (const ButtonCommand& c : MainButtons()) {
    QWidget* parent = c.panel == Panel::Printing   ? printing
                      : c.panel == Panel::Creation ? creation
                                                   : central;
    QWidget* b = MakeButton(c, parent);
    if (c.panel != Panel::None) parent->layout()->addWidget(b);
    made[c.name] = b;
  }

  auto row = [&](std::initializer_list<const char*> names) {
    auto* line = new QHBoxLayout;
    for (const char* n : names) line->addWidget(made.at(n));
    root->addLayout(line);
  };
  row({"TacheBp", "BpTarifs"});
  root->addWidget(printing);
  root->addWidget(creation);
  row({"BpCode", "BpRnc", "BpRpi", "BpRked", "BtTelephone", "BpMcf", "Bt_Aide"});
  row({"RpImpPV", "BpGhana", "BpSuise", "BpHorrairesQuatre"});
  row({"Button3", "Button4", "Button5"});
  row({"BtRecommandations", "BtGuide"});
  row({"Button1", "BtPbDoc", "BtPbXls", "BtPbPdf"});
  row({"BpModification", "Button2"});
  setCentralWidget(central);
}

void TUtilf::AddMenuItems(QMenu* menu, const std::vector<MenuCommand>& items) {
  for (const MenuCommand& m : items) {
    if (!m.items.empty()) {
      QMenu* sub = menu->addMenu(Q(m.caption));
      sub->setObjectName(Q(m.name));
      sub->menuAction()->setObjectName(Q(m.name));
      sub->setEnabled(m.enabled);
      sub->menuAction()->setEnabled(m.enabled);
      SetHelp(sub, m.helpNumber);
      sub->installEventFilter(this);
      AddMenuItems(sub, m.items);
    } else {
      QAction* a = menu->addAction(Q(m.caption));
      a->setObjectName(Q(m.name));
      a->setEnabled(m.enabled);
      a->setCheckable(m.checkable);
      SetHelp(a, m.helpNumber);
      const Action action = m.action;
      connect(a, &QAction::triggered, this, [this, action] { RunAction(action); });
      if (m.action.kind == ActionKind::ToggleUpdateCheck) updateSwitch_ = a;
    }
    if (m.separatorAfter) menu->addSeparator();
  }
}

void TUtilf::BuildMenus() {
  for (int p = 1; p <= 3; ++p) {
    auto* popup = new QMenu(this);
    popup->setObjectName(QString("PopupMenu%1").arg(p));
    popup->installEventFilter(this);
    AddMenuItems(popup, PopupMenu(p));
    popups_[p] = popup;
  }
  for (const MenuCommand& m : MainMenu()) {
    if (m.items.empty()) {
      QAction* a = menuBar()->addAction(Q(m.caption));
      a->setObjectName(Q(m.name));
      const Action action = m.action;
      connect(a, &QAction::triggered, this, [this, action] { RunAction(action); });
      continue;
    }
    QMenu* menu = menuBar()->addMenu(Q(m.caption));
    menu->setObjectName(Q(m.name));
    menu->menuAction()->setObjectName(Q(m.name));
    SetHelp(menu, m.helpNumber);
    menu->installEventFilter(this);
    AddMenuItems(menu, m.items);
  }
}

// ---- start-up ---------------------------------------------------------------------

void TUtilf::ReadStartState() {
  const std::string ini = ctx_.ProgramFile(kConfigFileName);
  config_ = ReadCommitteeConfig(ini, ctx_.locale);
  const UpdateSwitch sw =
      UpdateSwitchAtStart(config_.updateCheckOff, config_.updateCheckOffDate, ctx_.platform.Today());
  config_.updateCheckOff = sw.ticked;
  updateSwitch_->setChecked(sw.ticked);
  if (sw.writeUnticked) WritePrivateProfileString("MiseAjour", "NoValide", IniBoolText(false), ini);
}

void TUtilf::CheckForUpdate() {
  const PageProbe probe = ctx_.pageExists ? PageProbe(ctx_.pageExists) : PageProbe(PageExists);
  if (ProbeForUpdate(probe) != UpdateStatus::NewerVersion) return;
  if (ctx_.platform.MessageBox(MessageKind::Information, NewVersionMessage(), BtnYes | BtnNo) !=
      BtnYes)
    return;
  ctx_.platform.ShellOpen(DownloadPageAddress());
  RequestTerminate();
}

// ---- actions ----------------------------------------------------------------------

void TUtilf::RunAction(const Action& action, QWidget* source) {
  switch (action.kind) {
    case ActionKind::None:
      return;
    case ActionKind::OpenDocument:
      OpenDocument(ctx_.platform, ctx_.programFolder, action.file, action.presenceTest);
      return;
    case ActionKind::ExportTemplate:
      ExportTemplate(ctx_.platform, ctx_.programFolder, action.file);
      return;
    case ActionKind::PrintAppealCommittee:
      PrintAppealCommittee();
      return;
    case ActionKind::ShowWindow:
      ShowWindow(action.window, action.preset);
      return;
    case ActionKind::OpenPopup: {
      QWidget* anchor = source ? source : this;
      popups_.at(action.popup)->popup(anchor->mapToGlobal(QPoint(anchor->width(), 0)));
      return;
    }
    case ActionKind::MagicContestAssistance:
      ShowAssistance(MagicContestAssistance(config_.magicContestContact));
      return;
    case ActionKind::RefereeAssistance:
      ShowAssistance(RefereeAssistance(config_.refereeContact));
      return;
    case ActionKind::RemoteControl:
      ctx_.platform.ShellOpen(ctx_.ProgramFile("AnyDesk.exe"));
      return;
    case ActionKind::WebPage:
      ctx_.platform.ShellOpen(IndexPageAddress());
      return;
    case ActionKind::ToggleUpdateCheck:
      ToggleUpdateCheck();
      return;
    case ActionKind::Mail:
      Mail();
      return;
    case ActionKind::Quit:
      RequestTerminate();
      return;
  }
}

// Printed as it stands in the program's folder: no presence test, no variables.
void TUtilf::PrintAppealCommittee() {
  frReport1.OpenTemplate(ctx_.ProgramFile("commis.frf"));
  PreviewReport(frReport1, ctx_.platform);
}

void TUtilf::ToggleUpdateCheck() {
  const std::string ini = ctx_.ProgramFile(kConfigFileName);
  // The action has already flipped its tick when triggered from the menu;
  // the state to reach is the opposite of what was stored.
  const bool tick = !config_.updateCheckOff;
  if (tick) {
    config_.updateCheckOffDate = ctx_.platform.Today();
    WritePrivateProfileString("MiseAjour", "Date",
                              IniDateText(config_.updateCheckOffDate, ctx_.locale), ini);
  }
  config_.updateCheckOff = tick;
  updateSwitch_->setChecked(tick);
  WritePrivateProfileString("MiseAjour", "NoValide", IniBoolText(tick), ini);
}

void TUtilf::ShowAssistance(const Assistance& assistance) {
  if (ctx_.platform.MessageBox(MessageKind::Error, assistance.text, BtnYes | BtnNo) == BtnYes)
    ctx_.platform.ShellOpen(ctx_.ProgramFile(assistance.tool));
}

void TUtilf::Mail() {
  if (!ctx_.platform.ShellOpen(MailAddress()))
    ctx_.platform.MessageBox(MessageKind::Warning, MailFailedMessage(), BtnYes);
}

void TUtilf::ShowWindow(WindowId id, int preset) {
  auto it = windows_.find(id);
  if (it == windows_.end() || !it->second) return;
  QWidget* w = it->second;
  if (preset != kNoPreset)
    QMetaObject::invokeMethod(w, "SetCompetitionType", Q_ARG(int, preset));
  w->show();
  w->raise();
  w->activateWindow();
}

void TUtilf::RequestTerminate() {
  terminateRequested_ = true;
  emit terminate();
}

void TUtilf::closeEvent(QCloseEvent* event) {
  event->accept();
  RequestTerminate();
}

// ---- help -------------------------------------------------------------------------

void TUtilf::ShowHelpFor(int helpNumber) {
  ctx_.platform.ShowHelp(ctx_.ProgramFile(kHelpFileName), helpNumber);
}

void TUtilf::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    ShowHelpFor(HelpNumberOf(focusWidget() ? focusWidget() : this));
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool TUtilf::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
      QAction* active = menu->activeAction();
      int number = active ? active->property(kHelpProperty).toInt() : 0;
      ShowHelpFor(number ? number : HelpNumberOf(menu));
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ked

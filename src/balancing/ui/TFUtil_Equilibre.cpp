#include "balancing/ui/TFUtil_Equilibre.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "balancing/BalancingMemory.h"
#include "balancing/BalancingSearch.h"
#include "balancing/BalancingSeeding.h"
#include "movements/SeedingGrid.h"
#include "platform/RuntimeConvert.h"
#include "platform/ui/QtText.h"

namespace ked {

namespace {
constexpr const char* kKnownStudyQuestion =
    "L'étude ayant déjà été faite \rDésirez vous utiliser les \rdonnées mémorisées ?";

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QPushButton* Button(const char* name, const char* caption) {
  return Named(new QPushButton(QString::fromUtf8(caption)), name);
}

QSpinBox* Spin(const char* name, int low, int high, int value) {
  auto* spin = Named(new QSpinBox, name);
  spin->setRange(low, high);
  spin->setValue(value);
  return spin;
}

// Up-down arrows: a spin box narrowed to its arrows, the number shown beside it.
QSpinBox* Arrows(const char* name, int low, int high, int value) {
  QSpinBox* spin = Spin(name, low, high, value);
  spin->setFixedWidth(22);
  return spin;
}

QLineEdit* ReadOnlyBox(const char* name, const QString& text) {
  auto* box = Named(new QLineEdit(text), name);
  box->setReadOnly(true);
  return box;
}
}  // namespace

TFUtil_Equilibre::TFUtil_Equilibre(AppContext& context, QWidget* parent)
    : KedWindow(context, "TFUtil_Equilibre", parent) {
  setWindowTitle(QString::fromUtf8("Util_Ked Equilibrage des Sections"));
  BuildControls();
  frReport1.OnGetValue = [this](const std::string& name, ReportValue& value) {
    frReport1GetValue(name, value);
  };
  // The design state: the default study, nothing scored yet.
  study_.at(6).S = 1;
  study_.at(5).SS = 1;
  FormActivate();
}

void TFUtil_Equilibre::BuildControls() {
  auto* layout = new QVBoxLayout(this);

  auto* counts = new QHBoxLayout;
  UpDownNbre = Arrows("UpDownNbre", kMinBalancingTables, kMaxBalancingTables, 10);
  EditNbre = ReadOnlyBox("EditNbre", "10");
  EditNbre->setFixedWidth(40);
  UpDownSeances = Arrows("UpDownSeances", 1, kMaxBalancingSessions, 1);
  EditSeances = ReadOnlyBox("EditSeances", "1");
  EditSeances->setFixedWidth(40);
  counts->addWidget(new QLabel("Nb Tables"));
  counts->addWidget(EditNbre);
  counts->addWidget(UpDownNbre);
  counts->addSpacing(20);
  counts->addWidget(new QLabel(QString::fromUtf8("Nb Séances avec changement de mouvement")));
  counts->addWidget(EditSeances);
  counts->addWidget(UpDownSeances);
  counts->addStretch(1);
  layout->addLayout(counts);

  auto* order = new QHBoxLayout;
  Edit1 = Named(new QLineEdit("1-7-8-2-6-9-3-5-10-4-"), "Edit1");
  Manuel = Button("Manuel", "Ordre manuel");
  Affichage = Button("Affichage", "Affichage des positions de départ");
  order->addWidget(new QLabel(QString::fromUtf8("Ordre initial des équipes :")));
  order->addWidget(Edit1, 1);
  order->addWidget(Manuel);
  order->addWidget(Affichage);
  layout->addLayout(order);

  auto* grid = new QGridLayout;
  const char* headings[] = {"Numéro des tables", "Rang des équipes", "S", "SS", "SSS", "M"};
  for (int row = 0; row < 6; ++row) grid->addWidget(new QLabel(QString::fromUtf8(headings[row])), row, 0);
  for (int t = 1; t <= kMaxBalancingTables; ++t) {
    const QString n = QString::number(t);
    T[t] = Named(new QLabel(n), "T" + n);
    E[t] = Named(new QLabel, "E" + n);
    QFont bold = E[t]->font();
    bold.setBold(true);
    E[t]->setFont(bold);
    S[t] = Named(new QCheckBox, "S" + n);
    SS[t] = Named(new QCheckBox, "SS" + n);
    SSS[t] = Named(new QCheckBox, "SSS" + n);
    M[t] = Named(new QLabel, "M" + n);
    QWidget* column[] = {T[t], E[t], S[t], SS[t], SSS[t], M[t]};
    for (int row = 0; row < 6; ++row) grid->addWidget(column[row], row, t, Qt::AlignCenter);
    connect(S[t], &QCheckBox::clicked, this, [this, t] { PositionClick(1, t); });
    connect(SS[t], &QCheckBox::clicked, this, [this, t] { PositionClick(2, t); });
    connect(SSS[t], &QCheckBox::clicked, this, [this, t] { PositionClick(3, t); });
  }
  layout->addLayout(grid);

  auto* score = new QHBoxLayout;
  Calcul = Button("Calcul", "Calcul de la somme des rangs des équipes NON rencontrées");
  Moyen = Named(new QLabel, "Moyen");
  Ecart = Named(new QLabel, "Ecart");
  score->addWidget(Calcul);
  score->addWidget(Moyen);
  score->addWidget(Ecart);
  score->addStretch(1);
  layout->addLayout(score);

  auto* search = new QHBoxLayout;
  Optimisation = Button("Optimisation", "Optimisation");
  ArretPC = Named(new QCheckBox(QString::fromUtf8("Arrêt du PC à la fin de l'étude")), "ArretPC");
  ProgressBar1 = Named(new QProgressBar, "ProgressBar1");
  Verif = Named(new QLabel(QString::fromUtf8("Numéro du test")), "Verif");
  NbVerif = Named(new QLabel("Nombre de test"), "NbVerif");
  search->addWidget(Optimisation);
  search->addWidget(ArretPC);
  search->addWidget(ProgressBar1, 1);
  search->addWidget(Verif);
  search->addWidget(NbVerif);
  layout->addLayout(search);

  auto* result = new QHBoxLayout;
  Label5 = Named(new QLabel("Ordre des tables :"), "Label5");
  Edit2 = ReadOnlyBox("Edit2", "");
  Edition = Button("Edition", "Edition");
  result->addWidget(Label5);
  result->addWidget(Edit2, 1);
  result->addWidget(Edition);
  layout->addLayout(result);

  auto* seeding = new QHBoxLayout;
  auto* sections = new QGroupBox("Nombre de Tables par section");
  auto* sectionLayout = new QHBoxLayout(sections);
  SpEd_A = Spin("SpEd_A", 0, kBalancingSeedingTables, 10);
  SpEd_B = Spin("SpEd_B", 0, kBalancingSeedingTables, 0);
  SpEd_C = Spin("SpEd_C", 0, kBalancingSeedingTables, 0);
  sectionLayout->addWidget(new QLabel("Section A"));
  sectionLayout->addWidget(SpEd_A);
  sectionLayout->addWidget(new QLabel("Section B"));
  sectionLayout->addWidget(SpEd_B);
  sectionLayout->addWidget(new QLabel("Section C"));
  sectionLayout->addWidget(SpEd_C);
  RadGp_F = Named(new QGroupBox("Tables "), "RadGp_F");
  auto* radioLayout = new QVBoxLayout(RadGp_F);
  RadGp_F_Completes = Named(new QRadioButton(QString::fromUtf8("complètes")), "RadGp_F_Completes");
  RadGp_F_Incompletes =
      Named(new QRadioButton(QString::fromUtf8("incomplètes")), "RadGp_F_Incompletes");
  RadGp_F_Completes->setChecked(true);
  radioLayout->addWidget(RadGp_F_Completes);
  radioLayout->addWidget(RadGp_F_Incompletes);
  Modification = Button("Modification", "Fichier d'équilibrage pour Magic Contest France");
  seeding->addWidget(sections);
  seeding->addWidget(RadGp_F);
  seeding->addWidget(Modification);
  layout->addLayout(seeding);

  auto* bottom = new QHBoxLayout;
  Aide = Button("Aide", "Aide");
  BitBtn1 = Button("BitBtn1", "Fermer");
  bottom->addStretch(1);
  bottom->addWidget(Aide);
  bottom->addWidget(BitBtn1);
  layout->addLayout(bottom);

  connect(UpDownNbre, &QSpinBox::valueChanged, this, [this] {
    if (!updating_) UpDownNbreClick();
  });
  connect(UpDownSeances, &QSpinBox::valueChanged, this, [this] {
    if (!updating_) UpDownSeancesClick();
  });
  connect(Manuel, &QPushButton::clicked, this, &TFUtil_Equilibre::ManuelClick);
  connect(Affichage, &QPushButton::clicked, this, &TFUtil_Equilibre::AffichageClick);
  connect(Calcul, &QPushButton::clicked, this, &TFUtil_Equilibre::CalculClick);
  connect(Optimisation, &QPushButton::clicked, this, &TFUtil_Equilibre::OptimisationClick);
  connect(Edition, &QPushButton::clicked, this, &TFUtil_Equilibre::EditionClick);
  connect(Modification, &QPushButton::clicked, this, &TFUtil_Equilibre::ModificationClick);
  connect(Aide, &QPushButton::clicked, this, &TFUtil_Equilibre::AideClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TFUtil_Equilibre::BitBtn1Click);
}

template <typename Call>
auto TFUtil_Equilibre::OwnDialog(Call call) {
  ownDialog_ = true;
  auto result = call();
  // The focus comes back once the box has gone, after the call returns: that
  // activation is ours. Should none come (the window was not active), the
  // flag lapses on its own.
  QTimer::singleShot(1000, this, [this] { ownDialog_ = false; });
  return result;
}

bool TFUtil_Equilibre::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (ownDialog_)
      ownDialog_ = false;
    else if (!searching_)
      FormActivate();
  }
  return KedWindow::event(event);
}

void TFUtil_Equilibre::FormActivate() {
  updating_ = true;
  UpDownNbre->setValue(10);
  UpDownSeances->setValue(1);
  updating_ = false;
  EditNbre->setText("10");
  EditSeances->setText("1");
  for (QWidget* w : std::initializer_list<QWidget*>{ProgressBar1, Label5, Edit2, Edition,
                                                    Modification, ArretPC})
    w->hide();
  ResetStudy(study_);
  for (int t = 1; t <= kMaxBalancingTables; ++t) {
    S[t]->setChecked(study_.at(t).S == 1);
    SS[t]->setChecked(study_.at(t).SS == 1);
    SSS[t]->setChecked(study_.at(t).SSS == 1);
  }
  Display();
  Moyen->clear();
  Ecart->clear();
}

void TFUtil_Equilibre::UpDownNbreClick() {
  const int n = UpDownNbre->value();
  study_.tableCount = n;
  EditNbre->setText(QString::number(n));
  SpEd_A->setValue(n);
  study_.SetRanks(SerpentineOrder(n));
  Edit1->setText(Q(InitialOrderText(study_.Ranks(), n)));
  Display();
}

void TFUtil_Equilibre::UpDownSeancesClick() {
  study_.sessionCount = UpDownSeances->value();
  EditSeances->setText(QString::number(study_.sessionCount));
  Display();
}

void TFUtil_Equilibre::PositionClick(int session, int table) {
  const QCheckBox* box = session == 1 ? S[table] : session == 2 ? SS[table] : SSS[table];
  study_.SetFlag(session, table, box->isChecked());
}

void TFUtil_Equilibre::Display() {
  const int n = study_.tableCount;
  for (int t = 1; t <= kMaxBalancingTables; ++t) {
    const bool inUse = t <= n;
    T[t]->setVisible(inUse);
    E[t]->setVisible(inUse);
    S[t]->setVisible(inUse);
    M[t]->setVisible(inUse);
    SS[t]->setVisible(inUse && study_.sessionCount >= 2);
    SSS[t]->setVisible(inUse && study_.sessionCount >= 3);
    if (inUse) E[t]->setText(QString::number(study_.at(t).E));
  }
}

void TFUtil_Equilibre::AffichageClick() { Display(); }

void TFUtil_Equilibre::ManuelClick() {
  const auto ranks = ParseInitialOrder(ked::S(Edit1->text()), study_.tableCount);
  if (!ranks) {
    OwnDialog([&] {
      return ctx_.platform.MessageBox(MessageKind::Error, kInvalidOrderMessage, BtnYes);
    });
    return;
  }
  study_.SetRanks(*ranks);
  Display();
}

void TFUtil_Equilibre::ShowScore() {
  for (int t = 1; t <= study_.tableCount; ++t) {
    E[t]->setText(QString::number(study_.at(t).E));
    M[t]->setText(QString::number(study_.at(t).M));
  }
  ShowBest();
}

void TFUtil_Equilibre::ShowBest() {
  Moyen->setText(Q("Moyenne = " + Decimal4Text(study_.mean, ctx_.locale)));
  Ecart->setText(Q("EcartType = " + Decimal4Text(study_.standardDeviation, ctx_.locale)));
}

void TFUtil_Equilibre::CalculClick() {
  ScoreStudy(study_);
  ShowScore();
  Edit2->setText(Q(TableOrderText(study_.Ranks(), study_.tableCount)));
  for (QWidget* w : std::initializer_list<QWidget*>{Label5, Edit2, Modification, Edition}) w->show();
}

void TFUtil_Equilibre::OptimisationClick() {
  CalculClick();
  const std::string memoryPath = ctx_.ProgramFile(kBalancingMemoryFileName);
  auto lines = OpenMemory(memoryPath);
  if (!lines) {
    OwnDialog([&] {
      return ctx_.platform.MessageBox(MessageKind::Error, CannotOpenFileMessage(memoryPath), BtnOk);
    });
    return;
  }
  const size_t found = FindStudy(*lines, StudyKey(study_));
  const bool useMemory =
      found != 0 && OwnDialog([&] {
        return ctx_.platform.MessageBox(MessageKind::Confirmation, kKnownStudyQuestion,
                                        BtnYes | BtnNo);
      }) == BtnYes;
  if (useMemory) {
    Edit1->setText(Q(MemorisedOrder((*lines)[found - 1])));
    ManuelClick();
    CalculClick();
  } else if (!RunSearch()) {
    // Given up: nothing is stored and the computer stays on to show why.
    OwnDialog([&] {
      return ctx_.platform.MessageBox(MessageKind::Warning, kSearchOutOfReachMessage, BtnOk);
    });
    ArretPC->hide();
    return;
  }
  StoreStudy(*lines, found, study_);
  if (!WriteMemory(memoryPath, *lines))
    OwnDialog([&] {
      return ctx_.platform.MessageBox(MessageKind::Error, CannotOpenFileMessage(memoryPath), BtnOk);
    });
  if (ArretPC->isChecked()) PowerOffComputer(ctx_.platform);
  ArretPC->hide();
}

void TFUtil_Equilibre::SetStudyControlsEnabled(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{UpDownNbre, UpDownSeances, Affichage, Manuel,
                                                    Calcul, Optimisation, Edition, Modification})
    w->setEnabled(enabled);
  for (int t = 1; t <= kMaxBalancingTables; ++t) {
    S[t]->setEnabled(enabled);
    SS[t]->setEnabled(enabled);
    SSS[t]->setEnabled(enabled);
  }
}

bool TFUtil_Equilibre::RunSearch() {
  Label5->hide();
  Edit2->hide();
  ArretPC->setChecked(false);
  ArretPC->show();
  const uint64_t total = SeatingCount(study_.tableCount);
  progressShift_ = ProgressShift(total);
  ProgressBar1->setRange(0, static_cast<int>(total >> progressShift_));
  ProgressBar1->setValue(0);
  ProgressBar1->show();
  NbVerif->setText(QString::number(total));
  SetStudyControlsEnabled(false);
  searching_ = true;

  // Skipped subtrees cross many multiples of 128 in quick succession: the
  // window is redrawn and given its pending events a few dozen times a
  // second at most, and shows the last count reached at the end.
  uint64_t reached = 0;
  QElapsedTimer sinceShown;
  auto showProgress = [&] {
    ProgressBar1->setValue(static_cast<int>(reached >> progressShift_));
    Verif->setText(QString::number(reached));
  };
  SearchCallbacks callbacks;
  callbacks.progress = [&](uint64_t tests) {
    reached = tests;
    if (sinceShown.isValid() && sinceShown.elapsed() < 40) return;
    showProgress();
    ctx_.platform.ProcessPendingEvents();
    sinceShown.start();
  };
  callbacks.improved = [this](const BalancingStudy&) { ShowScore(); };
  uint64_t tests = 0;
  const uint64_t budget = study_.tableCount > kMaxExhaustiveTables ? searchStepBudget : 0;
  const bool complete = SearchBestSeatingWithin(study_, callbacks, budget, tests);

  searching_ = false;
  if (reached != 0) showProgress();
  ProgressBar1->hide();
  ShowScore();
  Edit2->setText(Q(TableOrderText(study_.Ranks(), study_.tableCount)));
  Label5->show();
  Edit2->show();
  SetStudyControlsEnabled(true);
  return complete;
}

void TFUtil_Equilibre::EditionClick() {
  frReport1.OpenTemplate(ctx_.ProgramFile("Equilibrage.frf"));
  PreviewReport(frReport1, ctx_.platform);
}

void TFUtil_Equilibre::frReport1GetValue(const std::string& name, ReportValue& value) {
  const int n = study_.tableCount;
  if (name == "NbTables") {
    value = static_cast<long long>(n);
  } else if (name == "NbTours") {
    long long played = 0;
    for (int t = 1; t <= n; ++t) played += study_.at(t).S == 0 ? 1 : 0;
    value = played;
  } else if (name == "NbSeances") {
    value = static_cast<long long>(study_.sessionCount);
  } else if (name == "Serpent") {
    value = ked::S(Edit1->text());
  } else if (name == "Moyen") {
    value = ked::S(Moyen->text());
  } else if (name == "Ecart") {
    value = ked::S(Ecart->text());
  } else {
    for (int t = 1; t <= kMaxBalancingTables; ++t) {
      const std::string number = std::to_string(t);
      const t_position& p = study_.at(t);
      if (name == "E" + number) value = static_cast<long long>(p.E);
      else if (name == "S" + number) value = static_cast<long long>(p.S);
      else if (name == "SS" + number) value = static_cast<long long>(p.SS);
      else if (name == "SSS" + number) value = static_cast<long long>(p.SSS);
      else if (name == "M" + number) value = static_cast<long long>(p.M);
    }
  }
}

void TFUtil_Equilibre::ModificationClick() {
  BalancingSections sections;
  sections.tablesA = SpEd_A->value();
  sections.tablesB = SpEd_B->value();
  sections.tablesC = SpEd_C->value();
  sections.incomplete = RadGp_F_Incompletes->isChecked();
  const auto lines = BalancingSeedingLines(ked::S(Edit2->text()), sections);
  if (const auto* message = std::get_if<std::string>(&lines)) {
    OwnDialog([&] { return ctx_.platform.MessageBox(MessageKind::Warning, *message, BtnOk); });
    return;
  }
  OwnDialog([&] {
    return SaveSeedingFile(ctx_.platform, std::get<std::vector<std::string>>(lines),
                           ctx_.programFolder);
  });
}

void TFUtil_Equilibre::AideClick() { ctx_.platform.ShellOpen(ctx_.ProgramFile("Equilibrage.pdf")); }

void TFUtil_Equilibre::BitBtn1Click() { close(); }

}  // namespace ked

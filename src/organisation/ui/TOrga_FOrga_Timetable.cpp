// The timetable panel of TOrga_FOrga: its controls, the type presets and the
// recomputation of the proposal.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

#include "organisation/RuntimeFailure.h"
#include "organisation/ui/ChoiceRadioGroup.h"
#include "organisation/ui/Named.h"
#include "organisation/ui/RangeSpinEdit.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "platform/DateTime.h"
#include "platform/ui/QtText.h"

namespace ked {

using namespace orga;

namespace {

QLineEdit* ReadOnlyField(const QString& name, QWidget* parent) {
  auto* field = Named(new QLineEdit(parent), name);
  field->setReadOnly(true);
  field->setMaximumWidth(80);
  return field;
}

constexpr int kInitialGaps[kGapCount] = {10, 15, 15, 15, 15};

}  // namespace

void TOrga_FOrga::BuildTimetablePanel(QVBoxLayout* window) {
  auto* panel = Named(new QFrame(this), "PanelHoraires");
  panel->setFrameShape(QFrame::StyledPanel);
  window->addWidget(panel);
  auto* grid = new QGridLayout(panel);

  // Type, day and start.
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Calcul des horaires pour le", panel));
  RgType = Named(new ChoiceRadioGroup("Type", {"Paires", "Suisse", "Poule"}, Qt::Horizontal, panel),
                 "RgType");
  DateComp = Named(new QDateEdit(panel), "DateComp");
  DateComp->setCalendarPopup(true);
  DateComp->setDisplayFormat(Q(ctx_.locale.shortDateFormat));
  Heure = Named(new QTimeEdit(QTime(14, 0), panel), "Heure");
  Heure->setDisplayFormat("HH:mm");
  RG1 = Named(new ChoiceRadioGroup("", {"09h30", "13h30"}, Qt::Horizontal, panel), "RG1");
  top->addWidget(RgType);
  top->addWidget(DateComp);
  top->addWidget(Heure);
  top->addWidget(RG1);
  top->addStretch();
  grid->addLayout(top, 0, 0, 1, 13);

  // Shape of the day.
  auto* shape = new QHBoxLayout;
  NbSe = Named(new RangeSpinEdit(kMinSessions, kMaxSessions, 2, panel), "NbSe");
  NbDo = Named(new RangeSpinEdit(6, 72, 27, panel), "NbDo");
  Ecran = Named(new ChoiceRadioGroup("Ecrans", {"Avec", "Sans"}, Qt::Horizontal, panel), "Ecran");
  Ecran->setItemIndex(1);
  Cb_Nb_Part = Named(new QComboBox(panel), "Cb_Nb_Part");
  Cb_Nb_Part->setEditable(true);
  for (int i = 1; i <= 60; ++i) Cb_Nb_Part->addItem(QString("%1").arg(i, 2, 10, QChar('0')));
  Cb_Nb_Part->setEditText("22");
  Lb_Part = Named(new QLabel("de paires", panel), "Lb_Part");
  shape->addWidget(new QLabel("Séances : ", panel));
  shape->addWidget(NbSe);
  shape->addWidget(new QLabel("de donnes : ", panel));
  shape->addWidget(NbDo);
  shape->addWidget(Ecran);
  shape->addWidget(Cb_Nb_Part);
  shape->addWidget(Lb_Part);
  shape->addStretch();
  grid->addLayout(shape, 1, 0, 1, 13);

  // Sessions in the odd columns, the gaps between them in the even ones.
  grid->addWidget(new QLabel("Début", panel), 2, 0);
  grid->addWidget(new QLabel("Fin", panel), 4, 0);
  for (int n = 0; n < kMaxSessions; ++n) {
    Sc[n] = ReadOnlyField(QString("Sc%1").arg(n + 1), panel);
    Sf[n] = ReadOnlyField(QString("Sf%1").arg(n + 1), panel);
    grid->addWidget(Sc[n], 2, 1 + 2 * n);
    grid->addWidget(Sf[n], 4, 1 + 2 * n);
  }
  for (int n = 0; n < kGapCount; ++n) {
    const QString number = QString::number(n + 1);
    Pau[n] = Named(new QLabel("Pause", panel), "Pau" + number);
    Ps[n] = Named(new QCheckBox(panel), "Ps" + number);
    Rep[n] = Named(new QLabel("Repas", panel), "Rep" + number);
    Pp[n] = Named(new QCheckBox(panel), "Pp" + number);
    Rp[n] = Named(new RangeSpinEdit(kMinGap, kMaxGap, kInitialGaps[n], panel), "Rp" + number);
    const int column = 2 + 2 * n;
    grid->addWidget(Pau[n], 2, column);
    grid->addWidget(Ps[n], 3, column);
    grid->addWidget(Rep[n], 4, column);
    grid->addWidget(Pp[n], 5, column);
    grid->addWidget(Rp[n], 6, column);
  }
  grid->addWidget(new QLabel("Durée d'une séance : ", panel), 7, 0, 1, 2);
  Sc0 = ReadOnlyField("Sc0", panel);
  grid->addWidget(Sc0, 7, 2, 1, 2);

  Phrase = Named(new QLineEdit(panel), "Phrase");
  Horraire = Named(new QLineEdit(panel), "Horraire");
  Modalite = Named(new QLineEdit(panel), "Modalite");
  grid->addWidget(Phrase, 8, 0, 1, 13);
  grid->addWidget(Horraire, 9, 0, 1, 13);
  grid->addWidget(Modalite, 10, 0, 1, 13);
  Button1 = Named(new QPushButton("Quitter", panel), "Button1");
  grid->addWidget(Button1, 11, 12);

  // Nothing but the type can be set until a type is chosen.
  for (QWidget* w : std::initializer_list<QWidget*>{Ecran, DateComp, Heure, NbSe, NbDo})
    w->setEnabled(false);
  for (int n = 0; n < kGapCount; ++n) {
    Ps[n]->setEnabled(false);
    Pp[n]->setEnabled(false);
    Rp[n]->setEnabled(false);
  }

  connect(RgType, &ChoiceRadioGroup::selectionChanged, this, &TOrga_FOrga::RgTypeClick);
  connect(RG1, &ChoiceRadioGroup::itemClicked, this, &TOrga_FOrga::RG1Click);
  connect(Ecran, &ChoiceRadioGroup::itemClicked, this, &TOrga_FOrga::TimetableFieldChange);
  connect(DateComp, &QDateEdit::dateChanged, this, &TOrga_FOrga::TimetableFieldChange);
  connect(Heure, &QTimeEdit::timeChanged, this, &TOrga_FOrga::TimetableFieldChange);
  connect(NbDo, &RangeSpinEdit::changed, this, &TOrga_FOrga::TimetableFieldChange);
  connect(NbSe, &RangeSpinEdit::changed, this, &TOrga_FOrga::NbSeChange);
  connect(Cb_Nb_Part, &QComboBox::editTextChanged, this, &TOrga_FOrga::Cb_Nb_PartChange);
  for (int n = 0; n < kGapCount; ++n) {
    connect(Rp[n], &RangeSpinEdit::changed, this, &TOrga_FOrga::TimetableFieldChange);
    connect(Ps[n], &QCheckBox::toggled, this, [this, n] { PsClick(n); });
    connect(Pp[n], &QCheckBox::toggled, this, [this, n] { PpClick(n); });
  }
  connect(Button1, &QPushButton::clicked, this, &TOrga_FOrga::Button1Click);
}

void TOrga_FOrga::RgTypeClick(int item) {
  const auto type = static_cast<CompetitionType>(item);
  for (int n = 0; n < kGapCount; ++n) {
    Ps[n]->setEnabled(true);
    Pp[n]->setEnabled(true);
    Rp[n]->setEnabled(true);
  }
  for (QWidget* w : std::initializer_list<QWidget*>{Ecran, DateComp, Heure, NbSe, NbDo})
    w->setEnabled(true);
  for (int n = 0; n < kGapCount; ++n) {
    Ps[n]->setChecked(false);
    Pp[n]->setChecked(false);
  }
  const auto preset = PresetOf(type);
  if (!preset) return;
  NbSe->setValue(preset->sessions);
  NbDo->setValue(preset->deals);
  Lb_Part->setText(Q(preset->participantsLabel));
  Cb_Nb_Part->setEditText(preset->participants);
  for (int n = 0; n < kGapCount; ++n) Rp[n]->setValue(n == 0 ? preset->firstGap : preset->otherGaps);
}

void TOrga_FOrga::RG1Click(int item) {
  Heure->setTime(item == 0 ? QTime(9, 30) : QTime(13, 30));
  RefreshTimetable();
}

void TOrga_FOrga::PsClick(int gap) {
  const bool ticked = Ps[gap]->isChecked();
  Pp[gap]->setEnabled(!ticked);
  if (ticked) SetPauseGap(gap);
  else SetDefaultGap(gap);
}

void TOrga_FOrga::PpClick(int gap) {
  const bool ticked = Pp[gap]->isChecked();
  Ps[gap]->setEnabled(!ticked);
  if (ticked) Rp[gap]->setValue(kMealLength);
  else SetDefaultGap(gap);
}

bool TOrga_FOrga::SetPauseGap(int gap) {
  try {
    Rp[gap]->setValue(PauseLength(static_cast<CompetitionType>(RgType->itemIndex()),
                                  S(Cb_Nb_Part->currentText())));
    return true;
  } catch (const RuntimeFailure& failure) {
    ShowFailure(failure.what());
    return false;
  }
}

void TOrga_FOrga::SetDefaultGap(int gap) {
  if (auto minutes = DefaultGap(static_cast<CompetitionType>(RgType->itemIndex()), gap + 1))
    Rp[gap]->setValue(*minutes);
}

void TOrga_FOrga::Cb_Nb_PartChange() {
  if (Cb_Nb_Part->currentText().isEmpty()) return;
  for (int n = 0; n < kGapCount; ++n)
    if (Ps[n]->isChecked() && !SetPauseGap(n)) return;
}

void TOrga_FOrga::NbSeChange() {
  if (!NbSe->isEmpty()) RefreshTimetable();
}

void TOrga_FOrga::TimetableFieldChange() {
  if (!NbDo->isEmpty()) RefreshTimetable();
}

void TOrga_FOrga::RefreshTimetable() {
  WriteTimetable(orga::BuildTimetable(ReadTimetable(), ctx_.locale));
}

TimetableInput TOrga_FOrga::ReadTimetable() const {
  TimetableInput in;
  in.type = static_cast<CompetitionType>(RgType->itemIndex());
  const QDate date = DateComp->date();
  in.date = DayNumberFromCivil({date.year(), date.month(), date.day()});
  in.start = S(Heure->time().toString("HH:mm"));
  in.sessions = NbSe->value();
  in.deals = NbDo->value();
  in.screens = Ecran->itemIndex() == 0;
  for (int n = 0; n < kGapCount; ++n) {
    in.pause[n] = Ps[n]->isChecked();
    in.meal[n] = Pp[n]->isChecked();
    in.gap[n] = Rp[n]->value();
  }
  return in;
}

void TOrga_FOrga::WriteTimetable(const TimetableResult& r) {
  ShowSessions(r.sessions);
  Sc0->setText(Q(r.lengthText));
  Sc[0]->setText(Q(r.startText[0]));
  if (r.failure) {
    ShowFailure(r.failure->c_str());
    return;
  }
  for (int n = 0; n < r.sessions; ++n) {
    Sc[n]->setText(Q(r.startText[n]));
    Sf[n]->setText(Q(r.endText[n]));
  }
  // Shown from their beginning, ready to be copied.
  for (auto [line, text] : {std::pair{Phrase, &r.sentence}, {Horraire, &r.timetable},
                            {Modalite, &r.modalities}}) {
    line->setText(Q(*text));
    line->setCursorPosition(0);
  }
}

void TOrga_FOrga::ShowSessions(int sessions) {
  for (int n = 0; n < kMaxSessions; ++n) {
    Sc[n]->setVisible(n < sessions);
    Sf[n]->setVisible(n < sessions);
  }
  for (int n = 0; n < kGapCount; ++n)
    for (QWidget* w : std::initializer_list<QWidget*>{Rep[n], Pp[n], Pau[n], Ps[n], Rp[n]})
      w->setVisible(n + 1 < sessions);
}

}  // namespace ked

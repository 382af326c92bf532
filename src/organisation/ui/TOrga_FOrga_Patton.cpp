// The Swiss Patton panel of TOrga_FOrga: the bonus and its advice.
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "organisation/PattonBonus.h"
#include "organisation/RuntimeFailure.h"
#include "organisation/ui/Named.h"
#include "organisation/ui/RangeSpinEdit.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "organisation/ui/WindowsColour.h"
#include "platform/ui/QtText.h"

namespace ked {

using namespace orga;

void TOrga_FOrga::BuildPattonPanel(QVBoxLayout* window) {
  auto* panel = Named(new QFrame(this), "PanelPatton");
  panel->setFrameShape(QFrame::StyledPanel);
  window->addWidget(panel);
  auto* row = new QHBoxLayout(panel);

  NbEq = Named(new RangeSpinEdit(11, 30, 18, panel), "NbEq");
  NbTr = Named(new RangeSpinEdit(5, 8, 6, panel), "NbTr");
  Bonus = Named(new QLineEdit(panel), "Bonus");
  Bonus->setReadOnly(true);
  Information = Named(new QLabel(panel), "Information");
  // The three advice texts are ten characters: a fixed pitch keeps the label's width.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setFixedPitch(true);
  fixed.setStyleHint(QFont::TypeWriter);
  Information->setFont(fixed);

  row->addWidget(new QLabel("Calcul Bonus Patton Suisse", panel));
  row->addWidget(new QLabel("Nombre d'équipe : ", panel));
  row->addWidget(NbEq);
  row->addWidget(new QLabel("Tours : ", panel));
  row->addWidget(NbTr);
  row->addWidget(new QLabel("Bonus : ", panel));
  row->addWidget(Bonus);
  row->addWidget(Information);
  row->addStretch();

  connect(NbEq, &RangeSpinEdit::changed, this, &TOrga_FOrga::NbEqChange);
  connect(NbTr, &RangeSpinEdit::changed, this, &TOrga_FOrga::NbTrChange);
}

void TOrga_FOrga::NbEqChange() {
  if (!NbEq->isEmpty()) ComputePatton();
}

void TOrga_FOrga::NbTrChange() {
  if (!NbTr->isEmpty()) ComputePatton();
}

void TOrga_FOrga::ComputePatton() {
  const int teams = NbEq->value();
  const int rounds = NbTr->value();
  int bonus = 0;
  try {
    bonus = PattonBonus(teams, rounds);
  } catch (const RuntimeFailure& failure) {
    ShowFailure(failure.what());
    return;
  }
  Bonus->setText(Q(BonusText(bonus, ctx_.locale)));
  // Outside the advice table, colour and text stay as they were.
  if (auto advice = AdviceFor(teams, rounds)) {
    SetFieldColour(Bonus, AdviceColour(*advice));
    Information->setText(Q(AdviceText(*advice)));
  }
}

}  // namespace ked

// The distribution panel of TOrga_FOrga: places per centre.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "organisation/Distribution.h"
#include "organisation/RuntimeFailure.h"
#include "organisation/ui/Named.h"
#include "organisation/ui/RangeSpinEdit.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "organisation/ui/WindowsColour.h"
#include "platform/ui/QtText.h"

namespace ked {

using namespace orga;

void TOrga_FOrga::BuildDistributionPanel(QVBoxLayout* window) {
  auto* panel = Named(new QFrame(this), "PanelRepartition");
  panel->setFrameShape(QFrame::StyledPanel);
  window->addWidget(panel);
  auto* grid = new QGridLayout(panel);

  auto* heading = new QHBoxLayout;
  Centres = Named(new RangeSpinEdit(kMinCentres, kMaxCentres, 2, panel), "Centres");
  Centres->setEditorEnabled(false);
  heading->addWidget(new QLabel("Calcul Répartition pour ", panel));
  heading->addWidget(Centres);
  heading->addWidget(new QLabel("centres", panel));
  heading->addStretch();
  grid->addLayout(heading, 0, 0, 1, 5);

  Qa = Named(new RangeSpinEdit(1, 70, 3, panel), "Qa");
  Qo = Named(new RangeSpinEdit(0, 10, 0, panel), "Qo");
  grid->addWidget(new QLabel("Qualifiées :", panel), 1, 0);
  grid->addWidget(Qa, 1, 1);
  auto* exOfficio = new QVBoxLayout;
  exOfficio->addWidget(new QLabel("Qualifiées", panel));
  exOfficio->addWidget(Qo);
  exOfficio->addWidget(new QLabel("Offices", panel));
  grid->addLayout(exOfficio, 1, 4, 3, 1);

  for (int n = 0; n < kRows; ++n) {
    const QString number = QString::number(n + 1);
    Etiq[n] = Named(new QLabel(QString("Centre %1 : ").arg(n + 1), panel), "Etiq" + number);
    Ce[n] = Named(new RangeSpinEdit(n == 0 ? 1 : 0, 100, n == 0 ? 1 : 0, panel), "Ce" + number);
    E[n] = Named(new QLineEdit("0,0", panel), "E" + number);
    E[n]->setReadOnly(true);
    Qn[n] = Named(new QLineEdit("0", panel), "Q" + number);
    Qn[n]->setReadOnly(true);
    grid->addWidget(Etiq[n], 2 + n, 0);
    grid->addWidget(Ce[n], 2 + n, 1);
    grid->addWidget(E[n], 2 + n, 2);
    grid->addWidget(Qn[n], 2 + n, 3);
  }
  BtQuitter = Named(new QPushButton("Quitter", panel), "BtQuitter");
  grid->addWidget(BtQuitter, 2 + kRows, 4);
  CentresChange();

  for (RangeSpinEdit* field : Ce)
    connect(field, &RangeSpinEdit::changed, this, [this, field] { DistributionFieldChange(field); });
  connect(Qa, &RangeSpinEdit::changed, this, [this] { DistributionFieldChange(Qa); });
  connect(Qo, &RangeSpinEdit::changed, this, [this] { DistributionFieldChange(Qo); });
  connect(Centres, &RangeSpinEdit::changed, this, &TOrga_FOrga::CentresChange);
  connect(BtQuitter, &QPushButton::clicked, this, &TOrga_FOrga::BtQuitterClick);
}

void TOrga_FOrga::DistributionFieldChange(RangeSpinEdit* changed) {
  if (!changed->isEmpty()) ComputeDistribution();
}

// The rows shown take part; the figures stay those of the last computation.
void TOrga_FOrga::CentresChange() {
  const int shown = Centres->value();
  for (int n = 0; n < kRows; ++n)
    for (QWidget* w : std::initializer_list<QWidget*>{Etiq[n], Ce[n], E[n], Qn[n]})
      w->setVisible(n < shown);
}

void TOrga_FOrga::ComputeDistribution() {
  const int centres = std::clamp(Centres->value(), kMinCentres, kMaxCentres);
  std::vector<int> entries;
  for (int n = 0; n < centres; ++n) entries.push_back(Ce[n]->value());
  std::vector<CentreShare> shares;
  try {
    shares = DistributePlaces(Qa->value() - Qo->value(), entries);
  } catch (const RuntimeFailure& failure) {
    ShowFailure(failure.what());
    return;
  }
  for (int n = 0; n < centres; ++n) {
    E[n]->setText(Q(ShareText(shares[n].share, ctx_.locale)));
    SetFieldColour(E[n], shares[n].nearHalf ? kShareRed : kShareGreen);
    Qn[n]->setText(QString::number(shares[n].places));
  }
}

}  // namespace ked

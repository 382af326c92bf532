#include "scales/ui/TUtil_FPV.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "platform/ui/QtText.h"
#include "scales/SpinText.h"
#include "scales/VpScale.h"
#include "scales/ui/VpScaleReport.h"

namespace ked {

namespace {

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

QLineEdit* MakeResultBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit("10,00", parent);
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight);
  return box;
}

}  // namespace

TUtil_FPV::TUtil_FPV(AppContext& context, QWidget* parent)
    : KedWindow(context, "TUtil_FPV", parent) {
  setWindowTitle(QString::fromUtf8("Calcul des barêmes : IMPs -> PV"));

  SpDonnes = MakeSpin(this, "SpDonnes", kVpMinDeals, kVpMaxDeals, 14);
  SpImps = MakeSpin(this, "SpImps", 0, kVpMaxImps, 0);
  SpImps->findChild<QLineEdit*>()->setMaxLength(2);
  EdGagnant = MakeResultBox(this, "EdGagnant");
  EdPerdant = MakeResultBox(this, "EdPerdant");
  Button1 = new QPushButton("Impression", this);
  Button1->setObjectName("Button1");
  BitBtn1 = new QPushButton("&Fermer", this);
  BitBtn1->setObjectName("BitBtn1");

  auto* LabelPaires = new QLabel("Nb Donnes", this);
  LabelPaires->setObjectName("LabelPaires");
  auto* grid = new QGridLayout(this);
  grid->addWidget(LabelPaires, 0, 0);
  grid->addWidget(SpDonnes, 1, 0);
  grid->addWidget(new QLabel("IMPSs", this), 0, 1);
  grid->addWidget(SpImps, 1, 1);
  grid->addWidget(new QLabel("P. V.", this), 0, 2, 1, 2, Qt::AlignCenter);
  grid->addWidget(EdGagnant, 1, 2);
  grid->addWidget(EdPerdant, 1, 3);
  grid->addWidget(Button1, 2, 0, 1, 2);
  grid->addWidget(BitBtn1, 2, 2, 1, 2);

  frReport1.AddDataset(frUserDataset1);
  frReport1.Dataset = &frUserDataset1;
  frReport1.OnGetValue = [this](const std::string& name, ReportValue& value) {
    frReport1GetValue(name, value);
  };

  // The editor's own signal: the spin box keeps quiet about texts out of its range.
  connect(SpDonnes->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
          &TUtil_FPV::SpDonnesChange);
  connect(SpImps->findChild<QLineEdit*>(), &QLineEdit::textChanged, this, &TUtil_FPV::SpImpsChange);
  connect(Button1, &QPushButton::clicked, this, &TUtil_FPV::Button1Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TUtil_FPV::BitBtn1Click);
}

int TUtil_FPV::Deals() const {
  return SpinTextValue(S(SpDonnes->cleanText()), kVpMinDeals, kVpMaxDeals);
}
int TUtil_FPV::Imps() const { return SpinTextValue(S(SpImps->cleanText()), 0, kVpMaxImps); }

void TUtil_FPV::ShowVp() {
  const int margin = VpMargin(static_cast<uint8_t>(Deals()), static_cast<uint8_t>(Imps()));
  EdGagnant->setText(Q(WinnerVp(margin, ctx_.locale)));
  EdPerdant->setText(Q(LoserVp(margin, ctx_.locale)));
}

// While the director retypes a field its text is empty: the results stay.
void TUtil_FPV::SpDonnesChange() {
  if (!SpDonnes->cleanText().isEmpty()) ShowVp();
}

void TUtil_FPV::SpImpsChange() {
  if (!SpImps->cleanText().isEmpty()) ShowVp();
}

void TUtil_FPV::Button1Click() {
  SetVpScaleRows(frUserDataset1);
  // A missing template is not reported: the report keeps the layout it held.
  frReport1.OpenTemplate(ctx_.ProgramFile(kVpScaleTemplate));
  PreviewReport(frReport1, ctx_.platform);
}

void TUtil_FPV::BitBtn1Click() { hide(); }

void TUtil_FPV::frReport1GetValue(const std::string& name, ReportValue& value) {
  VpScaleValue(Deals(), frUserDataset1.RecNo(), ctx_.locale, name, value);
}

}  // namespace ked

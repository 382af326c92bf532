#include "scales/ui/TUtilGhaF.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "platform/RuntimeConvert.h"
#include "platform/ui/QtText.h"
#include "scales/GanaTimes.h"
#include "scales/SpinText.h"

namespace ked {

namespace {

QLineEdit* MakeBox(QWidget* parent, const char* name, const char* text) {
  auto* box = new QLineEdit(QString::fromUtf8(text), parent);
  box->setObjectName(name);
  return box;
}

// One or two hour digits, then minutes and seconds; the colons are part of the text.
QLineEdit* MakeTimeBox(QWidget* parent, const char* name, const char* text) {
  auto* box = MakeBox(parent, name, "");
  box->setInputMask("09:99:99;_");
  box->setText(text);
  return box;
}

QLabel* MakeLabel(QWidget* parent, const char* text) {
  return new QLabel(QString::fromUtf8(text), parent);
}

std::string FirstLineOf(const QLineEdit* box) { return FirstTextLine(S(box->text())); }

}  // namespace

TUtilGhaF::TUtilGhaF(AppContext& context, QWidget* parent)
    : KedWindow(context, "TUtilGhaF", parent) {
  setWindowTitle("GaNa");

  NbEtuis = new QSpinBox(this);
  NbEtuis->setObjectName("NbEtuis");
  NbEtuis->setRange(kGanaMinBoards, kGanaMaxBoards);
  NbEtuis->setValue(14);
  RdBtAvecEcrans = new QRadioButton(QString::fromUtf8("Avec écrans"), this);
  RdBtAvecEcrans->setObjectName("RdBtAvecEcrans");
  RdBtAvecEcrans->setChecked(true);
  RdBtSansEcran = new QRadioButton(QString::fromUtf8("Sans écran"), this);
  RdBtSansEcran->setObjectName("RdBtSansEcran");

  EqA = MakeBox(this, "EqA", "(8)  Equipe");
  EqB = MakeBox(this, "EqB", "(11)  Equipe");
  EqC = MakeBox(this, "EqC", "(14) Equipe ");
  for (auto* team : {EqA, EqB, EqC}) team->setAlignment(Qt::AlignCenter);
  TaA = MakeBox(this, "TaA", "B10");
  TaB = MakeBox(this, "TaB", "B11");
  TaC = MakeBox(this, "TaC", "B12");
  SeA = MakeBox(this, "SeA", "1-14");
  SeB = MakeBox(this, "SeB", "15-28");
  SeC = MakeBox(this, "SeC", "29-42");
  Ho1 = MakeTimeBox(this, "Ho1", "14:00:00");
  Ho2 = MakeTimeBox(this, "Ho2", "15:55:30");
  Ho3 = MakeTimeBox(this, "Ho3", "17:51:00");
  Ho4 = MakeTimeBox(this, "Ho4", "19:46:30");

  CkBxMiTemps = new QCheckBox("Avec mi-temps", this);
  CkBxMiTemps->setObjectName("CkBxMiTemps");
  BpFiches = new QPushButton("Fiches de Tables", this);
  BpFiches->setObjectName("BpFiches");
  BpVierge = new QPushButton("Feuilles de route", this);
  BpVierge->setObjectName("BpVierge");
  BpQuitter = new QPushButton("Quitter", this);
  BpQuitter->setObjectName("BpQuitter");

  auto* grid = new QGridLayout(this);
  grid->addWidget(MakeLabel(this, "Remplacer les valeurs par défauts"), 0, 0, 1, 4,
                  Qt::AlignCenter);
  grid->addWidget(MakeLabel(this, "Nombre d'étuis par mi-temps :"), 1, 0, 1, 2);
  grid->addWidget(NbEtuis, 1, 2);
  grid->addWidget(RdBtAvecEcrans, 2, 0, 1, 2);
  grid->addWidget(RdBtSansEcran, 2, 2, 1, 2);
  const char* headings[] = {"Equipes", "Tables", "Série d'étuis", "Horaires"};
  for (int column = 0; column < 4; ++column)
    grid->addWidget(MakeLabel(this, headings[column]), 3, column, Qt::AlignCenter);
  QLineEdit* columns[4][4] = {{EqA, EqB, EqC, nullptr},
                              {TaA, TaB, TaC, nullptr},
                              {SeA, SeB, SeC, nullptr},
                              {Ho1, Ho2, Ho3, Ho4}};
  for (int column = 0; column < 4; ++column)
    for (int row = 0; row < 4; ++row)
      if (columns[column][row]) grid->addWidget(columns[column][row], 4 + row, column);
  grid->addWidget(CkBxMiTemps, 8, 0, 1, 2);
  grid->addWidget(BpFiches, 9, 0);
  grid->addWidget(BpVierge, 9, 1);
  grid->addWidget(BpQuitter, 9, 3);

  frReport1.AddDataset(frUserDataset1);
  frReport1.Dataset = &frUserDataset1;
  frReport1.OnGetValue = [this](const std::string& name, ReportValue& value) {
    frReport1GetValue(name, value);
  };

  // The editor's own signal: the spin box keeps quiet about texts out of its range (0).
  connect(NbEtuis->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
          &TUtilGhaF::NbEtuisChange);
  connect(Ho1, &QLineEdit::textChanged, this, &TUtilGhaF::Ho1Change);
  connect(RdBtAvecEcrans, &QRadioButton::clicked, this, &TUtilGhaF::RdBtAvecEcransClick);
  connect(RdBtSansEcran, &QRadioButton::clicked, this, &TUtilGhaF::RdBtSansEcranClick);
  connect(BpFiches, &QPushButton::clicked, this, &TUtilGhaF::BpFichesClick);
  connect(BpVierge, &QPushButton::clicked, this, &TUtilGhaF::BpViergeClick);
  connect(BpQuitter, &QPushButton::clicked, this, &TUtilGhaF::BpQuitterClick);
}

void TUtilGhaF::NbEtuisChange() {
  const auto boards = GanaBoardsFromText(S(NbEtuis->cleanText()));
  if (!boards) return;
  const auto series = GanaSeries(*boards);
  SeA->setText(Q(series[0]));
  SeB->setText(Q(series[1]));
  SeC->setText(Q(series[2]));
  ShowTimes();
}

void TUtilGhaF::Ho1Change() { ShowTimes(); }
void TUtilGhaF::RdBtAvecEcransClick() { ShowTimes(); }
void TUtilGhaF::RdBtSansEcranClick() { ShowTimes(); }

void TUtilGhaF::ShowTimes() {
  const std::string startText = S(Ho1->text());
  const auto start = ParseTimeOfDay(startText);
  if (!start) {
    ctx_.platform.ShowMessage(NotATimeMessage(startText));
    return;
  }
  const int boards = SpinTextValue(S(NbEtuis->cleanText()), kGanaMinBoards, kGanaMaxBoards);
  const GanaSchedule schedule = GanaTimes(boards, RdBtAvecEcrans->isChecked(), *start, ctx_.locale);
  Ho2->setText(Q(schedule.ends[0]));
  Ho3->setText(Q(schedule.ends[1]));
  Ho4->setText(Q(schedule.ends[2]));
}

void TUtilGhaF::BpFichesClick() { Print("ghanafm.frf"); }
void TUtilGhaF::BpViergeClick() { Print("ghanagk.frf"); }
void TUtilGhaF::BpQuitterClick() { hide(); }

// The dataset keeps its default end: the templates repeat over nothing.
void TUtilGhaF::Print(const char* templateName) {
  const std::string path = ctx_.ProgramFile(templateName);
  if (!FileExists(path)) {
    ctx_.platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  frReport1.OpenTemplate(path);
  PreviewReport(frReport1, ctx_.platform);
}

void TUtilGhaF::frReport1GetValue(const std::string& name, ReportValue& value) {
  const struct {
    const char* name;
    const QLineEdit* box;
  } firstLines[] = {
      {"Ta1", TaA}, {"Ta2", TaB}, {"Ta3", TaC}, {"EqA", EqA}, {"EqB", EqB},
      {"EqC", EqC}, {"Se1", SeA}, {"Se2", SeB}, {"Se3", SeC},
  };
  const struct {
    const char* name;
    const QLineEdit* box;
  } times[] = {
      {"Time1", Ho1},
      {"Time2", Ho2},
      {"Time3", Ho3},
      {"Time4", Ho4},
  };
  for (const auto& field : firstLines)
    if (name == field.name) value = FirstLineOf(field.box);
  for (const auto& field : times)
    if (name == field.name) value = S(field.box->text());
  if (name == "NbDo")
    value = static_cast<long long>(
        SpinTextValue(S(NbEtuis->cleanText()), kGanaMinBoards, kGanaMaxBoards));
  else if (name == "MiTemps")
    value = !CkBxMiTemps->isChecked();  // true without a half-time, as the templates read it
}

}  // namespace ked

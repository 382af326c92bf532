#include "movements/ui/TFMouvChoix.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "movements/MovementCatalogue.h"
#include "movements/SeedingFileBuilder.h"
#include "movements/SeedingGrid.h"
#include "movements/SelectionExtract.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "platform/ui/QtText.h"

namespace ked {
namespace {

constexpr const char* kHelpFile = "Mouvements.pdf";
constexpr const char* kSpecialHelpFile = "Mouvements_Speciaux.pdf";

QSpinBox* Spin(QWidget* parent, const char* name, int min, int max, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(min, max);
  spin->setValue(value);
  return spin;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  return button;
}

QLabel* Label(QWidget* parent, const char* name, const char* caption) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(name);
  return label;
}

// A radio group of two columns; its items are numbered from 0 in caption order.
QButtonGroup* AddItems(QGroupBox* box, const std::vector<const char*>& captions) {
  auto* group = new QButtonGroup(box);
  auto* grid = new QGridLayout(box);
  const int rows = static_cast<int>(captions.size() + 1) / 2;
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(captions[i]), box);
    radio->setObjectName(box->objectName() + "_" + QString::number(i));
    group->addButton(radio, i);
    grid->addWidget(radio, i % rows, i / rows);
  }
  return group;
}

void Check(QButtonGroup* group, int index) {
  if (QAbstractButton* b = group->button(index)) {
    b->setChecked(true);
    return;
  }
  // No item selected: an exclusive group cannot uncheck its last button itself.
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

// The spin box shows the plan's value even where the runtime's rule lets it leave the range.
void Show(QSpinBox* spin, const SpinValue& v) {
  spin->setRange(std::min(v.min, v.value), std::max({v.min, v.max, v.value}));
  spin->setValue(v.value);
}

}  // namespace

TFMouvChoix::TFMouvChoix(AppContext& context, QWidget* parent)
    : KedWindow(context, "TFMouvChoix", parent) {
  setWindowTitle(QString::fromUtf8("Util_Ked Choisir Mouvements Inter-Séances"));

  SpPaires = Spin(this, "SpPaires", 5, 72, plan_.Pairs());
  SpSeance = Spin(this, "SpSeance", 1, 3, 2);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Bt_Analyser = Button(this, "Bt_Analyser", "Extraction de la sélection");
  SpEd_Section = Spin(this, "SpEd_Section", 1, 4, plan_.SectionCount().value);
  SpEd_T = Spin(this, "SpEd_T", 4, 14, plan_.Rounds().value);

  const char* groupNames[] = {"Rgp_A", "Rgp_B", "Rgp_C", "Rgp_D"};
  const char* groupCaptions[] = {"Section A", "Section B", "Section C", "Section D"};
  const char* spinNames[] = {"SpEd_A", "SpEd_B", "SpEd_C", "SpEd_D"};
  const char* labelNames[] = {"Lb_A", "Lb_B", "Lb_C", "Lb_D"};
  for (int i = 0; i < 4; ++i) {
    groups_[i] = new QGroupBox(QString::fromUtf8(groupCaptions[i]), this);
    groups_[i]->setObjectName(groupNames[i]);
    const SpinValue& v = plan_.TablesOf(static_cast<Section>(i));
    tables_[i] = Spin(this, spinNames[i], v.min, v.max, v.value);
    tableLabels_[i] = Label(this, labelNames[i], "Nb Tables");
  }
  kinds_[0] = AddItems(groups_[0], {"Mitchell", "Elargi", "Appendice", "H. Entrelacés",
                                    "Howell", "H. Partiel"});
  kinds_[1] = AddItems(groups_[1], {"Mitchell", "Elargi"});
  kinds_[2] = AddItems(groups_[2], {"Mitchell", "Elargi"});
  new QVBoxLayout(groups_[3]);
  tables_[0]->setButtonSymbols(QAbstractSpinBox::NoButtons);

  Button1 = Button(this, "Button1", "Création Fichier d'equilibrage pour MCF");
  BtAide = Button(this, "BtAide", "Aides pour mouvements spéciaux ");
  BitBtn2 = Button(this, "BitBtn2", "&Aide");
  BitBtn1 = Button(this, "BitBtn1", "&Fermer");

  // Layout: the event and the catalogue on the left, the sections on the right.
  auto* event = new QHBoxLayout;
  event->addWidget(Label(this, "Lb_Paires", "Nb Paires"));
  event->addWidget(SpPaires);
  event->addWidget(Label(this, "Lb_Seance", "Nb Séances"));
  event->addWidget(SpSeance);
  event->addStretch();
  auto* left = new QVBoxLayout;
  left->addLayout(event);
  left->addWidget(Memo1, 1);
  left->addWidget(Bt_Analyser);

  auto* right = new QVBoxLayout;
  right->addWidget(Label(this, "Lb_MiseEnPlace", "  Fichier de mise en place"));
  right->addWidget(Label(this, "Lb_Equilibrage", "avec équilibrage."));
  auto* counts = new QHBoxLayout;
  counts->addWidget(Label(this, "Lb_Section", "Nb Sections"));
  counts->addWidget(SpEd_Section);
  counts->addWidget(Label(this, "Lb_T", "Nb de Tours"));
  counts->addWidget(SpEd_T);
  right->addLayout(counts);
  for (int i = 0; i < 4; ++i) {
    auto* row = new QHBoxLayout;
    row->addWidget(groups_[i], 1);
    row->addWidget(tableLabels_[i]);
    row->addWidget(tables_[i]);
    right->addLayout(row);
  }
  right->addWidget(Button1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtAide);
  buttons->addWidget(BitBtn2);
  buttons->addWidget(BitBtn1);
  right->addLayout(buttons);
  right->addStretch();

  auto* all = new QHBoxLayout(this);
  all->addLayout(left, 3);
  all->addLayout(right, 2);
  resize(820, 520);

  SetMemoLines(CreationText());
  kinds_[0]->button(0)->setChecked(true);
  kinds_[1]->button(0)->setChecked(true);
  kinds_[2]->button(0)->setChecked(true);
  ShowPlan();

  // Without the catalogue there is nothing to show for an event.
  const bool catalogue = FileExists(ctx_.ProgramFile(kCatalogueFileName));
  SpPaires->setEnabled(catalogue);
  SpSeance->setEnabled(catalogue);

  connect(SpPaires, &QSpinBox::valueChanged, this, &TFMouvChoix::SpPairesChange);
  connect(SpSeance, &QSpinBox::valueChanged, this, &TFMouvChoix::SpSeanceChange);
  connect(SpEd_Section, &QSpinBox::valueChanged, this, &TFMouvChoix::SpEd_SectionChange);
  connect(SpEd_T, &QSpinBox::valueChanged, this, &TFMouvChoix::SpEd_TChange);
  for (int i = 0; i < 4; ++i)
    connect(tables_[i], &QSpinBox::valueChanged, this,
            [this, i](int v) { SpEd_TablesChange(static_cast<Section>(i), v); });
  connect(kinds_[0], &QButtonGroup::idClicked, this, [this](int id) { plan_.SetKindA(id); });
  connect(kinds_[1], &QButtonGroup::idClicked, this, [this](int id) { plan_.SetKindB(id); });
  connect(kinds_[2], &QButtonGroup::idClicked, this, [this](int id) { plan_.SetKindC(id); });
  connect(Bt_Analyser, &QPushButton::clicked, this, &TFMouvChoix::Bt_AnalyserClick);
  connect(Button1, &QPushButton::clicked, this, &TFMouvChoix::Button1Click);
  connect(BtAide, &QPushButton::clicked, this, &TFMouvChoix::BtAideClick);
  connect(BitBtn2, &QPushButton::clicked, this, &TFMouvChoix::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TFMouvChoix::showEvent(QShowEvent* event) {
  KedWindow::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFMouvChoix::SpPairesChange(int value) {
  plan_.SetPairs(value);
  ShowPlan();
  ShowCatalogueEntry();
}

void TFMouvChoix::SpSeanceChange(int) {
  ShowCatalogueEntry();
  plan_.SetSectionCount(1);
  ShowPlan();
}

void TFMouvChoix::SpEd_SectionChange(int value) {
  plan_.SetSectionCount(value);
  ShowPlan();
}

void TFMouvChoix::SpEd_TChange(int value) {
  plan_.SetRounds(value);
  ShowPlan();
}

void TFMouvChoix::SpEd_TablesChange(Section section, int value) {
  plan_.SetTables(section, value);
  ShowPlan();
}

void TFMouvChoix::ShowCatalogueEntry() {
  if (!SpPaires->isEnabled()) return;
  const std::string path = ctx_.ProgramFile(kCatalogueFileName);
  const auto lines = ReadCatalogueLines(path);
  if (!lines) {
    SetMemoLines(NoEntryText());
    ctx_.platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  const auto entry = CatalogueEntry(*lines, SpSeance->value(), SpPaires->value());
  SetMemoLines(entry ? *entry : NoEntryText());
}

void TFMouvChoix::SetMemoLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << Q(line);
  Memo1->setPlainText(text.join('\n'));
}

void TFMouvChoix::Bt_AnalyserClick() {
  // Qt separates the selected lines with paragraph separators; the lines are CR LF ended.
  QString selection = Memo1->textCursor().selectedText();
  selection.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  selection.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  const Extraction extraction = ExtractSelection(S(selection));
  plan_.Apply(extraction.settings);
  ShowPlan();
  if (extraction.error)
    ctx_.platform.MessageBox(MessageKind::Error, *extraction.error, BtnOk);
}

void TFMouvChoix::Button1Click() {
  const SeedingFileResult result = BuildSeedingFile(plan_.ToSetting());
  if (!result.HasFile()) {
    ctx_.platform.ShowMessage(result.message);
    return;
  }
  SaveSeedingFile(ctx_.platform, result.lines);
}

void TFMouvChoix::BtAideClick() { ctx_.platform.ShellOpen(ctx_.ProgramFile(kSpecialHelpFile)); }

void TFMouvChoix::BitBtn2Click() { ctx_.platform.ShellOpen(ctx_.ProgramFile(kHelpFile)); }

void TFMouvChoix::ShowPlan() {
  const QSignalBlocker blocks[] = {QSignalBlocker(SpPaires),   QSignalBlocker(SpEd_Section),
                                   QSignalBlocker(SpEd_T),     QSignalBlocker(tables_[0]),
                                   QSignalBlocker(tables_[1]), QSignalBlocker(tables_[2]),
                                   QSignalBlocker(tables_[3])};
  SpPaires->setValue(plan_.Pairs());
  Show(SpEd_Section, plan_.SectionCount());
  Show(SpEd_T, plan_.Rounds());
  for (int i = 0; i < 4; ++i) {
    const auto section = static_cast<Section>(i);
    Show(tables_[i], plan_.TablesOf(section));
    const bool shown = plan_.Shown(section);
    groups_[i]->setVisible(shown);
    tableLabels_[i]->setVisible(shown);
    tables_[i]->setVisible(shown);
  }
  Check(kinds_[0], plan_.KindA());
  Check(kinds_[1], plan_.KindB());
  Check(kinds_[2], plan_.KindC());
}

}  // namespace ked

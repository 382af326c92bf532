#include "shell/ui/TUtilFMod.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Messages.h"
#include "platform/ui/QtText.h"
#include "shell/DocumentLibrary.h"

namespace ked {
namespace {
constexpr const char* kCaption =
    "Configuration de l'application à son Comité et mise à jour des imprimés ";
constexpr const char* kSaveCaption = "Enregistrer les :\n- Configurations\n- Paramêtres    ";

// Fields whose characters are shown as one mark each.
constexpr const char* kPasswordMarks = "QLineEdit { lineedit-password-character: 63; }";  // '?'
constexpr const char* kServerMarks = "QLineEdit { lineedit-password-character: 42; }";    // '*'

QGroupBox* NewPanel(QWidget* parent, const char* name, const QString& title) {
  auto* panel = new QGroupBox(title, parent);
  panel->setObjectName(name);
  return panel;
}
}  // namespace

TUtilFMod::TUtilFMod(AppContext& context, QWidget* parent)
    : KedWindow(context, "TUtilFMod", parent) {
  setWindowTitle(kCaption);
  // The contacts are those read at start; activations do not read them again.
  config_ = ReadCommitteeConfig(ctx_.ProgramFile(kConfigFileName), ctx_.locale);

  auto* grid = new QGridLayout(this);
  grid->addWidget(BuildNamesPanel(), 0, 0);
  grid->addWidget(BuildPasswordPanel(), 0, 1);
  grid->addWidget(BuildParametersPanel(), 1, 0);
  grid->addWidget(BuildFormsPanel(), 1, 1);
  grid->addWidget(BuildServerPanel("PanelFtp",
                                   "Configuration du serveur FTP de réception des fichiers", 2,
                                   {"Hôte", "Identifiant", "Mot de passe",
                                    "Répertoire du serveur :"}),
                  2, 0);
  grid->addWidget(BuildTemplatesPanel(), 2, 1);
  grid->addWidget(BuildServerPanel("PanelSmtp", "Configuration du serveur SMTP d'envoi de courriel",
                                   6,
                                   {"Hôte", "Identifiant", "Mot de passe",
                                    "Adresse du destinataire : "}),
                  3, 0);
  BtEnregistrer_ = NewButton("BtEnregistrer", kSaveCaption, &TUtilFMod::BtEnregistrerClick);
  BtEnregistrer_->setEnabled(false);
  grid->addWidget(BtEnregistrer_, 3, 1);
}

QLineEdit* TUtilFMod::NewField(const QString& name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  return field;
}

QPushButton* TUtilFMod::NewButton(const char* name, const QString& caption,
                                  void (TUtilFMod::*click)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, click);
  return button;
}

QWidget* TUtilFMod::BuildNamesPanel() {
  QGroupBox* panel = NewPanel(this, "PanelConfiguration", "Configuration de l'application");
  auto* grid = new QGridLayout(panel);
  names_[1] = NewField("EdCpNm1");
  grid->addWidget(new QLabel("Comité ", panel), 0, 0);
  grid->addWidget(names_[1], 0, 1);
  QGroupBox* assistance = NewPanel(panel, "PanelAssistance", "Assistance Régionale");
  auto* contacts = new QGridLayout(assistance);
  names_[10] = NewField("EdCpNm10");
  names_[11] = NewField("EdCpNm11");
  contacts->addWidget(new QLabel("Magic Contest:", assistance), 0, 0);
  contacts->addWidget(names_[10], 0, 1);
  contacts->addWidget(new QLabel("Arbitrage :", assistance), 1, 0);
  contacts->addWidget(names_[11], 1, 1);
  grid->addWidget(assistance, 1, 0, 1, 2);
  return panel;
}

QWidget* TUtilFMod::BuildPasswordPanel() {
  auto* panel = new QWidget(this);
  auto* box = new QVBoxLayout(panel);
  box->addWidget(new QLabel("Mot de passe", panel));
  EditPasseword_ = NewField("EditPasseword");
  EditPasseword_->setEchoMode(QLineEdit::Password);
  EditPasseword_->setStyleSheet(kPasswordMarks);
  connect(EditPasseword_, &QLineEdit::textChanged, this, &TUtilFMod::EditPassewordChange);
  box->addWidget(EditPasseword_);
  BtQuitter_ = NewButton("BtQuitter", "Quitter", &TUtilFMod::BtQuitterClick);
  box->addWidget(BtQuitter_);
  box->addStretch();
  return panel;
}

QWidget* TUtilFMod::BuildParametersPanel() {
  QGroupBox* panel = NewPanel(this, "PanelParametres", "Paramètres");
  panel->setEnabled(false);  // the tariffs and amounts are only shown
  auto* columns = new QGridLayout(panel);
  const auto& fields = ConfigNumberFields();
  for (size_t i = 0; i < kConfigNumberCount; ++i) {
    numbers_[i] = NewField(QString::fromStdString(fields[i].control));
    numbers_[i]->setAlignment(Qt::AlignRight);
    numbers_[i]->setFixedWidth(80);
  }
  auto number = [&](const char* control) {
    for (size_t i = 0; i < kConfigNumberCount; ++i)
      if (fields[i].control == control) return numbers_[i];
    return static_cast<QLineEdit*>(nullptr);
  };

  QGroupBox* fees = NewPanel(panel, "PanelFrais", "Frais d'arbitrage");
  auto* feeGrid = new QGridLayout(fees);
  struct FeeRow {
    const char* label;
    const char* first;
    const char* second;
  };
  const FeeRow rows[] = {
      {"Tarif A", "EdFrA1", "EdFrA2"},       {"Tarif B", "EdFrB1", "EdFrB2"},
      {"Tarif C", "EdFrC1", "EdFrC2"},       {"Tarif D", "EdFrD1", nullptr},
      {"Tarif E", "EdFrE1", "EdFrE2"},       {"Tarif F", "EdFrF1", nullptr},
      {"Duplication étuis", "EdFrEt", nullptr}, {"Compèt Double", "EdFrCd", nullptr},
      {"Remb. Kilométr.", "EdFrKi", nullptr}, {"Plaf. Hotel", "EdFrHo", nullptr},
      {"Plaf. Repas", "EdFrRe", nullptr},
  };
  int r = 0;
  for (const FeeRow& row : rows) {
    feeGrid->addWidget(new QLabel(row.label, fees), r, 0);
    feeGrid->addWidget(number(row.first), r, 1);
    if (row.second) feeGrid->addWidget(number(row.second), r, 2);
    ++r;
  }
  columns->addWidget(fees, 0, 0);

  QGroupBox* accounts = NewPanel(panel, "PanelComptable", "Document Comptable");
  auto* accountGrid = new QGridLayout(accounts);
  accountGrid->addWidget(new QLabel("Droits de table", accounts), 0, 0, 1, 5);
  for (int i = 0; i < 10; ++i)
    accountGrid->addWidget(number(("EdCpEg" + std::to_string(i)).c_str()), 1 + i / 5, i % 5);
  accountGrid->addWidget(new QLabel("Droits d'inscription", accounts), 3, 0, 1, 5);
  for (int i = 0; i < 9; ++i)
    accountGrid->addWidget(number(("EdCpIn" + std::to_string(i)).c_str()), 4 + i / 5, i % 5);
  accountGrid->setRowStretch(6, 1);
  columns->addWidget(accounts, 0, 1);
  return panel;
}

QWidget* TUtilFMod::BuildServerPanel(const char* name, const QString& title, int firstField,
                                     const QStringList& labels) {
  QGroupBox* panel = NewPanel(this, name, title);
  panel->setEnabled(false);  // kept for a later use of the servers
  auto* grid = new QGridLayout(panel);
  for (int i = 0; i < labels.size(); ++i) {
    QLineEdit* field = NewField(QString("EdCpNm%1").arg(firstField + i));
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(kServerMarks);
    names_[firstField + i] = field;
    grid->addWidget(new QLabel(labels[i], panel), i / 2, (i % 2) * 2);
    grid->addWidget(field, i / 2, (i % 2) * 2 + 1);
  }
  return panel;
}

QWidget* TUtilFMod::BuildFormsPanel() {
  QGroupBox* panel = NewPanel(this, "PanelImprimes", "Imprimés");
  auto* box = new QVBoxLayout(panel);
  BtTache_ = NewButton("BtTache", "Tâches Arb.", &TUtilFMod::BtTacheClick);
  BtAppel_ = NewButton("BtAppel", "Appel", &TUtilFMod::BtAppelClick);
  Btcrendarb_ = NewButton("Btcrendarb", "compte rendu", &TUtilFMod::BtcrendarbClick);
  BpFrais_ = NewButton("BpFrais", "Frais Arbitrage", &TUtilFMod::BpFraisClick);
  BtComptgt_ = NewButton("BtComptgt", "Comptabilité", &TUtilFMod::BtComptgtClick);
  BtCommi_ = NewButton("BtCommi", "Comission d'appel", &TUtilFMod::BtCommiClick);
  for (QPushButton* b : {BtTache_, BtAppel_, Btcrendarb_, BpFrais_, BtComptgt_, BtCommi_})
    box->addWidget(b);
  box->addStretch();
  return panel;
}

QWidget* TUtilFMod::BuildTemplatesPanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName("PanelEnregistrement");
  auto* box = new QVBoxLayout(panel);
  for (const char* line : {"Enregistrement", "des fichiers", "Word", "Excel"}) {
    auto* label = new QLabel(line, panel);
    label->setAlignment(Qt::AlignHCenter);
    box->addWidget(label);
  }
  BtEnregistre_ = NewButton("BtEnregistre", "Enregistrer", &TUtilFMod::BtEnregistreClick);
  box->addWidget(BtEnregistre_);
  return panel;
}

bool TUtilFMod::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return KedWindow::event(e);
}

void TUtilFMod::FormActivate() {
  BtEnregistrer_->setText(kSaveCaption);
  ReloadConfiguration(config_, ctx_.ProgramFile(kConfigFileName), ctx_.locale);
  ShowConfiguration();
  for (QLineEdit* field : numbers_) field->setEnabled(false);
  for (size_t i = 1; i < names_.size(); ++i) names_[i]->setEnabled(false);
  for (QPushButton* b : {BtEnregistrer_, BtAppel_, BtComptgt_, Btcrendarb_, BtEnregistre_,
                         BtTache_, BpFrais_, BtCommi_})
    b->setEnabled(false);
  EditPasseword_->clear();
  EditPasseword_->setEnabled(true);
}

void TUtilFMod::ShowConfiguration() {
  for (size_t i = 0; i < kConfigNumberCount; ++i)
    numbers_[i]->setText(Q(ConfigNumberText(ConfigNumber(config_, i), ctx_.locale)));
  names_[1]->setText(Q(config_.committeeName));
  for (size_t i = 0; i < 4; ++i) {
    names_[2 + i]->setText(Q(config_.ftp[i]));
    names_[6 + i]->setText(Q(config_.smtp[i]));
  }
  names_[10]->setText(Q(config_.magicContestContact));
  names_[11]->setText(Q(config_.refereeContact));
}

void TUtilFMod::EditPassewordChange() {
  if (!IsConfigurationPassword(S(EditPasseword_->text()))) return;
  BtAppel_->setEnabled(true);
  Btcrendarb_->setEnabled(true);
  BtEnregistre_->setEnabled(true);
  EditPasseword_->clear();
  EditPasseword_->setEnabled(false);
  BtTache_->setEnabled(true);
  BpFrais_->setEnabled(true);
  BtCommi_->setEnabled(true);
  for (size_t i = 1; i < names_.size(); ++i) names_[i]->setEnabled(true);
  // The committee may also save the names it has just unlocked.
  BtEnregistrer_->setEnabled(true);
}

void TUtilFMod::BtQuitterClick() { hide(); }

void TUtilFMod::DesignForm(const std::string& button) {
  std::string path;
  for (const CommitteeForm& form : CommitteeForms())
    if (button == form.button) path = ctx_.ProgramFile(form.templateFile);
  // Another form's template must never be edited in place of a missing one.
  if (!report_.OpenTemplate(path)) {
    ctx_.platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  EditTemplate(report_, ctx_.platform);
}

void TUtilFMod::BtTacheClick() { DesignForm("BtTache"); }
void TUtilFMod::BtAppelClick() { DesignForm("BtAppel"); }
void TUtilFMod::BtcrendarbClick() { DesignForm("Btcrendarb"); }
void TUtilFMod::BpFraisClick() { DesignForm("BpFrais"); }
void TUtilFMod::BtComptgtClick() { DesignForm("BtComptgt"); }
void TUtilFMod::BtCommiClick() { DesignForm("BtCommi"); }

void TUtilFMod::BtEnregistreClick() { SaveTemplates(ctx_.platform, ctx_.programFolder); }

void TUtilFMod::BtEnregistrerClick() {
  ConfigurationEntries entries;
  for (size_t i = 0; i < kConfigNumberCount; ++i) entries.numbers[i] = S(numbers_[i]->text());
  entries.committeeName = S(names_[1]->text());
  for (size_t i = 0; i < entries.ftp.size(); ++i) entries.ftp[i] = S(names_[2 + i]->text());
  entries.magicContestContact = S(names_[10]->text());
  entries.refereeContact = S(names_[11]->text());
  if (auto failure =
          SaveConfiguration(config_, entries, ctx_.ProgramFile(kConfigFileName), ctx_.locale))
    ctx_.platform.ShowMessage(*failure);
}

}  // namespace ked

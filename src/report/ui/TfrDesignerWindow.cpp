#include "report/ui/TfrDesignerWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/ui/QtText.h"
#include "report/ui/TemplateCanvas.h"

namespace ked {

namespace {

constexpr const char* kDesignerHelpFile = "FRuser.hlp";
constexpr int kDesignerHelpNumber = 2;
constexpr int kObjectRole = Qt::UserRole;  // tree items: the band, and the object or -1
constexpr int kBandRole = Qt::UserRole + 1;

// " si MiTemps", " si non MiTemps": the designer shows every object, so it says
// which are printed only on a condition.
QString ConditionLabel(const VisibleIf& condition) {
  if (condition.variable.empty()) return {};
  return QString(condition.negated ? " si non " : " si ") + Q(condition.variable);
}

QString ObjectLabel(const TemplateObject& object) {
  switch (object.item.kind) {
    case ReportItem::Kind::Line: return "Trait" + ConditionLabel(object.visibleIf);
    case ReportItem::Kind::Frame: return "Cadre" + ConditionLabel(object.visibleIf);
    case ReportItem::Kind::Text: break;
  }
  QString text = Q(object.item.text).replace('\n', ' ');
  if (text.size() > 40) text = text.left(40) + "…";
  return "Texte « " + text + " »" + ConditionLabel(object.visibleIf);
}

QString BandLabel(const TemplateBand& band) {
  QString label = QString("%1 %2").arg(BandKindKeyword(band.kind), Q(band.name));
  if (!band.dataset.empty()) label += " (" + Q(band.dataset) + ")";
  return label + ConditionLabel(band.visibleIf);
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QDoubleSpinBox* MmField(QWidget* parent, const char* name) {
  auto* field = new QDoubleSpinBox(parent);
  field->setObjectName(name);
  field->setRange(-1000, 1000);
  field->setDecimals(1);
  field->setSingleStep(0.5);
  field->setSuffix(" mm");
  return field;
}

}  // namespace

TfrDesignerWindow::TfrDesignerWindow(const std::string& templatePath, Platform& platform,
                                     QWidget* parent)
    : QDialog(parent), path_(templatePath), platform_(platform) {
  setObjectName("TfrDesignerWindow");
  setModal(true);
  TemplateParseError error;
  auto model = LoadTemplateFile(templatePath, error);
  if (!model) {
    loadError_ = TemplateErrorMessage(templatePath, error);
    return;
  }
  editor_ = std::make_unique<TemplateEditor>(std::move(*model));
  BuildControls();
  FillTree();
  ShowSelection();
  UpdateCaption();
  resize(1100, 750);
}

TfrDesignerWindow::~TfrDesignerWindow() = default;

void TfrDesignerWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  CbPage = new QComboBox(this);
  CbPage->setObjectName("CbPage");
  for (size_t i = 0; i < editor_->Model().pages.size(); ++i)
    CbPage->addItem(QString("Page %1").arg(i + 1));
  CbPage->setEnabled(CbPage->count() > 1);
  BtAddText = Button(this, "BtAddText", "Ajouter un texte");
  BtAddLine = Button(this, "BtAddLine", "Ajouter un trait");
  BtAddFrame = Button(this, "BtAddFrame", "Ajouter un cadre");
  BtDelete = Button(this, "BtDelete", "Supprimer");
  BtSave = Button(this, "BtSave", "Enregistrer");
  BtHelp = Button(this, "BtHelp", "Aide");
  BtExit = Button(this, "BtExit", "Fermer");
  buttons->addWidget(CbPage);
  for (QWidget* w : std::initializer_list<QWidget*>{BtAddText, BtAddLine, BtAddFrame, BtDelete})
    buttons->addWidget(w);
  buttons->addStretch();
  for (QWidget* w : std::initializer_list<QWidget*>{BtSave, BtHelp, BtExit}) buttons->addWidget(w);
  layout->addLayout(buttons);

  auto* splitter = new QSplitter(this);
  TvObjects = new QTreeWidget(splitter);
  TvObjects->setObjectName("TvObjects");
  TvObjects->setHeaderLabel("Bandes et objets");
  ScDesign = new QScrollArea(splitter);
  ScDesign->setObjectName("ScDesign");
  PnDesign = new TemplateCanvas(*editor_, ScDesign);
  PnDesign->setObjectName("PnDesign");
  ScDesign->setWidget(PnDesign);

  auto* fields = new QWidget(splitter);
  auto* form = new QFormLayout(fields);
  EdText = new QPlainTextEdit(fields);
  EdText->setObjectName("EdText");
  EdText->setToolTip("Les variables s'écrivent entre crochets : [Titre]");
  SpX = MmField(fields, "SpX");
  SpY = MmField(fields, "SpY");
  SpWidth = MmField(fields, "SpWidth");
  SpHeight = MmField(fields, "SpHeight");
  SpFontSize = new QDoubleSpinBox(fields);
  SpFontSize->setObjectName("SpFontSize");
  SpFontSize->setRange(1, 200);
  SpFontSize->setDecimals(1);
  SpFontSize->setSuffix(" pt");
  CkBold = new QCheckBox("Gras", fields);
  CkBold->setObjectName("CkBold");
  CkItalic = new QCheckBox("Italique", fields);
  CkItalic->setObjectName("CkItalic");
  CbAlign = new QComboBox(fields);
  CbAlign->setObjectName("CbAlign");
  CbAlign->addItems({"Gauche", "Centre", "Droite"});
  form->addRow("Texte", EdText);
  form->addRow("Gauche", SpX);
  form->addRow("Haut", SpY);
  form->addRow("Largeur", SpWidth);
  form->addRow("Hauteur", SpHeight);
  form->addRow("Police", SpFontSize);
  form->addRow("", CkBold);
  form->addRow("", CkItalic);
  form->addRow("Alignement", CbAlign);
  splitter->addWidget(TvObjects);
  splitter->addWidget(ScDesign);
  splitter->addWidget(fields);
  splitter->setStretchFactor(1, 1);
  fields->setMaximumWidth(260);
  splitter->setSizes({220, 860, 240});
  layout->addWidget(splitter, 1);

  connect(CbPage, &QComboBox::currentIndexChanged, this, &TfrDesignerWindow::CbPageChange);
  connect(TvObjects, &QTreeWidget::itemSelectionChanged, this, &TfrDesignerWindow::TvObjectsSelect);
  connect(EdText, &QPlainTextEdit::textChanged, this, &TfrDesignerWindow::EdTextChange);
  for (QDoubleSpinBox* field : {SpX, SpY, SpWidth, SpHeight})
    connect(field, &QDoubleSpinBox::valueChanged, this, &TfrDesignerWindow::SpBoxChange);
  connect(SpFontSize, &QDoubleSpinBox::valueChanged, this, &TfrDesignerWindow::FontChange);
  connect(CkBold, &QCheckBox::toggled, this, &TfrDesignerWindow::FontChange);
  connect(CkItalic, &QCheckBox::toggled, this, &TfrDesignerWindow::FontChange);
  connect(CbAlign, &QComboBox::currentIndexChanged, this, &TfrDesignerWindow::CbAlignChange);
  connect(BtAddText, &QPushButton::clicked, this, &TfrDesignerWindow::BtAddTextClick);
  connect(BtAddLine, &QPushButton::clicked, this, &TfrDesignerWindow::BtAddLineClick);
  connect(BtAddFrame, &QPushButton::clicked, this, &TfrDesignerWindow::BtAddFrameClick);
  connect(BtDelete, &QPushButton::clicked, this, &TfrDesignerWindow::BtDeleteClick);
  connect(BtSave, &QPushButton::clicked, this, &TfrDesignerWindow::BtSaveClick);
  connect(BtHelp, &QPushButton::clicked, this, &TfrDesignerWindow::BtHelpClick);
  connect(BtExit, &QPushButton::clicked, this, &TfrDesignerWindow::BtExitClick);
  PnDesign->onSelectionChanged = [this] { ShowSelection(); };
  PnDesign->onObjectChanged = [this] {
    ShowSelection();
    UpdateCaption();
  };
}

void TfrDesignerWindow::UpdateCaption() {
  QString name = Q(std::filesystem::path(path_).filename().string());
  setWindowTitle("Modèle d'état - " + name + (editor_->Modified() ? " *" : ""));
}

void TfrDesignerWindow::FillTree() {
  updating_ = true;
  TvObjects->clear();
  const auto& bands = editor_->Page().bands;
  for (int b = 0; b < static_cast<int>(bands.size()); ++b) {
    auto* bandItem = new QTreeWidgetItem(TvObjects, {BandLabel(bands[b])});
    bandItem->setData(0, kBandRole, b);
    bandItem->setData(0, kObjectRole, -1);
    for (int o = 0; o < static_cast<int>(bands[b].objects.size()); ++o) {
      auto* objectItem = new QTreeWidgetItem(bandItem, {ObjectLabel(bands[b].objects[o])});
      objectItem->setData(0, kBandRole, b);
      objectItem->setData(0, kObjectRole, o);
    }
  }
  TvObjects->expandAll();
  updating_ = false;
}

void TfrDesignerWindow::ShowSelection() {
  updating_ = true;
  const auto& selection = editor_->Selection();
  // The tree follows.
  QTreeWidgetItem* current = nullptr;
  if (selection && selection->band < TvObjects->topLevelItemCount()) {
    QTreeWidgetItem* band = TvObjects->topLevelItem(selection->band);
    current = selection->object >= 0 && selection->object < band->childCount()
                  ? band->child(selection->object)
                  : band;
  }
  TvObjects->setCurrentItem(current);
  if (!current) TvObjects->clearSelection();
  // The fields follow.
  const TemplateObject* object = editor_->Selected();
  const bool isText = object && object->item.kind == ReportItem::Kind::Text;
  for (QWidget* w : std::initializer_list<QWidget*>{SpX, SpY, SpWidth, SpHeight, BtDelete})
    w->setEnabled(object != nullptr);
  for (QWidget* w : std::initializer_list<QWidget*>{EdText, SpFontSize, CkBold, CkItalic, CbAlign})
    w->setEnabled(isText);
  if (object) {
    const ReportItem& item = object->item;
    SpX->setValue(item.x);
    SpY->setValue(item.y);
    SpWidth->setValue(item.width);
    SpHeight->setValue(item.height);
    if (EdText->toPlainText() != Q(item.text)) EdText->setPlainText(Q(item.text));
    SpFontSize->setValue(item.font.size);
    CkBold->setChecked(item.font.bold);
    CkItalic->setChecked(item.font.italic);
    CbAlign->setCurrentIndex(static_cast<int>(item.align));
  } else {
    EdText->clear();
  }
  RefreshSelectedLabel();
  updating_ = false;
  PnDesign->update();
}

void TfrDesignerWindow::RefreshSelectedLabel() {
  const TemplateObject* object = editor_->Selected();
  QTreeWidgetItem* item = TvObjects->currentItem();
  if (object && item && item->parent()) item->setText(0, ObjectLabel(*object));
}

void TfrDesignerWindow::CbPageChange(int index) {
  editor_->SetPage(index);
  FillTree();
  PnDesign->Relayout();
  ShowSelection();
}

void TfrDesignerWindow::TvObjectsSelect() {
  if (updating_) return;
  QTreeWidgetItem* item = TvObjects->currentItem();
  if (!item) return;
  editor_->Select(ObjectRef{item->data(0, kBandRole).toInt(), item->data(0, kObjectRole).toInt()});
  ShowSelection();
}

void TfrDesignerWindow::EdTextChange() {
  if (updating_) return;
  editor_->SetSelectedText(S(EdText->toPlainText()));
  RefreshSelectedLabel();
  UpdateCaption();
  PnDesign->update();
}

void TfrDesignerWindow::SpBoxChange() {
  if (updating_) return;
  editor_->MoveSelectedTo(SpX->value(), SpY->value());
  editor_->ResizeSelected(SpWidth->value(), SpHeight->value());
  ShowSelection();  // the values kept inside the band
  UpdateCaption();
}

void TfrDesignerWindow::FontChange() {
  if (updating_ || !editor_->Selected()) return;
  ReportFont font = editor_->Selected()->item.font;
  font.size = SpFontSize->value();
  font.bold = CkBold->isChecked();
  font.italic = CkItalic->isChecked();
  editor_->SetSelectedFont(font);
  UpdateCaption();
  PnDesign->update();
}

void TfrDesignerWindow::CbAlignChange(int index) {
  if (updating_ || index < 0) return;
  editor_->SetSelectedAlign(static_cast<ReportAlign>(index));
  UpdateCaption();
  PnDesign->update();
}

void TfrDesignerWindow::AddObject(ReportItem::Kind kind) {
  const auto& selection = editor_->Selection();
  editor_->AddObject(selection ? selection->band : 0, kind);
  FillTree();
  ShowSelection();
  UpdateCaption();
}

void TfrDesignerWindow::BtDeleteClick() {
  editor_->RemoveSelected();
  FillTree();
  ShowSelection();
  UpdateCaption();
}

bool TfrDesignerWindow::Save() {
  if (!SaveTemplateFile(path_, editor_->Model())) {
    platform_.MessageBox(MessageKind::Error, "Impossible d'enregistrer le fichier " + path_, BtnOk);
    return false;
  }
  editor_->MarkSaved();
  UpdateCaption();
  return true;
}

void TfrDesignerWindow::BtSaveClick() { Save(); }

void TfrDesignerWindow::BtHelpClick() {
  platform_.ShowHelp(JoinPath(S(QCoreApplication::applicationDirPath()), kDesignerHelpFile),
                     kDesignerHelpNumber);
}

void TfrDesignerWindow::BtExitClick() { done(QDialog::Accepted); }

void TfrDesignerWindow::done(int result) {
  if (editor_ && editor_->Modified()) {
    const MessageButton answer = platform_.MessageBox(
        MessageKind::Confirmation,
        "Enregistrer les modifications de " + std::filesystem::path(path_).filename().string() + " ?",
        BtnYes | BtnNo | BtnCancel);
    if (answer == BtnCancel) return;
    if (answer == BtnYes && !Save()) return;
  }
  QDialog::done(result);
}

}  // namespace ked

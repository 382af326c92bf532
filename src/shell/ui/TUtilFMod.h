#pragma once
// The configuration window: the committee's settings, unlocked by a password,
// the designer on the committee's printed forms and the save of the Word and
// Excel templates into the archive.
#include <array>
#include <memory>

#include "platform/ui/KedWindow.h"
#include "report/ReportEngine.h"
#include "shell/CommitteeConfig.h"
#include "shell/ConfigurationForm.h"

class QLineEdit;
class QPushButton;

namespace ked {

class TUtilFMod : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtilFMod(AppContext& context, QWidget* parent = nullptr);

  // Every time the window becomes the active one: reload and lock.
  void FormActivate();
  void EditPassewordChange();
  void BtQuitterClick();
  void BtTacheClick();
  void BtAppelClick();
  void BtcrendarbClick();
  void BpFraisClick();
  void BtComptgtClick();
  void BtCommiClick();
  void BtEnregistreClick();
  void BtEnregistrerClick();

 protected:
  bool event(QEvent* event) override;

 private:
  QWidget* BuildNamesPanel();
  QWidget* BuildParametersPanel();
  QWidget* BuildServerPanel(const char* name, const QString& title, int firstField,
                            const QStringList& labels);
  QWidget* BuildFormsPanel();
  QWidget* BuildTemplatesPanel();
  QWidget* BuildPasswordPanel();
  QLineEdit* NewField(const QString& name);
  QPushButton* NewButton(const char* name, const QString& caption, void (TUtilFMod::*click)());
  void ShowConfiguration();
  void DesignForm(const std::string& button);

  CommitteeConfig config_;
  TfrReport report_;
  QLineEdit* EditPasseword_ = nullptr;
  std::array<QLineEdit*, kConfigNumberCount> numbers_{};  // in the order of the save
  std::array<QLineEdit*, 12> names_{};                    // EdCpNm1..EdCpNm11 at 1..11
  QPushButton* BtQuitter_ = nullptr;
  QPushButton* BtTache_ = nullptr;
  QPushButton* BtAppel_ = nullptr;
  QPushButton* Btcrendarb_ = nullptr;
  QPushButton* BpFrais_ = nullptr;
  QPushButton* BtComptgt_ = nullptr;
  QPushButton* BtCommi_ = nullptr;
  QPushButton* BtEnregistre_ = nullptr;
  QPushButton* BtEnregistrer_ = nullptr;
};

}  // namespace ked

#pragma once
// The section balancing window: one study shown column by column, its score,
// the search of the best seating with its memory, the report and the seeding
// file for Magic Contest France.
#include <array>
#include <string>

#include "balancing/BalancingSearch.h"
#include "balancing/BalancingStudy.h"
#include "platform/ui/KedWindow.h"
#include "report/ReportEngine.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ked {

class TFUtil_Equilibre : public KedWindow {
  Q_OBJECT
 public:
  explicit TFUtil_Equilibre(AppContext& context, QWidget* parent = nullptr);

  // Handlers, public so that the program and the tests can drive them.
  void FormActivate();
  void UpDownNbreClick();
  void UpDownSeancesClick();
  void PositionClick(int session, int table);
  void AffichageClick();
  void ManuelClick();
  void CalculClick();
  void OptimisationClick();
  void EditionClick();
  void ModificationClick();
  void AideClick();
  void BitBtn1Click();

  const BalancingStudy& Study() const { return study_; }
  // Steps of the walk allowed beyond 15 tables; tests lower it.
  uint64_t searchStepBudget = kSearchStepBudget;
  bool Searching() const { return searching_; }

 protected:
  bool event(QEvent* event) override;

 private:
  void BuildControls();
  void Display();
  void ShowScore();
  void ShowBest();
  void SetStudyControlsEnabled(bool enabled);
  void ShowSessionRows();
  bool RunSearch();  // false when given up
  void frReport1GetValue(const std::string& name, ReportValue& value);
  // Our own boxes and dialogs give the focus back without resetting the study.
  template <typename Call>
  auto OwnDialog(Call call);

  QSpinBox* UpDownNbre;
  QLineEdit* EditNbre;
  QSpinBox* UpDownSeances;
  QLineEdit* EditSeances;
  QLineEdit* Edit1;
  QPushButton* Manuel;
  QPushButton* Affichage;
  std::array<QLabel*, kMaxBalancingTables + 1> T{};
  std::array<QLabel*, kMaxBalancingTables + 1> E{};
  std::array<QCheckBox*, kMaxBalancingTables + 1> S{};
  std::array<QCheckBox*, kMaxBalancingTables + 1> SS{};
  std::array<QCheckBox*, kMaxBalancingTables + 1> SSS{};
  std::array<QLabel*, kMaxBalancingTables + 1> M{};
  QPushButton* Calcul;
  QLabel* Moyen;
  QLabel* Ecart;
  QPushButton* Optimisation;
  QCheckBox* ArretPC;
  QProgressBar* ProgressBar1;
  QLabel* Verif;
  QLabel* NbVerif;
  QLabel* Label5;
  QLineEdit* Edit2;
  QPushButton* Edition;
  QSpinBox* SpEd_A;
  QSpinBox* SpEd_B;
  QSpinBox* SpEd_C;
  QGroupBox* RadGp_F;
  QRadioButton* RadGp_F_Completes;
  QRadioButton* RadGp_F_Incompletes;
  QPushButton* Modification;
  QPushButton* Aide;
  QPushButton* BitBtn1;

  TfrReport frReport1;
  BalancingStudy study_;
  bool searching_ = false;
  bool ownDialog_ = false;
  bool updating_ = false;  // controls set from code call no handler
  int progressShift_ = 0;
};

}  // namespace ked

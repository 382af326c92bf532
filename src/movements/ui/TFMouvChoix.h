#pragma once
// "Util_Ked Choisir Mouvements Inter-Séances": the proposals of the catalogue for
// a number of pairs and sessions, the extraction of the chosen proposal into the
// section settings, and the seeding file for Magic Contest France.
#include <array>

#include "movements/SectionPlan.h"
#include "platform/ui/KedWindow.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace ked {

class TFMouvChoix : public KedWindow {
  Q_OBJECT
 public:
  explicit TFMouvChoix(AppContext& context, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SpPairesChange(int value);
  void SpSeanceChange(int value);
  void SpEd_SectionChange(int value);
  void SpEd_TChange(int value);
  void SpEd_TablesChange(Section section, int value);
  void Bt_AnalyserClick();
  void Button1Click();
  void BtAideClick();
  void BitBtn2Click();
  void ShowCatalogueEntry();
  void SetMemoLines(const std::vector<std::string>& lines);
  // Writes the plan back into the controls, without running their handlers.
  void ShowPlan();

  SectionPlan plan_;
  bool centred_ = false;

  QSpinBox* SpPaires = nullptr;
  QSpinBox* SpSeance = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Bt_Analyser = nullptr;
  QSpinBox* SpEd_Section = nullptr;
  QSpinBox* SpEd_T = nullptr;
  std::array<QGroupBox*, 4> groups_{};           // Rgp_A to Rgp_D
  std::array<QButtonGroup*, 3> kinds_{};         // items of Rgp_A, Rgp_B, Rgp_C
  std::array<QSpinBox*, 4> tables_{};            // SpEd_A to SpEd_D
  std::array<QLabel*, 4> tableLabels_{};
  QPushButton* Button1 = nullptr;
  QPushButton* BtAide = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};

}  // namespace ked

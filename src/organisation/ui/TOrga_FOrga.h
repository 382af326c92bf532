#pragma once
// The competition organisation window: three independent calculators, one per
// panel — timetable proposals, the Swiss Patton bonus, the distribution of
// qualified places among centres.
#include <array>

#include "organisation/Timetable.h"
#include "platform/ui/KedWindow.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class QVBoxLayout;

namespace ked::orga {
class ChoiceRadioGroup;
class RangeSpinEdit;
}  // namespace ked::orga

namespace ked {

class TOrga_FOrga : public KedWindow {
  Q_OBJECT
 public:
  explicit TOrga_FOrga(AppContext& context, QWidget* parent = nullptr);

  // Competition type preset by the main window's commands: the item of
  // RgType (0 "Paires", 1 "Suisse"), or -1 for no type selected.
  Q_INVOKABLE void SetCompetitionType(int item);
  int competitionType() const;

 private:
  void BuildTimetablePanel(QVBoxLayout* window);
  void BuildPattonPanel(QVBoxLayout* window);
  void BuildDistributionPanel(QVBoxLayout* window);
  void FormCreate();
  void ShowFailure(const char* message);

  // Timetable proposals.
  void RgTypeClick(int item);
  void RG1Click(int item);
  void PsClick(int gap);
  void PpClick(int gap);
  void Cb_Nb_PartChange();
  void NbSeChange();
  // Change of DateComp, Heure, NbDo or a gap, click on Ecran.
  void TimetableFieldChange();
  void RefreshTimetable();
  orga::TimetableInput ReadTimetable() const;
  void WriteTimetable(const orga::TimetableResult& result);
  void ShowSessions(int sessions);
  // Rp n := the pause length for the participants; false when they do not read.
  bool SetPauseGap(int gap);
  void SetDefaultGap(int gap);

  // Swiss Patton bonus.
  void NbEqChange();
  void NbTrChange();
  void ComputePatton();

  // Distribution among centres.
  void DistributionFieldChange(orga::RangeSpinEdit* changed);
  void CentresChange();
  void ComputeDistribution();

  void Button1Click();
  void BtQuitterClick();

  // Timetable panel.
  orga::ChoiceRadioGroup* RgType = nullptr;
  QDateEdit* DateComp = nullptr;
  QTimeEdit* Heure = nullptr;
  orga::ChoiceRadioGroup* RG1 = nullptr;
  QComboBox* Cb_Nb_Part = nullptr;
  QLabel* Lb_Part = nullptr;
  orga::RangeSpinEdit* NbSe = nullptr;
  orga::RangeSpinEdit* NbDo = nullptr;
  orga::ChoiceRadioGroup* Ecran = nullptr;
  std::array<QLabel*, orga::kGapCount> Pau{};
  std::array<QCheckBox*, orga::kGapCount> Ps{};
  std::array<QLabel*, orga::kGapCount> Rep{};
  std::array<QCheckBox*, orga::kGapCount> Pp{};
  std::array<orga::RangeSpinEdit*, orga::kGapCount> Rp{};
  QLineEdit* Sc0 = nullptr;
  std::array<QLineEdit*, orga::kMaxSessions> Sc{};
  std::array<QLineEdit*, orga::kMaxSessions> Sf{};
  QLineEdit* Phrase = nullptr;
  QLineEdit* Horraire = nullptr;
  QLineEdit* Modalite = nullptr;
  QPushButton* Button1 = nullptr;

  // Patton panel.
  orga::RangeSpinEdit* NbEq = nullptr;
  orga::RangeSpinEdit* NbTr = nullptr;
  QLineEdit* Bonus = nullptr;
  QLabel* Information = nullptr;

  // Distribution panel.
  orga::RangeSpinEdit* Centres = nullptr;
  orga::RangeSpinEdit* Qa = nullptr;
  orga::RangeSpinEdit* Qo = nullptr;
  static constexpr int kRows = 6;
  std::array<QLabel*, kRows> Etiq{};
  std::array<orga::RangeSpinEdit*, kRows> Ce{};
  std::array<QLineEdit*, kRows> E{};
  std::array<QLineEdit*, kRows> Qn{};  // Q1..Q6
  QPushButton* BtQuitter = nullptr;
};

}  // namespace ked

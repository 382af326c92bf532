#pragma once
// "Calcul des barêmes : IMPs -> PV": the VP of one IMP difference, and the
// printed scale of a match length.
#include "platform/ui/KedWindow.h"
#include "report/ReportEngine.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ked {

class TUtil_FPV : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtil_FPV(AppContext& context, QWidget* parent = nullptr);

  void SpDonnesChange();
  void SpImpsChange();
  void Button1Click();
  void BitBtn1Click();
  void frReport1GetValue(const std::string& name, ReportValue& value);

 private:
  int Deals() const;
  int Imps() const;
  void ShowVp();

  QSpinBox* SpDonnes;
  QSpinBox* SpImps;
  QLineEdit* EdGagnant;
  QLineEdit* EdPerdant;
  QPushButton* Button1;
  QPushButton* BitBtn1;
  TfrReport frReport1;
  TfrUserDataset frUserDataset1{"frUserDataset1"};
};

}  // namespace ked

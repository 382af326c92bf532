#pragma once
// The GaNa paperwork: table cards and route sheets of three teams on three
// tables over three series of boards.
#include "platform/ui/KedWindow.h"
#include "report/ReportEngine.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ked {

class TUtilGhaF : public KedWindow {
  Q_OBJECT
 public:
  explicit TUtilGhaF(AppContext& context, QWidget* parent = nullptr);

  void NbEtuisChange();
  void Ho1Change();
  void RdBtAvecEcransClick();
  void RdBtSansEcranClick();
  void BpFichesClick();
  void BpViergeClick();
  void BpQuitterClick();
  void frReport1GetValue(const std::string& name, ReportValue& value);

 private:
  void ShowTimes();
  void Print(const char* templateName);

  QSpinBox* NbEtuis;
  QRadioButton* RdBtAvecEcrans;
  QRadioButton* RdBtSansEcran;
  QLineEdit* EqA;
  QLineEdit* EqB;
  QLineEdit* EqC;
  QLineEdit* TaA;
  QLineEdit* TaB;
  QLineEdit* TaC;
  QLineEdit* SeA;
  QLineEdit* SeB;
  QLineEdit* SeC;
  QLineEdit* Ho1;
  QLineEdit* Ho2;
  QLineEdit* Ho3;
  QLineEdit* Ho4;
  QCheckBox* CkBxMiTemps;
  QPushButton* BpFiches;
  QPushButton* BpVierge;
  QPushButton* BpQuitter;
  TfrReport frReport1;
  TfrUserDataset frUserDataset1{"frUserDataset1"};
};

}  // namespace ked

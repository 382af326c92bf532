#include "organisation/ui/TOrga_FOrga.h"

#include <QDate>
#include <QDateEdit>
#include <QVBoxLayout>

#include "organisation/ui/ChoiceRadioGroup.h"
#include "platform/DateTime.h"

namespace ked {

using namespace orga;

TOrga_FOrga::TOrga_FOrga(AppContext& context, QWidget* parent)
    : KedWindow(context, "TOrga_FOrga", parent) {
  setWindowTitle("Organisation des Compétitions");
  auto* layout = new QVBoxLayout(this);
  BuildTimetablePanel(layout);
  BuildPattonPanel(layout);
  BuildDistributionPanel(layout);
  FormCreate();
}

void TOrga_FOrga::FormCreate() {
  const CivilDate today = CivilFromDayNumber(ctx_.platform.Today());
  DateComp->setDate(QDate(today.year, today.month, today.day));
  ComputePatton();
  RefreshTimetable();
}

void TOrga_FOrga::SetCompetitionType(int item) {
  // Anything but an item of RgType selects none.
  RgType->setItemIndex(item >= 0 && item < RgType->count() ? item : -1);
}

int TOrga_FOrga::competitionType() const { return RgType->itemIndex(); }

void TOrga_FOrga::ShowFailure(const char* message) { ctx_.platform.ShowMessage(message); }

void TOrga_FOrga::Button1Click() { hide(); }

void TOrga_FOrga::BtQuitterClick() { hide(); }

}  // namespace ked

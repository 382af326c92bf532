#include "scales/ui/VpScaleReport.h"

#include "scales/VpScale.h"

namespace ked {

void SetVpScaleRows(TfrUserDataset& dataset) {
  dataset.RangeEnd = TfrUserDataset::reCount;
  dataset.RangeEndCount = kVpScaleRows;
}

void VpScaleValue(int deals, int row, const LocaleFormat& locale, const std::string& name,
                  ReportValue& value) {
  const auto margin = [&] {
    return VpMargin(static_cast<uint8_t>(deals), static_cast<uint8_t>(row));
  };
  if (name == "Nbr_Donnes")
    value = VpScaleTitle(deals);
  else if (name == "d_i")
    value = std::to_string(row);
  else if (name == "d_PvG")
    value = WinnerVp(margin(), locale);
  else if (name == "d_PvP")
    value = LoserVp(margin(), locale);
}

}  // namespace ked

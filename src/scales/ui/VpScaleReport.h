#pragma once
// The printed IMP to VP scale: "Impress_Pv.frf" repeated over a dataset of one
// row per IMP difference. Shared by the window and ked-cli.
#include <string>

#include "platform/LocaleFormat.h"
#include "report/ReportEngine.h"

namespace ked {

inline constexpr const char* kVpScaleTemplate = "Impress_Pv.frf";

// The dataset ends after the rows 0 to 87.
void SetVpScaleRows(TfrUserDataset& dataset);

// Answers "Nbr_Donnes", "d_i", "d_PvG" and "d_PvP" for the row; leaves any
// other name untouched.
void VpScaleValue(int deals, int row, const LocaleFormat& locale, const std::string& name,
                  ReportValue& value);

}  // namespace ked

#include "pool/ui/PoolReport.h"

#include <algorithm>

#include "pool/PoolView.h"

namespace ked {

void SetPoolReportRows(int count, TfrUserDataset& tables, TfrUserDataset& rounds) {
  tables.RangeEnd = TfrUserDataset::reCount;
  tables.RangeEndCount = count / 2;
  rounds.RangeEnd = TfrUserDataset::reCount;
  // An empty pool has no round: nothing to print rather than a negative count.
  rounds.RangeEndCount = std::max(0, count - 1);
}

void PoolReportGetValue(const Pool& pool, const RoundTable& printed, bool serpentine,
                        const TfrUserDataset& tables, const TfrUserDataset& rounds,
                        const std::string& name, ReportValue& value) {
  const PoolReportValue answer = PoolReportVariable(name, pool, printed, serpentine,
                                                    rounds.RecNo() + 1, tables.RecNo() + 1);
  if (const auto* text = std::get_if<std::string>(&answer)) value = *text;
  else if (const auto* number = std::get_if<long long>(&answer)) value = *number;
}

void PoolReportManualBuild(int count, TfrUserDataset& tables, TfrUserDataset& rounds,
                           ReportBuildPage& page) {
  StartNextPage(page);
  rounds.First();
  for (int r = 1; r <= count - 1; ++r) {
    EmitBand(page, "Donnees1");
    tables.First();
    for (int t = 1; t <= count / 2; ++t) {
      EmitBand(page, "Donnees2");
      tables.Next();
    }
    if (PageBreakAfterRound(count, r)) StartNextPage(page);
    rounds.Next();
  }
}

}  // namespace ked

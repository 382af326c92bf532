#pragma once
// The pool's report "Poules.frf": one band "Donnees1" per round, one band
// "Donnees2" per table, pages broken every few rounds so that a round never
// straddles two pages.
#include <string>

#include "pool/Utildec.h"
#include "report/ReportEngine.h"

namespace ked {

inline constexpr const char* kPoolTemplate = "Poules.frf";

// frUserDataset1 counts the tables (count div 2), frUserDataset2 the rounds
// (count - 1, none for an empty pool).
void SetPoolReportRows(int count, TfrUserDataset& tables, TfrUserDataset& rounds);

// The value callback: round and table are the datasets' current rows + 1.
void PoolReportGetValue(const Pool& pool, const RoundTable& printed, bool serpentine,
                        const TfrUserDataset& tables, const TfrUserDataset& rounds,
                        const std::string& name, ReportValue& value);

// The manual build of the report's page.
void PoolReportManualBuild(int count, TfrUserDataset& tables, TfrUserDataset& rounds,
                           ReportBuildPage& page);

}  // namespace ked

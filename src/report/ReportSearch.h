#pragma once
// Finding a text in a built report, as the preview's find button does.
#include <optional>
#include <string>

#include "report/ReportDocument.h"

namespace ked {

struct ReportPosition {
  int page = 0, item = 0;
  bool operator==(const ReportPosition&) const = default;
};

// The first text item after `after` (from the start when nothing) holding the
// searched text, regardless of the case of unaccented letters; the search goes
// round to the start. Nothing for an empty search or no match.
std::optional<ReportPosition> FindInReport(const ReportDocument& document, const std::string& text,
                                           std::optional<ReportPosition> after);

}  // namespace ked

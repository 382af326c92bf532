#pragma once
// A built report saved as it is laid out (".frp", text, see
// docs/report-templates.md), so that the preview can load it again.
#include <optional>
#include <string>

#include "report/ReportDocument.h"
#include "report/ReportTemplate.h"

namespace ked {

std::string WriteReportFile(const ReportDocument& document);
std::optional<ReportDocument> ParseReportFile(const std::string& text, TemplateParseError& error);

bool SaveReportFile(const std::string& path, const ReportDocument& document);
// Nothing when the file is missing or malformed, the reason in error.
std::optional<ReportDocument> LoadReportFile(const std::string& path, TemplateParseError& error);

}  // namespace ked

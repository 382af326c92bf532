#pragma once
// A progress window while a report builds, for PreviewReport: shown only when
// the build lasts, with a button that stops it.
#include <memory>
#include <string>

#include "report/ReportEngine.h"

namespace ked {

// The window over the active window, titled after the report, shown once the
// build has lasted showAfterMs. For SetReportBuildProgressFactory:
//   SetReportBuildProgressFactory([](const std::string& t) { return MakeBuildProgressWindow(t); });
std::unique_ptr<ReportBuildProgress> MakeBuildProgressWindow(const std::string& title,
                                                             int showAfterMs = 500);

}  // namespace ked

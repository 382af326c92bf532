// ked-cli pool: a team list's pool, its serpentine and optimised orders, or
// its printed form as a PDF file.
#include "cli/CliRegistry.h"
#include "cli/ui/OffscreenApplication.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "pool/PoolListing.h"
#include "pool/PoulOpt.h"
#include "pool/Serpentine.h"
#include "pool/TeamList.h"
#include "pool/ui/PoolReport.h"
#include "report/ui/ReportPdf.h"

namespace {

constexpr const char* kUsage = "FICHIER [--pdf SORTIE.pdf [--serpentine]]";

int RenderPdf(const ked::Pool& pool, const ked::RoundTable& printed, bool serpentine,
              const std::string& pdfPath, std::ostream& err) {
  const std::string templatePath = ked::cli::ProgramFolder() + ked::kPoolTemplate;
  if (!ked::FileExists(templatePath)) {
    err << ked::MissingFileMessage(templatePath) << '\n';
    return 1;
  }
  ked::cli::OffscreenApplication app;

  ked::TfrReport report;
  ked::TfrUserDataset tables("frUserDataset1"), rounds("frUserDataset2");
  report.AddDataset(tables);
  report.AddDataset(rounds);
  report.Dataset = &rounds;
  report.OnGetValue = [&](const std::string& variable, ked::ReportValue& value) {
    ked::PoolReportGetValue(pool, printed, serpentine, tables, rounds, variable, value);
  };
  report.OnManualBuild = [&](ked::ReportBuildPage& page) {
    ked::PoolReportManualBuild(pool.count, tables, rounds, page);
  };
  report.OpenTemplate(templatePath);
  ked::SetPoolReportRows(pool.count, tables, rounds);
  std::string error;
  if (ked::BuildReportToPdf(report, pdfPath, error)) return 0;
  err << error << '\n';
  return 1;
}

int RunPool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0].starts_with("--")) {
    err << "usage : ked-cli pool " << kUsage << '\n';
    return 64;
  }
  const ked::TeamListImport read = ked::ImportTeamList(args[0]);
  if (!read.success) {
    err << (read.message.empty() ? std::string("fichier rejeté") : read.message) << '\n';
    return 1;
  }
  ked::Pool pool = read.pool;
  ked::SortTeams(pool);
  const ked::RoundTable serpentine = ked::BuildSerpentine(pool);
  const ked::RoundTable optimised = ked::BuildOptimised(pool, serpentine);

  if (const std::string* pdf = ked::cli::FlagValue(args, "--pdf")) {
    const bool serp = ked::cli::HasFlag(args, "--serpentine");
    return RenderPdf(pool, serp ? serpentine : optimised, serp, *pdf, err);
  }
  out << ked::PoolListing(pool, serpentine, optimised);
  return 0;
}

}  // namespace

static ked::cli::Registrar reg{"pool", kUsage, RunPool};

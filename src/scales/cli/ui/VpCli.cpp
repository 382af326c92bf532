// ked-cli vp: the VP of an IMP difference, the whole scale, or its printed form.
#include <optional>

#include "cli/CliRegistry.h"
#include "cli/ui/OffscreenApplication.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "platform/RuntimeConvert.h"
#include "report/ui/ReportPdf.h"
#include "scales/ScaleListings.h"
#include "scales/VpScale.h"
#include "scales/ui/VpScaleReport.h"

namespace {

constexpr const char* kUsage = "DEALS (IMPS | --scale | --pdf OUT.pdf)";

std::optional<int> InRange(const std::string& text, int minimum, int maximum) {
  const auto value = ked::StrToInt(text);
  if (!value || *value < minimum || *value > maximum) return std::nullopt;
  return *value;
}

int RenderPdf(int deals, const std::string& pdfPath, std::ostream& err) {
  const std::string templatePath = ked::cli::ProgramFolder() + ked::kVpScaleTemplate;
  if (!ked::FileExists(templatePath)) {
    err << ked::MissingFileMessage(templatePath) << '\n';
    return 1;
  }
  ked::cli::OffscreenApplication app;

  ked::TfrReport report;
  ked::TfrUserDataset rows("frUserDataset1");
  report.AddDataset(rows);
  report.Dataset = &rows;
  const ked::LocaleFormat locale = ked::LocaleFormat::French();
  report.OnGetValue = [&](const std::string& variable, ked::ReportValue& value) {
    ked::VpScaleValue(deals, rows.RecNo(), locale, variable, value);
  };
  report.OpenTemplate(templatePath);
  ked::SetVpScaleRows(rows);
  std::string error;
  if (ked::BuildReportToPdf(report, pdfPath, error)) return 0;
  err << error << '\n';
  return 1;
}

int RunVp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto deals =
      args.empty() ? std::nullopt : InRange(args[0], ked::kVpMinDeals, ked::kVpMaxDeals);
  if (!deals) {
    err << "usage : ked-cli vp " << kUsage << "\n  DEALS : de 2 à 48 donnes\n";
    return 64;
  }
  const ked::LocaleFormat locale = ked::LocaleFormat::French();
  if (const std::string* pdf = ked::cli::FlagValue(args, "--pdf"))
    return RenderPdf(*deals, *pdf, err);
  if (ked::cli::HasFlag(args, "--scale")) {
    out << ked::VpScaleListing(*deals, locale);
    return 0;
  }
  const auto imps = args.size() == 2 ? InRange(args[1], 0, ked::kVpMaxImps) : std::nullopt;
  if (!imps) {
    err << "usage : ked-cli vp " << kUsage << "\n  IMPS : de 0 à 90 IMPs d'écart\n";
    return 64;
  }
  out << ked::VpLine(*deals, *imps, locale) << '\n';
  return 0;
}

}  // namespace

static ked::cli::Registrar reg{"vp", kUsage, RunVp};

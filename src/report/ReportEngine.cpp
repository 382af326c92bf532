#include "report/ReportEngine.h"

#include <filesystem>

#include "platform/FileIO.h"
#include "report/ReportLayout.h"
#include "report/ReportTemplate.h"

namespace ked {

namespace {

// More rows than any of the program's reports prints: a dataset left without
// an end (reDefault) is caught here instead of filling pages for ever.
constexpr int kMaxDatasetRows = 100000;

ReportBuildProgressFactory& ProgressFactory() {
  static ReportBuildProgressFactory factory;
  return factory;
}

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

TfrUserDataset::TfrUserDataset(std::string componentName) : name_(std::move(componentName)) {}

TfrReport::TfrReport() = default;
TfrReport::~TfrReport() = default;

void TfrReport::AddDataset(TfrUserDataset& dataset) {
  for (auto* known : datasets_)
    if (known == &dataset) return;
  datasets_.push_back(&dataset);
}

TfrUserDataset* TfrReport::FindDataset(const std::string& name) const {
  for (auto* dataset : datasets_)
    if (dataset->Name() == name) return dataset;
  if (Dataset && Dataset->Name() == name) return Dataset;
  return nullptr;
}

bool TfrReport::OpenTemplate(const std::string& path) {
  if (!FileExists(path)) return false;
  path_ = path;
  TemplateParseError error;
  auto loaded = LoadTemplateFile(path, error);
  if (loaded) {
    template_ = std::make_unique<ReportTemplate>(std::move(*loaded));
    loadError_.clear();
  } else {
    template_.reset();
    loadError_ = TemplateErrorMessage(path, error);
  }
  return true;
}

// One build of a report: the engine's own filling, or the window's manual build.
class ReportBuilder {
 public:
  ReportBuilder(TfrReport& report, ReportDocument& out) : report_(report), out_(out) {}

  void Run(const ReportTemplate& model) {
    for (const auto& page : model.pages) {
      ReportBuildPage build(page, out_, [this](const std::string& name) { return ValueOf(name); });
      if (report_.OnBuildProgress)
        build.onPageStarted = [this](int pages) {
          if (!report_.OnBuildProgress(pages)) throw ReportBuildCancelled();
        };
      if (report_.OnManualBuild) report_.OnManualBuild(build);
      else FillPage(build);
      build.Finish();
    }
  }

 private:
  ReportValue ValueOf(const std::string& name) {
    ReportValue value;
    if (report_.OnGetValue) report_.OnGetValue(name, value);
    if (std::holds_alternative<std::monostate>(value) && name == "PAGE#")
      value = static_cast<long long>(out_.pages.size());
    return value;
  }

  // Titles, then each master band over its dataset with the detail bands that
  // follow it over theirs for every master row, then summaries.
  void FillPage(ReportBuildPage& build) {
    const auto& bands = build.Template().bands;
    for (const auto& band : bands)
      if (band.kind == BandKind::Title) build.Emit(band);
    for (size_t i = 0; i < bands.size(); ++i) {
      if (bands[i].kind != BandKind::MasterData && bands[i].kind != BandKind::DetailData) continue;
      std::vector<const TemplateBand*> details;
      if (bands[i].kind == BandKind::MasterData)
        for (size_t j = i + 1; j < bands.size() && bands[j].kind == BandKind::DetailData; ++j)
          details.push_back(&bands[j]);
      Repeat(build, bands[i], details);
      i += details.size();
    }
    for (const auto& band : bands)
      if (band.kind == BandKind::Summary) build.Emit(band);
  }

  void Repeat(ReportBuildPage& build, const TemplateBand& band,
              const std::vector<const TemplateBand*>& details) {
    auto emitRow = [&] {
      build.Emit(band);
      for (const auto* detail : details) Repeat(build, *detail, {});
    };
    if (band.dataset.empty()) return emitRow();
    TfrUserDataset* dataset = report_.FindDataset(band.dataset);
    if (!dataset)
      throw ReportBuildAborted("la bande " + band.name + " parcourt le jeu de données inconnu " +
                               band.dataset);
    const std::string endless = "le jeu de données " + band.dataset + " de la bande " +
                                band.name + " ne finit pas (nombre de lignes non fixé)";
    int rows = 0;
    try {
      for (dataset->First(); !dataset->Eof(); dataset->Next()) {
        if (++rows > kMaxDatasetRows) throw ReportBuildAborted(endless);
        emitRow();
      }
    } catch (const ReportBuildCancelled&) {
      throw;
    } catch (const ReportBuildAborted&) {
      // Out of pages over a dataset without an end: name the dataset.
      if (dataset->RangeEnd == TfrUserDataset::reDefault) throw ReportBuildAborted(endless);
      throw;
    }
  }

  TfrReport& report_;
  ReportDocument& out_;
};

bool TfrReport::Build(ReportDocument& out, std::string& error) {
  out = ReportDocument{};
  out.templatePath = path_;
  error.clear();
  if (!loadError_.empty()) {
    error = loadError_;
    return false;
  }
  if (!template_) {  // nothing loaded: one blank page
    out.pages.emplace_back();
    return true;
  }
  out.title = template_->title.empty() ? FileNameOf(path_) : template_->title;
  try {
    ReportBuilder(*this, out).Run(*template_);
  } catch (const ReportBuildAborted& aborted) {
    error = "Modèle d'état " + path_ + " : " + aborted.what();
    out.pages.clear();
    return false;
  }
  return true;
}

void SetReportBuildProgressFactory(ReportBuildProgressFactory factory) {
  ProgressFactory() = std::move(factory);
}

void PreviewReport(TfrReport& report, Platform& platform) {
  ReportDocument document;
  std::string error;
  std::unique_ptr<ReportBuildProgress> progress;
  if (!report.OnBuildProgress && ProgressFactory() && report.template_)
    progress = ProgressFactory()(report.template_->title.empty() ? FileNameOf(report.path_)
                                                                 : report.template_->title);
  bool stopped = false;
  struct Detach {  // the report outlives this build's progress display
    TfrReport& report;
    bool attached;
    ~Detach() {
      if (attached) report.OnBuildProgress = nullptr;
    }
  } detach{report, progress != nullptr};
  if (progress)
    report.OnBuildProgress = [&](int pages) {
      stopped = !progress->Step(pages);
      return !stopped;
    };
  const bool built = report.Build(document, error);
  progress.reset();  // closes the display before the preview or the box opens
  if (stopped) return;  // the user's choice, no error box
  if (!built) {
    platform.MessageBox(MessageKind::Error, error, BtnOk);
    return;
  }
  platform.ShowReportPreview(document);
}

void EditTemplate(TfrReport& report, Platform& platform) {
  if (report.TemplatePath().empty()) return;
  platform.EditReportTemplate(report.TemplatePath());
  report.OpenTemplate(report.TemplatePath());  // the designer may have changed the file
}

}  // namespace ked

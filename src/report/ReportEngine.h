#pragma once
// The report binding: a report holds a template (".frf", see ReportTemplate.h),
// is filled at build time by the window's value callback or manual build
// callback, and is shown in the preview through the platform.
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "platform/Platform.h"
#include "report/ReportDocument.h"

namespace ked {

// What the value callback stores; left untouched (monostate), a variable prints empty.
using ReportValue = std::variant<std::monostate, std::string, long long, double, bool>;

// A row source without data: a current row number (0 for the first row) and an
// end rule. With reCount the data ends when the row number reaches
// RangeEndCount; with reDefault it never ends by itself.
class TfrUserDataset {
 public:
  explicit TfrUserDataset(std::string componentName /* e.g. "frUserDataset1" */);
  const std::string& Name() const { return name_; }

  enum RangeEndKind { reDefault, reCount };
  RangeEndKind RangeEnd = reDefault;
  int RangeEndCount = 0;

  int RecNo() const { return recNo_; }
  void First() { recNo_ = 0; }
  void Next() { ++recNo_; }
  bool Eof() const { return RangeEnd == reCount && recNo_ >= RangeEndCount; }

 private:
  std::string name_;
  int recNo_ = 0;
};

class ReportBuildPage;  // what a manual build drives (ReportLayout.h)

// Breaks the page: the next band starts a new page. A page that holds no band
// yet is not broken, so no blank page is ever printed.
void StartNextPage(ReportBuildPage& page);
// Lays the band out below the previous one, asking the value callback for each
// [Variable] now. Names are matched without regard to case; a name the page
// lacks emits nothing.
void EmitBand(ReportBuildPage& page, const std::string& bandName);

struct ReportTemplate;

class TfrReport {
 public:
  TfrReport();
  ~TfrReport();
  TfrReport(const TfrReport&) = delete;
  TfrReport& operator=(const TfrReport&) = delete;

  // Called for each variable while the report builds (handler frReport1GetValue).
  std::function<void(const std::string& name, ReportValue& value)> OnGetValue;
  // Called for each page of the template instead of the engine's own filling
  // (handler frReport1ManualBuild).
  std::function<void(ReportBuildPage& page)> OnManualBuild;
  // Called each time the build starts a page, with the number of pages so far;
  // answering false stops the build (Build then fails with "interrompue").
  std::function<bool(int pages)> OnBuildProgress;
  // The report's own dataset; bands name theirs by component name.
  TfrUserDataset* Dataset = nullptr;
  void AddDataset(TfrUserDataset& dataset);

  // False when the file does not exist, the report keeping the template it held.
  // A malformed file is held too: building it reports the fault.
  bool OpenTemplate(const std::string& path);
  // Builds the pages; false with a French message naming the file and the line
  // (malformed template) or the fault (endless dataset...).
  bool Build(ReportDocument& out, std::string& error);
  const std::string& TemplatePath() const { return path_; }

 private:
  TfrUserDataset* FindDataset(const std::string& name) const;
  friend class ReportBuilder;
  friend void PreviewReport(TfrReport& report, Platform& platform);

  std::string path_;
  std::unique_ptr<ReportTemplate> template_;  // null: none loaded
  std::string loadError_;                     // the fault of a malformed template
  std::vector<TfrUserDataset*> datasets_;
};

// What shows the progress of a build to the user while PreviewReport builds.
class ReportBuildProgress {
 public:
  virtual ~ReportBuildProgress() = default;
  // The build has started page `pages`; false when the user asked to stop.
  virtual bool Step(int pages) = 0;
};
// Gives a progress display for the report titled `title`, or null for none.
using ReportBuildProgressFactory =
    std::function<std::unique_ptr<ReportBuildProgress>(const std::string& title)>;
// Installs the factory PreviewReport uses for reports without OnBuildProgress of
// their own (the desktop sets one; empty: none, the default).
void SetReportBuildProgressFactory(ReportBuildProgressFactory factory);

// Builds and shows the preview (modal, through the platform). A fault while
// building gives an error box naming it, and no preview.
void PreviewReport(TfrReport& report, Platform& platform);
// The designer on the loaded template.
void EditTemplate(TfrReport& report, Platform& platform);

}  // namespace ked

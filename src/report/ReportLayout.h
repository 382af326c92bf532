#pragma once
// Laying bands out on pages: each emitted band goes below the previous one, a
// band that does not fit starts a new page, page headers and footers frame
// every page, and [Variable] names are replaced at emission time.
#include <functional>
#include <stdexcept>
#include <string>

#include "report/ReportDocument.h"
#include "report/ReportEngine.h"
#include "report/ReportTemplate.h"

namespace ked {

// Stops a build that would not end (an endless dataset, a runaway manual build).
class ReportBuildAborted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Stops a build the user asked to stop.
class ReportBuildCancelled : public ReportBuildAborted {
 public:
  ReportBuildCancelled() : ReportBuildAborted("construction de l'état interrompue") {}
};

inline constexpr size_t kMaxReportPages = 2000;

// The text of a value as it prints: strings as they are, numbers plainly or
// with the text's format ("0.00": two decimals with a point), booleans Vrai/Faux.
std::string ValueText(const ReportValue& value, const std::string& format);

// Whether a value counts as true in [Name?yes|no] and "if Name": a boolean as
// it is, a number other than 0, a string not empty; unanswered, false.
bool IsTrueValue(const ReportValue& value);

// Replaces each [Name] of a text by the text of its value, and each
// [Name?yes|no] by "yes" or "no" as the value is true or not ("|no" may be left
// out); a "[" left open prints as it is.
std::string ExpandVariables(const std::string& text, const std::string& format,
                            const std::function<ReportValue(const std::string&)>& valueOf);

class ReportBuildPage {
 public:
  using ValueLookup = std::function<ReportValue(const std::string& name)>;

  ReportBuildPage(const TemplatePage& page, ReportDocument& out, ValueLookup valueOf);

  // Called as each page starts, with the number of pages of the report so far.
  std::function<void(int pages)> onPageStarted;

  const TemplatePage& Template() const { return page_; }
  const TemplateBand* FindBand(const std::string& name) const;  // without regard to case
  void Emit(const TemplateBand& band);
  void BreakPage();
  // Ends the last page (its footer); a template page that emitted nothing still
  // gives a page.
  void Finish();

 private:
  void OpenPage();
  void ClosePage();
  void Lay(const TemplateBand& band, double top);
  bool Visible(const VisibleIf& condition) const;
  double BodyBottom() const;

  const TemplatePage& page_;
  ReportDocument& out_;
  ValueLookup valueOf_;
  bool open_ = false;          // a page of this build is in progress
  bool opened_ = false;        // this template page has given a page already
  bool hasBody_ = false;       // it holds a band besides headers and footers
  bool breakPending_ = false;  // the next band starts a new page
  double cursorY_ = 0;
};

}  // namespace ked

#pragma once
// The report template of a ".frf" file: pages, bands and objects, read from and
// written to the line-based text format of docs/report-templates.md.
#include <optional>
#include <string>
#include <vector>

#include "report/ReportDocument.h"

namespace ked {

enum class BandKind { PageHeader, Title, MasterData, DetailData, Summary, PageFooter, Child };

const char* BandKindKeyword(BandKind kind);  // "pageheader", "title", ...

// Shows a band or an object only when a variable's value is true ("if Name"), or
// false ("if not Name"); see IsTrueValue (ReportLayout.h).
struct VisibleIf {
  std::string variable;  // empty: always shown
  bool negated = false;
  bool operator==(const VisibleIf&) const = default;
};

// An object of a band, positioned from the band's top-left corner (inside the
// page margins), in millimetres. A text's content may hold [Variable] names.
struct TemplateObject {
  ReportItem item;
  std::string format;  // texts: the format of numeric values, "0", "0.00", "0,0"; empty: plain
  VisibleIf visibleIf;
};

struct TemplateBand {
  BandKind kind = BandKind::Child;
  std::string name;
  std::string dataset;  // component name of the dataset it repeats over; empty: none
  double heightMm = 10;
  VisibleIf visibleIf;  // hidden, a band takes no room (page footers keep theirs)
  std::vector<TemplateObject> objects;
};

struct TemplatePage {
  double widthMm = 210, heightMm = 297;
  double marginLeft = 15, marginTop = 15, marginRight = 15, marginBottom = 15;
  std::vector<TemplateBand> bands;
};

struct ReportTemplate {
  std::string title;  // shown in the preview's caption
  std::vector<TemplatePage> pages;
};

struct TemplateParseError {
  int line = 0;  // 1 for the first line of the file
  std::string message;
};

// Parses the text of a template; a fault gives the line and what is wrong.
std::optional<ReportTemplate> ParseTemplate(const std::string& text, TemplateParseError& error);
// The text of a template, in the form ParseTemplate reads back.
std::string WriteTemplate(const ReportTemplate& report);

// "Modèle d'état <file>, ligne <n> : <message>"
std::string TemplateErrorMessage(const std::string& path, const TemplateParseError& error);

// Reads a template file; nothing when the file is missing or malformed, the
// reason being in error (line 0 for a missing or unreadable file).
std::optional<ReportTemplate> LoadTemplateFile(const std::string& path, TemplateParseError& error);
bool SaveTemplateFile(const std::string& path, const ReportTemplate& report);

}  // namespace ked

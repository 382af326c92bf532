#include "report/ReportFile.h"

#include <sstream>

#include "platform/FileIO.h"
#include "report/ReportSyntax.h"

namespace ked {

using namespace report_syntax;

namespace {
constexpr const char* kHeader = "KEDFRP 1";
}

std::string WriteReportFile(const ReportDocument& document) {
  std::string out = std::string(kHeader) + "\n";
  out += "title " + Quote(document.title) + "\n";
  out += "template " + Quote(document.templatePath) + "\n";
  for (const auto& page : document.pages) {
    out += "page " + FormatNumber(page.widthMm) + " " + FormatNumber(page.heightMm) + "\n";
    for (const auto& item : page.items) out += "  " + WriteObjectLine({item, "", {}}) + "\n";
  }
  return out;
}

std::optional<ReportDocument> ParseReportFile(const std::string& text, TemplateParseError& error) {
  ReportDocument document;
  std::istringstream lines(text);
  std::string line, message;
  std::vector<Token> t;
  int number = 0;
  bool haveHeader = false;
  auto fail = [&](const std::string& why) {
    error.line = number;
    error.message = why;
    return std::nullopt;
  };
  while (std::getline(lines, line)) {
    ++number;
    if (!Tokenize(line, t, message)) return fail(message);
    if (t.empty()) continue;
    if (!haveHeader) {
      if (t.size() != 2 || t[0].text + " " + t[1].text != kHeader)
        return fail(std::string("en-tête « ") + kHeader + " » attendu");
      haveHeader = true;
    } else if (t[0].text == "title" && t.size() == 2 && t[1].quoted) {
      document.title = t[1].text;
    } else if (t[0].text == "template" && t.size() == 2 && t[1].quoted) {
      document.templatePath = t[1].text;
    } else if (t[0].text == "page") {
      auto width = t.size() == 3 ? ParseNumber(t[1].text) : std::nullopt;
      auto height = t.size() == 3 ? ParseNumber(t[2].text) : std::nullopt;
      if (!width || !height || *width <= 0 || *height <= 0) return fail("taille de page incorrecte");
      ReportPage page;
      page.widthMm = *width;
      page.heightMm = *height;
      document.pages.push_back(std::move(page));
    } else {
      TemplateObject object;
      bool ok = false;
      if (!ParseObjectLine(t, object, ok, message)) return fail("ligne inconnue « " + t[0].text + " »");
      if (!ok) return fail(message);
      if (document.pages.empty()) return fail("objet avant la première page");
      document.pages.back().items.push_back(std::move(object.item));
    }
  }
  if (!haveHeader) {
    number = number ? number : 1;
    return fail(std::string("en-tête « ") + kHeader + " » attendu");
  }
  return document;
}

bool SaveReportFile(const std::string& path, const ReportDocument& document) {
  return WriteFileBytes(path, WriteReportFile(document));
}

std::optional<ReportDocument> LoadReportFile(const std::string& path, TemplateParseError& error) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) {
    error.line = 0;
    error.message = "fichier manquant ou illisible";
    return std::nullopt;
  }
  return ParseReportFile(*bytes, error);
}

}  // namespace ked

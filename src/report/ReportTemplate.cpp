#include "report/ReportTemplate.h"

#include <sstream>

#include "platform/FileIO.h"
#include "report/ReportSyntax.h"

namespace ked {

using namespace report_syntax;

namespace {

constexpr const char* kMagic = "KEDFRF";
constexpr int kVersion = 1;

struct BandKindName {
  BandKind kind;
  const char* keyword;
};
constexpr BandKindName kBandKinds[] = {
    {BandKind::PageHeader, "pageheader"}, {BandKind::Title, "title"},
    {BandKind::MasterData, "masterdata"}, {BandKind::DetailData, "detaildata"},
    {BandKind::Summary, "summary"},       {BandKind::PageFooter, "pagefooter"},
    {BandKind::Child, "child"},
};

struct PaperSize {
  const char* name;
  double width, height;  // portrait
};
constexpr PaperSize kPapers[] = {
    {"A3", 297, 420}, {"A4", 210, 297}, {"A5", 148, 210}, {"Letter", 215.9, 279.4},
    {"Legal", 215.9, 355.6},
};

// Reads "page A4 portrait margins 15 15 15 15" or "page 210 297 margins ...".
bool ParsePage(const std::vector<Token>& t, TemplatePage& page, std::string& error) {
  size_t i = 1;
  auto number = [&](double& v, const char* what) {
    if (i >= t.size() || t[i].quoted || !(ParseNumber(t[i].text))) {
      error = std::string("nombre attendu pour ") + what;
      return false;
    }
    v = *ParseNumber(t[i++].text);
    return true;
  };
  if (i < t.size() && ParseNumber(t[i].text)) {
    if (!number(page.widthMm, "la largeur de page") || !number(page.heightMm, "la hauteur de page"))
      return false;
  } else if (i < t.size()) {
    const PaperSize* paper = nullptr;
    for (const auto& p : kPapers)
      if (t[i].text == p.name) paper = &p;
    if (!paper) return error = "format de page inconnu « " + t[i].text + " »", false;
    ++i;
    page.widthMm = paper->width;
    page.heightMm = paper->height;
    if (i < t.size() && (t[i].text == "portrait" || t[i].text == "landscape")) {
      if (t[i].text == "landscape") std::swap(page.widthMm, page.heightMm);
      ++i;
    }
  } else {
    return error = "format de page attendu", false;
  }
  if (page.widthMm <= 0 || page.heightMm <= 0) return error = "taille de page incorrecte", false;
  while (i < t.size()) {
    if (t[i].text != "margins") return error = "option inconnue « " + t[i].text + " »", false;
    ++i;
    if (!number(page.marginLeft, "la marge gauche") || !number(page.marginTop, "la marge haute") ||
        !number(page.marginRight, "la marge droite") || !number(page.marginBottom, "la marge basse"))
      return false;
    if (page.marginLeft < 0 || page.marginTop < 0 || page.marginRight < 0 || page.marginBottom < 0 ||
        page.marginLeft + page.marginRight >= page.widthMm ||
        page.marginTop + page.marginBottom >= page.heightMm)
      return error = "marges incorrectes", false;
  }
  return true;
}

// Reads "band <kind> <name> [dataset <component>] height <mm> [if [not] <variable>]".
bool ParseBand(const std::vector<Token>& t, TemplateBand& band, std::string& error) {
  if (t.size() < 3 || t[1].quoted) return error = "bande : type et nom attendus", false;
  bool known = false;
  for (const auto& k : kBandKinds)
    if (t[1].text == k.keyword) band.kind = k.kind, known = true;
  if (!known) return error = "type de bande inconnu « " + t[1].text + " »", false;
  band.name = t[2].text;
  if (band.name.empty()) return error = "nom de bande vide", false;
  bool haveHeight = false;
  size_t i = 3;
  while (i < t.size()) {
    if (!t[i].quoted && t[i].text == "if") {
      ++i;
      if (!ParseVisibleIf(t, i, band.visibleIf, error)) return false;
      continue;
    }
    if (i + 1 >= t.size()) return error = "valeur attendue après « " + t[i].text + " »", false;
    if (t[i].text == "dataset") {
      band.dataset = t[i + 1].text;
    } else if (t[i].text == "height") {
      auto h = ParseNumber(t[i + 1].text);
      if (!h || *h <= 0) return error = "hauteur de bande incorrecte « " + t[i + 1].text + " »", false;
      band.heightMm = *h;
      haveHeight = true;
    } else {
      return error = "option inconnue « " + t[i].text + " »", false;
    }
    i += 2;
  }
  if (!haveHeight) return error = "hauteur de bande attendue (height)", false;
  return true;
}

}  // namespace

const char* BandKindKeyword(BandKind kind) {
  for (const auto& k : kBandKinds)
    if (k.kind == kind) return k.keyword;
  return "child";
}

std::optional<ReportTemplate> ParseTemplate(const std::string& text, TemplateParseError& error) {
  ReportTemplate report;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  bool haveHeader = false;
  auto fail = [&](const std::string& message) {
    error.line = number;
    error.message = message;
    return std::nullopt;
  };
  std::vector<Token> t;
  std::string message;
  while (std::getline(lines, line)) {
    ++number;
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // UTF-8 mark
    if (!Tokenize(line, t, message)) return fail(message);
    if (t.empty() || (!t[0].quoted && t[0].text[0] == '#')) continue;
    const std::string& word = t[0].quoted ? std::string() : t[0].text;
    if (!haveHeader) {
      if (word != kMagic) return fail("en-tête « KEDFRF 1 » attendu");
      if (t.size() != 2 || t[1].text != std::to_string(kVersion))
        return fail("version de modèle non prise en charge");
      haveHeader = true;
      continue;
    }
    if (word == "title") {
      if (t.size() != 2 || !t[1].quoted) return fail("title : texte entre guillemets attendu");
      report.title = t[1].text;
    } else if (word == "page") {
      TemplatePage page;
      if (!ParsePage(t, page, message)) return fail(message);
      report.pages.push_back(std::move(page));
    } else if (word == "band") {
      if (report.pages.empty()) return fail("bande avant la ligne « page »");
      TemplateBand band;
      if (!ParseBand(t, band, message)) return fail(message);
      report.pages.back().bands.push_back(std::move(band));
    } else {
      TemplateObject object;
      bool ok = false;
      if (!ParseObjectLine(t, object, ok, message))
        return fail("ligne inconnue « " + (t[0].quoted ? t[0].text : word) + " »");
      if (!ok) return fail(message);
      if (report.pages.empty() || report.pages.back().bands.empty())
        return fail("objet hors d'une bande");
      report.pages.back().bands.back().objects.push_back(std::move(object));
    }
  }
  if (!haveHeader) {
    number = number ? number : 1;
    return fail("en-tête « KEDFRF 1 » attendu");
  }
  if (report.pages.empty()) return fail("aucune page (ligne « page » attendue)");
  return report;
}

std::string WriteTemplate(const ReportTemplate& report) {
  std::string out = std::string(kMagic) + " " + std::to_string(kVersion) + "\n";
  if (!report.title.empty()) out += "title " + Quote(report.title) + "\n";
  for (const auto& page : report.pages) {
    std::string size = FormatNumber(page.widthMm) + " " + FormatNumber(page.heightMm);
    for (const auto& p : kPapers) {
      if (page.widthMm == p.width && page.heightMm == p.height) size = std::string(p.name) + " portrait";
      if (page.widthMm == p.height && page.heightMm == p.width) size = std::string(p.name) + " landscape";
    }
    out += "page " + size + " margins " + FormatNumber(page.marginLeft) + " " +
           FormatNumber(page.marginTop) + " " + FormatNumber(page.marginRight) + " " +
           FormatNumber(page.marginBottom) + "\n";
    for (const auto& band : page.bands) {
      out += "\nband " + std::string(BandKindKeyword(band.kind)) + " " + band.name;
      if (!band.dataset.empty()) out += " dataset " + band.dataset;
      out += " height " + FormatNumber(band.heightMm) + WriteVisibleIf(band.visibleIf) + "\n";
      for (const auto& object : band.objects) out += "  " + WriteObjectLine(object) + "\n";
    }
  }
  return out;
}

std::string TemplateErrorMessage(const std::string& path, const TemplateParseError& error) {
  if (error.line <= 0) return "Modèle d'état " + path + " : " + error.message;
  return "Modèle d'état " + path + ", ligne " + std::to_string(error.line) + " : " + error.message;
}

std::optional<ReportTemplate> LoadTemplateFile(const std::string& path, TemplateParseError& error) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) {
    error.line = 0;
    error.message = FileExists(path) ? "lecture impossible" : "fichier manquant";
    return std::nullopt;
  }
  return ParseTemplate(*bytes, error);
}

bool SaveTemplateFile(const std::string& path, const ReportTemplate& report) {
  return WriteFileBytes(path, WriteTemplate(report));
}

}  // namespace ked

#include "report/ReportSyntax.h"

#include <charconv>
#include <cmath>

namespace ked::report_syntax {

bool Tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error) {
  tokens.clear();
  size_t i = 0;
  while (i < line.size()) {
    char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    Token token;
    if (c == '"') {
      token.quoted = true;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char d = line[i++];
        if (d == '"') {
          closed = true;
          break;
        }
        if (d == '\\' && i < line.size()) {
          char e = line[i++];
          token.text += e == 'n' ? '\n' : e;
        } else {
          token.text += d;
        }
      }
      if (!closed) {
        error = "texte entre guillemets non fermé";
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '"')
        token.text += line[i++];
    }
    tokens.push_back(std::move(token));
  }
  return true;
}

std::optional<double> ParseNumber(const std::string& text) {
  double value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || first == last || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string FormatNumber(double value) {
  value = std::round(value * 1000) / 1000;  // a micrometre is plenty on paper
  if (value == 0) value = 0;                // no "-0"
  char buffer[64];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, ptr);
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out + "\"";
}

bool IsValidNumberFormat(const std::string& format) {
  if (format.empty() || format[0] != '0') return false;
  if (format.size() == 1) return true;
  if (format[1] != '.' && format[1] != ',') return false;
  if (format.size() == 2) return false;
  for (size_t i = 2; i < format.size(); ++i)
    if (format[i] != '0') return false;
  return true;
}

bool ParseVisibleIf(const std::vector<Token>& tokens, size_t& pos, VisibleIf& condition,
                    std::string& error) {
  condition = {};
  if (pos < tokens.size() && !tokens[pos].quoted && tokens[pos].text == "not") {
    condition.negated = true;
    ++pos;
  }
  if (pos >= tokens.size() || tokens[pos].quoted || tokens[pos].text.empty()) {
    error = "nom de variable attendu après « if »";
    return false;
  }
  condition.variable = tokens[pos++].text;
  return true;
}

std::string WriteVisibleIf(const VisibleIf& condition) {
  if (condition.variable.empty()) return "";
  return std::string(" if ") + (condition.negated ? "not " : "") + condition.variable;
}

namespace {

// Reads the options that follow the coordinates of an object.
class OptionReader {
 public:
  OptionReader(const std::vector<Token>& tokens, size_t start) : tokens_(tokens), pos_(start) {}

  bool AtEnd() const { return pos_ >= tokens_.size(); }
  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Take() { return tokens_[pos_++]; }

  bool Condition(VisibleIf& condition, std::string& error) {
    return ParseVisibleIf(tokens_, pos_, condition, error);
  }

  bool Number(double& value, const char* what, std::string& error) {
    if (AtEnd() || Peek().quoted) {
      error = std::string("nombre attendu pour ") + what;
      return false;
    }
    auto number = ParseNumber(Peek().text);
    if (!number) {
      error = "nombre incorrect « " + Peek().text + " » pour " + what;
      return false;
    }
    ++pos_;
    value = *number;
    return true;
  }

  bool Word(std::string& value, const char* what, std::string& error) {
    if (AtEnd() || Peek().quoted) {
      error = std::string("mot attendu après ") + what;
      return false;
    }
    value = Take().text;
    return true;
  }

  bool Quoted(std::string& value, const char* what, std::string& error) {
    if (AtEnd() || !Peek().quoted) {
      error = std::string("texte entre guillemets attendu après ") + what;
      return false;
    }
    value = Take().text;
    return true;
  }

 private:
  const std::vector<Token>& tokens_;
  size_t pos_;
};

bool ReadFrameSides(const std::string& word, unsigned& sides) {
  if (word == "all") return sides = FrameAll, true;
  if (word == "none") return sides = FrameNone, true;
  sides = FrameNone;
  for (char c : word) {
    switch (c) {
      case 'l': sides |= FrameLeft; break;
      case 't': sides |= FrameTop; break;
      case 'r': sides |= FrameRight; break;
      case 'b': sides |= FrameBottom; break;
      default: return false;
    }
  }
  return !word.empty();
}

std::string FrameSidesWord(unsigned sides) {
  if (sides == FrameAll) return "all";
  std::string word;
  if (sides & FrameLeft) word += 'l';
  if (sides & FrameTop) word += 't';
  if (sides & FrameRight) word += 'r';
  if (sides & FrameBottom) word += 'b';
  return word.empty() ? "none" : word;
}

bool ReadLineWidth(OptionReader& reader, ReportItem& item, std::string& error) {
  if (!reader.Number(item.lineWidth, "width", error)) return false;
  if (item.lineWidth < 0) {
    error = "épaisseur négative";
    return false;
  }
  return true;
}

bool ReadTextOptions(OptionReader& reader, TemplateObject& object, std::string& error) {
  ReportItem& item = object.item;
  bool haveContent = false;
  while (!reader.AtEnd()) {
    if (reader.Peek().quoted) {
      if (haveContent) {
        error = "un seul texte par objet";
        return false;
      }
      item.text = reader.Take().text;
      haveContent = true;
      continue;
    }
    std::string option = reader.Take().text;
    std::string word;
    if (option == "font") {
      if (!reader.Quoted(item.font.family, "font", error) ||
          !reader.Number(item.font.size, "la taille de police", error))
        return false;
      if (item.font.size <= 0) {
        error = "taille de police incorrecte";
        return false;
      }
    } else if (option == "bold") {
      item.font.bold = true;
    } else if (option == "italic") {
      item.font.italic = true;
    } else if (option == "underline") {
      item.font.underline = true;
    } else if (option == "align") {
      if (!reader.Word(word, "align", error)) return false;
      if (word == "left") item.align = ReportAlign::Left;
      else if (word == "center") item.align = ReportAlign::Center;
      else if (word == "right") item.align = ReportAlign::Right;
      else return error = "alignement inconnu « " + word + " »", false;
    } else if (option == "valign") {
      if (!reader.Word(word, "valign", error)) return false;
      if (word == "top") item.valign = ReportVAlign::Top;
      else if (word == "middle") item.valign = ReportVAlign::Middle;
      else if (word == "bottom") item.valign = ReportVAlign::Bottom;
      else return error = "alignement vertical inconnu « " + word + " »", false;
    } else if (option == "frame") {
      if (!reader.Word(word, "frame", error)) return false;
      if (!ReadFrameSides(word, item.frame))
        return error = "côtés de cadre inconnus « " + word + " »", false;
    } else if (option == "width") {
      if (!ReadLineWidth(reader, item, error)) return false;
    } else if (option == "format") {
      if (!reader.Quoted(object.format, "format", error)) return false;
      if (!IsValidNumberFormat(object.format))
        return error = "format inconnu « " + object.format + " »", false;
    } else if (option == "nowrap") {
      item.wrap = false;
    } else if (option == "if") {
      if (!reader.Condition(object.visibleIf, error)) return false;
    } else {
      error = "option inconnue « " + option + " »";
      return false;
    }
  }
  if (!haveContent) {
    error = "texte entre guillemets attendu";
    return false;
  }
  return true;
}

bool ReadLineOptions(OptionReader& reader, TemplateObject& object, std::string& error) {
  while (!reader.AtEnd()) {
    const Token& option = reader.Take();
    if (!option.quoted && option.text == "width") {
      if (!ReadLineWidth(reader, object.item, error)) return false;
    } else if (!option.quoted && option.text == "if") {
      if (!reader.Condition(object.visibleIf, error)) return false;
    } else {
      error = "option inconnue « " + option.text + " »";
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseObjectLine(const std::vector<Token>& tokens, TemplateObject& object, bool& ok,
                     std::string& error) {
  if (tokens.empty() || tokens[0].quoted) return false;
  const std::string& kind = tokens[0].text;
  ReportItem& item = object.item;
  if (kind == "text") item.kind = ReportItem::Kind::Text;
  else if (kind == "line") item.kind = ReportItem::Kind::Line;
  else if (kind == "frame") item.kind = ReportItem::Kind::Frame;
  else return false;

  OptionReader reader(tokens, 1);
  double a = 0, b = 0, c = 0, d = 0;
  ok = reader.Number(a, "x", error) && reader.Number(b, "y", error) &&
       reader.Number(c, item.kind == ReportItem::Kind::Line ? "x2" : "la largeur", error) &&
       reader.Number(d, item.kind == ReportItem::Kind::Line ? "y2" : "la hauteur", error);
  if (!ok) return true;
  item.x = a;
  item.y = b;
  if (item.kind == ReportItem::Kind::Line) {
    item.width = c - a;
    item.height = d - b;
  } else {
    if (c < 0 || d < 0) {
      ok = false;
      error = "largeur ou hauteur négative";
      return true;
    }
    item.width = c;
    item.height = d;
  }
  ok = item.kind == ReportItem::Kind::Text ? ReadTextOptions(reader, object, error)
                                           : ReadLineOptions(reader, object, error);
  return true;
}

std::string WriteObjectLine(const TemplateObject& object) {
  const ReportItem& item = object.item;
  const ReportItem defaults;
  auto n = [](double v) { return " " + FormatNumber(v); };
  std::string line;
  switch (item.kind) {
    case ReportItem::Kind::Line:
      return "line" + n(item.x) + n(item.y) + n(item.x + item.width) + n(item.y + item.height) +
             " width" + n(item.lineWidth) + WriteVisibleIf(object.visibleIf);
    case ReportItem::Kind::Frame:
      return "frame" + n(item.x) + n(item.y) + n(item.width) + n(item.height) + " width" +
             n(item.lineWidth) + WriteVisibleIf(object.visibleIf);
    case ReportItem::Kind::Text:
      break;
  }
  line = "text" + n(item.x) + n(item.y) + n(item.width) + n(item.height);
  line += " font " + Quote(item.font.family) + n(item.font.size);
  if (item.font.bold) line += " bold";
  if (item.font.italic) line += " italic";
  if (item.font.underline) line += " underline";
  if (item.align == ReportAlign::Center) line += " align center";
  if (item.align == ReportAlign::Right) line += " align right";
  if (item.valign == ReportVAlign::Middle) line += " valign middle";
  if (item.valign == ReportVAlign::Bottom) line += " valign bottom";
  if (item.frame != FrameNone) {
    line += " frame " + FrameSidesWord(item.frame);
    if (item.lineWidth != defaults.lineWidth) line += " width" + n(item.lineWidth);
  }
  if (!object.format.empty()) line += " format " + Quote(object.format);
  if (!item.wrap) line += " nowrap";
  line += WriteVisibleIf(object.visibleIf);
  return line + " " + Quote(item.text);
}

}  // namespace ked::report_syntax

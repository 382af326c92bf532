#include "platform/LocaleFormat.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/DateTime.h"

namespace ked {

LocaleFormat LocaleFormat::French() {
  LocaleFormat f;
  f.longDayNames = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
  f.longMonthNames = {"janvier", "février", "mars", "avril", "mai", "juin",
                      "juillet", "août", "septembre", "octobre", "novembre", "décembre"};
  return f;
}

namespace {
std::string ReplaceDecimalPoint(std::string s, const LocaleFormat& locale) {
  auto dot = s.find('.');
  if (dot != std::string::npos) s.replace(dot, 1, locale.decimalSeparator);
  return s;
}

std::string GroupThousands(const std::string& digits, const std::string& separator) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

// Removes every occurrence of the separator that stands between two digits.
std::string StripGrouping(std::string_view text, const std::string& sep) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (!sep.empty() && text.substr(i, sep.size()) == sep && !out.empty() &&
        std::isdigit(static_cast<unsigned char>(out.back())) && i + sep.size() < text.size() &&
        std::isdigit(static_cast<unsigned char>(text[i + sep.size()]))) {
      i += sep.size();
      continue;
    }
    out += text[i++];
  }
  return out;
}
// Text between single quotes is written as it is; returns the index after it.
size_t AppendQuoted(const std::string& format, size_t quote, std::string& out) {
  size_t close = format.find('\'', quote + 1);
  if (close == std::string::npos) close = format.size();
  out += format.substr(quote + 1, close - quote - 1);
  return close + 1;
}
}  // namespace

std::string FormatGeneral(double value, const LocaleFormat& locale) {
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", value);
  std::string s = buf;
  // %G already drops trailing zeros; keep the exponent as the runtime writes it.
  auto e = s.find('E');
  if (e != std::string::npos) {
    std::string mantissa = s.substr(0, e);
    int exponent = std::atoi(s.c_str() + e + 1);
    char ebuf[16];
    std::snprintf(ebuf, sizeof ebuf, "E%s%02d", exponent < 0 ? "-" : "+", std::abs(exponent));
    s = mantissa + ebuf;
  }
  return ReplaceDecimalPoint(s, locale);
}

std::string FormatFixed(double value, int decimals, bool grouping, const LocaleFormat& locale) {
  char buf[512];
  // printf rounds the exact binary value, ties to even.
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  std::string s = buf;
  bool negative = !s.empty() && s[0] == '-';
  if (negative) s.erase(0, 1);
  // "-0,00" reads as zero.
  if (negative && s.find_first_not_of("0.") == std::string::npos) negative = false;
  auto dot = s.find('.');
  std::string intPart = s.substr(0, dot);
  std::string frac = dot == std::string::npos ? "" : s.substr(dot + 1);
  if (grouping) intPart = GroupThousands(intPart, locale.thousandsSeparator);
  std::string out = negative ? "-" : "";
  out += intPart;
  if (!frac.empty()) out += locale.decimalSeparator + frac;
  return out;
}

std::optional<double> ParseFloat(std::string_view text, const LocaleFormat& locale) {
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skipBlanks();
  std::string c;  // the number in C syntax
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    c += text[i++];
    ++digits;
  }
  const std::string& ds = locale.decimalSeparator;
  if (!ds.empty() && text.substr(i, ds.size()) == ds) {
    i += ds.size();
    c += '.';
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
      c += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::string exp = "e";
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exp += text[j++];
    size_t expDigits = 0;
    while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
      exp += text[j++];
      ++expDigits;
    }
    if (expDigits == 0) return std::nullopt;
    c += exp;
    i = j;
  }
  skipBlanks();
  if (i != text.size()) return std::nullopt;
  double v = std::strtod(c.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<double> ParseGroupedFloat(std::string_view text, const LocaleFormat& locale) {
  std::string stripped = StripGrouping(text, locale.thousandsSeparator);
  // A blank typed in place of the locale's separator is grouping too.
  if (locale.thousandsSeparator != " ") stripped = StripGrouping(stripped, " ");
  return ParseFloat(stripped, locale);
}

double RoundHalfEven(double value, int decimals) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  return std::strtod(buf, nullptr);
}

std::string FormatDate(int dayNumber, const std::string& format, const LocaleFormat& locale) {
  const CivilDate d = CivilFromDayNumber(dayNumber);
  std::string out;
  char buf[16];
  for (size_t i = 0; i < format.size();) {
    char ch = format[i];
    if (ch == '\'') {
      i = AppendQuoted(format, i, out);
      continue;
    }
    size_t run = 1;
    while (i + run < format.size() && format[i + run] == ch) ++run;
    if (ch == 'd') {
      if (run >= 4 && !locale.longDayNames.empty()) out += locale.longDayNames[DayOfWeek(dayNumber)];
      else { std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", d.day); out += buf; }
    } else if (ch == 'M') {
      if (run >= 4 && !locale.longMonthNames.empty()) out += locale.longMonthNames[d.month - 1];
      else { std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", d.month); out += buf; }
    } else if (ch == 'y') {
      std::snprintf(buf, sizeof buf, run >= 4 ? "%04d" : "%02d", run >= 4 ? d.year : d.year % 100);
      out += buf;
    } else {
      out.append(run, ch);
    }
    i += run;
  }
  return out;
}

std::string FormatShortDate(int dayNumber, const LocaleFormat& locale) {
  return FormatDate(dayNumber, locale.shortDateFormat, locale);
}

std::optional<int> ParseShortDate(std::string_view text, const LocaleFormat& locale) {
  // The fields come in the order of the format; any non-digit separates them.
  std::vector<char> order;
  for (char ch : locale.shortDateFormat)
    if ((ch == 'd' || ch == 'M' || ch == 'y') && (order.empty() || order.back() != ch))
      order.push_back(ch);
  std::vector<int> fields;
  std::vector<size_t> widths;
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  while (i < text.size()) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    size_t start = i;
    long v = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 6)
      v = v * 10 + (text[i++] - '0');
    fields.push_back(static_cast<int>(v));
    widths.push_back(i - start);
    if (i < text.size()) {
      // One separator, then the next field.
      if (std::isalnum(static_cast<unsigned char>(text[i]))) return std::nullopt;
      ++i;
      while (i < text.size() && text[i] == ' ') ++i;
      if (i == text.size()) return std::nullopt;
    }
  }
  if (fields.size() != order.size()) return std::nullopt;
  CivilDate date;
  for (size_t k = 0; k < order.size(); ++k) {
    if (order[k] == 'd') date.day = fields[k];
    else if (order[k] == 'M') date.month = fields[k];
    else {
      date.year = fields[k];
      if (widths[k] <= 2) date.year += 2000;
    }
  }
  if (!IsValidCivilDate(date)) return std::nullopt;
  return DayNumberFromCivil(date);
}

std::string FormatTime(int secondsOfDay, const std::string& format) {
  int h = secondsOfDay / 3600, m = secondsOfDay / 60 % 60, s = secondsOfDay % 60;
  std::string out;
  char buf[16];
  for (size_t i = 0; i < format.size();) {
    char ch = format[i];
    if (ch == '\'') {
      i = AppendQuoted(format, i, out);
      continue;
    }
    size_t run = 1;
    while (i + run < format.size() && format[i + run] == ch) ++run;
    int v = -1;
    if (ch == 'H' || ch == 'h') v = h;
    else if (ch == 'm') v = m;
    else if (ch == 's') v = s;
    if (v >= 0) { std::snprintf(buf, sizeof buf, run >= 2 ? "%02d" : "%d", v); out += buf; }
    else out.append(run, ch);
    i += run;
  }
  return out;
}

std::string FormatLongTime(int secondsOfDay, const LocaleFormat& locale) {
  return FormatTime(secondsOfDay, locale.longTimeFormat);
}

}  // namespace ked

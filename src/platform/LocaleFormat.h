#pragma once
// The user's number, date and time conventions, and the formatting and reading
// rules the program applies with them. The windows fill a LocaleFormat from the
// user's locale; tests pin French().
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ked {

struct LocaleFormat {
  std::string decimalSeparator = ",";
  std::string thousandsSeparator = "\xC2\xA0";  // no-break space
  // Tokens: d dd M MM yy yyyy (date), H HH m mm s ss (time); other characters literal.
  std::string shortDateFormat = "dd/MM/yyyy";
  std::string longTimeFormat = "HH:mm:ss";
  std::vector<std::string> longDayNames;    // Sunday first
  std::vector<std::string> longMonthNames;  // January first

  static LocaleFormat French();
};

// General format: at most 15 significant digits, trailing zeros dropped.
std::string FormatGeneral(double value, const LocaleFormat& locale);
// Fixed decimals, exact halves to the even neighbour; with grouping as in "#,##0.00".
std::string FormatFixed(double value, int decimals, bool grouping, const LocaleFormat& locale);
// Reads a number as the locale writes it: optional blanks, sign, digits, the
// decimal separator, an exponent. No thousands separators.
std::optional<double> ParseFloat(std::string_view text, const LocaleFormat& locale);
// Like ParseFloat, but also accepts the locale's thousands separators between digits.
std::optional<double> ParseGroupedFloat(std::string_view text, const LocaleFormat& locale);
// Rounds to a number of decimals, exact halves to the even neighbour.
double RoundHalfEven(double value, int decimals);

std::string FormatDate(int dayNumber, const std::string& format, const LocaleFormat& locale);
std::string FormatShortDate(int dayNumber, const LocaleFormat& locale);
std::optional<int> ParseShortDate(std::string_view text, const LocaleFormat& locale);
std::string FormatTime(int secondsOfDay, const std::string& format);
std::string FormatLongTime(int secondsOfDay, const LocaleFormat& locale);

}  // namespace ked

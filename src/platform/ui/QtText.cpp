#include "platform/ui/QtText.h"

namespace ked {

namespace {
// Qt's date and time tokens and quoting are ours.
std::string CoreFormat(const QString& qtFormat) { return S(qtFormat); }
}  // namespace

LocaleFormat LocaleFormatFrom(const QLocale& locale) {
  LocaleFormat f;
  f.decimalSeparator = S(locale.decimalPoint());
  f.thousandsSeparator = S(locale.groupSeparator());
  f.shortDateFormat = CoreFormat(locale.dateFormat(QLocale::ShortFormat));
  // The program writes four-digit years in short dates.
  if (f.shortDateFormat.find("yyyy") == std::string::npos) {
    auto y = f.shortDateFormat.find("yy");
    if (y != std::string::npos) f.shortDateFormat.replace(y, 2, "yyyy");
  }
  f.longTimeFormat = CoreFormat(locale.timeFormat(QLocale::LongFormat).remove(" t").remove("t"));
  f.longDayNames.clear();
  for (int i = 0; i < 7; ++i)  // Sunday first; Qt counts Monday = 1 ... Sunday = 7
    f.longDayNames.push_back(S(locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat)));
  for (int m = 1; m <= 12; ++m)
    f.longMonthNames.push_back(S(locale.monthName(m, QLocale::LongFormat)));
  return f;
}

QString DisplayText(const std::string& text) {
  QString t = Q(text);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

}  // namespace ked

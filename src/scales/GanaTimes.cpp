#include "scales/GanaTimes.h"

#include <cctype>
#include <vector>

#include "platform/DateTime.h"
#include "platform/RuntimeConvert.h"
#include "scales/SpinText.h"

namespace ked {

int GanaSecondsPerBoard(bool screens) { return (screens ? 66 * 60 : 60 * 60) / 8; }

std::array<std::string, 3> GanaSeries(int boards) {
  std::array<std::string, 3> series;
  for (int k = 0; k < 3; ++k)
    series[k] = std::to_string(k * boards + 1) + "-" + std::to_string((k + 1) * boards);
  return series;
}

GanaSchedule GanaTimes(int boards, bool screens, int startSecondsOfDay,
                       const LocaleFormat& locale) {
  GanaSchedule schedule;
  schedule.series = GanaSeries(boards);
  const long long perSeries = static_cast<long long>(boards) * GanaSecondsPerBoard(screens);
  for (int k = 0; k < 3; ++k) {
    const long long end = (startSecondsOfDay + (k + 1) * perSeries) % kSecondsPerDay;
    schedule.ends[k] = FormatLongTime(static_cast<int>(end), locale);
  }
  return schedule;
}

std::optional<int> GanaBoardsFromText(std::string_view text) {
  if (text.empty() || StrToInt(text) == 0) return std::nullopt;
  return SpinTextValue(text, kGanaMinBoards, kGanaMaxBoards);
}

std::optional<int> ParseTimeOfDay(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  std::vector<int> parts;
  size_t i = first;
  while (true) {
    size_t digits = 0;
    int value = 0;
    while (i < last && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 2) {
      value = value * 10 + (text[i++] - '0');
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    parts.push_back(value);
    if (i == last) break;
    if (text[i] != ':' || parts.size() == 3) return std::nullopt;
    ++i;
  }
  if (parts.size() < 2) return std::nullopt;
  if (parts.size() == 2) parts.push_back(0);
  if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
  return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

std::string FirstTextLine(const std::string& text) {
  const size_t end = text.find_first_of("\r\n");
  return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace ked

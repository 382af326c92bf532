#pragma once
// The board series and the times of a GaNa: three teams on three tables over
// three series of boards.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/LocaleFormat.h"

namespace ked {

inline constexpr int kGanaMinBoards = 1;
inline constexpr int kGanaMaxBoards = 32;

struct GanaSchedule {
  std::array<std::string, 3> series;  // "1-14", "15-28", "29-42"
  std::array<std::string, 3> ends;    // end of series 1, of series 2, of play
};

// Seconds per board: 1 h 06 for 8 boards with screens, 1 h without.
int GanaSecondsPerBoard(bool screens);

std::array<std::string, 3> GanaSeries(int boards);

// The series and the three end times, in the locale's long time format, modulo 24 hours.
GanaSchedule GanaTimes(int boards, bool screens, int startSecondsOfDay, const LocaleFormat& locale);

// The boards per series a spin text stands for; nothing for an empty text or
// 0, which the director is retyping.
std::optional<int> GanaBoardsFromText(std::string_view text);

// A time of day as the runtime reads it: "H:MM:SS" or "H:MM", one or two
// digits a part, blanks around; seconds of the day, nothing when not a time.
std::optional<int> ParseTimeOfDay(std::string_view text);

// Only the first line of a text box is printed.
std::string FirstTextLine(const std::string& text);

}  // namespace ked

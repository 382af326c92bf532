#pragma once
// Timetable proposals: from the shape of a competition day to the start and end
// of every session and three ready-to-copy text lines.
// Times are whole minutes from midnight of the competition day; they never wrap
// (1445 is written 24h05).
#include <array>
#include <optional>
#include <string>

#include "platform/LocaleFormat.h"

namespace ked::orga {

// The items of the radio group "Type", in order; None when no item is selected.
enum class CompetitionType { None = -1, Paires = 0, Suisse = 1, Poule = 2 };

inline constexpr int kMinSessions = 1;
inline constexpr int kMaxSessions = 6;
inline constexpr int kGapCount = kMaxSessions - 1;
inline constexpr int kMinGap = 1;
inline constexpr int kMaxGap = 109;
inline constexpr int kMealLength = 90;

struct TimetableInput {
  CompetitionType type = CompetitionType::None;
  int date = 0;                // day number (platform/DateTime.h)
  std::string start = "14:00"; // start time, 24-hour form with two-digit hours: "09:30"
  int sessions = 2;            // 1 to 6; other values count as the nearest bound
  int deals = 27;              // deals per session
  bool screens = false;
  // Index n - 1 for the gap between session n and session n + 1.
  std::array<bool, kGapCount> pause{};
  std::array<bool, kGapCount> meal{};
  std::array<int, kGapCount> gap{10, 15, 15, 15, 15};
};

struct TimetableResult {
  int sessions = 0;  // the sessions laid out (1 to 6)
  int length = 0;    // playing time of one session
  std::string lengthText;
  // Index n - 1 for session n; only the first `sessions` entries are filled.
  std::array<int, kMaxSessions> start{};
  std::array<int, kMaxSessions> end{};
  std::array<std::string, kMaxSessions> startText;  // the first one as given: "14:00"
  std::array<std::string, kMaxSessions> endText;
  int finish = 0;
  std::string sentence;    // Phrase
  std::string timetable;   // Horraire
  std::string modalities;  // Modalite
  // The runtime's message when the start time does not read; only lengthText
  // and startText[0] are filled then.
  std::optional<std::string> failure;
};

// 570 -> "9h30", 1445 -> "24h05".
std::string FormatHourMinutes(int minutes);
// "14h00", "09:30" (two-digit hours, separator ignored) or "9h30". A part that is
// not an integer throws RuntimeFailure with the runtime's integer message.
int ParseHourMinutes(const std::string& text);
// Playing time of one session: 8.25 minutes per deal with screens, 7.5 without,
// rounded to the minute, exact halves to the even minute.
int SessionLength(int deals, bool screens);
// Gap of a pause for the number of pairs or teams.
int PauseLength(CompetitionType type, int participants);
// The same for the participants as typed: a text that is not an integer throws
// RuntimeFailure with the runtime's integer message.
int PauseLength(CompetitionType type, const std::string& participants);
// Gap n (1 to 5) that is neither a pause nor a meal; nothing without a type.
std::optional<int> DefaultGap(CompetitionType type, int gapNumber);
// 1054 -> 1055, 1055 -> 1055.
int RoundUpToFive(int minutes);

TimetableResult BuildTimetable(const TimetableInput& input, const LocaleFormat& locale);

// What a type selection puts into the fields.
struct TypePreset {
  int sessions;
  int deals;
  const char* participantsLabel;  // Lb_Part
  const char* participants;       // Cb_Nb_Part
  int firstGap;
  int otherGaps;
};
std::optional<TypePreset> PresetOf(CompetitionType type);

}  // namespace ked::orga

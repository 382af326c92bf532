#include "organisation/Timetable.h"

#include <algorithm>
#include <cmath>

#include "organisation/RuntimeFailure.h"
#include "platform/DateTime.h"
#include "platform/RuntimeConvert.h"

namespace ked::orga {

namespace {

const char* const kDayNames[] = {"Dimanche ", "Lundi ",    "Mardi ", "Mercredi ",
                                 "Jeudi ",    "Vendredi ", "Samedi "};

const char* TypeWord(CompetitionType type) {
  switch (type) {
    case CompetitionType::Paires: return "Séance";
    case CompetitionType::Suisse:
    case CompetitionType::Poule: return "Match";
    case CompetitionType::None: break;
  }
  return "Indéfini";
}

int ReadInteger(const std::string& text) {
  auto value = StrToInt(text);
  if (!value) throw RuntimeFailure(NotAnIntegerMessage(text));
  return *value;
}

// Characters [first, first + count) counted from 1, as much of them as there is.
std::string Part(const std::string& text, size_t first, size_t count) {
  return first - 1 < text.size() ? text.substr(first - 1, count) : std::string();
}

// "(2 Séances de 26 donnes" without the parenthesis: shared by the sentence and
// the modalities.
std::string SessionsAndDeals(const TimetableInput& input, int sessions) {
  return std::to_string(sessions) + " " + TypeWord(input.type) + (sessions >= 2 ? "s " : " ") +
         "de " + std::to_string(input.deals) + " donnes";
}

}  // namespace

std::string FormatHourMinutes(int minutes) {
  std::string rest = std::to_string(minutes % 60);
  if (rest.size() == 1) rest = "0" + rest;
  return std::to_string(minutes / 60) + "h" + rest;
}

int ParseHourMinutes(const std::string& text) {
  if (text.size() == 5) return ReadInteger(Part(text, 1, 2)) * 60 + ReadInteger(Part(text, 4, 2));
  return ReadInteger(Part(text, 1, 1)) * 60 + ReadInteger(Part(text, 3, 2));
}

int SessionLength(int deals, bool screens) {
  // Evaluated left to right in extended precision, 1.1 being its nearest value:
  // some products with screens land just above the half and go up.
  const long double minutes =
      screens ? static_cast<long double>(deals) * 1.1L * 60 / 8 : static_cast<long double>(deals) * 60 / 8;
  return static_cast<int>(std::llrintl(minutes));  // halves to even
}

int PauseLength(CompetitionType type, int participants) {
  if (type == CompetitionType::Paires) return 45 + (participants > 28 ? participants - 28 : 0);
  // Teams, or no type: every team counts as two pairs.
  const int pairs = 2 * participants;
  return 30 + (pairs > 28 ? pairs - 28 : 0);
}

int PauseLength(CompetitionType type, const std::string& participants) {
  return PauseLength(type, ReadInteger(participants));
}

std::optional<int> DefaultGap(CompetitionType type, int gapNumber) {
  switch (type) {
    case CompetitionType::Paires: return 20;
    case CompetitionType::Suisse: return gapNumber == 1 ? 10 : 15;
    case CompetitionType::Poule: return 10;
    case CompetitionType::None: break;
  }
  return std::nullopt;
}

int RoundUpToFive(int minutes) {
  const int rest = minutes % 5;
  return rest == 0 ? minutes : minutes + 5 - rest;
}

TimetableResult BuildTimetable(const TimetableInput& input, const LocaleFormat& locale) {
  TimetableResult r;
  // The fields hold at most six sessions; a count being typed outside the range
  // takes the nearest bound.
  const int sessions = std::clamp(input.sessions, kMinSessions, kMaxSessions);
  r.sessions = sessions;
  r.length = SessionLength(input.deals, input.screens);
  r.lengthText = FormatHourMinutes(r.length);
  r.startText[0] = input.start;
  try {
    r.start[0] = ParseHourMinutes(input.start);
  } catch (const RuntimeFailure& failure) {
    r.failure = failure.what();
    return r;
  }

  const std::string day = kDayNames[DayOfWeek(input.date)];
  const std::string screens = input.screens ? " avec écrans" : " sans écran";
  r.modalities = SessionsAndDeals(input, sessions) + screens;
  r.sentence = day + FormatShortDate(input.date, locale) + " (" + SessionsAndDeals(input, sessions) +
               screens + ") : " + FormatHourMinutes(r.start[0]);
  r.timetable = day + ":" + FormatHourMinutes(r.start[0]);

  for (int n = 0; n + 1 < sessions; ++n) {
    r.end[n] = r.start[n] + r.length;
    r.start[n + 1] = RoundUpToFive(r.end[n] + input.gap[n]);
    r.sentence += "(" + FormatHourMinutes(r.end[n]) + ") ";
    if (!input.pause[n] && !input.meal[n]) {
      r.sentence += "-";
      r.timetable += " -";
    } else {
      if (input.pause[n]) {
        r.sentence += "+Pause+";
        r.timetable += " +Pause+";
      }
      if (input.meal[n]) {
        r.sentence += "+Repas+";
        r.timetable += " +Repas+";
      }
    }
    const std::string next = " " + FormatHourMinutes(r.start[n + 1]);
    r.sentence += next;
    r.timetable += next;
  }
  const int last = sessions - 1;
  r.end[last] = r.start[last] + r.length;
  r.finish = RoundUpToFive(r.end[last] + 10);
  r.sentence += "(" + FormatHourMinutes(r.end[last]) + ") - Fin vers " + FormatHourMinutes(r.finish);
  r.timetable += " - Fin vers " + FormatHourMinutes(r.finish);

  for (int n = 0; n < sessions; ++n) {
    if (n > 0) r.startText[n] = FormatHourMinutes(r.start[n]);
    r.endText[n] = FormatHourMinutes(r.end[n]);
  }
  return r;
}

std::optional<TypePreset> PresetOf(CompetitionType type) {
  switch (type) {
    case CompetitionType::Paires: return TypePreset{2, 26, "de paires", "36", 20, 20};
    case CompetitionType::Suisse: return TypePreset{3, 16, "d'équipes", "18", 10, 15};
    case CompetitionType::Poule: return TypePreset{4, 12, "d'équipes", "12", 10, 10};
    case CompetitionType::None: break;
  }
  return std::nullopt;
}

}  // namespace ked::orga

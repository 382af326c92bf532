#pragma once
// What the about window shows: the maker, the mail link and the history of the
// program's versions, played as a text rising one pixel per step.
#include <functional>
#include <string>
#include <vector>

namespace ked {

inline constexpr const char* kAboutCaption = "A propos d'Util Ked";
inline constexpr const char* kMakerSurname = "LEBRETON";
inline constexpr const char* kMakerFirstName = "Gérard";

// "mailto:" + the maker's address + "?subject=" + the window's caption.
std::string AboutMailAddress(const std::string& caption);

// The 58 lines of the history, in order.
const std::vector<std::string>& HistoryLines();

inline constexpr int kHistoryStepMs = 55;
inline constexpr int kHistoryHoldMs = 2000;

// The stage: a surface of some height, lines of one height, rising from the bottom.
struct HistoryStage {
  int surfaceHeight = 0;
  int lineHeight = 0;
  int lineCount = 0;

  // One pixel per step, until the last line reaches the bottom edge or, when
  // the text is shorter than the surface, the first line reaches the top.
  int Steps() const;
  // Top of line (1 for the first) at step (1 for the first).
  int LineTop(int line, int step) const;
};

// What playing the history does to the window, step by step.
struct HistoryPlayer {
  std::function<void(int step)> draw;   // the lines at their places for the step
  std::function<void(int step)> erase;  // the same lines removed
  std::function<void(int ms)> wait;
  std::function<void()> pendingEvents;  // keeps the window alive between steps
};

// Draws every step, waiting and letting pending events run after each, erases
// every step but the last, and holds the last image.
void PlayHistory(const HistoryStage& stage, const HistoryPlayer& player);

}  // namespace ked

#pragma once
// The exhaustive search for the seating with the lowest standard deviation:
// every seating with rank 1 at table 1, in lexicographic order of the ranks of
// tables 2..N; the first one strictly better than all before it is kept.
#include <cstdint>
#include <functional>

#include "balancing/BalancingStudy.h"
#include "platform/Platform.h"

namespace ked {

struct SearchCallbacks {
  // Each time the test counter reaches a further multiple of 128: that multiple.
  std::function<void(uint64_t tests)> progress;
  // A strictly better seating was found; the study already holds it, scored.
  std::function<void(const BalancingStudy& study)> improved;
};

// Up to this many tables every study is searched to the end. Beyond, a study is
// searched only while the walk stays within kSearchStepBudget steps (a few
// minutes): the usual studies end in well under a second, the others would
// take days and are given up with this message.
inline constexpr int kMaxExhaustiveTables = 15;
inline constexpr uint64_t kSearchStepBudget = 1'000'000'000;
inline constexpr const char* kSearchOutOfReachMessage =
    "Cette étude demanderait des jours de calcul : elle est abandonnée.\r"
    "Au-delà de 15 tables, seules les études les plus simples vont à leur terme.";

// (N - 1)!: the seatings the search tests.
uint64_t SeatingCount(int tableCount);

// The study must be scored: its seating and score are the starting best. On
// return it holds the best seating, its M row, mean and standard deviation.
// Returns the number of seatings tested, always SeatingCount(N): whole subtrees
// that cannot hold a strictly better seating are counted without being scored.
uint64_t SearchBestSeating(BalancingStudy& study, const SearchCallbacks& callbacks = {});

// The same search, given up after `stepBudget` steps of the walk (0: never):
// false then, and the study is left as it was given. `tests` gets the count.
bool SearchBestSeatingWithin(BalancingStudy& study, const SearchCallbacks& callbacks,
                             uint64_t stepBudget, uint64_t& tests);
// The budget that applies to a study of this many tables (0: none).
uint64_t SearchStepBudget(int tableCount);

// The standard deviation ScoreStudy gives to a row M of N sums, known only by
// the sum and the sum of squares of its values (the rounding steps included).
Decimal4 DeviationOfSums(int64_t sum, int64_t sumOfSquares, int tableCount);

// The progress bar holds 32-bit positions: counts are shifted right by this
// much so that the total fits.
int ProgressShift(uint64_t total);

// "Arrêt du PC à la fin de l'étude": switch the computer off; unchecked.
void PowerOffComputer(Platform& platform);

}  // namespace ked

#pragma once
// The built-in knowledge behind the movements window's seeding file: the order in
// which tables are numbered for each number of positions, and the first-round
// seating of the Howell movements the program knows.
#include <optional>
#include <vector>

namespace ked {

// Table numbers of the order for `positions` positions; nothing when none is known.
// `extended`: section A or B is an extended Mitchell; `eightOrTwelve`: section A
// or B has 8 tables (9 positions) or 12 tables (13 positions).
std::optional<std::vector<int>> PositionOrder(int positions, bool extended,
                                              bool sectionAOrBHasEightTables,
                                              bool sectionAOrBHasTwelveTables);

// "1+4+2+3+" → {1, 4, 2, 3}: table numbers, each followed by "+".
std::vector<int> ParseTableOrder(const char* text);

struct HowellSeat {
  int table = 0;  // from 1
  int line = 0;   // 1: first line, 2: second line
};

// Where Howell pair `pair` sits at the first round of the movement of `tables`
// tables and `rounds` rounds; nothing when the movement or the pair is unknown.
std::optional<HowellSeat> HowellStartSeat(int tables, int rounds, int pair);
bool HowellStartKnown(int tables, int rounds);

}  // namespace ked

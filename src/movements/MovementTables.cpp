#include "movements/MovementTables.h"

#include <cstddef>

namespace ked {

std::vector<int> ParseTableOrder(const char* text) {
  std::vector<int> order;
  int number = 0;
  for (const char* p = text; *p; ++p) {
    if (*p == '+') {
      order.push_back(number);
      number = 0;
    } else {
      number = number * 10 + (*p - '0');
    }
  }
  return order;
}

std::optional<std::vector<int>> PositionOrder(int positions, bool extended,
                                              bool sectionAOrBHasEightTables,
                                              bool sectionAOrBHasTwelveTables) {
  const char* text = nullptr;
  switch (positions) {
    case 4: text = "1+4+2+3+"; break;
    case 5: text = extended ? "1+2+5+3+4+" : "1+4+3+2+5+"; break;
    case 6: text = "1+4+5+2+3+6+"; break;
    case 7: text = "1+4+5+2+6+7+3+"; break;
    case 8: text = "1+4+6+7+2+3+5+8+"; break;
    case 9:
      if (!extended) text = "1+4+7+8+5+2+3+6+9+";
      else if (sectionAOrBHasEightTables) text = "1+6+5+2+9+7+4+3+8+";
      else text = "1+8+3+6+4+2+5+9+7+";
      break;
    case 10: text = "1+8+5+4+2+9+7+6+3+10+"; break;
    case 11: text = "1+4+9+7+10+6+2+5+3+8+11+"; break;
    case 12: text = "1+4+10+7+8+11+2+5+6+3+9+12+"; break;
    case 13:
      if (!extended) text = "1+4+11+7+8+5+2+10+12+9+13+6+3+";
      else if (sectionAOrBHasTwelveTables) text = "1+10+5+6+9+2+13+11+4+7+8+3+12+";
      else text = "1+11+4+8+7+5+10+2+13+12+3+9+6+";
      break;
    case 14: text = "1+4+12+9+7+6+3+10+14+11+13+8+5+2+"; break;
    default: return std::nullopt;
  }
  return ParseTableOrder(text);
}

namespace {

// One Howell movement: for tables 1, 2, ... the pair of the first line and of the second.
struct HowellStart {
  int tables;
  int rounds;
  int pairs[14][2];
};

constexpr HowellStart kHowellStarts[] = {
    {3, 5, {{6, 1}, {2, 4}, {3, 5}}},
    {4, 6, {{8, 3}, {6, 2}, {5, 4}, {7, 1}}},
    {4, 7, {{8, 1}, {4, 5}, {7, 2}, {6, 3}}},
    {5, 7, {{8, 1}, {5, 3}, {10, 7}, {6, 2}, {4, 9}}},
    {5, 8, {{9, 1}, {10, 5}, {4, 7}, {2, 3}, {6, 8}}},
    {5, 9, {{10, 1}, {3, 6}, {5, 9}, {4, 2}, {7, 8}}},
    {6, 8, {{9, 1}, {10, 6}, {11, 4}, {12, 2}, {8, 7}, {5, 3}}},
    {6, 9, {{10, 1}, {8, 12}, {5, 11}, {7, 3}, {6, 9}, {2, 4}}},
    {6, 11, {{12, 1}, {5, 8}, {2, 11}, {6, 7}, {10, 3}, {4, 9}}},
    {7, 7, {{8, 1}, {5, 4}, {2, 7}, {10, 13}, {3, 6}, {14, 9}, {11, 12}}},
    {7, 9, {{10, 1}, {11, 3}, {12, 7}, {6, 9}, {5, 4}, {13, 2}, {14, 8}}},
    {7, 11, {{12, 1}, {7, 6}, {11, 9}, {5, 2}, {14, 4}, {8, 13}, {3, 10}}},
    {7, 12, {{13, 1}, {5, 7}, {11, 12}, {3, 10}, {6, 9}, {8, 4}, {14, 2}}},
    {7, 13, {{14, 1}, {10, 12}, {5, 6}, {11, 3}, {13, 9}, {2, 8}, {4, 7}}},
    {8, 7, {{8, 1}, {5, 4}, {2, 7}, {11, 14}, {3, 6}, {15, 10}, {12, 13}, {9, 16}}},
    {8, 11, {{12, 1}, {13, 6}, {14, 8}, {16, 10}, {7, 4}, {2, 3}, {15, 5}, {11, 9}}},
    {8, 12, {{13, 1}, {14, 8}, {11, 6}, {15, 9}, {16, 4}, {3, 7}, {2, 5}, {10, 12}}},
    {8, 13, {{14, 1}, {16, 6}, {9, 5}, {2, 15}, {13, 12}, {11, 3}, {10, 8}, {7, 4}}},
    {9, 9, {{10, 1}, {16, 17}, {2, 8}, {7, 6}, {15, 12}, {4, 9}, {18, 14}, {3, 5}, {11, 13}}},
    {9, 12, {{13, 1}, {8, 4}, {14, 10}, {15, 5}, {2, 9}, {16, 11}, {17, 3}, {7, 6}, {18, 12}}},
    {9, 13, {{14, 1}, {4, 10}, {9, 6}, {15, 11}, {16, 2}, {17, 5}, {8, 3}, {12, 13}, {18, 7}}},
    {10, 12, {{13, 1}, {14, 7}, {15, 2}, {16, 11}, {17, 8}, {18, 3}, {5, 9}, {20, 12}, {19, 10},
              {4, 6}}},
    {10, 13, {{14, 1}, {15, 10}, {16, 5}, {17, 8}, {18, 11}, {2, 3}, {19, 6}, {9, 13}, {12, 7},
              {20, 4}}},
    {11, 11, {{12, 1}, {22, 18}, {10, 2}, {16, 21}, {13, 15}, {20, 19}, {8, 9}, {11, 5}, {3, 7},
              {14, 17}, {6, 4}}},
    {12, 11, {{12, 1}, {23, 19}, {10, 2}, {17, 22}, {14, 16}, {21, 20}, {8, 9}, {11, 5}, {3, 7},
              {15, 18}, {6, 4}, {13, 24}}},
    {13, 13, {{14, 1}, {26, 21}, {17, 20}, {25, 19}, {3, 10}, {12, 9}, {4, 8}, {7, 2}, {11, 13},
              {6, 5}, {18, 16}, {15, 24}, {22, 23}}},
    {14, 13, {{14, 1}, {27, 22}, {18, 21}, {26, 20}, {3, 10}, {12, 9}, {4, 8}, {7, 2}, {11, 13},
              {6, 5}, {19, 17}, {16, 25}, {23, 24}, {15, 28}}},
};

const HowellStart* FindHowell(int tables, int rounds) {
  for (const auto& h : kHowellStarts)
    if (h.tables == tables && h.rounds == rounds) return &h;
  return nullptr;
}

}  // namespace

bool HowellStartKnown(int tables, int rounds) { return FindHowell(tables, rounds) != nullptr; }

std::optional<HowellSeat> HowellStartSeat(int tables, int rounds, int pair) {
  const HowellStart* h = FindHowell(tables, rounds);
  if (!h) return std::nullopt;
  for (int t = 0; t < h->tables; ++t)
    for (int line = 0; line < 2; ++line)
      if (h->pairs[t][line] == pair) return HowellSeat{t + 1, line + 1};
  return std::nullopt;
}

}  // namespace ked

#include "movements/SeedingFileBuilder.h"

#include <optional>
#include <set>

#include "movements/MovementTables.h"
#include "movements/SeedingGrid.h"

namespace ked {

int EventTables(int pairs) { return pairs / 2 + pairs % 2; }

namespace {

constexpr int kSections = 4;
constexpr int kColumns = 15;
constexpr std::uint16_t kNoTable = SeedingGrid::kNoTable;
constexpr std::uint16_t kWaiting = SeedingGrid::kWaiting;

bool IsHowellKind(MovementKind k) {
  return k == MovementKind::Entrelaces || k == MovementKind::Howell || k == MovementKind::Partiel;
}

// Numbers placed outside the grid or where no table exists make the movement
// not coherent instead of being written anywhere.
class Builder {
 public:
  explicit Builder(const MovementSetting& s) : s_(s), grid_(kSections, kColumns) {}

  SeedingFileResult Run() {
    Fill();
    const int positions = PlaceInterwovenColumn();
    PlaceMissingPair();
    const auto order = PositionOrder(positions, Extended(), s_.tablesA == 8 || s_.tablesB == 8,
                                     s_.tablesA == 12 || s_.tablesB == 12);
    if (!order) coherent_ = false;
    if (s_.kindA == MovementKind::Partiel) PrefillPartialHowell();
    if (order) Number(*order);
    Rearrange();

    SeedingFileResult result;
    result.coherent = coherent_;
    if (s_.kindA == MovementKind::Mitchell && s_.tablesA > s_.rounds)
      result.message = kUnplayedPositionsMessage;
    else if (!coherent_)
      result.message = kNoCoherentMovementMessage;
    else
      result.lines = SeedingGridToLines(grid_);
    return result;
  }

 private:
  bool Extended() const {
    return s_.kindA == MovementKind::Elargi || s_.kindB == MovementKind::Elargi;
  }

  std::uint16_t Get(int row, int col) {
    if (!grid_.Contains(row, col)) {
      coherent_ = false;
      return kNoTable;
    }
    return grid_.At(row, col);
  }
  void Put(int row, int col, int value) {
    if (!grid_.Contains(row, col) || value < 1 || value >= kNoTable) {
      coherent_ = false;
      return;
    }
    grid_.Set(row, col, static_cast<std::uint16_t>(value));
  }
  // Moves a number that must exist into a cell of an existing table.
  void Move(int fromRow, int fromCol, int toRow, int toCol) {
    const std::uint16_t v = Get(fromRow, fromCol);
    if (v == kNoTable || v == kWaiting) {
      coherent_ = false;
      return;
    }
    Put(toRow, toCol, v);
  }

  void Fill() {
    const int nA = s_.tablesA, t = s_.rounds;
    for (int k = 1; k <= kColumns; ++k) {
      grid_.Set(1, k, k <= t && k <= 2 * nA - t ? kWaiting : kNoTable);
      grid_.Set(2, k, k <= t ? kWaiting : kNoTable);
    }
    const int others[] = {s_.tablesB, s_.tablesC, s_.tablesD};
    for (int i = 0; i < 3; ++i) {
      if (others[i] < 0 || others[i] > kColumns) coherent_ = false;
      grid_.SetSectionTables(i + 2, others[i]);
    }
  }

  // An interwoven Howell with more tables than rounds plays one more position.
  int PlaceInterwovenColumn() {
    if (s_.kindA != MovementKind::Entrelaces || s_.tablesA <= s_.rounds) return s_.rounds;
    if (!grid_.Contains(1, s_.tablesA)) {
      coherent_ = false;
    } else {
      grid_.Set(1, s_.tablesA, kWaiting);
      grid_.Set(2, s_.tablesA, kWaiting);
    }
    return s_.rounds + 1;
  }

  // In an odd field the highest number stands for the missing pair.
  void PlaceMissingPair() {
    const int tables = EventTables(s_.pairs);
    if (s_.pairs >= 2 * tables) return;
    const int missing = 2 * tables;
    const int nA = s_.tablesA;
    switch (s_.kindA) {
      case MovementKind::Mitchell:
      case MovementKind::Elargi: {
        const int col = nA % 2 == 1 ? 2 * nA - s_.rounds : 1;
        if (Get(1, col) != kWaiting) coherent_ = false;
        else Put(1, col, missing);
        break;
      }
      case MovementKind::Entrelaces:
        if (Get(2, nA) != kWaiting) coherent_ = false;
        else Put(2, nA, missing);
        break;
      case MovementKind::Howell:
      case MovementKind::Partiel:
        for (int col = kColumns; col >= 1; --col) {
          if (grid_.At(1, col) == kWaiting) {
            grid_.Set(1, col, static_cast<std::uint16_t>(missing));
            break;
          }
        }
        break;
      case MovementKind::Appendice:
        break;
    }
  }

  void PrefillPartialHowell() {
    const int k = (2 * s_.tablesA - s_.rounds) / 2;
    int next = s_.pairs / 2 - k;
    for (int col = 1; col <= kColumns; ++col)
      if (grid_.At(1, col) == kWaiting) Put(1, col, next++);
  }

  int FirstFreeNumber() const {
    std::set<int> used;
    for (int r = 1; r <= grid_.Rows(); ++r)
      for (int c = 1; c <= kColumns; ++c) used.insert(grid_.At(r, c));
    int n = 1;
    while (used.count(n)) ++n;
    return n;
  }

  // Serpentine numbering: the order's tables first, then any table it left out.
  void Number(const std::vector<int>& order) {
    bool downward = true;
    auto visit = [&](int col) {
      if (col < 1 || col > kColumns) return;
      bool numbered = false;
      for (int i = 0; i < grid_.Rows(); ++i) {
        const int row = downward ? 1 + i : grid_.Rows() - i;
        if (grid_.At(row, col) != kWaiting) continue;
        grid_.Set(row, col, static_cast<std::uint16_t>(FirstFreeNumber()));
        numbered = true;
      }
      if (numbered) downward = !downward;
    };
    for (int col : order) visit(col);
    for (int col = 1; col <= kColumns; ++col) visit(col);
  }

  void Rearrange() {
    const int nA = s_.tablesA;
    if (s_.kindA == MovementKind::Elargi) {
      if (s_.rounds == nA + 1) {
        Move(2, nA + 1, 1, nA);
        if (grid_.Contains(2, nA + 1)) grid_.Set(2, nA + 1, kNoTable);
      } else {
        Move(1, nA - 2, 1, nA - 1);
        Move(2, nA + 1, 1, nA - 2);
        Move(2, nA + 2, 1, nA);
        for (int col : {nA + 1, nA + 2})
          if (grid_.Contains(2, col)) grid_.Set(2, col, kNoTable);
      }
    } else if (IsHowellKind(s_.kindA)) {
      SeatHowell();
    }
  }

  void SeatHowell() {
    std::vector<std::uint16_t> numbers;
    for (int row : {2, 1})
      for (int col = 1; col <= kColumns; ++col)
        if (grid_.At(row, col) != kNoTable) {
          numbers.push_back(grid_.At(row, col));
          grid_.Set(row, col, kNoTable);
        }
    const int nA = s_.tablesA;
    if (!HowellStartKnown(nA, s_.rounds)) {
      coherent_ = false;
      return;
    }
    for (size_t j = 0; j < numbers.size(); ++j) {
      const auto seat = HowellStartSeat(nA, s_.rounds, static_cast<int>(j + 1));
      if (!seat) {
        coherent_ = false;
        continue;
      }
      Put(seat->line, seat->table, numbers[j]);
    }
    // Every seat of the movement must have received a pair.
    for (int t = 1; t <= nA; ++t)
      for (int row : {1, 2})
        if (Get(row, t) == kNoTable || Get(row, t) == kWaiting) coherent_ = false;
  }

  const MovementSetting& s_;
  SeedingGrid grid_;
  bool coherent_ = true;
};

}  // namespace

SeedingFileResult BuildSeedingFile(const MovementSetting& setting) {
  return Builder(setting).Run();
}

}  // namespace ked

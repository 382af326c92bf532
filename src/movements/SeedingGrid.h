#pragma once
// The seeding file for Magic Contest France: for each table of each section, the
// seeding numbers of the two pairs seated there. Both the balancing window and the
// movements window fill a SeedingGrid their own way, then write it through here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace ked {

// Two rows per section (its first and second line), one column per table.
class SeedingGrid {
 public:
  static constexpr std::uint16_t kNoTable = 999;  // the section has no such table
  static constexpr std::uint16_t kWaiting = 0;    // waits for a seeding number

  // Every cell starts as kNoTable.
  SeedingGrid(int sections, int columns);

  int Sections() const { return sections_; }
  int Rows() const { return 2 * sections_; }
  int Columns() const { return columns_; }

  // Rows and columns count from 1, as the file numbers sections and tables.
  bool Contains(int row, int column) const;
  // Throw std::out_of_range outside the grid: a misplaced number is never written.
  std::uint16_t At(int row, int column) const;
  void Set(int row, int column, std::uint16_t value);

  // Both lines of a section (1 for A): kWaiting for tables 1 to `tables`, kNoTable beyond.
  void SetSectionTables(int section, int tables);

 private:
  int sections_;
  int columns_;
  std::vector<std::uint16_t> cells_;
};

// The file's lines, without line ends: section, table, then the two numbers of the
// table separated by tabs; sections 2 and 4 give their second line's number first.
// A table is written when its first-line cell is not kNoTable.
std::vector<std::string> SeedingGridToLines(const SeedingGrid& grid);

// The whole file as written: Windows-1252, every line ended by CR LF.
std::string SeedingFileBytes(const std::vector<std::string>& lines);
bool WriteSeedingFile(const std::string& path, const std::vector<std::string>& lines);

// The proposed name: "<documents>\Magic Files\Mouvement\Equilibrage_MCF.txt",
// with this system's separators.
std::string DefaultSeedingFilePath(const std::string& documentsFolder);

// The save dialog's filter (the program's "Fichier équilibrage |*.txt").
inline constexpr const char* kSeedingFileFilter = "Fichier équilibrage (*.txt)";

std::string CannotCreateFileMessage(const std::string& path);

// Offers the save dialog (starting in `initialDirectory`, empty for none) and writes
// the lines to the confirmed file; an error box when it cannot be written.
// Returns the written path, nothing when cancelled or failed.
std::optional<std::string> SaveSeedingFile(Platform& platform,
                                           const std::vector<std::string>& lines,
                                           const std::string& initialDirectory = "");

}  // namespace ked

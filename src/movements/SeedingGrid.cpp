#include "movements/SeedingGrid.h"

#include <stdexcept>

#include "platform/Cp1252.h"
#include "platform/FileIO.h"

namespace ked {

SeedingGrid::SeedingGrid(int sections, int columns)
    : sections_(sections < 0 ? 0 : sections),
      columns_(columns < 0 ? 0 : columns),
      cells_(static_cast<size_t>(2 * sections_) * static_cast<size_t>(columns_), kNoTable) {}

bool SeedingGrid::Contains(int row, int column) const {
  return row >= 1 && row <= Rows() && column >= 1 && column <= columns_;
}

std::uint16_t SeedingGrid::At(int row, int column) const {
  if (!Contains(row, column)) throw std::out_of_range("seeding grid cell");
  return cells_[static_cast<size_t>(row - 1) * columns_ + (column - 1)];
}

void SeedingGrid::Set(int row, int column, std::uint16_t value) {
  if (!Contains(row, column)) throw std::out_of_range("seeding grid cell");
  cells_[static_cast<size_t>(row - 1) * columns_ + (column - 1)] = value;
}

void SeedingGrid::SetSectionTables(int section, int tables) {
  for (int line = 1; line <= 2; ++line)
    for (int k = 1; k <= columns_; ++k)
      Set(2 * section - 2 + line, k, k <= tables ? kWaiting : kNoTable);
}

std::vector<std::string> SeedingGridToLines(const SeedingGrid& grid) {
  std::vector<std::string> lines;
  for (int s = 1; s <= grid.Sections(); ++s) {
    const int first = 2 * s - 1;
    const int second = 2 * s;
    const bool secondLineFirst = s % 2 == 0;
    for (int t = 1; t <= grid.Columns(); ++t) {
      if (grid.At(first, t) == SeedingGrid::kNoTable) continue;
      const int a = grid.At(secondLineFirst ? second : first, t);
      const int b = grid.At(secondLineFirst ? first : second, t);
      lines.push_back(std::to_string(s) + "\t" + std::to_string(t) + "\t" + std::to_string(a) +
                      "\t" + std::to_string(b));
    }
  }
  return lines;
}

std::string SeedingFileBytes(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return Utf8ToCp1252(text);
}

bool WriteSeedingFile(const std::string& path, const std::vector<std::string>& lines) {
  return WriteFileBytes(path, SeedingFileBytes(lines));
}

std::string DefaultSeedingFilePath(const std::string& documentsFolder) {
#ifdef _WIN32
  constexpr char sep = '\\';
#else
  constexpr char sep = '/';
#endif
  std::string path = documentsFolder;
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path + sep + "Magic Files" + sep + "Mouvement" + sep + "Equilibrage_MCF.txt";
}

std::string CannotCreateFileMessage(const std::string& path) {
  return "Impossible de créer le fichier " + path;
}

std::optional<std::string> SaveSeedingFile(Platform& platform,
                                           const std::vector<std::string>& lines,
                                           const std::string& initialDirectory) {
  FileDialogRequest request;
  request.initialDirectory = initialDirectory;
  request.fileName = DefaultSeedingFilePath(platform.DocumentsFolder());
  request.filter = kSeedingFileFilter;
  const auto path = platform.SaveFileDialog(request);
  if (!path || path->empty()) return std::nullopt;
  if (!WriteSeedingFile(*path, lines)) {
    platform.MessageBox(MessageKind::Error, CannotCreateFileMessage(*path), BtnOk);
    return std::nullopt;
  }
  return path;
}

}  // namespace ked

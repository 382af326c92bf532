// libFuzzer target for the archive reader (not built by default; see
// cmake/TemplateArchive.cmake): every input is restored into a fresh folder,
// and anything written beside that folder aborts the run.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "backup/ArchiveListing.h"
#include "backup/BackupFile.h"
#include "platform/FileIO.h"
#include "platform/HeadlessPlatform.h"

namespace {
namespace fs = std::filesystem;

// Answers "Annuler" to every question and shows nothing.
class SilentPlatform : public ked::HeadlessPlatform {
 public:
  ked::MessageButton MessageBox(ked::MessageKind, const std::string&,
                                ked::MessageButtons buttons) override {
    return buttons & ked::BtnCancel ? ked::BtnCancel : ked::BtnOk;
  }
  void ShowMessage(const std::string&) override {}
};

const fs::path& Sandbox() {
  static const fs::path path = [] {
    std::string pattern = (fs::temp_directory_path() / "ked-fuzz-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& sandbox = Sandbox();
  const fs::path archive = sandbox / "in.bck";
  const fs::path target = sandbox / "out";
  ked::WriteFileBytes(archive.string(), std::string(reinterpret_cast<const char*>(data), size));
  SilentPlatform platform;
  ked::backup::TBackupFile restorer(platform);
  restorer.RestoreArchive(archive.string(), target.string() + "/");
  ked::backup::ListArchive(archive.string(), platform);
  for (const auto& e : fs::directory_iterator(sandbox))
    if (e.path() != archive && e.path() != target) abort();
  std::error_code ec;
  if (fs::exists(target))
    for (const auto& e : fs::directory_iterator(target))
      if (!e.is_regular_file()) abort();
  fs::remove_all(target, ec);
  return 0;
}

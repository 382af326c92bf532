// The reader against a corpus of damaged archives made from sound ones: no
// crash, no byte written outside the target folder, no unbounded memory.
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>

#include "ArchiveBytes.h"
#include "ArchiveTestFiles.h"
#include "backup/ArchiveListing.h"
#include "backup/BackupFile.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::backup {
namespace {
using namespace test;
namespace fs = std::filesystem;
using ked::test::FakePlatform;
using ked::test::TempDir;

long PeakMemoryKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

std::vector<std::string> Seeds(const TempDir& dir) {
  FakePlatform platform;
  fs::create_directory(dir.File("seed"));
  Write(dir.File("seed/appel.doc"), TextBytes(30000, 1));
  Write(dir.File("seed/bruit.bin"), RandomBytes(17000, 2));
  Write(dir.File("seed/vide.doc"), "");
  TBackupFile writer(platform);
  writer.BackupTitle = "Util_Ked.bck";
  writer.BackupFiles({dir.File("seed/appel.doc"), dir.File("seed/bruit.bin"),
                      dir.File("seed/vide.doc")},
                     dir.File("seed/Util_Ked.bck"));
  ArchiveBuilder special;
  special.Header().Entry("FILE:LIST", "a\r\n").Entry("..\\..\\x.doc", "xx").Entry("../fuite.doc", "ff")
      .Text("c:\\a\\b.doc").Int(0).Magic().StoredChunk("abc").Int(0).Text("NEXT:DISK001")
      .Magic().StoredChunk("def").Int(0).End();
  return {Read(dir.File("seed/Util_Ked.bck")), special.bytes};
}

std::string Mutate(std::string bytes, std::mt19937& rng) {
  static const std::int32_t hostile[] = {0, 1, -1, INT_MIN, INT_MAX, 16384, 16385, -16384,
                                         -16385, 4096, 4097, 1 << 20, -(1 << 20)};
  static const std::string fragments[] = {"..\\", "../", "/", "c:", "NEXT:DISK001", "FILE:LIST",
                                          std::string("EC2\0", 4)};
  const int steps = 1 + static_cast<int>(rng() % 3);
  for (int s = 0; s < steps && !bytes.empty(); ++s) {
    const std::size_t at = rng() % bytes.size();
    switch (rng() % 6) {
      case 0:  // flip bits
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << (rng() % 8)));
        break;
      case 1:  // a hostile length
        bytes.replace(at, std::min<std::size_t>(4, bytes.size() - at),
                      Int32Bytes(hostile[rng() % std::size(hostile)]));
        break;
      case 2:  // cut short
        bytes.resize(at);
        break;
      case 3:  // a slice repeated
        bytes.insert(at, bytes.substr(rng() % bytes.size(), rng() % 64));
        break;
      case 4:  // a slice dropped
        bytes.erase(at, rng() % 64);
        break;
      case 5:  // a meaningful text
        bytes.insert(at, fragments[rng() % std::size(fragments)]);
        break;
    }
  }
  return bytes;
}

// Everything under `root` but the archive and the target folder's plain
// files (a restore's temporary file left behind counts as a stray).
std::vector<std::string> Strays(const fs::path& root) {
  std::vector<std::string> strays;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    const fs::path rel = fs::relative(e.path(), root);
    if (rel == "in" || rel == "in/Util_Ked.bck" || rel == "out") continue;
    const bool restoredFile = rel.parent_path() == "out" && e.is_regular_file() &&
                              rel.filename().string().rfind(".ked-restore-", 0) != 0;
    if (!restoredFile) strays.push_back(rel.string());
  }
  return strays;
}

TEST(ArchiveFuzz, DamagedArchivesNeverEscapeTheTargetFolder) {
  TempDir seedDir;
  const std::vector<std::string> seeds = Seeds(seedDir);
  ASSERT_GT(seeds[0].size(), 1000u);
  TempDir sandbox;
  fs::create_directory(sandbox.File("in"));
  const std::string archivePath = sandbox.File("in/Util_Ked.bck");
  const std::string target = sandbox.Folder() + "out/";
  const long memoryBefore = PeakMemoryKb();
  std::mt19937 rng(20261210);
  int restored = 0, refused = 0;
  std::error_code ec;
  for (int i = 0; i < 2500; ++i) {
    const std::string bytes = Mutate(seeds[i % seeds.size()], rng);
    Write(archivePath, bytes);
    FakePlatform platform;  // the prompt for a next volume is cancelled
    TBackupFile restorer(platform);
    (restorer.RestoreArchive(archivePath, target) ? restored : refused)++;
    const ArchiveListing listing = ListArchive(archivePath, platform);
    std::int64_t listed = 0;
    for (const auto& e : listing.entries) listed += e.size;
    // A chunk never gives more than 16384 bytes; each costs at least 8 bytes.
    ASSERT_LE(listed, static_cast<std::int64_t>(bytes.size()) * 16384 / 8) << "case " << i;
    const auto strays = Strays(sandbox.path());
    ASSERT_TRUE(strays.empty()) << "case " << i << ": " << strays.front();
    for (const auto& e : fs::directory_iterator(target, ec)) fs::remove_all(e.path(), ec);
  }
  EXPECT_GT(restored, 0);
  EXPECT_GT(refused, 0);
  EXPECT_LT(PeakMemoryKb() - memoryBefore, 64 * 1024);
}

}  // namespace
}  // namespace ked::backup

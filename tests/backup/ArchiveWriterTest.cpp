#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ArchiveBytes.h"
#include "ArchiveTestFiles.h"
#include "LocalTimeZone.h"
#include "backup/BackupFile.h"
#include "backup/DosDate.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked::backup {
namespace {
using namespace test;
using ked::test::FakePlatform;
using ked::test::TempDir;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

class ArchiveWriter : public ::testing::Test {
 protected:
  // Packs the files and reads the archive back field by field.
  ParsedArchive Pack(const std::vector<std::string>& files) {
    TBackupFile archive(platform);
    archive.BackupTitle = "Util_Ked.bck";
    EXPECT_TRUE(archive.BackupFiles(files, ArchivePath()));
    return ArchiveParser(Read(ArchivePath())).Parse();
  }
  std::string ArchivePath() const { return dir.File("Util_Ked.bck"); }

  TempDir dir;
  FakePlatform platform;
};

struct ChunkCase {
  const char* what;
  std::string data;
  std::vector<std::int32_t> signs;   // +1 compressed, -1 stored as it is
  std::vector<std::size_t> sizes;    // file bytes of each chunk
};

TEST_F(ArchiveWriter, CutsFilesIntoChunksStoredCompressedOrAsTheyAre) {
  const ChunkCase cases[] = {
      {"empty file", "", {}, {}},
      {"one byte", "a", {+1}, {1}},
      {"repeated bytes", RepeatedBytes(16384), {+1}, {16384}},
      {"16385 repeated bytes", RepeatedBytes(16385), {+1, +1}, {16384, 1}},
      {"random bytes", RandomBytes(16384, 1), {-1}, {16384}},
      {"16385 random bytes", RandomBytes(16385, 2), {-1, +1}, {16384, 1}},
      {"random then repeated", RandomBytes(16384, 3) + RepeatedBytes(20000), {-1, +1, +1},
       {16384, 16384, 3616}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Write(dir.File("f.bin"), c.data);
    const ParsedArchive a = Pack({dir.File("f.bin")});
    ASSERT_EQ(a.entries.size(), 1u);
    const auto& chunks = a.entries[0].chunks;
    ASSERT_EQ(chunks.size(), c.signs.size());
    for (std::size_t i = 0; i < chunks.size(); ++i) {
      EXPECT_EQ(chunks[i].length > 0 ? 1 : -1, c.signs[i]) << "chunk " << i;
      EXPECT_EQ(chunks[i].plain.size(), c.sizes[i]) << "chunk " << i;
      if (chunks[i].length < 0) {
        EXPECT_EQ(-chunks[i].length, static_cast<int>(c.sizes[i]));
      }
    }
    EXPECT_EQ(a.entries[0].Data(), c.data);
  }
}

TEST_F(ArchiveWriter, CompressedChunksAreZlibStreamsOfLevelNine) {
  const std::string data = TextBytes(16384, 7);
  Write(dir.File("f.txt"), data);
  TBackupFile archive(platform);
  ASSERT_TRUE(archive.BackupFiles({dir.File("f.txt")}, ArchivePath()));
  const std::string expected = Compress(data, 9);
  const std::string bytes = Read(ArchivePath());
  const std::size_t name = dir.File("f.txt").size();
  // title length, no title, total, count, name record, date, magic
  const std::size_t chunkAt = 4 + 4 + 4 + 4 + name + 4 + 4;
  EXPECT_EQ(bytes.substr(chunkAt, 4), Int32Bytes(static_cast<std::int32_t>(expected.size())));
  EXPECT_EQ(bytes.substr(chunkAt + 4, expected.size()), expected);
  EXPECT_EQ(static_cast<unsigned char>(bytes[chunkAt + 4]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(bytes[chunkAt + 5]), 0xDA);  // best compression
}

TEST_F(ArchiveWriter, EmptyFileGivesTheMagicThenTheGroupEnd) {
  Write(dir.File("vide.doc"), "");
  TBackupFile archive(platform);
  ASSERT_TRUE(archive.BackupFiles({dir.File("vide.doc")}, ArchivePath()));
  const std::string bytes = Read(ArchivePath());
  EXPECT_EQ(bytes.substr(bytes.size() - 12), std::string("EC2\0", 4) + Int32Bytes(0) + Int32Bytes(0));
}

TEST_F(ArchiveWriter, HeaderAndEntriesAsCollected) {
  ScopedTimeZone paris(kParisZone);
  Write(dir.File("Appel.doc"), TextBytes(5000, 1));
  Write(dir.File("crendarb.doc"), RandomBytes(20000, 2));
  SetModified(dir.File("Appel.doc"), Utc(2023, 3, 14, 15, 9, 27));
  SetModified(dir.File("crendarb.doc"), Utc(2024, 8, 1, 6, 0, 0));
  std::filesystem::create_directory(dir.File("dossier.doc"));
  const ParsedArchive a = Pack({
      dir.File("appel.doc"),         // found whatever its case
      dir.File("absent.doc"),        // left out without a message
      dir.File("crendarb.doc"),
      dir.File("APPEL.DOC"),         // already collected
      dir.File("dossier.doc"),       // a folder
      dir.File("Util_Ked.bck"),      // the archive itself
  });
  EXPECT_EQ(a.title, "Util_Ked.bck");
  EXPECT_EQ(a.totalSize, 25000);
  EXPECT_EQ(a.fileCount, 2);
  ASSERT_EQ(a.entries.size(), 2u);
  EXPECT_EQ(a.entries[0].name, Lower(dir.File("Appel.doc")));
  EXPECT_EQ(a.entries[1].name, Lower(dir.File("crendarb.doc")));
  EXPECT_EQ(a.entries[0].date, (43u << 25) | (3u << 21) | (14u << 16) | (16u << 11) | (9u << 5) | 13u);
  EXPECT_EQ(a.entries[1].date, PackDosDate(Utc(2024, 8, 1, 6, 0, 0)));
  EXPECT_EQ(a.entries[1].Data(), RandomBytes(20000, 2));
  EXPECT_EQ(platform.Count("MessageBox"), 0u);
}

TEST_F(ArchiveWriter, NothingToStoreStillMakesAnArchive) {
  const ParsedArchive a = Pack({dir.File("absent.doc")});
  EXPECT_EQ(a.totalSize, 0);
  EXPECT_EQ(a.fileCount, 0);
  EXPECT_TRUE(a.entries.empty());
  EXPECT_EQ(Read(ArchivePath()).size(), 4u + 12 + 4 + 4 + 4);
}

TEST_F(ArchiveWriter, LetsWindowEventsRunBetweenChunks) {
  Write(dir.File("f.bin"), RepeatedBytes(3 * 16384));
  TBackupFile archive(platform);
  ASSERT_TRUE(archive.BackupFiles({dir.File("f.bin")}, ArchivePath()));
  EXPECT_EQ(platform.pendingEventRuns, 3);
}

TEST_F(ArchiveWriter, ArchiveThatCannotBeCreatedIsReported) {
  Write(dir.File("a.doc"), "abc");
  TBackupFile archive(platform);
  EXPECT_FALSE(archive.BackupFiles({dir.File("a.doc")}, dir.File("absent/Util_Ked.bck")));
  EXPECT_EQ(archive.LastError(), BackupError::CannotWriteArchive);
  ASSERT_EQ(platform.Count("MessageBox"), 1u);
  EXPECT_EQ(platform.calls[0].text, "Cannot write to archive");
  EXPECT_EQ(platform.calls[0].kind, MessageKind::Error);
  EXPECT_EQ(platform.calls[0].buttons, BtnOk);
}

// A file that opens but cannot be read stops the work; the old archive stays.
TEST_F(ArchiveWriter, UnreadableFileKeepsTheOldArchive) {
  if (!FileExists("/proc/self/mem")) GTEST_SKIP() << "no /proc";
  Write(ArchivePath(), "old archive");
  Write(dir.File("a.doc"), "abc");
  TBackupFile archive(platform);
  EXPECT_FALSE(archive.BackupFiles({dir.File("a.doc"), "/proc/self/mem"}, ArchivePath()));
  EXPECT_EQ(archive.LastError(), BackupError::CannotReadFile);
  ASSERT_EQ(platform.Count("MessageBox"), 1u);
  EXPECT_EQ(platform.calls[0].text, "Cannot read file");
  EXPECT_EQ(Read(ArchivePath()), "old archive");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 2);  // no half-written archive left beside it
}

}  // namespace
}  // namespace ked::backup

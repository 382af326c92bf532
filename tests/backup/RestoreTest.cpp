#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <filesystem>

#include "ArchiveBytes.h"
#include "ArchiveTestFiles.h"
#include "LocalTimeZone.h"
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

// Sources and archive in one folder, the restore in another beside it.
class Restore : public ::testing::Test {
 protected:
  std::string Source(const std::string& name) const { return dir.File("src/" + name); }
  std::string Target(const std::string& name = "") const { return dir.Folder() + "out/" + name; }
  std::string ArchivePath() const { return dir.File("arc/Util_Ked.bck"); }

  void SetUp() override {
    fs::create_directory(dir.File("src"));
    fs::create_directory(dir.File("arc"));
  }
  void Pack(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const auto& n : names) paths.push_back(Source(n));
    TBackupFile archive(platform);
    ASSERT_TRUE(archive.BackupFiles(paths, ArchivePath()));
    platform.Clear();
  }
  bool RestoreAll() { return restorer.RestoreArchive(ArchivePath(), Target()); }
  std::vector<std::string> Names(const std::string& folder) const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> ErrorBoxes() const {
    std::vector<std::string> texts;
    for (const auto& c : platform.CallsOf("MessageBox"))
      if (c.kind == MessageKind::Error) texts.push_back(c.text);
    return texts;
  }

  TempDir dir;
  FakePlatform platform;
  TBackupFile restorer{platform};
};

TEST_F(Restore, RoundTripOfFilesOfManySizes) {
  const std::size_t sizes[] = {0, 1, 2, 100, 16383, 16384, 16385, 32768, 40000, 100003};
  std::vector<std::string> names;
  std::map<std::string, std::string> contents;
  unsigned seed = 1;
  for (std::size_t size : sizes) {
    for (const char* kind : {"random", "text", "mixed"}) {
      const std::string name = std::string(kind) + std::to_string(size) + ".bin";
      const unsigned s = seed++;
      std::string data = kind[0] == 'r'   ? RandomBytes(size, s)
                         : kind[0] == 't' ? TextBytes(size, s)
                                          : RandomBytes(size / 2, s) + TextBytes(size - size / 2, s);
      Write(Source(name), data);
      names.push_back(name);
      contents[name] = data;
    }
  }
  Pack(names);
  ASSERT_TRUE(RestoreAll());
  for (const auto& [name, data] : contents) EXPECT_EQ(Read(Target(name)), data) << name;
  EXPECT_EQ(Names(Target()).size(), names.size());
  EXPECT_TRUE(platform.CallsOf("MessageBox").empty());

  const ArchiveListing listing = ListArchive(ArchivePath(), platform);
  ASSERT_TRUE(listing.outcome.ok());
  ASSERT_EQ(listing.entries.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(listing.entries[i].size, static_cast<std::int64_t>(contents[names[i]].size()));
}

TEST_F(Restore, RestoredFileBearsTheStoredDateToTwoSeconds) {
  ScopedTimeZone paris(kParisZone);
  const std::time_t when = Utc(2025, 7, 14, 9, 59, 17);
  Write(Source("commis.doc"), "commission");
  SetModified(Source("commis.doc"), when);
  Pack({"commis.doc"});
  ASSERT_TRUE(RestoreAll());
  EXPECT_GE(Modified(Target("commis.doc")), when - 1);
  EXPECT_LE(Modified(Target("commis.doc")), when);
}

TEST_F(Restore, ReplacesTheFileOfTheSameNameInAnyCase) {
  Write(Source("appel.doc"), "nouvel appel");
  Pack({"appel.doc"});
  fs::create_directory(Target());
  Write(Target("Appel.doc"), "ancien appel, plus long que le nouveau");
  ASSERT_TRUE(RestoreAll());
  EXPECT_EQ(Names(Target()), std::vector<std::string>{"Appel.doc"});
  EXPECT_EQ(Read(Target("Appel.doc")), "nouvel appel");
}

TEST_F(Restore, HeldFileStopsTheRestoreThere) {
  for (const char* n : {"a.doc", "b.doc", "c.doc"}) Write(Source(n), std::string("neuf ") + n);
  Pack({"a.doc", "b.doc", "c.doc"});
  fs::create_directories(Target("b.doc"));  // in the way: cannot be replaced
  Write(Target("c.doc"), "ancien c");
  EXPECT_FALSE(RestoreAll());
  EXPECT_EQ(restorer.LastError(), BackupError::CannotReadFile);
  EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{"Cannot read file"});
  EXPECT_EQ(Read(Target("a.doc")), "neuf a.doc");
  EXPECT_TRUE(fs::is_directory(Target("b.doc")));
  EXPECT_EQ(Read(Target("c.doc")), "ancien c");
  EXPECT_EQ(Names(Target()), (std::vector<std::string>{"a.doc", "b.doc", "c.doc"}));
}

TEST_F(Restore, AbsentArchiveFailsWithoutAMessage) {
  EXPECT_FALSE(RestoreAll());
  EXPECT_EQ(restorer.LastError(), BackupError::None);
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(Restore, FileListIsNeverRestored) {
  ArchiveBuilder b;
  b.Header().Entry("FILE:LIST", "c:\\util_ked\\a.doc\r\n").Entry("c:\\util_ked\\a.doc", "aaa").End();
  Write(ArchivePath(), b.bytes);
  ASSERT_TRUE(RestoreAll());
  EXPECT_EQ(Names(Target()), std::vector<std::string>{"a.doc"});
}

TEST_F(Restore, StoredChunksAndAnEmptyGroupRestore) {
  ArchiveBuilder b;
  b.Header().Text("vide.doc").Int(0x5A8A6000).Magic().Int(0);
  b.Text("brut.doc").Int(0x5A8A6000).Magic().StoredChunk("abc").PackedChunk("def").StoredChunk("g").Int(0);
  b.End();
  Write(ArchivePath(), b.bytes);
  ASSERT_TRUE(RestoreAll());
  EXPECT_EQ(Read(Target("vide.doc")), "");
  EXPECT_EQ(Read(Target("brut.doc")), "abcdefg");
}

// Only the file part of a stored name is used, inside the target folder.
TEST_F(Restore, StoredNamesNeverLeaveTheTargetFolder) {
  struct NameCase {
    std::string stored;
    std::string restored;  // "" when the entry is refused
  };
  const NameCase cases[] = {
      {"c:\\program files\\util_ked\\appel.doc", "appel.doc"},
      {"..\\..\\evil.txt", "evil.txt"},
      {"../../evil2.txt", "evil2.txt"},
      {"/etc/passwd", "passwd"},
      {"c:evil3", "evil3"},
      {"\\\\serveur\\partage\\x.doc", "x.doc"},
      {"\xe9t\xe9.doc", "été.doc"},
      {"..", ""},
      {"c:\\dossier\\", ""},
      {"a\\.", ""},
      {std::string("a.doc\0.exe", 10), ""},
      {"ligne\nnouvelle", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    fs::remove_all(Target());
    platform.Clear();
    ArchiveBuilder b;
    b.Header().Entry(c.stored, "contenu").End();
    Write(ArchivePath(), b.bytes);
    const bool ok = RestoreAll();
    EXPECT_EQ(ok, !c.restored.empty());
    if (ok) {
      EXPECT_EQ(Names(Target()), std::vector<std::string>{c.restored});
    } else {
      EXPECT_TRUE(Names(Target()).empty());
      EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{"Cannot read file"});
    }
    for (const auto& name : Names(dir.Folder())) EXPECT_TRUE(name == "arc" || name == "out" || name == "src") << name;
    EXPECT_EQ(Names(dir.File("arc")), std::vector<std::string>{"Util_Ked.bck"});
  }
}

struct DamageCase {
  const char* what;
  std::string bytes;
  BackupError error;
};

ArchiveBuilder WithHeader() {
  ArchiveBuilder b;
  b.Header();
  return b;
}
std::string EntryStart(const char* name = "a.doc") {
  return WithHeader().Text(name).Int(0x5A8A6000).bytes;
}

TEST_F(Restore, DamagedArchivesEndInTheirError) {
  std::string overlong = Compress(RepeatedBytes(20000));
  const DamageCase cases[] = {
      {"empty file", "", BackupError::CannotReadArchive},
      {"header cut short", WithHeader().bytes.substr(0, 10), BackupError::CannotReadArchive},
      {"huge title length", ArchiveBuilder().Int(INT_MAX).bytes, BackupError::CannotReadArchive},
      {"negative title length", ArchiveBuilder().Int(-5).Int(0).Int(0).End().bytes,
       BackupError::CannotReadArchive},
      {"no end mark", WithHeader().bytes, BackupError::CannotReadArchive},
      {"negative name length", WithHeader().Int(-1).bytes, BackupError::CannotReadArchive},
      {"huge name length", WithHeader().Int(INT_MAX).Raw("abc").bytes,
       BackupError::CannotReadArchive},
      {"name cut short", WithHeader().Int(50).Raw("abc").bytes, BackupError::CannotReadArchive},
      {"no date", WithHeader().Text("a.doc").bytes, BackupError::CannotReadArchive},
      {"volume mark without digits", WithHeader().Text("NEXT:DISKabc").bytes,
       BackupError::CannotReadArchive},
      {"no magic", EntryStart() + "EC3" + std::string(1, '\0') + Int32Bytes(0) + Int32Bytes(0),
       BackupError::CannotReadFile},
      {"file list without magic",
       WithHeader().Text("FILE:LIST").Int(0).Raw("XXXX").Int(0).End().bytes,
       BackupError::InvalidArchiveType},
      {"skipped chunk beyond the end",
       WithHeader().Text("FILE:LIST").Int(0).Magic().Int(INT_MIN).End().bytes,
       BackupError::InvalidArchiveType},
      {"chunk length INT_MIN", ArchiveBuilder{EntryStart()}.Magic().Int(INT_MIN).bytes,
       BackupError::CannotReadFile},
      {"huge compressed chunk", ArchiveBuilder{EntryStart()}.Magic().Int(INT_MAX).Raw("xx").bytes,
       BackupError::CannotReadFile},
      {"stored chunk over 16384", ArchiveBuilder{EntryStart()}.Magic().StoredChunk(RepeatedBytes(16385)).Int(0).End().bytes,
       BackupError::CannotReadFile},
      {"data cut short", ArchiveBuilder{EntryStart()}.Magic().Int(-100).Raw("abc").bytes,
       BackupError::CannotReadFile},
      {"no group end", ArchiveBuilder{EntryStart()}.Magic().StoredChunk("abc").bytes,
       BackupError::CannotReadFile},
      {"not a zlib stream", ArchiveBuilder{EntryStart()}.Magic().Text("garbage!").Int(0).End().bytes,
       BackupError::CompressionError},
      {"zlib stream of more than a chunk", ArchiveBuilder{EntryStart()}.Magic().Text(overlong).Int(0).End().bytes,
       BackupError::CompressionError},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Target());
    platform.Clear();
    Write(ArchivePath(), c.bytes);
    EXPECT_FALSE(RestoreAll());
    EXPECT_EQ(restorer.LastError(), c.error);
    // Codes 3 and 5 are shown by the command that asked for the restore.
    if (EndsCommand(c.error)) EXPECT_TRUE(ErrorBoxes().empty());
    else EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{BackupErrorText(c.error)});
    EXPECT_TRUE(Names(Target()).empty());  // no half-restored file
  }
}

TEST_F(Restore, FilesBeforeADamagedEntryStayRestored) {
  ArchiveBuilder b;
  b.Header().Entry("a.doc", "aaa").Text("b.doc").Int(0).Raw("XXXX").Int(0).End();
  Write(ArchivePath(), b.bytes);
  EXPECT_FALSE(RestoreAll());
  EXPECT_EQ(ErrorBoxes(), std::vector<std::string>{"Cannot read file"});
  EXPECT_EQ(Names(Target()), std::vector<std::string>{"a.doc"});
}

class RestoreVolumes : public Restore {
 protected:
  void SetUp() override {
    Restore::SetUp();
    ArchiveBuilder first;
    first.Header().Text("c:\\util_ked\\x.doc").Int(0x5A8A6000).Magic().PackedChunk("premier ")
        .Int(0).Text("NEXT:DISK001");
    Write(ArchivePath(), first.bytes);
    ArchiveBuilder second;
    second.Magic().StoredChunk("second").Int(0).Entry("y.doc", "yyy").End();
    secondVolume = second.bytes;
  }
  std::string secondVolume;
};

TEST_F(RestoreVolumes, EntryGoesOnInTheNextVolume) {
  Write(dir.File("arc/Util_Ked.001"), secondVolume);
  platform.boxAnswers = {BtnOk};
  ASSERT_TRUE(RestoreAll());
  const auto prompts = platform.CallsOf("MessageBox");
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].text, "Please insert disk 1 and click OK to continue.");
  EXPECT_EQ(prompts[0].kind, MessageKind::Information);
  EXPECT_EQ(prompts[0].buttons, BtnOk | BtnCancel);
  EXPECT_EQ(Read(Target("x.doc")), "premier second");
  EXPECT_EQ(Read(Target("y.doc")), "yyy");
}

TEST_F(RestoreVolumes, AskedAgainUntilTheVolumeIsThereOrCancelled) {
  platform.boxAnswers = {BtnOk, BtnOk, BtnCancel};
  EXPECT_FALSE(RestoreAll());
  EXPECT_EQ(platform.Count("MessageBox"), 3u);
  EXPECT_TRUE(ErrorBoxes().empty());
  EXPECT_TRUE(Names(Target()).empty());
}

TEST(VolumePath, ExtensionReplacedByTheVolumeNumber) {
  EXPECT_EQ(VolumePath("/a/Util_Ked.bck", "002"), "/a/Util_Ked.002");
  EXPECT_EQ(VolumePath("/a.b/archive", "010"), "/a.b/archive.010");
}

}  // namespace
}  // namespace ked::backup

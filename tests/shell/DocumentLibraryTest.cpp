#include "shell/DocumentLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "../backup/ArchiveBytes.h"
#include "platform/FileIO.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace ked {
namespace {
namespace fs = std::filesystem;
using test::FakePlatform;
using test::TempDir;

const std::vector<std::string> kForms = {"appel.doc", "crendarb.doc", "ProblemeArbitrage.doc",
                                         "FicheArbitrage.xls", "DocumentComptable.xls",
                                         "commis.doc"};

const char* kMissingArchive =
    "Le Fichier Util_Ked.bck n'est pas\r\rdans le répertoire dr l'executable";

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

std::string ExportedText(const std::string& path) {
  return "Votre programme Word ou Excel devrait démarrer\r\rpenser à enregistrer dans votre\r\r"
         "dossier habituel le fichier\r\r" + path;
}

// A program folder holding the six forms of the installation.
class DocumentLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& form : kForms) CopyForm(form);
  }
  void CopyForm(const std::string& form) {
    fs::copy_file(std::string(KED_SOURCE_DIR) + "/forms/" + form, folder + form,
                  fs::copy_options::overwrite_existing);
  }
  void Save() {
    platform.boxAnswers = {BtnOk};
    ASSERT_TRUE(SaveTemplates(platform, folder));
    platform.Clear();
  }
  std::string Archive() const { return ReadFileBytes(folder + "Util_Ked.bck").value_or(""); }
  std::string FormBytes(const std::string& form) const {
    return ReadFileBytes(std::string(KED_SOURCE_DIR) + "/forms/" + form).value_or("<none>");
  }
  std::string Bytes(const std::string& name) const {
    return ReadFileBytes(folder + name).value_or("<absent>");
  }
  // (kind, text) of every box, and every path opened.
  std::vector<std::pair<MessageKind, std::string>> Boxes() const {
    std::vector<std::pair<MessageKind, std::string>> boxes;
    for (const auto& c : platform.CallsOf("MessageBox")) boxes.emplace_back(c.kind, c.text);
    return boxes;
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> paths;
    for (const auto& c : platform.CallsOf("ShellOpen")) paths.push_back(c.text);
    return paths;
  }

  TempDir dir;
  const std::string folder = dir.Folder();
  FakePlatform platform;
};

TEST_F(DocumentLibrary, SaveAsksThenStoresTheSixTemplates) {
  platform.boxAnswers = {BtnOk};
  ASSERT_TRUE(SaveTemplates(platform, folder));
  ASSERT_EQ(platform.calls.size(), 1u);
  const auto& box = platform.calls[0];
  EXPECT_EQ(box.kind, MessageKind::Confirmation);
  EXPECT_EQ(box.buttons, BtnOk | BtnCancel);
  EXPECT_EQ(box.text,
            "Les fichiers au format Word et Excel\r\r"
            "appel.doc            : formulaire d'appel \r\r"
            "crendarb.doc         : Compte rendu d'arbitrage\r\r"
            "ProblemeArbitrage.doc: remonter \r\r"
            "DocumentComptable.xls: Document comptable\r\r"
            "FicheArbitrage.xls   : Mémoire de frais d'arbitrage\r\r"
            "commis.doc           : Document pour membres\r\r"
            "                              de commission d'appel\r\r"
            " doivent être dans le répertoire de Util_Ked");

  const std::string bytes = Archive();
  std::int32_t total = 0;
  for (const auto& form : kForms) total += static_cast<std::int32_t>(FormBytes(form).size());
  EXPECT_EQ(bytes.substr(0, 16), backup::test::Int32Bytes(12) + "Util_Ked.bck");
  EXPECT_EQ(bytes.substr(16, 8), backup::test::Int32Bytes(total) + backup::test::Int32Bytes(6));
  EXPECT_EQ(bytes.substr(bytes.size() - 4), backup::test::Int32Bytes(0));
  const auto archive = backup::test::ArchiveParser(bytes).Parse();
  ASSERT_EQ(archive.entries.size(), 6u);
  for (std::size_t i = 0; i < kForms.size(); ++i) {
    EXPECT_EQ(archive.entries[i].name, Lower(folder + kForms[i]));
    EXPECT_EQ(archive.entries[i].Data(), FormBytes(kForms[i]));
  }
}

TEST_F(DocumentLibrary, SaveCancelledWritesNothing) {
  EXPECT_FALSE(SaveTemplates(platform, folder));  // unscripted: "Annuler"
  EXPECT_FALSE(FileExists(folder + "Util_Ked.bck"));
  EXPECT_EQ(platform.calls.size(), 1u);
}

TEST_F(DocumentLibrary, SaveThatFailsSaysSo) {
  platform.boxAnswers = {BtnOk};
  EXPECT_FALSE(SaveTemplates(platform, folder + "absent/"));
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1], std::make_pair(MessageKind::Error, std::string("Cannot write to archive")));
  ASSERT_EQ(platform.Count("ShowMessage"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text, "L'enregistrement n'a pas eu lieu");
}

TEST_F(DocumentLibrary, ExportRestoresEveryTemplateThenOpensTheOneAsked) {
  Save();
  for (const auto& form : kForms) ASSERT_TRUE(WriteFileBytes(folder + form, "rempli"));
  ExportTemplate(platform, folder, "crendarb.doc");
  for (const auto& form : kForms) EXPECT_EQ(Bytes(form), FormBytes(form)) << form;
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], std::make_pair(MessageKind::Warning, ExportedText(folder + "crendarb.doc")));
  EXPECT_EQ(platform.CallsOf("MessageBox")[0].buttons, BtnOk);
  EXPECT_EQ(Opened(), std::vector<std::string>{folder + "crendarb.doc"});
}

// "Appel.doc" and the stored "appel.doc" are one template, whatever the file system.
TEST_F(DocumentLibrary, ExportFindsTheTemplateWithoutRegardToCase) {
  Save();
  fs::rename(folder + "appel.doc", folder + "Appel.doc");
  ASSERT_TRUE(WriteFileBytes(folder + "Appel.doc", "ancien"));
  ExportTemplate(platform, folder, "Appel.doc");
  EXPECT_EQ(Bytes("Appel.doc"), FormBytes("appel.doc"));
  EXPECT_FALSE(FileExists(folder + "appel.doc"));
  EXPECT_EQ(Opened(), std::vector<std::string>{folder + "Appel.doc"});

  platform.Clear();
  fs::remove(folder + "Appel.doc");
  fs::remove(folder + "ProblemeArbitrage.doc");
  ExportTemplate(platform, folder, "ProblemeArbitrage.doc");
  // Restored under their stored, lower-case names, and found there.
  EXPECT_EQ(Bytes("appel.doc"), FormBytes("appel.doc"));
  EXPECT_EQ(Bytes("problemearbitrage.doc"), FormBytes("ProblemeArbitrage.doc"));
  EXPECT_EQ(Opened(), std::vector<std::string>{folder + "problemearbitrage.doc"});
}

TEST_F(DocumentLibrary, TemplateLeftOutOfTheArchiveIsStillAskedFor) {
  fs::remove(folder + "commis.doc");
  Save();
  EXPECT_EQ(backup::test::ArchiveParser(Archive()).Parse().entries.size(), 5u);
  fs::remove(folder + "appel.doc");
  ExportTemplate(platform, folder, "commis.doc");
  EXPECT_TRUE(FileExists(folder + "appel.doc"));
  EXPECT_FALSE(FileExists(folder + "commis.doc"));
  EXPECT_EQ(Opened(), std::vector<std::string>{folder + "commis.doc"});
}

TEST_F(DocumentLibrary, WithoutTheArchiveEveryExportSaysOnlyThat) {
  for (const char* file : {"Appel.doc", "crendarb.doc", "commis.doc", "DocumentComptable.xls",
                           "FicheArbitrage.xls", "ProblemeArbitrage.doc"}) {
    platform.Clear();
    ExportTemplate(platform, folder, file);
    EXPECT_EQ(Boxes(), (std::vector<std::pair<MessageKind, std::string>>{
                           {MessageKind::Error, kMissingArchive}}))
        << file;
    EXPECT_TRUE(Opened().empty());
  }
}

TEST_F(DocumentLibrary, UnreadableHeaderEndsTheExport) {
  ASSERT_TRUE(WriteFileBytes(folder + "Util_Ked.bck", "EC2"));
  ExportTemplate(platform, folder, "Appel.doc");
  EXPECT_EQ(Boxes(), (std::vector<std::pair<MessageKind, std::string>>{
                         {MessageKind::Error, "Cannot read archive"}}));
  EXPECT_TRUE(Opened().empty());
}

TEST_F(DocumentLibrary, HeldTemplateStopsTheRestore) {
  Save();
  ASSERT_TRUE(WriteFileBytes(folder + "appel.doc", "rempli"));
  fs::remove(folder + "crendarb.doc");
  fs::create_directory(folder + "crendarb.doc");  // cannot be replaced
  ExportTemplate(platform, folder, "Appel.doc");
  EXPECT_EQ(Boxes(), (std::vector<std::pair<MessageKind, std::string>>{
                         {MessageKind::Error, "Cannot read file"},
                         {MessageKind::Error, kMissingArchive}}));
  EXPECT_EQ(Bytes("appel.doc"), FormBytes("appel.doc"));
  EXPECT_TRUE(Opened().empty());
}

struct OwnerFileCase {
  const char* ownerFile;
  const char* templateName;  // "" when the file is no owner file
};

TEST_F(DocumentLibrary, OwnerFileOfAnOpenTemplateStopsTheExport) {
  const OwnerFileCase cases[] = {
      {"~$Appel", "Appel"},
      {"~$endarb", "crendarb"},
      {"~$ocumentComptable", "DocumentComptable"},
      {"~$commis", "commis"},
      {"~$appel", "Appel"},                           // any case
      {"~$Appel.doc", "Appel"},                       // Word's own name
      {"~$endarb.doc", "crendarb"},
      {"~$DocumentComptable.xls", "DocumentComptable"},  // Excel's
      {".~lock.commis.doc#", "commis"},               // LibreOffice's
      {"~$crendarb", ""},
      {"~$ProblemeArbitrage.doc", ""},
      {"~$FicheArbitrage.xls", ""},
  };
  Save();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ownerFile);
    platform.Clear();
    ASSERT_TRUE(WriteFileBytes(folder + c.ownerFile, "owner"));
    const bool free = CheckTemplatesNotInUse(platform, folder);
    EXPECT_EQ(free, std::string(c.templateName).empty());
    if (!free) {
      EXPECT_EQ(Boxes(), (std::vector<std::pair<MessageKind, std::string>>{
                             {MessageKind::Warning,
                              std::string("Le Fichier ") + c.templateName +
                                  " est actuellement en cours \r\rd'utilisation avec le logiciel "
                                  "Word, \r\rl'enregistrer sous ..un autre nom ..\r\r dans Word !"}}));
      ASSERT_TRUE(WriteFileBytes(folder + "appel.doc", "rempli"));
      platform.Clear();
      ExportTemplate(platform, folder, "Appel.doc");
      EXPECT_EQ(Boxes().size(), 1u);
      EXPECT_EQ(Bytes("appel.doc"), "rempli");  // nothing restored
      EXPECT_TRUE(Opened().empty());
    }
    fs::remove(folder + c.ownerFile);
  }
}

TEST_F(DocumentLibrary, FirstTemplateInUseIsTheOneNamed) {
  ASSERT_TRUE(WriteFileBytes(folder + "~$commis", ""));
  ASSERT_TRUE(WriteFileBytes(folder + "~$endarb", ""));
  EXPECT_FALSE(CheckTemplatesNotInUse(platform, folder));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].second.rfind("Le Fichier crendarb est", 0), 0u);
}

TEST_F(DocumentLibrary, DocumentsOpenWithOrWithoutPresenceTest) {
  OpenDocument(platform, folder, "Charte.pdf", false);
  OpenDocument(platform, folder, "code.pdf", true);
  EXPECT_EQ(Opened(), std::vector<std::string>{folder + "Charte.pdf"});
  ASSERT_EQ(platform.Count("ShowMessage"), 1u);
  EXPECT_EQ(platform.CallsOf("ShowMessage")[0].text,
            "le fichier -> " + folder + "code.pdf <- est manquant");
}

}  // namespace
}  // namespace ked

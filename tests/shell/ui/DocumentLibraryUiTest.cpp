// The export commands of the main window, on a program folder holding the
// template archive, through the fake platform.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "MainWindowFixture.h"
#include "platform/FileIO.h"
#include "shell/DocumentLibrary.h"

namespace ked {
namespace {
namespace fs = std::filesystem;

const char* kForms[] = {"appel.doc", "crendarb.doc", "ProblemeArbitrage.doc",
                        "FicheArbitrage.xls", "DocumentComptable.xls", "commis.doc"};

std::string Form(const std::string& name) {
  return ReadFileBytes(std::string(KED_SOURCE_DIR) + "/forms/" + name).value_or("<none>");
}

class ExportCommands : public ::testing::Test, public test::MainWindowFixture {
 protected:
  void SetUp() override {
    Start();
    Main().show();
  }
  std::string Folder() const { return folder.Folder(); }
  // The archive of the six forms, saved as the configuration window does.
  void SaveForms() {
    for (const char* form : kForms) ASSERT_TRUE(WriteFileBytes(Folder() + form, Form(form)));
    platform.boxAnswers = {BtnOk};
    ASSERT_TRUE(SaveTemplates(platform, Folder()));
    for (const char* form : kForms) fs::remove(Folder() + form);
    platform.Clear();
  }
  void Click(const char* name) {
    QPushButton* button = Button(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }
  std::vector<std::string> Opened() const {
    std::vector<std::string> paths;
    for (const auto& c : platform.CallsOf("ShellOpen")) paths.push_back(c.text);
    return paths;
  }
};

TEST_F(ExportCommands, EachButtonRestoresTheArchiveAndOpensItsTemplate) {
  struct Case {
    const char* button;
    const char* opened;  // the restored file, under its stored name
    const char* form;
  };
  const Case cases[] = {
      {"BpWappel", "appel.doc", "appel.doc"},
      {"BpWRapport", "crendarb.doc", "crendarb.doc"},
      {"BpWCommi", "commis.doc", "commis.doc"},
      {"BpWCompte", "documentcomptable.xls", "DocumentComptable.xls"},
      {"BpWFrais", "fichearbitrage.xls", "FicheArbitrage.xls"},
      {"BtPbDoc", "problemearbitrage.doc", "ProblemeArbitrage.doc"},
  };
  SaveForms();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    platform.Clear();
    Click(c.button);
    const std::string path = Folder() + c.opened;
    const auto boxes = platform.CallsOf("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageKind::Warning);
    EXPECT_EQ(boxes[0].text,
              "Votre programme Word ou Excel devrait démarrer\r\rpenser à enregistrer dans "
              "votre\r\rdossier habituel le fichier\r\r" + path);
    EXPECT_EQ(Opened(), std::vector<std::string>{path});
    EXPECT_EQ(ReadFileBytes(path).value_or(""), Form(c.form));
  }
}

TEST_F(ExportCommands, WhatWasSavedIsWhatIsExported) {
  ASSERT_TRUE(WriteFileBytes(Folder() + "crendarb.doc", "compte rendu du comité"));
  platform.boxAnswers = {BtnOk};
  ASSERT_TRUE(SaveTemplates(platform, Folder()));
  ASSERT_TRUE(WriteFileBytes(Folder() + "crendarb.doc", "brouillon"));
  platform.Clear();
  Click("BpWRapport");
  EXPECT_EQ(ReadFileBytes(Folder() + "crendarb.doc").value_or(""), "compte rendu du comité");
  EXPECT_EQ(Opened(), std::vector<std::string>{Folder() + "crendarb.doc"});
}

TEST_F(ExportCommands, TemplateOpenInWordStopsTheExport) {
  SaveForms();
  ASSERT_TRUE(WriteFileBytes(Folder() + "~$endarb", ""));
  Click("BpWappel");
  const auto boxes = platform.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Warning);
  EXPECT_EQ(boxes[0].buttons, BtnOk);
  EXPECT_EQ(boxes[0].text,
            "Le Fichier crendarb est actuellement en cours \r\rd'utilisation avec le logiciel "
            "Word, \r\rl'enregistrer sous ..un autre nom ..\r\r dans Word !");
  EXPECT_TRUE(Opened().empty());
  EXPECT_FALSE(FileExists(Folder() + "appel.doc"));
}

TEST_F(ExportCommands, WithoutTheArchiveOnlyTheErrorBox) {
  Click("BpWCompte");
  const auto boxes = platform.CallsOf("MessageBox");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_EQ(boxes[0].text,
            "Le Fichier Util_Ked.bck n'est pas\r\rdans le répertoire dr l'executable");
  EXPECT_TRUE(Opened().empty());
}

// The archive the build lays in the program's folder holds the six forms.
TEST_F(ExportCommands, InstalledArchiveGivesTheSixForms) {
  const std::string installed = std::string(KED_TEST_BIN_DIR) + "/Util_Ked.bck";
  if (!FileExists(installed)) GTEST_SKIP() << "Util_Ked.bck not built yet";
  fs::copy_file(installed, Folder() + "Util_Ked.bck");
  Click("BtPbDoc");
  EXPECT_EQ(Opened(), std::vector<std::string>{Folder() + "problemearbitrage.doc"});
  for (const char* form : kForms) {
    std::string stored = form;  // names are stored in lower case
    for (char& ch : stored) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(ReadFileBytes(Folder() + stored).value_or(""), Form(form)) << form;
  }
}

}  // namespace
}  // namespace ked

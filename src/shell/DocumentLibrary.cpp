#include "shell/DocumentLibrary.h"

#include <vector>

#include "backup/BackupFile.h"
#include "backup/NoCaseFile.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"

namespace ked {
namespace {

// The templates the word processor may hold open, each with the owner files
// it leaves beside them: Word's "~$" name, the same with the template's
// extension, and LibreOffice's lock file.
struct WatchedTemplate {
  const char* name;
  std::vector<const char*> ownerFiles;
};

const std::vector<WatchedTemplate>& WatchedTemplates() {
  static const std::vector<WatchedTemplate> watched = {
      {"Appel", {"~$Appel", "~$Appel.doc", ".~lock.Appel.doc#"}},
      {"crendarb", {"~$endarb", "~$endarb.doc", ".~lock.crendarb.doc#"}},
      {"DocumentComptable",
       {"~$ocumentComptable", "~$ocumentComptable.xls", "~$DocumentComptable.xls",
        ".~lock.DocumentComptable.xls#"}},
      {"commis", {"~$commis", "~$commis.doc", ".~lock.commis.doc#"}},
  };
  return watched;
}

// The six templates, in the order they are stored.
const std::vector<std::string> kTemplateFiles = {
    "appel.doc", "crendarb.doc", "ProblemeArbitrage.doc", "FicheArbitrage.xls",
    "DocumentComptable.xls", "commis.doc"};

bool OwnerFileExists(const std::string& folder, const std::string& name) {
  const auto found = backup::FindNameNoCase(folder, name);
  return found && FileExists(folder + *found);
}

std::string InUseMessage(const std::string& templateName) {
  return "Le Fichier " + templateName + " est actuellement en cours \r\r" +
         "d'utilisation avec le logiciel Word, \r\r" + "l'enregistrer sous ..un autre nom ..\r\r" +
         " dans Word !";
}

std::string ExportedMessage(const std::string& path) {
  return std::string("Votre programme Word ou Excel devrait démarrer\r\r") +
         "penser à enregistrer dans votre\r\r" + "dossier habituel le fichier\r\r" + path;
}

const char* kArchiveMissingMessage =
    "Le Fichier Util_Ked.bck n'est pas\r\rdans le répertoire dr l'executable";

std::string SaveConfirmation() {
  const char* lines[] = {
      "Les fichiers au format Word et Excel",
      "appel.doc            : formulaire d'appel ",
      "crendarb.doc         : Compte rendu d'arbitrage",
      "ProblemeArbitrage.doc: remonter ",
      "DocumentComptable.xls: Document comptable",
      "FicheArbitrage.xls   : Mémoire de frais d'arbitrage",
      "commis.doc           : Document pour membres",
      "                              de commission d'appel",
  };
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\r";
  return text + " doivent être dans le répertoire de Util_Ked";
}

}  // namespace

void OpenDocument(Platform& platform, const std::string& programFolder,
                  const std::string& fileName, bool presenceTest) {
  const std::string path = programFolder + fileName;
  if (presenceTest && !FileExists(path)) {
    platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  platform.ShellOpen(path);
}

bool CheckTemplatesNotInUse(Platform& platform, const std::string& programFolder) {
  for (const WatchedTemplate& t : WatchedTemplates()) {
    for (const char* owner : t.ownerFiles) {
      if (OwnerFileExists(programFolder, owner)) {
        platform.MessageBox(MessageKind::Warning, InUseMessage(t.name), BtnOk);
        return false;
      }
    }
  }
  return true;
}

void ExportTemplate(Platform& platform, const std::string& programFolder,
                    const std::string& fileName) {
  if (!CheckTemplatesNotInUse(platform, programFolder)) return;
  backup::TBackupFile archive(platform);
  const bool restored =
      archive.RestoreArchive(programFolder + kTemplateArchiveName, programFolder);
  if (backup::EndsCommand(archive.LastError())) {
    platform.MessageBox(MessageKind::Error, backup::BackupErrorText(archive.LastError()), BtnOk);
    return;
  }
  if (!restored) {
    platform.MessageBox(MessageKind::Error, kArchiveMissingMessage, BtnOk);
    return;
  }
  // The restored copy may bear the archive's lower-case name.
  const auto found = backup::FindNameNoCase(programFolder, fileName);
  const std::string path = programFolder + found.value_or(fileName);
  platform.MessageBox(MessageKind::Warning, ExportedMessage(path), BtnOk);
  platform.ShellOpen(path);
}

bool SaveTemplates(Platform& platform, const std::string& programFolder) {
  if (platform.MessageBox(MessageKind::Confirmation, SaveConfirmation(), BtnOk | BtnCancel) !=
      BtnOk)
    return false;
  std::vector<std::string> files;
  for (const std::string& name : kTemplateFiles) files.push_back(programFolder + name);
  backup::TBackupFile archive(platform);
  archive.BackupTitle = kTemplateArchiveName;
  archive.Compression = backup::CompressionLevel::clMax;
  if (archive.BackupFiles(files, programFolder + kTemplateArchiveName)) return true;
  platform.ShowMessage("L'enregistrement n'a pas eu lieu");
  return false;
}

}  // namespace ked

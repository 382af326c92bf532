// ked-cli archive pack | unpack | list: the template archive from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "backup/ArchiveListing.h"
#include "backup/BackupFile.h"
#include "cli/CliRegistry.h"
#include "platform/FileIO.h"
#include "platform/HeadlessPlatform.h"

namespace {

// The archive's message boxes on the terminal; a question is answered on
// standard input ("OK" unless the line is "Annuler" or input has ended).
class ConsolePlatform : public ked::HeadlessPlatform {
 public:
  explicit ConsolePlatform(std::ostream& err) : err_(err) {}
  ked::MessageButton MessageBox(ked::MessageKind kind, const std::string& text,
                                ked::MessageButtons buttons) override {
    err_ << ked::MessageKindTitle(kind) << " : " << text << '\n';
    if (!(buttons & ked::BtnCancel)) return ked::BtnOk;
    err_ << "[OK / Annuler] ? " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer) || answer == "Annuler") return ked::BtnCancel;
    return ked::BtnOk;
  }
  void ShowMessage(const std::string& text) override { err_ << text << '\n'; }

 private:
  std::ostream& err_;
};

int Pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) {
    err << "usage : ked-cli archive pack ARCHIVE FICHIER...\n";
    return 64;
  }
  ConsolePlatform platform(err);
  ked::backup::TBackupFile archive(platform);
  std::string title = args[0];
  const std::size_t slash = title.find_last_of('/');
  if (slash != std::string::npos) title.erase(0, slash + 1);
  archive.BackupTitle = title;
  const std::vector<std::string> files(args.begin() + 1, args.end());
  return archive.BackupFiles(files, args[0]) ? 0 : 1;
}

int Unpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage : ked-cli archive unpack ARCHIVE DOSSIER\n";
    return 64;
  }
  if (!ked::FileExists(args[0])) {
    err << "archive absente : " << args[0] << '\n';
    return 1;
  }
  ConsolePlatform platform(err);
  ked::backup::TBackupFile archive(platform);
  if (archive.RestoreArchive(args[0], ked::JoinPath(args[1], ""))) return 0;
  if (ked::backup::EndsCommand(archive.LastError()))
    platform.MessageBox(ked::MessageKind::Error,
                        ked::backup::BackupErrorText(archive.LastError()), ked::BtnOk);
  return 1;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage : ked-cli archive list ARCHIVE\n";
    return 64;
  }
  ConsolePlatform platform(err);
  const auto listing = ked::backup::ListArchive(args[0], platform);
  for (const auto& e : listing.entries)
    out << e.name << '\t' << ked::backup::FormatDosDate(e.dosDate) << '\t' << e.size << '\n';
  if (listing.outcome.error != ked::backup::BackupError::None)
    err << "Erreur : " << ked::backup::BackupErrorText(listing.outcome.error) << '\n';
  return listing.outcome.ok() ? 0 : 1;
}

static ked::cli::Registrar packReg{"archive pack", "ARCHIVE FICHIER...", Pack};
static ked::cli::Registrar unpackReg{"archive unpack", "ARCHIVE DOSSIER", Unpack};
static ked::cli::Registrar listReg{"archive list", "ARCHIVE   (nom, date, taille)", List};

}  // namespace

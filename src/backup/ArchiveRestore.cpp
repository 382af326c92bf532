#include "backup/ArchiveRestore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "backup/DosDate.h"
#include "backup/NoCaseFile.h"
#include "platform/Cp1252.h"
#include "platform/FileIO.h"

namespace ked::backup {
namespace {
namespace fs = std::filesystem;

class RestoreVisitor : public ArchiveVisitor {
 public:
  explicit RestoreVisitor(std::string folder) : folder_(std::move(folder)) {}
  ~RestoreVisitor() override { Abandon(); }

  bool BeginFile(const std::string& name, std::uint32_t dosDate, bool& keep,
                 BackupError& error) override {
    error = BackupError::CannotReadFile;
    const std::string fileName = RestoredFileName(name);
    if (fileName.empty()) return false;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (!fs::is_directory(folder_, ec)) {
      keep = false;  // no folder to restore into: the entry is passed over
      return true;
    }
    // An existing file of that name in any case is the one replaced.
    target_ = JoinPath(folder_, FindNameNoCase(folder_, fileName).value_or(fileName));
    temp_ = JoinPath(folder_, ".ked-restore-XXXXXX");
    const int fd = ::mkstemp(temp_.data());
    if (fd < 0) {
      temp_.clear();
      return false;
    }
    ::fchmod(fd, 0644);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
      ::close(fd);
      Abandon();
      return false;
    }
    date_ = UnpackDosDate(dosDate);
    keep = true;
    return true;
  }

  bool Write(const unsigned char* data, std::size_t size) override {
    return file_ && (size == 0 || std::fwrite(data, 1, size, file_) == size);
  }

  BackupError EndFile() override {
    bool ok = std::fflush(file_) == 0;
    if (ok && date_) {
      const timespec times[2] = {{*date_, 0}, {*date_, 0}};
      ::futimens(fileno(file_), times);
    }
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    ok = ok && std::rename(temp_.c_str(), target_.c_str()) == 0;
    if (!ok) {
      Abandon();
      return BackupError::CannotReadFile;
    }
    temp_.clear();
    return BackupError::None;
  }

  void Abandon() override {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temp_.empty()) std::remove(temp_.c_str());
    temp_.clear();
  }

 private:
  const std::string folder_;
  std::string target_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  std::optional<std::time_t> date_;
};

bool IsPlainName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (unsigned char c : name)
    if (c < 0x20) return false;  // a NUL would cut the name short
  return true;
}

}  // namespace

std::string RestoredFileName(const std::string& storedName) {
  const std::size_t cut = storedName.find_last_of("\\/:");
  const std::string part = cut == std::string::npos ? storedName : storedName.substr(cut + 1);
  return IsPlainName(part) ? Cp1252ToUtf8(part) : std::string();
}

WalkOutcome RestoreInto(const std::string& archivePath, const std::string& targetFolder,
                        Platform& platform) {
  RestoreVisitor visitor(targetFolder);
  return WalkArchive(archivePath, platform, visitor);
}

}  // namespace ked::backup

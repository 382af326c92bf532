#include "shell/DocumentLibrary.h"

#include "platform/FileIO.h"
#include "platform/Messages.h"

namespace ked {

void OpenDocument(Platform& platform, const std::string& programFolder,
                  const std::string& fileName, bool presenceTest) {
  const std::string path = programFolder + fileName;
  if (presenceTest && !FileExists(path)) {
    platform.ShowMessage(MissingFileMessage(path));
    return;
  }
  platform.ShellOpen(path);
}

// The template archive is not read yet: the export does nothing so far.
void ExportTemplate(Platform&, const std::string&, const std::string&) {}

}  // namespace ked

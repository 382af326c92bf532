#pragma once
// The referee's documents of the program's folder, and the Word and Excel
// templates kept in the template archive "Util_Ked.bck".
#include <string>

#include "platform/Platform.h"

namespace ked {

inline constexpr const char* kTemplateArchiveName = "Util_Ked.bck";

// Opens a document of the program's folder with the desktop's application.
// With the presence test, an absent file gives the missing-file message instead.
void OpenDocument(Platform& platform, const std::string& programFolder,
                  const std::string& fileName, bool presenceTest);

// Restores the whole template archive into the program's folder and opens the
// template `fileName`.
void ExportTemplate(Platform& platform, const std::string& programFolder,
                    const std::string& fileName);

// True when no template is held open by the word processor; otherwise warns.
bool CheckTemplatesNotInUse(Platform& platform, const std::string& programFolder);

// After confirmation, stores the six templates of the program's folder into
// the archive; true when the archive was written, false when cancelled or failed.
bool SaveTemplates(Platform& platform, const std::string& programFolder);

}  // namespace ked

#pragma once
// The referee's documents of the program's folder.
#include <string>

#include "platform/Platform.h"

namespace ked {

// Opens a document of the program's folder with the desktop's application.
// With the presence test, an absent file gives the missing-file message instead.
void OpenDocument(Platform& platform, const std::string& programFolder,
                  const std::string& fileName, bool presenceTest);

// Restores the template archive into the program's folder and opens the template.
void ExportTemplate(Platform& platform, const std::string& programFolder,
                    const std::string& fileName);

}  // namespace ked

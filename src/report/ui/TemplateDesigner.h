#pragma once
// The template designer: a modal window on a ".frf" template that shows its
// bands and objects, edits, moves, resizes, adds and removes objects, and
// saves back into the file.
#include <string>

namespace ked {

class Platform;

// Shows the modal designer on the template file; returns when it closes.
void ShowTemplateDesigner(const std::string& templatePath);
void ShowTemplateDesigner(const std::string& templatePath, Platform& platform);

}  // namespace ked

// The desktop's dialogs and boxes, kept apart so that the window library
// links without the desktop platform where it is not wanted (tests).
#include "report/ui/TemplateDesigner.h"

#include "platform/ui/QtPlatform.h"

namespace ked {

void ShowTemplateDesigner(const std::string& templatePath) {
  QtPlatform platform;
  ShowTemplateDesigner(templatePath, platform);
}

}  // namespace ked

#include "report/ui/TemplateDesigner.h"

#include <QApplication>

#include "platform/Platform.h"
#include "report/ui/TfrDesignerWindow.h"

namespace ked {

void ShowTemplateDesigner(const std::string& templatePath, Platform& platform) {
  TfrDesignerWindow window(templatePath, platform, QApplication::activeWindow());
  if (!window.Loaded()) {
    platform.MessageBox(MessageKind::Error, window.LoadError(), BtnOk);
    return;
  }
  window.exec();
}

}  // namespace ked

// Util_Ked: the toolbox of the committee's tournament directors.
#include <QApplication>
#include <QLocale>

#include "platform/ui/QtPlatform.h"
#include "platform/ui/QtText.h"
#include "report/ReportDocument.h"
#include "report/ui/BuildProgressWindow.h"
#include "report/ui/ReportPreview.h"
#include "report/ui/TemplateDesigner.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TUtilf.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Utilitaire");
  QApplication::setApplicationDisplayName("Utilitaire");

  ked::QtPlatform platform;
  platform.previewWindow = [&](const ked::ReportDocument& document) {
    ked::ShowReportPreviewWindow(document, platform);
  };
  ked::SetReportBuildProgressFactory(
      [](const std::string& title) { return ked::MakeBuildProgressWindow(title); });
  platform.designerWindow = [&](const std::string& path) { ked::ShowTemplateDesigner(path, platform); };
  ked::AppContext context{platform, ked::S(QApplication::applicationDirPath()) + "/",
                          ked::LocaleFormatFrom(QLocale()), {}};
  ked::AppWindows windows(context);
  // The update check may already have ended the program.
  if (windows.main->terminateRequested()) return 0;
  QObject::connect(windows.main.get(), &ked::TUtilf::terminate, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  windows.main->show();
  return app.exec();
}

// Screenshots of the program's windows at their default size, for the docs:
//   ked_screenshots OUTPUT_FOLDER
// Runs on the offscreen platform (or under Xvfb); answers no dialog and never
// reaches the network.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QWidget>

#include "platform/ui/QtPlatform.h"
#include "platform/ui/QtText.h"
#include "shell/ui/AppWindows.h"
#include "shell/ui/TUtilf.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("screenshots");
  QDir().mkpath(out);

  ked::QtPlatform platform;
  ked::AppContext context{platform, ked::S(QApplication::applicationDirPath()) + "/",
                          ked::LocaleFormatFrom(QLocale()),
                          [](const std::string&) { return false; }};
  ked::AppWindows windows(context);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName().isEmpty() || !w->isWindow() || w->inherits("QMenu")) continue;
    w->show();
    QApplication::processEvents();
    const QString file = out + "/" + w->objectName() + ".png";
    if (!w->grab().save(file)) return 1;
    w->hide();
  }
  return 0;
}

#include "report/ui/ReportPreview.h"

#include <QApplication>

#include "report/ui/TfrPreviewWindow.h"

namespace ked {

void ShowReportPreviewWindow(const ReportDocument& document, Platform& platform) {
  TfrPreviewWindow window(document, platform, QApplication::activeWindow());
  window.exec();
}

}  // namespace ked

// The desktop's dialogs and boxes, kept apart so that the window library
// links without the desktop platform where it is not wanted (tests).
#include "report/ui/ReportPreview.h"

#include "platform/ui/QtPlatform.h"

namespace ked {

void ShowReportPreviewWindow(const ReportDocument& document) {
  QtPlatform platform;
  ShowReportPreviewWindow(document, platform);
}

}  // namespace ked

#pragma once
// The report preview: a modal window with the preview buttons (zoom, load,
// save, print, find, help, exit).
#include "report/ReportDocument.h"

namespace ked {

class Platform;

// Shows the modal preview on a built report; returns when it closes.
// Dialogs and boxes go through the desktop platform.
void ShowReportPreviewWindow(const ReportDocument& document);
// The same with the given platform answering dialogs and boxes.
void ShowReportPreviewWindow(const ReportDocument& document, Platform& platform);

}  // namespace ked

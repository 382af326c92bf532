#pragma once
// Drawing a built report: one painting function for the PDF file, the printer
// and the preview.
#include <functional>
#include <string>

#include "report/ReportDocument.h"
#include "report/ReportEngine.h"

class QPainter;
class QPagedPaintDevice;

namespace ked {

// Paints one page, the painter's coordinates being device pixels at the given
// resolution (pixels per millimetre), the page's top-left corner at the origin.
void PaintReportPage(QPainter& painter, const ReportPage& page, double pixelsPerMm);

// Paints every page onto a paged device (printer or PDF writer), a new device
// page per report page, each sized and oriented as the report's page. The
// progress callback, before each page, stops the painting by answering false.
bool PaintReportDocument(const ReportDocument& document, QPagedPaintDevice& device,
                         const std::function<bool(int page, int count)>& progress = nullptr);

// Writes the report as a PDF file through QPdfWriter (needs a QGuiApplication).
bool RenderReportToPdf(const ReportDocument& document, const std::string& pdfPath);

// Builds the report and writes it as a PDF file; false with the French message
// of the fault (the template's, or the file that cannot be written).
bool BuildReportToPdf(TfrReport& report, const std::string& pdfPath, std::string& error);

}  // namespace ked

#pragma once
// Painting a composed report: one page on a painter (the preview), every
// page on a paged device (a printer), or a PDF file.

#include "report/reportdocument.h"

#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace arvex {

// Paints page n (1-based) with the painter's coordinates in twips of the
// report's page (the paper less its inset).
void PaintReportPage(QPainter& painter, const ReportDocument& doc, int page);

// Paints every page on a printer or PDF writer that is already set up
// (paper, resolution). The paper's top-left corner is the origin when the
// device is in full-page mode; otherwise its printable area is. False with
// *error set when the document is empty or painting cannot start.
bool RenderReport(const ReportDocument& doc, QPagedPaintDevice& device, QString* error);

// The document's paper without margins, in full-page mode.
QPageLayout PageLayoutOf(const PageSetup& setup);

// Writes the document as a PDF file on the document's paper. The file is
// written to a temporary file first and renamed over path only when it is
// complete, so a failure leaves any earlier file as it was. False with
// *error set on failure.
bool WriteReportPdf(const ReportDocument& doc, const QString& path, QString* error);

}  // namespace arvex

#pragma once

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// Prints a document laid out in points (LearnerReport) on a printer or a PDF: page by page inside the margins of the
// device's page layout, scaled from points to the device's resolution, with `footer` and the page number at the
// foot of every page. The document takes the page's width.
namespace ReportPages {

void Print(QTextDocument& document, QPagedPaintDevice& device, const QString& footer);

}  // namespace ReportPages

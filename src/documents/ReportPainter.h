#pragma once

#include "documents/ReportLayout.h"

#include <QImage>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace brivane::documents {

// Called before each page is drawn with its number (from 1) and the page
// count; false stops the drawing.
using PageProgress = std::function<bool(int page, int count)>;

// Lays the report out for the device's page and draws every page on it,
// starting new pages on the device. The device's paper is set to A4 in the
// report's orientation first unless `keepPaper` (a printer the user set up).
bool paintReport(const ReportData& data, QPagedPaintDevice& device, const PageProgress& progress = {},
                 bool keepPaper = false);

// Draws one laid-out page with `painter` in report pixels.
void paintPage(QPainter& painter, const ReportPage& page);

// Something the printing path can preview, print and save as PDF: a
// report, a note's text, a picture of a window.
struct Printable
{
    // The proposed file name, without extension.
    QString name;
    bool landscape = false;
    std::function<bool(QPagedPaintDevice& device, const PageProgress& progress, bool keepPaper)> paint;
};

Printable reportPrintable(const ReportData& data, const QString& name);
// The text line by line in `font` (its point size), long lines wrapped, on
// A4 portrait pages.
Printable textPrintable(const QString& name, const QString& text, const QFont& font);
// The picture on one page, scaled down to fit when it is larger.
Printable picturePrintable(const QString& name, const QImage& picture);

// As a PDF file, written whole or not at all; `error` names the file and
// the reason.
bool writePdf(const Printable& printable, const QString& path, QString* error = nullptr);
bool writeReportPdf(const ReportData& data, const QString& path, QString* error = nullptr);

} // namespace brivane::documents

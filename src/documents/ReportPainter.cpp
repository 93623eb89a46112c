#include "documents/ReportPainter.h"

#include <QDir>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace brivane::documents {

void paintPage(QPainter& painter, const ReportPage& page)
{
    for (const ReportItem& item : page.items) {
        if (item.role == ReportItem::Role::Line) {
            painter.setPen(QPen(Qt::black, 1));
            painter.drawLine(item.rect.topLeft(), item.rect.topRight());
            continue;
        }
        if (item.fill.isValid())
            painter.fillRect(item.rect, item.fill);
        if (item.framed) {
            painter.setPen(QPen(Qt::black, 1));
            painter.drawLine(item.rect.topLeft(), item.rect.topRight());
            painter.drawLine(item.rect.bottomLeft(), item.rect.bottomRight());
            painter.drawLine(item.rect.topRight(), item.rect.bottomRight());
        }
        painter.setFont(item.font);
        painter.setPen(item.color);
        const qreal lineHeight = QFontMetricsF(item.font).height();
        const int horizontal = item.centred        ? Qt::AlignHCenter
                               : item.rightAligned ? Qt::AlignRight
                                                   : Qt::AlignLeft;
        const QRectF inner = item.rect.adjusted(3, 0, -3, 0);
        qreal y = item.rect.top();
        if (item.lines.size() == 1 && item.role != ReportItem::Role::Detail)
            y = item.rect.center().y() - lineHeight / 2;
        for (const QString& line : item.lines) {
            painter.drawText(QRectF(inner.left(), y, inner.width(), lineHeight),
                             horizontal | Qt::AlignVCenter, line);
            y += lineHeight;
        }
    }
}

namespace {

void setPaper(QPagedPaintDevice& device, bool landscape)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
}

// Paints pages in report pixels from the paper's corner, whatever the device.
class PageFrame
{
public:
    explicit PageFrame(QPagedPaintDevice& device) : m_device(device)
    {
        const int dpi = device.logicalDpiX();
        m_scale = dpi / 96.0;
        const QRectF paper = device.pageLayout().fullRectPixels(dpi);
        m_offset = device.pageLayout().paintRectPixels(dpi).topLeft() - paper.topLeft();
        m_size = paper.size() / m_scale;
    }
    QSizeF pageSize() const { return m_size; }
    void enter(QPainter& painter) const
    {
        painter.save();
        painter.translate(-m_offset);
        painter.scale(m_scale, m_scale);
    }

private:
    QPagedPaintDevice& m_device;
    qreal m_scale = 1;
    QPointF m_offset;
    QSizeF m_size;
};

} // namespace

bool paintReport(const ReportData& data, QPagedPaintDevice& device, const PageProgress& progress,
                 bool keepPaper)
{
    if (!keepPaper)
        setPaper(device, data.definition.landscape);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageFrame frame(device);
    const ReportLayout layout = layoutReport(data, frame.pageSize());
    for (int i = 0; i < layout.pages.size(); ++i) {
        if (progress && !progress(i + 1, int(layout.pages.size()))) {
            painter.end();
            return false;
        }
        if (i > 0)
            device.newPage();
        frame.enter(painter);
        paintPage(painter, layout.pages[i]);
        painter.restore();
    }
    return painter.end();
}

Printable reportPrintable(const ReportData& data, const QString& name)
{
    return {name, data.definition.landscape,
            [data](QPagedPaintDevice& device, const PageProgress& progress, bool keepPaper) {
                return paintReport(data, device, progress, keepPaper);
            }};
}

Printable textPrintable(const QString& name, const QString& text, const QFont& font)
{
    return {
        name, false, [text, font](QPagedPaintDevice& device, const PageProgress& progress, bool keepPaper) {
            if (!keepPaper)
                setPaper(device, false);
            QPainter painter;
            if (!painter.begin(&device))
                return false;
            const PageFrame frame(device);
            QFont pixelFont = font;
            pixelFont.setPixelSize(qMax(6, int((font.pointSizeF() > 0 ? font.pointSizeF() : 10) * 96 / 72)));
            const QFontMetricsF metrics(pixelFont);
            const QRectF body(kReportMargin, kReportMargin, frame.pageSize().width() - 2 * kReportMargin,
                              frame.pageSize().height() - 2 * kReportMargin);
            const QStringList lines = wrapText(text, pixelFont, body.width());
            const int perPage = qMax(1, int(body.height() / metrics.height()));
            const int pages = qMax(1, int((lines.size() + perPage - 1) / perPage));
            for (int page = 0; page < pages; ++page) {
                if (progress && !progress(page + 1, pages)) {
                    painter.end();
                    return false;
                }
                if (page > 0)
                    device.newPage();
                frame.enter(painter);
                painter.setFont(pixelFont);
                qreal y = body.top();
                for (const QString& line : lines.mid(page * perPage, perPage)) {
                    painter.drawText(QPointF(body.left(), y + metrics.ascent()), line);
                    y += metrics.height();
                }
                painter.restore();
            }
            return painter.end();
        }};
}

Printable picturePrintable(const QString& name, const QImage& picture)
{
    return {name, picture.width() > picture.height(),
            [picture](QPagedPaintDevice& device, const PageProgress& progress, bool keepPaper) {
                if (!keepPaper)
                    setPaper(device, picture.width() > picture.height());
                if (progress && !progress(1, 1))
                    return false;
                QPainter painter;
                if (!painter.begin(&device))
                    return false;
                const PageFrame frame(device);
                const QSizeF room = frame.pageSize() - QSizeF(2 * kReportMargin, 2 * kReportMargin);
                QSizeF size = picture.size();
                if (size.width() > room.width() || size.height() > room.height())
                    size.scale(room, Qt::KeepAspectRatio);
                frame.enter(painter);
                painter.drawImage(QRectF(QPointF(kReportMargin, kReportMargin), size), picture);
                painter.restore();
                return painter.end();
            }};
}

bool writePdf(const Printable& printable, const QString& path, QString* error)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(printable.name);
        writer.setCreator(QStringLiteral("Brivane Organizer"));
        ok = printable.paint(writer, {}, false);
    }
    ok = ok && file.commit();
    if (!ok) {
        if (error)
            *error = QStringLiteral("The file \"") + QDir::toNativeSeparators(path) +
                     QStringLiteral("\" could not be written:\r") + file.errorString();
        file.cancelWriting();
    }
    return ok;
}

bool writeReportPdf(const ReportData& data, const QString& path, QString* error)
{
    return writePdf(reportPrintable(data, data.definition.title.trimmed()), path, error);
}

} // namespace brivane::documents

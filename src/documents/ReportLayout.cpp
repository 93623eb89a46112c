#include "documents/ReportLayout.h"

#include "agenda/DateFormat.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>

namespace brivane::documents {

namespace {

constexpr qreal kCellPadding = 3;
constexpr qreal kBandGap = 2;

} // namespace

QStringList wrapText(const QString& text, const QFont& font, qreal width)
{
    QStringList result;
    QString source = text;
    source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    source.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : source.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            result << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            result << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    // A cell that ends in empty lines prints nothing more for them.
    while (result.size() > 1 && result.last().isEmpty())
        result.removeLast();
    return result;
}

namespace {

QStringList wrapped(const QString& text, const QFont& font, qreal width)
{
    return wrapText(text, font, width);
}

QList<qreal> columnWidths(const QList<ReportColumn>& columns, qreal available)
{
    qreal fixed = 0;
    qreal shares = 0;
    for (const ReportColumn& column : columns) {
        fixed += column.width;
        if (column.width <= 0)
            shares += column.share;
    }
    const qreal rest = std::max<qreal>(0, available - fixed);
    QList<qreal> widths;
    for (const ReportColumn& column : columns)
        widths << (column.width > 0 ? column.width : (shares > 0 ? rest * column.share / shares : 0));
    return widths;
}

class Builder
{
public:
    Builder(const ReportData& data, const QSizeF& pageSize)
        : m_data(data), m_def(data.definition), m_pageSize(pageSize), m_left(kReportMargin),
          m_right(pageSize.width() - kReportMargin), m_bottom(pageSize.height() - kReportMargin)
    {
        m_detailFont = reportFont(m_def.fontFamily, m_def.detailPointSize);
        m_boldDetailFont = reportFont(m_def.fontFamily, m_def.detailPointSize, true);
        m_headerFont = reportFont(m_def.fontFamily, m_def.headerPointSize, true, true);
        m_footerFont = reportFont(m_def.fontFamily, 10);
        m_widths = columnWidths(m_def.columns, m_right - m_left);
        m_footerHeight = QFontMetricsF(m_footerFont).height() + 2 * kCellPadding;
    }

    ReportLayout build()
    {
        ReportLayout layout;
        layout.pageSize = m_pageSize;
        m_layout = &layout;
        startPage();
        addTitle();
        addHeader();
        for (int row = 0; row < m_data.rows.size(); ++row)
            addDetail(row);
        return layout;
    }

private:
    ReportPage& page() { return m_layout->pages.last(); }

    void startPage()
    {
        m_layout->pages.append(ReportPage());
        m_y = kReportMargin;
        const int number = int(m_layout->pages.size());
        QString footer = QStringLiteral("Page: ") + QString::number(number);
        if (m_def.showGroup)
            footer += QStringLiteral("     Group: ") + groupText();
        page().footer = footer;
        ReportItem item;
        item.role = ReportItem::Role::Footer;
        item.font = m_footerFont;
        item.rect = QRectF(m_left, m_bottom - m_footerHeight, m_right - m_left, m_footerHeight);
        item.lines = {footer};
        item.rightAligned = true;
        page().items << item;
    }

    QString groupText() const
    {
        return m_def.groupText.isEmpty() ? QStringLiteral("Tutti") : m_def.groupText;
    }

    qreal bodyBottom() const { return m_bottom - m_footerHeight - kBandGap; }

    ReportItem text(ReportItem::Role role, const QRectF& rect, const QString& line, const QFont& font)
    {
        ReportItem item;
        item.role = role;
        item.rect = rect;
        item.lines = {line};
        item.font = font;
        return item;
    }

    void addTitle()
    {
        const QFont titleFont = reportFont(m_def.fontFamily, 14, true);
        const qreal titleHeight = QFontMetricsF(titleFont).height() + 2 * kCellPadding;
        ReportItem title = text(ReportItem::Role::Title,
                                QRectF(m_right - m_def.titleBoxWidth, m_y, m_def.titleBoxWidth, titleHeight),
                                m_def.title, titleFont);
        title.fill = m_def.sectionColor;
        title.color = m_def.captionColor;
        title.framed = true;
        title.rightAligned = true;
        page().items << title;

        const QFont label = reportFont(m_def.fontFamily, 10, true, true);
        const QFont plain = reportFont(m_def.fontFamily, 10);
        const qreal lineHeight = QFontMetricsF(plain).height();
        const qreal labelWidth = 70;
        const qreal infoWidth = m_right - m_def.titleBoxWidth - m_left - 8;
        qreal y = m_y + kCellPadding;
        auto addInfo = [&](const QString& caption, const QString& value, const QColor& color) {
            ReportItem c =
                text(ReportItem::Role::Caption, QRectF(m_left, y, labelWidth, lineHeight), caption, label);
            ReportItem v =
                text(ReportItem::Role::Caption,
                     QRectF(m_left + labelWidth, y, infoWidth - labelWidth, lineHeight), value, plain);
            c.color = color;
            v.color = color;
            page().items << c << v;
            y += lineHeight;
        };
        addInfo(QStringLiteral("Today:"),
                agenda::formatDateTime(m_def.printedAt, QStringLiteral("dddd d mmmm yyyy   hh:nn")),
                m_def.captionColor);
        addInfo(QStringLiteral("Entries:"), QString::number(m_data.rows.size()), QColor(Qt::black));
        if (m_def.showGroup)
            addInfo(QStringLiteral("Group:"), groupText(), QColor(Qt::black));

        qreal bottom = m_y + titleHeight;
        if (!m_def.dateLabel.isEmpty()) {
            const QFont dateFont = reportFont(m_def.fontFamily, 11, true);
            const qreal height = QFontMetricsF(dateFont).height() + 2 * kCellPadding;
            ReportItem date =
                text(ReportItem::Role::DateLabel,
                     QRectF(m_right - m_def.titleBoxWidth, bottom + 4, m_def.titleBoxWidth, height),
                     m_def.dateLabel, dateFont);
            date.fill = QColor(0xFE, 0xF8, 0xCD);
            date.framed = true;
            date.rightAligned = true;
            page().items << date;
            bottom += 4 + height;
        }
        m_y = std::max(bottom, y) + 10;
    }

    void addHeader()
    {
        const qreal height = QFontMetricsF(m_headerFont).height() + 2 * kCellPadding;
        qreal x = m_left;
        for (int i = 0; i < m_def.columns.size(); ++i) {
            ReportItem item = text(ReportItem::Role::Header, QRectF(x, m_y, m_widths[i], height),
                                   m_def.columns[i].caption, m_headerFont);
            item.column = i;
            item.centred = m_def.columns[i].centred;
            page().items << item;
            x += m_widths[i];
        }
        m_y += height;
        if (m_def.lineUnderHeader) {
            ReportItem line;
            line.role = ReportItem::Role::Line;
            line.rect = QRectF(m_left, m_y, m_right - m_left, 0);
            page().items << line;
            m_y += 1;
        }
        m_y += kBandGap;
    }

    void addDetail(int row)
    {
        const QStringList& cells = m_data.rows[row];
        QList<QStringList> lines;
        int lineCount = 1;
        for (int i = 0; i < m_def.columns.size(); ++i) {
            const QFont& font = m_def.columns[i].bold ? m_boldDetailFont : m_detailFont;
            lines << wrapped(cells.value(i), font, std::max<qreal>(1, m_widths[i] - 2 * kCellPadding));
            lineCount = std::max(lineCount, int(lines.last().size()));
        }
        const qreal lineHeight = QFontMetricsF(m_detailFont).height();
        int from = 0;
        bool first = true;
        while (from < lineCount) {
            int fit = int((bodyBottom() - m_y) / lineHeight);
            const int wanted = lineCount - from;
            // A band that fits a fresh page starts on one rather than split.
            const int pageLines = int((bodyBottom() - firstBodyY()) / lineHeight);
            if (fit < wanted && (fit < 1 || wanted <= pageLines)) {
                startPage();
                addHeader();
                continue;
            }
            const int count = std::min(fit, wanted);
            if (first)
                page().rows << row;
            first = false;
            qreal x = m_left;
            for (int i = 0; i < m_def.columns.size(); ++i) {
                ReportItem item;
                item.role = ReportItem::Role::Detail;
                item.rect = QRectF(x, m_y, m_widths[i], count * lineHeight);
                item.lines = lines[i].mid(from, count);
                item.font = m_def.columns[i].bold ? m_boldDetailFont : m_detailFont;
                item.centred = m_def.columns[i].centred;
                item.row = row;
                item.column = i;
                if (!item.lines.isEmpty())
                    page().items << item;
                x += m_widths[i];
            }
            m_y += count * lineHeight + kBandGap;
            from += count;
        }
    }

    // Where detail bands start on a page after the first.
    qreal firstBodyY() const
    {
        qreal y = kReportMargin + QFontMetricsF(m_headerFont).height() + 2 * kCellPadding + kBandGap;
        return m_def.lineUnderHeader ? y + 1 : y;
    }

    const ReportData& m_data;
    const ReportDefinition& m_def;
    QSizeF m_pageSize;
    qreal m_left;
    qreal m_right;
    qreal m_bottom;
    qreal m_y = 0;
    qreal m_footerHeight = 0;
    QFont m_detailFont;
    QFont m_boldDetailFont;
    QFont m_headerFont;
    QFont m_footerFont;
    QList<qreal> m_widths;
    ReportLayout* m_layout = nullptr;
};

} // namespace

QSizeF a4PageSize(bool landscape)
{
    const QSizeF portrait(210.0 / 25.4 * 96, 297.0 / 25.4 * 96);
    return landscape ? portrait.transposed() : portrait;
}

QFont reportFont(const QString& family, int pointSize, bool bold, bool italic)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    // Points at 96 pixels to the inch, so 10 points are 13 pixels high.
    font.setPixelSize(int(pointSize * 96 / 72));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

ReportLayout layoutReport(const ReportData& data, const QSizeF& pageSize)
{
    return Builder(data, pageSize).build();
}

} // namespace brivane::documents

#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace brivane::documents {

// A banded report over the rows of one query: a title band on the first
// page, a column-header band and a page-footer band on every page, one
// detail band per row whose cells wrap within their columns. Sizes are in
// report pixels (96 to the inch); fonts are given in points.

struct ReportColumn
{
    QString caption;
    // A fixed width in report pixels, or 0 to share what the fixed columns
    // leave, in proportion to `share`.
    qreal width = 0;
    qreal share = 1;
    bool bold = false;
    bool centred = false;
};

struct ReportDefinition
{
    QString title;
    bool landscape = true;
    qreal titleBoxWidth = 457;
    QList<ReportColumn> columns;
    int headerPointSize = 11;
    int detailPointSize = 10;
    bool lineUnderHeader = false;
    // A second framed label under the title (the viewed date of the day plan).
    QString dateLabel;
    // "Group:" and this text in the title and in every footer, when set.
    bool showGroup = false;
    QString groupText;
    QColor sectionColor = QColor(Qt::white);
    QColor captionColor = QColor(Qt::black);
    QDateTime printedAt;
    QString fontFamily;
};

struct ReportData
{
    ReportDefinition definition;
    // One list of cell texts per row, in the columns' order.
    QList<QStringList> rows;
};

// One thing to draw: a text in a box, or a line when `text` is empty and
// `isLine` is set.
struct ReportItem
{
    enum class Role { Title, DateLabel, Caption, Header, Detail, Footer, Line };
    Role role = Role::Detail;
    QRectF rect;
    // Wrapped text: one entry per printed line.
    QStringList lines;
    QFont font;
    QColor color = QColor(Qt::black);
    QColor fill;
    bool framed = false;
    bool centred = false;
    bool rightAligned = false;
    // The row of a detail item, -1 for the other bands.
    int row = -1;
    int column = -1;
};

struct ReportPage
{
    QList<ReportItem> items;
    // Rows whose detail band starts on this page.
    QList<int> rows;
    QString footer;
};

struct ReportLayout
{
    QSizeF pageSize;
    QList<ReportPage> pages;
};

// The page of A4 paper in report pixels, turned for landscape.
QSizeF a4PageSize(bool landscape);
constexpr qreal kReportMargin = 38;

// A font of the report in points, at the report's 96 pixels to the inch.
QFont reportFont(const QString& family, int pointSize, bool bold = false, bool italic = false);

// The text broken into lines no wider than `width` (at word boundaries
// where it can, anywhere when one word is wider); its own line breaks
// start new lines.
QStringList wrapText(const QString& text, const QFont& font, qreal width);

ReportLayout layoutReport(const ReportData& data, const QSizeF& pageSize);

} // namespace brivane::documents

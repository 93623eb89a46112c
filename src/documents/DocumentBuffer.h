#pragma once

#include <QList>
#include <QString>

namespace brivane::documents {

// The off-screen document a builder writes line by line. Each line carries
// its own alignment and style, so a plain line after a bold title is plain
// again; both matter only in rich text.
class DocumentBuffer
{
public:
    enum class Align { Left, Centre };
    enum class Style { Regular, Bold, Italic };

    struct Line
    {
        QString text;
        Align align = Align::Left;
        Style style = Style::Regular;
        friend bool operator==(const Line&, const Line&) = default;
    };

    // Adds one line; a text holding line breaks adds one line per piece
    // (CR LF, CR and LF each end a piece).
    void add(const QString& text, Align align = Align::Left, Style style = Style::Regular);
    void addBold(const QString& text) { add(text, Align::Left, Style::Bold); }
    void addCentredBold(const QString& text) { add(text, Align::Centre, Style::Bold); }
    void clear() { m_lines.clear(); }

    const QList<Line>& lines() const { return m_lines; }
    bool isEmpty() const { return m_lines.isEmpty(); }

private:
    QList<Line> m_lines;
};

} // namespace brivane::documents

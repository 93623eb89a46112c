#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QSqlDatabase>

class QCheckBox;

namespace brivane::shell {

// "Visible tabs": eight boxes, one per section tab, shown as stored; "Apply"
// writes them for the next start, "Close" leaves them. Opened without
// blocking and destroyed on close.
class VisibleTabsDialog : public QDialog
{
    Q_OBJECT

public:
    static VisibleTabsDialog* openDialog(QSqlDatabase db, const QList<bool>& stored, int scalePercent,
                                         const QColor& color, QWidget* parent);

Q_SIGNALS:
    void errorRaised(const QString& message);

private:
    VisibleTabsDialog(QSqlDatabase db, const QColor& color, QWidget* parent);
    void apply();

    // The connection is looked up by name at each use, so the dialog never
    // holds the archive open past the window.
    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    QString m_connection;
    QList<QCheckBox*> m_boxes;
};

} // namespace brivane::shell

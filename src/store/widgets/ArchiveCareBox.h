#pragma once

#include <QGroupBox>

class QHBoxLayout;
class QToolButton;

namespace brivane::store::widgets {

// The Options tab's row of archive commands: "Backup" and "Restore", and
// whatever other commands are added to it with addCommand().
class ArchiveCareBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit ArchiveCareBox(QWidget* parent = nullptr);
    QToolButton* addCommand(const QString& objectName, const QString& caption, const QString& hint = QString());

Q_SIGNALS:
    void backupRequested();
    void restoreRequested();

private:
    QHBoxLayout* m_row = nullptr;
};

} // namespace brivane::store::widgets

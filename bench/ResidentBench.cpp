#include "ResidentBench.h"

#include "agenda/TaskListQuery.h"
#include "reminders/AlarmSchedule.h"
#include "store/Archive.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QThread>
#include <unistd.h>

namespace brivane::bench {

Summary timeAlarmTick()
{
    const QDate day(2025, 7, 15);
    QList<reminders::AlarmEntry> entries;
    for (int i = 0; i < 1000; ++i) {
        reminders::AlarmEntry entry;
        entry.codimp = i;
        entry.id = QStringLiteral("task %1").arg(i);
        entry.orario = QStringLiteral("%1:%2").arg((i / 60) % 24, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
        entry.time = reminders::alarmTime(entry.orario);
        entries << entry;
    }
    reminders::AlarmSchedule schedule;
    schedule.setEntries(day, entries);
    QDateTime now(day, QTime(6, 0));
    return measure(100, 2001, [&] {
        now = now.addSecs(1);
        schedule.due(now);
    });
}

namespace {

// User plus system CPU time of a process, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

double residentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return -1;
}

} // namespace

IdleUse measureIdle(const QString& home, const QString& program, int seconds)
{
    IdleUse use;
    {
        store::Archive archive(QStringLiteral("IDLE_SETUP"));
        if (!archive.open(home + QStringLiteral("/myarcs")))
            return use;
        QSqlQuery query(archive.database());
        query.exec(QStringLiteral("UPDATE BRset63 SET minimized = 'Y', timecheck = 'Y', futuro_flag = 0"));
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("BRIVANE_HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("BRIVANE_NO_SINGLE_INSTANCE"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForStarted())
        return use;
    QThread::sleep(5); // start-up and its first queries
    const qint64 pid = process.processId();
    const qint64 before = cpuTicks(pid);
    QThread::sleep(seconds);
    const qint64 after = cpuTicks(pid);
    use.residentMiB = residentMiB(pid);
    use.seconds = seconds;
    if (before >= 0 && after >= 0)
        use.cpuPercent = 100.0 * double(after - before) / double(sysconf(_SC_CLK_TCK)) / seconds;
    process.kill();
    process.waitForFinished();
    return use;
}

} // namespace brivane::bench

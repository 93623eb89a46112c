#include "platform/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using brivane::platform::privateFolderIn;

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 0777) : mode_t(0xFFFF);
}

QString ownFolderName()
{
    return u"brivane-organizer-"_s + QString::number(::getuid());
}

} // namespace

// Without a runtime folder the hand-off socket lives in a folder of the
// temporary folder that only the user can enter: no other account can
// listen under our name and make a start exit silently.
class PrivateFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createdForTheUserAlone()
    {
        QTemporaryDir base;
        const QString folder = privateFolderIn(base.path());
        QCOMPARE(folder, base.path() + u'/' + ownFolderName());
        QCOMPARE(modeOf(folder), mode_t(0700));
        QCOMPARE(privateFolderIn(base.path()), folder); // the next start finds the same one
    }

    void aWideFolderOfOursIsNarrowed()
    {
        QTemporaryDir base;
        const QString folder = base.path() + u'/' + ownFolderName();
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        QCOMPARE(privateFolderIn(base.path()), folder);
        QCOMPARE(modeOf(folder), mode_t(0700));
    }

    void whatAnotherAccountMadeIsRefused_data()
    {
        QTest::addColumn<QString>("made");
        QTest::newRow("a link to a folder") << u"link"_s;
        QTest::newRow("a plain file") << u"file"_s;
        QTest::newRow("a folder of another account") << u"foreign"_s;
    }
    void whatAnotherAccountMadeIsRefused()
    {
        QFETCH(QString, made);
        QTemporaryDir base, elsewhere;
        const QString folder = base.path() + u'/' + ownFolderName();
        if (made == u"link") {
            QVERIFY(QFile::link(elsewhere.path(), folder));
        } else if (made == u"file") {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            if (::getuid() != 0)
                QSKIP("making a folder of another account needs root");
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
        }
        QCOMPARE(privateFolderIn(base.path()), QString());
    }
};

QTEST_GUILESS_MAIN(PrivateFolderTest)
#include "tst_private_folder.moc"

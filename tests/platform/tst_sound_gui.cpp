#include "platform/widgets/Sound.h"

#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

using namespace brivane;

// The sound object itself, not the recording stand-in: what it would hand
// the audio device must be a readable wave file.
class TestSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sourceIsAReadableWave_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::newRow("factory setting") << QStringLiteral("mailbeep");
        QTest::newRow("no sound named") << QString();
        QTest::newRow("a wave file of the user") << QStringLiteral("user.wav");
    }
    void sourceIsAReadableWave()
    {
        QFETCH(QString, setting);
        QTemporaryDir dir;
        QString file = setting;
        if (setting.endsWith(QLatin1String(".wav"))) {
            // A copy of the built-in sound stands for the user's own file.
            platform::Sound owner;
            file = dir.filePath(setting);
            QVERIFY(QFile::copy(QStringLiteral(":/sounds/mailbeep.wav"), file));
        }
        platform::Sound sound;
        const QUrl source = platform::Sound::sourceFor(file);
        const QString path = source.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source.path()
                                                                     : source.toLocalFile();
        QFile wave(path);
        QVERIFY2(wave.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray header = wave.read(12);
        QVERIFY(header.startsWith("RIFF"));
        QCOMPARE(header.mid(8, 4), QByteArray("WAVE"));
        QVERIFY(wave.size() > 44);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound_gui.moc"

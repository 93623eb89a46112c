#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

class QSoundEffect;

namespace brivane::platform {

// Plays the alarm sound without blocking: a wave file, or "mailbeep", the
// short sound the program carries. Without an audio device nothing is
// heard and nothing fails. Tests record what would play instead.
class Sound : public QObject
{
    Q_OBJECT

public:
    explicit Sound(QObject* parent = nullptr);

    // Plays a file path; an empty path or "mailbeep" plays the built-in sound.
    void play(const QString& file);
    static bool hasAudioOutput();
    // What play() hands the sound device: the built-in sound's resource or
    // the local file.
    static QUrl sourceFor(const QString& file);

    static void setRecording(bool recording);
    static QList<QString> played();
    static void clearPlayed();

private:
    QSoundEffect* m_effect = nullptr;
};

} // namespace brivane::platform

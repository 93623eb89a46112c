#include "platform/widgets/Sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace brivane::platform {

namespace {
bool recording = false;
QList<QString> playedFiles;
} // namespace

Sound::Sound(QObject* parent) : QObject(parent) {}

bool Sound::hasAudioOutput()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

void Sound::play(const QString& file)
{
    const bool builtIn = file.isEmpty() || file == QLatin1String("mailbeep");
    if (recording) {
        playedFiles << (builtIn ? QStringLiteral("mailbeep") : file);
        return;
    }
    if (!hasAudioOutput())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    const QUrl source = builtIn ? QUrl(QStringLiteral("qrc:/sounds/mailbeep.wav")) : QUrl::fromLocalFile(file);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->play();
}

void Sound::setRecording(bool value)
{
    recording = value;
}

QList<QString> Sound::played()
{
    return playedFiles;
}

void Sound::clearPlayed()
{
    playedFiles.clear();
}

} // namespace brivane::platform

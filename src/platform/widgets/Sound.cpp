#include "platform/widgets/Sound.h"

#include "platform/widgets/Resources.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace brivane::platform {

namespace {
bool recording = false;
QList<QString> playedFiles;
} // namespace

Sound::Sound(QObject* parent) : QObject(parent)
{
    ensureResources();
}

QUrl Sound::sourceFor(const QString& file)
{
    if (file.isEmpty() || file == QLatin1String("mailbeep"))
        return QUrl(QStringLiteral("qrc:/sounds/mailbeep.wav"));
    return QUrl::fromLocalFile(file);
}

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
    const QUrl source = sourceFor(file);
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

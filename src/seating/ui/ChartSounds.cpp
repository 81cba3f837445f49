#include "seating/ui/ChartSounds.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

CChartSounds::CChartSounds(QObject* parent)
    : QObject(parent)
{
}

QString CChartSounds::FilePath(Sound sound)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Sounds/") +
           (sound == Drop ? QStringLiteral("Drop.wav") : QStringLiteral("End.wav"));
}

QSoundEffect* CChartSounds::Effect(Sound sound)
{
    QSoundEffect*& effect = sound == Drop ? m_drop : m_end;
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(FilePath(sound)));
    }
    return effect;
}

void CChartSounds::Play(Sound sound)
{
    emit Played(sound);
    if (QMediaDevices::audioOutputs().isEmpty() || !QFileInfo::exists(FilePath(sound)))
        return;
    Effect(sound)->play();
}

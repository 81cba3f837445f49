#pragma once

#include <QObject>

class QSoundEffect;

// The chart's two short sounds, played from the Sounds folder beside the program. Without an
// audio device, or without the files, they stay silent; Played is sent either way.
class CChartSounds : public QObject
{
    Q_OBJECT

public:
    // The numbers of the program's sound resources.
    enum Sound { Drop = 212, EndOfList = 219 };

    explicit CChartSounds(QObject* parent = nullptr);

    void Play(Sound sound);
    static QString FilePath(Sound sound);

signals:
    void Played(int sound);

private:
    // Made on first use, so that a chart nobody drags on never opens the audio system.
    QSoundEffect* Effect(Sound sound);

    QSoundEffect* m_drop = nullptr;
    QSoundEffect* m_end = nullptr;
};

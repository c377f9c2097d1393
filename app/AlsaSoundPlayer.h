#pragma once

#include "Sound.h"

#include <QString>
#include <QStringList>

// Decodes with libsndfile and plays through an ALSA PCM device, blocking
// until the device has drained. Without an audio device nothing is heard
// and the call returns at once.
class AlsaSoundPlayer : public SoundPlayer {
public:
    explicit AlsaSoundPlayer(QString device = QStringLiteral("default"));

    int play(const QString &path) override;
    void beep() override;

    // The desktop's alert sounds, first one found is used.
    static QStringList alertSoundCandidates();

private:
    bool playFile(const QString &path);
    bool playAlert();

    QString m_device;
};

#pragma once

#include "PcmOutput.h"
#include "Sound.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// Decodes and plays through an ALSA PCM device (PcmOutput.h), blocking until
// the device has drained. Without an audio device nothing is heard and the call returns at
// once. ALSA and libsndfile are opened with the first sound, not at start:
// the main menu is shown before any sound plays, and libsndfile brings the
// FLAC, Vorbis, Opus and MP3 libraries with it. The program's own sounds are
// plain PCM wave files, read without it.
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

// The samples of a RIFF WAVE file of 16-bit PCM, as libsndfile reads them;
// nothing for any other content (which libsndfile decodes).
std::optional<PcmSound> readPcmWave(QByteArrayView file);

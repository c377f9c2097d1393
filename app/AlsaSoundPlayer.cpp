#include "AlsaSoundPlayer.h"

#include <QApplication>
#include <QFile>

#include <alsa/asoundlib.h>
#include <sndfile.h>

#include <vector>

namespace {

// ALSA reports a missing device on stderr by itself; the program carries on
// silently, so keep the terminal quiet.
void quietAlsaErrors(const char *, int, const char *, int, const char *, ...) {}

struct Decoded {
    std::vector<short> samples;
    int channels = 0;
    int rate = 0;
};

bool decode(const QString &path, Decoded &out)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return false;
    bool ok = info.channels > 0 && info.samplerate > 0 && info.frames > 0;
    if (ok) {
        out.channels = info.channels;
        out.rate = info.samplerate;
        out.samples.resize(size_t(info.frames) * size_t(info.channels));
        const sf_count_t got = sf_readf_short(file, out.samples.data(), info.frames);
        out.samples.resize(size_t(got > 0 ? got : 0) * size_t(info.channels));
        ok = !out.samples.empty();
    }
    sf_close(file);
    return ok;
}

} // namespace

AlsaSoundPlayer::AlsaSoundPlayer(QString device)
    : m_device(std::move(device))
{
    snd_lib_error_set_handler(quietAlsaErrors);
}

QStringList AlsaSoundPlayer::alertSoundCandidates()
{
    return {QStringLiteral("/usr/share/sounds/freedesktop/stereo/bell.oga"),
            QStringLiteral("/usr/share/sounds/freedesktop/stereo/dialog-warning.oga")};
}

int AlsaSoundPlayer::play(const QString &path)
{
    if (playFile(path))
        return 1;
    beep();
    return 0;
}

void AlsaSoundPlayer::beep()
{
    if (!playAlert())
        QApplication::beep();
}

bool AlsaSoundPlayer::playAlert()
{
    for (const QString &candidate : alertSoundCandidates()) {
        if (QFile::exists(candidate))
            return playFile(candidate);
    }
    return false;
}

bool AlsaSoundPlayer::playFile(const QString &path)
{
    Decoded sound;
    if (!decode(path, sound))
        return false;

    snd_pcm_t *pcm = nullptr;
    if (snd_pcm_open(&pcm, m_device.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return true; // decodable, but no device to hear it on: nothing to fall back to
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                           unsigned(sound.channels), unsigned(sound.rate), 1, 100000) < 0) {
        snd_pcm_close(pcm);
        return true;
    }
    const short *data = sound.samples.data();
    snd_pcm_uframes_t left = sound.samples.size() / size_t(sound.channels);
    while (left > 0) {
        snd_pcm_sframes_t n = snd_pcm_writei(pcm, data, left);
        if (n < 0)
            n = snd_pcm_recover(pcm, int(n), 1);
        if (n < 0)
            break;
        data += n * sound.channels;
        left -= snd_pcm_uframes_t(n);
    }
    snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    return true;
}

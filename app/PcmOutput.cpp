#include "PcmOutput.h"

#include "core/RuntimeLibrary.h"

#include <QLibrary>

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// ALSA reports a missing device on stderr by itself; the program carries on
// silently, so keep the terminal quiet.
void quietAlsaErrors(const char *, int, const char *, int, const char *, ...) {}

// The part of ALSA a sound needs; the library stays loaded once opened. Built
// once, by whichever thread plays first (a static's initialisation is
// thread-safe), and only read afterwards.
struct Alsa {
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) writei = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_delay) delay = nullptr;
    decltype(&snd_pcm_drain) drain = nullptr;
    decltype(&snd_pcm_drop) drop = nullptr;
    decltype(&snd_pcm_close) close = nullptr;
    bool ready = false;
};

const Alsa &alsa()
{
    static const Alsa api = [] {
        Alsa a;
        QLibrary library(QStringLiteral("asound"), 2);
        decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
        a.ready = library.load() && resolve(library, "snd_pcm_open", a.open)
            && resolve(library, "snd_pcm_set_params", a.setParams) && resolve(library, "snd_pcm_writei", a.writei)
            && resolve(library, "snd_pcm_recover", a.recover) && resolve(library, "snd_pcm_delay", a.delay)
            && resolve(library, "snd_pcm_drain", a.drain) && resolve(library, "snd_pcm_drop", a.drop)
            && resolve(library, "snd_pcm_close", a.close)
            && resolve(library, "snd_lib_error_set_handler", setErrorHandler);
        if (a.ready)
            setErrorHandler(quietAlsaErrors);
        return a;
    }();
    return api;
}

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load();
}

} // namespace

PcmPlayed playPcm(const PcmSound &sound, const QString &device, const std::atomic<bool> *stop)
{
    const Alsa &pcmApi = alsa();
    if (!pcmApi.ready || sound.channels < 1 || sound.rate < 1)
        return PcmPlayed::NoDevice;
    snd_pcm_t *pcm = nullptr;
    if (pcmApi.open(&pcm, device.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, 0) < 0)
        return PcmPlayed::NoDevice;
    if (pcmApi.setParams(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(sound.channels),
                         unsigned(sound.rate), 1, 100000) < 0) {
        pcmApi.close(pcm);
        return PcmPlayed::NoDevice;
    }
    // 20 ms a write when it may be stopped: a write blocks only until the
    // device has room for it.
    const snd_pcm_uframes_t most = stop ? snd_pcm_uframes_t(std::max(1, sound.rate / 50)) : ~snd_pcm_uframes_t(0);
    const short *data = sound.samples.data();
    snd_pcm_uframes_t left = sound.samples.size() / size_t(sound.channels);
    while (left > 0 && !stopped(stop)) {
        snd_pcm_sframes_t n = pcmApi.writei(pcm, data, std::min(left, most));
        if (n < 0)
            n = pcmApi.recover(pcm, int(n), 1);
        if (n < 0)
            break;
        data += n * sound.channels;
        left -= snd_pcm_uframes_t(n);
    }
    // A blocking drain could not be stopped: wait out what the device holds
    // in short naps instead, then drain the last few samples.
    snd_pcm_sframes_t queued = 0;
    while (stop && !stopped(stop) && pcmApi.delay(pcm, &queued) == 0 && queued > sound.rate / 100)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const bool cut = stopped(stop);
    if (cut)
        pcmApi.drop(pcm);
    else
        pcmApi.drain(pcm);
    pcmApi.close(pcm);
    return cut ? PcmPlayed::Stopped : PcmPlayed::Played;
}

bool pcmDevicePresent(const QString &device)
{
    const Alsa &pcmApi = alsa();
    if (!pcmApi.ready)
        return false;
    snd_pcm_t *pcm = nullptr;
    const int status = pcmApi.open(&pcm, device.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (status == -EBUSY)
        return true;
    if (status < 0)
        return false;
    pcmApi.close(pcm);
    return true;
}

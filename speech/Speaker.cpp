#include "Speaker.h"

#include "app/Sound.h"

#include <chrono>

EspeakSpeaker::EspeakSpeaker(QString device, Output output, QString dataFolder)
    : m_device(std::move(device))
    , m_output(output ? std::move(output)
                      : Output([device = m_device](const PcmSound &sound, const std::atomic<bool> &stop) {
                            return playPcm(sound, device, &stop);
                        }))
    , m_engine(std::move(dataFolder))
{
}

EspeakSpeaker::~EspeakSpeaker()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void EspeakSpeaker::prepare()
{
    std::lock_guard lock(m_mutex);
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
}

quint64 EspeakSpeaker::say(const QString &text, const QString &languageCode)
{
    prepare();
    quint64 ticket;
    {
        std::lock_guard lock(m_mutex);
        ticket = ++m_lastTicket;
        m_waiting = Word{ticket, text, languageCode};
        m_stop = true;
    }
    m_wake.notify_all();
    return ticket;
}

void EspeakSpeaker::stop(quint64 ticket)
{
    std::lock_guard lock(m_mutex);
    if (m_waiting && (ticket == 0 || m_waiting->ticket == ticket))
        m_waiting.reset();
    if (m_playing != 0 && (ticket == 0 || m_playing == ticket))
        m_stop = true;
}

void EspeakSpeaker::stopForEffect()
{
    std::unique_lock lock(m_mutex);
    m_waiting.reset();
    if (m_playing == 0)
        return;
    m_stop = true;
    m_idle.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_playing == 0; });
}

SpeechBlock EspeakSpeaker::blockFor(const QString &languageCode) const
{
    std::lock_guard lock(m_mutex);
    if (!m_known)
        return SpeechBlock::None;
    if (m_engineState != SpeechEngine::State::Ready)
        return SpeechBlock::EngineFailed;
    if (!m_devicePresent)
        return SpeechBlock::NoSoundDevice;
    if (SpeechEngine::voiceLanguageFor(m_voiceLanguages, languageCode).isEmpty())
        return SpeechBlock::NoVoice;
    return SpeechBlock::None;
}

void EspeakSpeaker::run()
{
    // Loading the library and starting it take a few tens of milliseconds,
    // opening a busy or remote sound device can take longer: all here.
    const SpeechEngine::State engineState = m_engine.start();
    // Once, for the technician reading a session log; the menus say the rest.
    if (engineState == SpeechEngine::State::LibraryMissing)
        qWarning("Speech cannot start: libespeak-ng.so.1 cannot be loaded");
    else if (engineState == SpeechEngine::State::DataMissing)
        qWarning("Speech cannot start: espeak-ng has no voices (espeak-ng-data)");
    else if (engineState == SpeechEngine::State::StartFailed)
        qWarning("Speech cannot start: %s", qPrintable(m_engine.problem()));
    const bool devicePresent = pcmDevicePresent(m_device);
    {
        std::lock_guard lock(m_mutex);
        m_known = true;
        m_engineState = engineState;
        m_devicePresent = devicePresent;
        m_voiceLanguages = m_engine.voiceLanguages();
    }
    QMetaObject::invokeMethod(this, [this] { emit availabilityChanged(); }, Qt::QueuedConnection);

    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_waiting; });
        if (m_quit)
            return;
        const Word word = std::move(*m_waiting);
        m_waiting.reset();
        m_playing = word.ticket;
        m_stop = false;
        lock.unlock();
        if (const std::optional<PcmSound> sound = m_engine.synthesize(word.text, word.language, &m_stop);
            sound && !m_stop)
            m_output(*sound, m_stop);
        lock.lock();
        m_playing = 0;
        m_idle.notify_all();
    }
}

namespace {

std::unique_ptr<Speaker> &current()
{
    static std::unique_ptr<Speaker> speaker;
    return speaker;
}

void install(std::unique_ptr<Speaker> speaker)
{
    current() = std::move(speaker);
    if (current())
        setBeforeEffect([] {
            if (current())
                current()->stopForEffect();
        });
    else
        setBeforeEffect({});
}

} // namespace

Speaker &speaker()
{
    if (!current())
        install(std::make_unique<EspeakSpeaker>());
    return *current();
}

void setSpeaker(std::unique_ptr<Speaker> s)
{
    install(std::move(s));
}

void shutdownSpeech()
{
    install(nullptr);
}

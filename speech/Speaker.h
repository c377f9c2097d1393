#pragma once

#include "SpeechEngine.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

enum class SpeechBlock { None, EngineFailed, NoSoundDevice, NoVoice };

// Says words off the interface thread: a pupil flicking through cards never
// waits for one. A new word stops the one playing.
class Speaker : public QObject {
    Q_OBJECT
public:
    // Starts loading the engine and reading its voice list off the
    // interface thread, once; later calls return at once.
    virtual void prepare() = 0;
    // Returns at once. Stops the word playing or waiting and says this text
    // in the language given by its BCP 47 code. The ticket identifies it.
    virtual quint64 say(const QString &text, const QString &languageCode) = 0;
    // Stops that word if it is still the one waiting or playing; 0 = any.
    virtual void stop(quint64 ticket = 0) = 0;
    // Why a word in this language cannot be spoken; None also while the
    // voice list is not read yet.
    virtual SpeechBlock blockFor(const QString &languageCode) const = 0;
    // Before a sound effect plays: no word may play over it.
    virtual void stopForEffect() { stop(); }

signals:
    // Emitted (queued, on the interface thread) when the engine, voice list
    // or device check finished.
    void availabilityChanged();
};

// espeak-ng and ALSA behind one worker thread, the only one that calls the
// engine. The queue holds one word: a newer one replaces it.
class EspeakSpeaker : public Speaker {
    Q_OBJECT
public:
    // Plays a word until it ends or stop is set, then lets go of the device.
    using Output = std::function<PcmPlayed(const PcmSound &, const std::atomic<bool> &stop)>;

    explicit EspeakSpeaker(QString device = QStringLiteral("default"), Output output = {}, QString dataFolder = {});
    ~EspeakSpeaker() override; // stops the word and joins the thread

    void prepare() override;
    quint64 say(const QString &text, const QString &languageCode) override;
    void stop(quint64 ticket = 0) override;
    SpeechBlock blockFor(const QString &languageCode) const override;
    // Stops the word and waits at most 100 ms for its device to close.
    void stopForEffect() override;

private:
    struct Word {
        quint64 ticket = 0;
        QString text;
        QString language;
    };

    void run();

    const QString m_device;
    const Output m_output;
    SpeechEngine m_engine; // the worker's alone

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // a word waits, or the end
    std::condition_variable m_idle; // the word playing let go of the device
    std::thread m_worker;
    std::optional<Word> m_waiting;
    quint64 m_playing = 0;
    quint64 m_lastTicket = 0;
    std::atomic<bool> m_stop = false;
    bool m_quit = false;
    // Found by the worker once it has started.
    bool m_known = false;
    SpeechEngine::State m_engineState = SpeechEngine::State::NotStarted;
    bool m_devicePresent = false;
    QStringList m_voiceLanguages;
};

// The program's speaker (espeak-ng and ALSA), made on first use. Making it
// also makes every sound effect stop speech first (setBeforeEffect).
Speaker &speaker();
// Tests install a recording one.
void setSpeaker(std::unique_ptr<Speaker> s);
// Stops and joins; called at quit and program end.
void shutdownSpeech();

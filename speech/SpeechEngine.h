#pragma once

#include "app/PcmOutput.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

// The one piece of the program that calls espeak-ng, loaded at run time (the
// program does not link it: the loader would map it, with the audio client
// libraries it pulls in, at every start). espeak-ng keeps its state in
// globals and is not re-entrant: one thread at a time uses an engine, and
// only one engine is in use at a time.
class SpeechEngine {
public:
    enum class State { NotStarted, Ready, LibraryMissing, DataMissing, StartFailed };

    // dataFolder holds espeak-ng-data; empty for the system's own.
    explicit SpeechEngine(QString dataFolder = {});

    // Loads the library and reads its voice list, without starting the
    // synthesiser. False when the library or its voices are missing.
    bool readVoices();
    // Starts the synthesiser (reading the voices first if need be).
    State start();
    State state() const { return m_state; }
    // espeak-ng's own words for why it did not start, for a log.
    QString problem() const { return m_problem; }
    // Samples a second of what it says, once started.
    int sampleRate() const { return m_rate; }

    // The languages of the voices, as the voice list spells them ("en-gb").
    const QStringList &voiceLanguages() const { return m_languages; }
    // The voice list's language for a BCP 47 code ("en-GB" -> "en-gb",
    // "es-MX" -> "es"), empty when no voice speaks it.
    QString voiceLanguageFor(const QString &code) const { return voiceLanguageFor(m_languages, code); }
    // The same among these languages: the full code first, then its base language.
    static QString voiceLanguageFor(const QStringList &languages, const QString &code);

    // Samples of the text said in the language (16-bit mono at the engine's
    // rate). Nothing for a language without a voice, an engine that did not
    // start, or once cancel is set, which cuts a long synthesis short.
    std::optional<PcmSound> synthesize(const QString &text, const QString &languageCode,
                                       const std::atomic<bool> *cancel = nullptr);

private:
    QString m_dataFolder;
    State m_state = State::NotStarted;
    QString m_problem;
    QStringList m_languages;
    bool m_voicesRead = false;
    int m_rate = 0;
    QString m_voice; // the language of the voice chosen last
};

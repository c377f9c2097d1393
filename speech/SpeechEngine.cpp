#include "SpeechEngine.h"

#include "app/core/RuntimeLibrary.h"

#include <QFile>
#include <QLibrary>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

namespace {

// Never the legacy espeak_Initialize: it ends the process when the data is missing.
struct Espeak {
    decltype(&espeak_ng_InitializePath) initializePath = nullptr;
    decltype(&espeak_ListVoices) listVoices = nullptr;
    decltype(&espeak_ng_Initialize) initialize = nullptr;
    decltype(&espeak_ng_InitializeOutput) initializeOutput = nullptr;
    decltype(&espeak_ng_GetSampleRate) sampleRate = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_ng_SetVoiceByProperties) setVoice = nullptr;
    decltype(&espeak_ng_Synthesize) synthesize = nullptr;
    decltype(&espeak_ng_GetStatusCodeMessage) statusMessage = nullptr;
    bool ready = false;
};

const Espeak &espeak()
{
    static const Espeak api = [] {
        Espeak e;
        QLibrary library(QStringLiteral("espeak-ng"), 1);
        e.ready = library.load() && resolve(library, "espeak_ng_InitializePath", e.initializePath)
            && resolve(library, "espeak_ListVoices", e.listVoices)
            && resolve(library, "espeak_ng_Initialize", e.initialize)
            && resolve(library, "espeak_ng_InitializeOutput", e.initializeOutput)
            && resolve(library, "espeak_ng_GetSampleRate", e.sampleRate)
            && resolve(library, "espeak_SetSynthCallback", e.setSynthCallback)
            && resolve(library, "espeak_ng_SetVoiceByProperties", e.setVoice)
            && resolve(library, "espeak_ng_Synthesize", e.synthesize)
            && resolve(library, "espeak_ng_GetStatusCodeMessage", e.statusMessage);
        return e;
    }();
    return api;
}

QString statusText(espeak_ng_STATUS status)
{
    char text[256] = {};
    espeak().statusMessage(status, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

// Where the synthesis callback puts the samples; set only around a call to
// espeak_ng_Synthesize, on the one thread that uses the engine.
struct Synthesis {
    std::vector<short> *samples = nullptr;
    const std::atomic<bool> *cancel = nullptr;
};
Synthesis current;

int takeSamples(short *wav, int count, espeak_EVENT *)
{
    if (current.cancel && current.cancel->load())
        return 1; // abort
    if (wav && count > 0 && current.samples)
        current.samples->insert(current.samples->end(), wav, wav + count);
    return 0;
}

// "en_GB" and "EN-gb" alike become "en-gb", as the voice list spells languages.
QString normalCode(const QString &code)
{
    return code.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

} // namespace

SpeechEngine::SpeechEngine(QString dataFolder)
    : m_dataFolder(std::move(dataFolder))
{
}

bool SpeechEngine::readVoices()
{
    if (m_voicesRead)
        return !m_languages.isEmpty();
    m_voicesRead = true;
    const Espeak &api = espeak();
    if (!api.ready) {
        m_state = State::LibraryMissing;
        return false;
    }
    const QByteArray folder = QFile::encodeName(m_dataFolder);
    api.initializePath(m_dataFolder.isEmpty() ? nullptr : folder.constData());
    // Each voice lists its languages as a priority byte and a name, ended by
    // an empty name.
    for (const espeak_VOICE **voice = api.listVoices(nullptr); voice && *voice; ++voice) {
        for (const char *entry = (*voice)->languages; entry && *entry; entry += 2 + qstrlen(entry + 1)) {
            const QString language = QString::fromUtf8(entry + 1).toLower();
            if (!m_languages.contains(language))
                m_languages << language;
        }
    }
    if (m_languages.isEmpty())
        m_state = State::DataMissing;
    return !m_languages.isEmpty();
}

SpeechEngine::State SpeechEngine::start()
{
    if (m_state != State::NotStarted || !readVoices())
        return m_state;
    const Espeak &api = espeak();
    espeak_ng_STATUS status = api.initialize(nullptr);
    if (status == ENS_OK)
        status = api.initializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK) {
        m_problem = statusText(status);
        m_state = State::StartFailed;
        return m_state;
    }
    api.setSynthCallback(takeSamples);
    m_rate = api.sampleRate();
    m_state = State::Ready;
    return m_state;
}

QString SpeechEngine::voiceLanguageFor(const QStringList &languages, const QString &code)
{
    const QString full = normalCode(code);
    if (full.isEmpty())
        return {};
    if (languages.contains(full))
        return full;
    const QString base = full.section(QLatin1Char('-'), 0, 0);
    return languages.contains(base) ? base : QString();
}

std::optional<PcmSound> SpeechEngine::synthesize(const QString &text, const QString &languageCode,
                                                 const std::atomic<bool> *cancel)
{
    const QString language = voiceLanguageFor(languageCode);
    if (m_state != State::Ready || language.isEmpty() || text.trimmed().isEmpty())
        return std::nullopt;
    const Espeak &api = espeak();
    if (language != m_voice) {
        // By language rather than by name: several voices speak "en" or
        // "zh", and espeak-ng then takes the one it ranks first.
        const QByteArray name = language.toUtf8();
        espeak_VOICE wanted{};
        wanted.languages = name.constData();
        if (api.setVoice(&wanted) != ENS_OK) {
            m_voice.clear();
            return std::nullopt;
        }
        m_voice = language;
    }
    PcmSound sound;
    sound.channels = 1;
    sound.rate = m_rate;
    current = {&sound.samples, cancel};
    const QByteArray utf8 = text.toUtf8();
    const espeak_ng_STATUS status = api.synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                                   espeakCHARS_UTF8, nullptr, nullptr);
    current = {};
    if (status != ENS_OK || sound.samples.empty() || (cancel && cancel->load()))
        return std::nullopt;
    return sound;
}

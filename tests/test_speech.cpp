// links: lingo_speech
#include "app/Sound.h"
#include "speech/Speaker.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;

namespace {

const QString LongSpanish = QStringLiteral("la manzana es roja, el plátano es amarillo y la naranja es naranja");

// A sound card in the test's hands: it plays 10 ms at a time and notes when
// a word starts, ends and is stopped, and when an effect plays.
struct Device : SoundPlayer {
    std::mutex mutex;
    std::condition_variable changed;
    QStringList events;

    void note(const QString &event)
    {
        {
            std::lock_guard lock(mutex);
            events << event;
        }
        changed.notify_all();
    }
    bool waitFor(const QString &event, int count = 1)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 10s, [&] { return events.count(event) >= count; });
    }
    EspeakSpeaker::Output output()
    {
        return [this](const PcmSound &sound, const std::atomic<bool> &stop) {
            note(QStringLiteral("word"));
            for (size_t at = 0; at < sound.samples.size(); at += size_t(sound.rate / 100)) {
                if (stop) {
                    note(QStringLiteral("stopped"));
                    return PcmPlayed::Stopped;
                }
                std::this_thread::sleep_for(10ms);
            }
            note(QStringLiteral("played"));
            return PcmPlayed::Played;
        };
    }
    int play(const QString &) override
    {
        note(QStringLiteral("effect"));
        return 1;
    }
    void beep() override { note(QStringLiteral("effect")); }
};

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT

private slots:
    void eachLanguageSpeaks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("sentence");
        QTest::addRow("es") << "es" << "la manzana" << LongSpanish;
        QTest::addRow("fr") << "fr" << "la pomme" << "la pomme est rouge et la banane est jaune";
        QTest::addRow("de") << "de" << "der Apfel" << "der Apfel ist rot und die Banane ist gelb";
        QTest::addRow("ru") << "ru" << "яблоко" << "яблоко красное, а банан жёлтый";
        QTest::addRow("el") << "el" << "μήλο" << "το μήλο είναι κόκκινο και η μπανάνα κίτρινη";
        QTest::addRow("en") << "en" << "apple" << "the apple is red and the banana is yellow";
        QTest::addRow("en-GB, a regional voice") << "en-GB" << "colour" << "the colour of the apple is red";
        QTest::addRow("pt-BR, a regional voice") << "pt-BR" << "maçã" << "a maçã é vermelha e a banana é amarela";
        QTest::addRow("zh, several voices") << "zh" << "苹果" << "苹果是红色的，香蕉是黄色的";
        QTest::addRow("es-MX, the base language's voice") << "es-MX" << "la manzana" << LongSpanish;
    }
    void eachLanguageSpeaks()
    {
        QFETCH(QString, code);
        QFETCH(QString, word);
        QFETCH(QString, sentence);
        SpeechEngine engine;
        QCOMPARE(engine.start(), SpeechEngine::State::Ready);
        QVERIFY(engine.sampleRate() > 0);
        const auto shortSound = engine.synthesize(word, code);
        const auto longSound = engine.synthesize(sentence, code);
        QVERIFY(shortSound && longSound);
        QCOMPARE(shortSound->rate, engine.sampleRate());
        QCOMPARE(shortSound->channels, 1);
        QVERIFY(!shortSound->samples.empty());
        QVERIFY(longSound->samples.size() > 2 * shortSound->samples.size());
    }

    // Nothing is guessed for a language without a voice, and the engine
    // still speaks afterwards.
    void unknownLanguageSaysNothing()
    {
        SpeechEngine engine;
        QCOMPARE(engine.start(), SpeechEngine::State::Ready);
        for (const QString code : {"xx", "", "xx-ES"}) {
            QVERIFY(engine.voiceLanguageFor(code).isEmpty());
            QVERIFY(!engine.synthesize(QStringLiteral("hola"), code));
        }
        QVERIFY(!engine.synthesize(QString(), QStringLiteral("es")));
        QVERIFY(engine.synthesize(QStringLiteral("hola"), QStringLiteral("es")));
    }

    void nullDevicePlaysAWord()
    {
        SpeechEngine engine;
        QCOMPARE(engine.start(), SpeechEngine::State::Ready);
        const auto sound = engine.synthesize(LongSpanish, QStringLiteral("es"));
        QVERIFY(sound);
        QVERIFY(pcmDevicePresent(QStringLiteral("null")));
        QVERIFY(!pcmDevicePresent(QStringLiteral("no_such_device")));
        QCOMPARE(playPcm(*sound, QStringLiteral("null")), PcmPlayed::Played);
        const std::atomic<bool> stop = true;
        QCOMPARE(playPcm(*sound, QStringLiteral("null"), &stop), PcmPlayed::Stopped);
        QCOMPARE(playPcm(*sound, QStringLiteral("no_such_device")), PcmPlayed::NoDevice);
    }

    void availabilityIsExplained()
    {
        QTemporaryDir noData;
        struct Case {
            QString device, data, code;
            SpeechBlock block;
        };
        for (const Case &c : {Case{"null", {}, "es", SpeechBlock::None}, Case{"null", {}, "xx", SpeechBlock::NoVoice},
                              Case{"null", {}, "", SpeechBlock::NoVoice},
                              Case{"no_such_device", {}, "es", SpeechBlock::NoSoundDevice},
                              Case{"null", noData.path(), "es", SpeechBlock::EngineFailed}}) {
            EspeakSpeaker speaker(c.device, {}, c.data);
            QCOMPARE(speaker.blockFor(c.code), SpeechBlock::None); // not known yet
            QSignalSpy known(&speaker, &Speaker::availabilityChanged);
            speaker.prepare();
            speaker.prepare();
            QTRY_COMPARE(known.count(), 1);
            QCOMPARE(speaker.blockFor(c.code), c.block);
            speaker.say(QStringLiteral("hola"), c.code); // quietly nothing when blocked
        }
    }

    // A pupil flicking through cards: the next word stops the one playing
    // instead of waiting for it.
    void aNewWordStopsTheOnePlaying()
    {
        Device device;
        EspeakSpeaker speaker(QStringLiteral("null"), device.output());
        const quint64 first = speaker.say(LongSpanish, QStringLiteral("es"));
        QVERIFY(device.waitFor(QStringLiteral("word")));
        QVERIFY(speaker.say(QStringLiteral("la pera"), QStringLiteral("es")) > first);
        QVERIFY(device.waitFor(QStringLiteral("played")));
        QCOMPARE(device.events, QStringList({"word", "stopped", "word", "played"}));

        speaker.say(LongSpanish, QStringLiteral("es"));
        QVERIFY(device.waitFor(QStringLiteral("word"), 3));
        speaker.stop(first); // long over: no effect on this one
        speaker.stop();
        QVERIFY(device.waitFor(QStringLiteral("stopped"), 2));
    }

    void anEffectCutsAWordShort()
    {
        auto device = std::make_unique<Device>();
        Device &log = *device;
        setSpeaker(std::make_unique<EspeakSpeaker>(QStringLiteral("null"), log.output()));
        setSoundPlayer(std::move(device));
        speaker().say(LongSpanish, QStringLiteral("es"));
        QVERIFY(log.waitFor(QStringLiteral("word")));
        PlaySound(QStringLiteral("/no/such/effect.wav"));
        QCOMPARE(log.events, QStringList({"word", "stopped", "effect"}));
        Beep(); // nothing playing: no wait
        shutdownSpeech();
        PlaySound(QStringLiteral("/no/such/effect.wav"));
        QCOMPARE(log.events.count(QStringLiteral("effect")), 3);
        setSoundPlayer(nullptr);
    }
};

QTEST_MAIN(SpeechTest)
#include "test_speech.moc"

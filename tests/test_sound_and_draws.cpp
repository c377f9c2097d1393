// links: lingo_app
#include "app/AlsaSoundPlayer.h"
#include "app/core/Numbers.h"
#include "app/core/Random.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace {

// A 0.2 s 440 Hz tone, IMA ADPCM when asked, as the shipped sounds may be.
QString writeTone(const QString &path, int format)
{
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = format;
    SNDFILE *file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file)
        return {};
    std::vector<short> samples(4410);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(8000 * std::sin(2 * M_PI * 440 * double(i) / 22050));
    sf_writef_short(file, samples.data(), sf_count_t(samples.size()));
    sf_close(file);
    return path;
}

} // namespace

class SoundAndDrawsTest : public QObject {
    Q_OBJECT

private slots:
    void playsRealFilesThroughAlsa()
    {
        QTemporaryDir dir;
        AlsaSoundPlayer player(QStringLiteral("null"));
        const QString pcm = writeTone(dir.filePath("tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        const QString adpcm = writeTone(dir.filePath("adpcm.wav"), SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM);
        QVERIFY(!pcm.isEmpty() && !adpcm.isEmpty());
        QCOMPARE(player.play(pcm), 1);
        QCOMPARE(player.play(adpcm), 1);

        // A missing or broken file falls back to the alert sound: it is not
        // reported as played, and nothing hangs.
        QFile junk(dir.filePath("junk.wav"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("RIFF not really a wave file");
        junk.close();
        QCOMPARE(player.play(dir.filePath("missing.wav")), 0);
        QCOMPARE(player.play(junk.fileName()), 0);
        player.beep();

        // Without an audio device the call returns at once.
        AlsaSoundPlayer nowhere(QStringLiteral("no_such_device"));
        QElapsedTimer clock;
        clock.start();
        nowhere.play(pcm);
        nowhere.beep();
        QVERIFY(clock.elapsed() < 2000);
    }

    void drawsStayInRangeAndReachEveryValue()
    {
        rnd::seedRandom(7);
        for (const int n : {1, 2, 4, 600}) {
            std::vector<int> seen(size_t(n) + 1, 0);
            for (int i = 0; i < n * 200; ++i) {
                const int d = rnd::drawFrom1To(n);
                QVERIFY(d >= 1 && d <= n);
                ++seen[size_t(d)];
            }
            for (int v = 1; v <= n; ++v)
                QVERIFY2(seen[size_t(v)] > 0, qPrintable(QString("never drew %1 of %2").arg(v).arg(n)));
        }
        // Re-seeding several times within one clock tick still varies.
        std::vector<int> draws;
        for (int i = 0; i < 20; ++i) {
            rnd::Randomize();
            draws.push_back(rnd::drawFrom1To(1000000));
        }
        std::sort(draws.begin(), draws.end());
        QVERIFY(std::unique(draws.begin(), draws.end()) - draws.begin() > 15);
    }

    void countersAndNumbers()
    {
        QCOMPARE(addCapped(32766, 1), std::int16_t(32767));
        QCOMPARE(addCapped(32767, 1), std::int16_t(32767));
        QCOMPARE(addCapped(-32768, -1), std::int16_t(-32768));
        QCOMPARE(withLeadingBlank(25), QString(" 25"));
        QCOMPARE(withLeadingBlank(0), QString(" 0"));
        QCOMPARE(withLeadingBlank(-3), QString("-3"));
    }
};

QTEST_MAIN(SoundAndDrawsTest)
#include "test_sound_and_draws.moc"

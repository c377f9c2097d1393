// links: lingo_app
#include "app/AlsaSoundPlayer.h"
#include "app/core/Numbers.h"
#include "app/core/Random.h"

#include <QDir>
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

    // The program's own reader of plain wave files stands in for libsndfile.
    void pcmWavesReadAsLibsndfileReadsThem()
    {
        QTemporaryDir dir;
        QStringList files;
        const QDir data(QStringLiteral(LINGO_DATA_DIR));
        for (const QString &name : data.entryList(QStringList{QStringLiteral("*.wav")}, QDir::Files))
            files << data.filePath(name);
        QVERIFY(files.contains(data.filePath(QStringLiteral("thunder2.wav"))));
        // An odd-sized chunk (padded to even) between the format and the samples.
        const QString tone = writeTone(dir.filePath("tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        QFile toneFile(tone);
        QVERIFY(toneFile.open(QIODevice::ReadOnly));
        QByteArray padded = toneFile.readAll();
        const qsizetype dataAt = padded.indexOf("data");
        QVERIFY(dataAt > 0);
        padded.insert(dataAt, QByteArray("LIST\x03\0\0\0abc\0", 12));
        QFile paddedFile(dir.filePath("padded.wav"));
        QVERIFY(paddedFile.open(QIODevice::WriteOnly) && paddedFile.write(padded) == padded.size());
        paddedFile.close();
        files << tone << paddedFile.fileName();

        for (const QString &path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const auto ours = readPcmWave(file.readAll());
            QVERIFY2(ours, qPrintable(path));
            SF_INFO info{};
            SNDFILE *sf = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
            QVERIFY(sf);
            std::vector<short> theirs(size_t(info.frames) * size_t(info.channels));
            sf_readf_short(sf, theirs.data(), info.frames);
            sf_close(sf);
            QCOMPARE(ours->channels, info.channels);
            QCOMPARE(ours->rate, info.samplerate);
            QVERIFY2(ours->samples == theirs, qPrintable(path));
        }
        QFile adpcm(writeTone(dir.filePath("adpcm.wav"), SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM));
        QVERIFY(adpcm.open(QIODevice::ReadOnly));
        QVERIFY(!readPcmWave(adpcm.readAll())); // left to libsndfile
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

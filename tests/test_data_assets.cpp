// links: lingo_core Qt6::Gui
// The pictures, sounds, word lists and settings shipped in data/: each file
// the screens open is there and in the shape they expect.

#include "app/core/Cp1252.h"
#include "app/core/ListStore.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

QString dataFile(const QString &name)
{
    return QStringLiteral(LINGO_DATA_DIR "/") + name;
}

QByteArray readData(const QString &name)
{
    QFile f(dataFile(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class DataAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void soundsAreShortQuietMonoPcm();
    void picturesAreLargeDetailedImages();
    void wordListsAreWellFormedCp1252();
    void settingsFileOpensWithSoundOn();
};

void DataAssetsTest::soundsAreShortQuietMonoPcm()
{
    const QStringList names = QStringLiteral(
        "thunder2.wav pageturn.wav clap.wav glasbk.wav whew.wav oh-no.wav choke.wav goodjob.wav ricochet.wav").split(u' ');
    for (const QString &name : names) {
        SF_INFO info{};
        SNDFILE *f = sf_open(QFile::encodeName(dataFile(name)).constData(), SFM_READ, &info);
        QVERIFY2(f, qPrintable(name + ": " + QString::fromLocal8Bit(sf_strerror(nullptr))));
        std::vector<short> samples(static_cast<size_t>(info.frames));
        const sf_count_t got = sf_read_short(f, samples.data(), info.frames);
        sf_close(f);
        QCOMPARE(QList<qint64>({info.format, info.channels, info.samplerate, got}),
                 QList<qint64>({SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, info.frames}));
        const double seconds = double(info.frames) / info.samplerate;
        const double limit = name == QLatin1String("thunder2.wav") ? 3.0 : 2.5;
        QVERIFY2(seconds > 0.1 && seconds <= limit, qPrintable(name + QStringLiteral(" lasts %1 s").arg(seconds)));

        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        const double level = std::max(-int(*low), int(*high)) / 32768.0;
        // Below -1 dBFS, and loud enough to be heard.
        QVERIFY2(level < 0.89 && level > 0.3, qPrintable(name + QStringLiteral(" peaks at %1").arg(level)));
        // Faded at both ends: no click when playback starts or stops.
        QVERIFY2(std::abs(samples.front()) < 330 && std::abs(samples.back()) < 330, qPrintable(name));
    }
}

void DataAssetsTest::picturesAreLargeDetailedImages()
{
    const QStringList names = QStringLiteral(
        "lspark.jpg first.jpg light.png card.jpg sphinx.jpg deco1.png deco2.png arrow_next.png arrow_back.png happy.png "
        "sad.png summary.jpg slide1.png slide2.png slide3.png slide4.png face.png game_hangman.png game_scramble.png "
        "game_concentration.png game_zap.png cardback.png zap.jpg target.png ready.jpg trophy.png").split(u' ');
    for (const QString &name : names) {
        QImage img(dataFile(name));
        QVERIFY2(img.width() >= 640 && img.height() >= 480, qPrintable(name + " does not load or is small"));
        QVERIFY2(QFileInfo(dataFile(name)).size() <= 256 * 1024, qPrintable(name + " is too big"));

        // A picture, not a flat fill: many different colours on a coarse grid.
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); y += 16)
            for (int x = 0; x < img.width(); x += 16)
                colours.insert(img.pixel(x, y));
        QVERIFY2(colours.size() >= 40, qPrintable(name + QStringLiteral(": %1 colours").arg(colours.size())));

        // Figures and icons sit on transparency, so their corners show through.
        if (name.endsWith(QLatin1String(".png")))
            QVERIFY2(qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(img.width() - 1, img.height() - 1)) == 0,
                     qPrintable(name));
    }
    // The start screen shows the bulb in an 81 x 113 box.
    const QImage light(dataFile("light.png"));
    QVERIFY(std::abs(double(light.width()) / light.height() - 81.0 / 113.0) < 0.01);
    // The main background carries text, so it must stay light.
    const QImage back = QImage(dataFile("lspark.jpg")).scaled(8, 6);
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            QVERIFY(QColor(back.pixel(x, y)).lightness() > 200);
}

void DataAssetsTest::wordListsAreWellFormedCp1252()
{
    // CR LF lines, none empty, the last one ended too. A lone CR or LF, an
    // undefined code point or a control byte decodes to a control character.
    const QByteArray bytes = readData("thelists.dat");
    QVERIFY(bytes.endsWith("\r\n"));
    QList<QByteArray> lines;
    for (const QString &latin1 : QString::fromLatin1(bytes.chopped(2)).split(QStringLiteral("\r\n"))) {
        lines.append(latin1.toLatin1());
        const QString text = cp1252::decode(lines.last());
        QVERIFY2(!text.isEmpty() && text.size() <= 60, qPrintable(text));
        for (QChar c : text)
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(text));
    }
    QVERIFY(bytes.contains("\x9C"));  // the store really is cp1252, not UTF-8
    QVERIFY(!bytes.contains("\xC3"));

    // Lists a game can use: a few words short enough for hangman each, some
    // long ones somewhere, large and small lists, every line a name, a
    // separator or part of a whole pair.
    const QList<qsizetype> starts = liststore::nameLineIndexes(lines);
    QVERIFY(starts.size() >= 6);
    QSet<QByteArray> names;
    int large = 0, small = 0, withLongWords = 0;
    for (const qsizetype start : starts) {
        const QByteArray &name = lines[start];
        QVERIFY2(!names.contains(name), name.constData());
        names.insert(name);
        const QList<QByteArray> pairs = lines.mid(start + 1, liststore::blockEnd(lines, start) - start - 1);
        QVERIFY2(pairs.size() % 2 == 0 && pairs.size() >= 10 && pairs.size() <= 120, name.constData());
        int hangmanWords = 0;
        bool longWords = false;
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            QVERIFY2(!pairs[i].trimmed().isEmpty() && !pairs[i + 1].trimmed().isEmpty() && pairs[i].size() <= 20,
                     pairs[i].constData());
            hangmanWords += pairs[i].size() <= 14;
            longWords |= pairs[i].size() > 14;
        }
        QVERIFY2(hangmanWords >= 5, name.constData());
        large += pairs.size() >= 16;
        small += pairs.size() < 16;
        withLongWords += longWords;
    }
    QVERIFY2(large >= 4 && small >= 1 && withLongWords >= 1,
             qPrintable(QStringLiteral("%1 large, %2 small, %3 with long words").arg(large).arg(small).arg(withLongWords)));
}

void DataAssetsTest::settingsFileOpensWithSoundOn()
{
    const QByteArray bytes = readData("lsdata.dat");
    QVERIFY(bytes.startsWith("OPENDOOR\r\n") && bytes.endsWith("\r\nSound On\r\n") && bytes.count("\r\n") == 3);
}

QTEST_GUILESS_MAIN(DataAssetsTest)
#include "test_data_assets.moc"
